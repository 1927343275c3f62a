// The exact odds of a poker machine as a section of its help page: the return under optimal play
// and under the machine's automatic hold, the hit frequency, how often each hand ends a round,
// and what the figures leave out.
#pragma once

#include <string>

#include "gamecore/lxgamemanager.h"

namespace lx {

// HTML for the body of the section; "" for a game that is not a video poker game.
std::string OddsHelpHtml(const TGameInfo& game);

}  // namespace lx

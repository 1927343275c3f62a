// The text tessaro-odds prints: the table of every machine, one machine's final hands, the
// ranked holds of one deal.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>

#include "odds/lxgamereturn.h"
#include "odds/lxholdadvisor.h"

namespace lx {

void PrintTableHeader(std::ostream& out);
void PrintTableLine(std::ostream& out, const TOddsGame& game, const TGameReturn& r,
                    const TGameReturn& autoHold);
void PrintSlotLine(std::ostream& out, const TGameInfo& info);
void PrintMachine(std::ostream& out, const TOddsGame& game, const TGameReturn& r,
                  const TGameReturn& autoHold, double seconds);
void PrintHolds(std::ostream& out, const TOddsGame& game, const std::array<int32_t, 5>& cards,
                const std::array<THoldValue, 32>& ranked);

}  // namespace lx

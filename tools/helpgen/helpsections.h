// The sections of a game's help page. Each section writes its own HTML for one game; a new
// section (exact odds, for example) is one more function and one more row of GameSections.
#pragma once

#include <string>
#include <vector>

namespace lx {
class TGameInfo;
}

namespace helpgen {

struct TSection {
  const char* Title;
  // The section's body for the game; empty: the section is left out of this game's page.
  std::string (*Write)(const lx::TGameInfo& game);
};

// In page order.
const std::vector<TSection>& GameSections();

// Text with <, > and & escaped.
std::string Html(const std::string& text);

// The page name of a game: its identifier in lower case + ".html".
std::string GamePage(const lx::TGameInfo& game);

}  // namespace helpgen

#include "helpsections.h"

#include <string>

#include "base/lxutils.h"
#include "gamecore/lxgamemanager.h"

namespace helpgen {

namespace {

using lx::TGameInfo;

// What the help says about each machine beyond the catalog: how it is played. Kept in the
// order of the catalog's game types.
struct TMachineText {
  int32_t GameType;
  const char* DoubleUp;  // BIG/SMALL, RED/BLACK or BEAT THE DEALER
  int32_t DoubleUpLimit;
  const char* Wild;     // the wild cards; empty: none
  const char* Bets;     // the bet ladder
  const char* Bonuses;  // HTML paragraphs; empty: none
};

constexpr const char* kLumio =
    "<p>The <b>Lumio number</b> is a rank from 5 to 10, shown above the cards. Three natural "
    "cards of that rank in a winning hand light one lamp of the ten-lamp meter; the meter is "
    "kept for each bet. Ten lit lamps, or four natural cards of the Lumio rank, pay the "
    "<b>Lumio bonus</b>: bet &times; Lumio number &times; 100. Then the Lumio number moves "
    "on.</p><p>A round has <b>three deals</b>: after the first draw you may collect, take half, "
    "gamble or draw a second time; the deal lamps show where you are.</p>";
constexpr const char* kAmerican =
    "<p><b>Mini bonus</b>: every hand of jacks or better adds to the mini bonus pool of your "
    "bet; the pool is paid out with the hands the machine names. The <b>American jackpot</b> "
    "grows with every bet and is paid for the top hand.</p><p>The <b>double-up bar</b> of eight "
    "lamps lights one lamp per won call; a full bar pays its prize on top of the doubled "
    "win. In these games a win cannot be halved in the double-up.</p>";
constexpr const char* kJokers =
    "<p>The deck holds two jokers. A joker stands for any card that makes the best hand.</p>";

constexpr TMachineText kMachines[] = {
    {1, "BIG/SMALL", 10, "", "5, 7, 10, 20 ... 100", kLumio},
    {2, "BIG/SMALL", 10, "the deuces (2)", "5, 10, 20 ... 100", kLumio},
    {3, "BEAT THE DEALER", 10, "the two jokers", "5 to 100, in steps of 1", kJokers},
    {4, "BEAT THE DEALER", 10, "the two jokers", "5 to 100, in steps of 1", kJokers},
    {5, "RED/BLACK", 8, "", "1, 2, 3, 4, 5, 10, 20 ... 100", kAmerican},
    {6, "RED/BLACK", 8, "the deuces (2)", "1, 2, 3, 4, 5, 10, 20 ... 100", kAmerican},
    {10, "BIG/SMALL", 10, "", "10, 20, 30, 40, 50", ""},
    {11, "BIG/SMALL", 10, "", "10, 20, 30, 40, 50", ""},
    {12, "RED/BLACK", 10, "the deuces (2)", "10, 20, 30, 40, 50", ""},
    {13, "RED/BLACK", 10, "the deuces (2) and the joker", "10, 20, 30, 40, 50", ""},
    {14, "BIG/SMALL", 10, "the joker", "10, 20, 30, 40, 50", ""},
    {15, "BIG/SMALL", 10, "the joker", "10, 20, 30, 40, 50", ""},
    {16, "BIG/SMALL", 10, "", "10, 20, 30, 40, 50", ""},
    {17, "BEAT THE DEALER", 10, "", "10, 20, 30, 40, 50", ""},
    {18, "BIG/SMALL", 10, "", "10, 20, 30, 40, 50", ""},
    {60, "BEAT THE DEALER", 10, "the sevens and the cherry card", "5 to 100, in steps of 1", ""},
    {31, "BIG/SMALL", 8, "", "up to 98 coins on each BET button",
     "<p><b>Bar bonus games</b> start on lines of BAR, BAR BAR and BAR BAR BAR. The <b>bell "
     "bonus</b> and the <b>cherry bonus</b> count down with the spins and start a free bonus "
     "game when they run out.</p>"},
    {32, "BIG/SMALL", 8, "", "up to 128 coins on each BET button",
     "<p>The <b>bar bonus game</b> starts on a line of BAR. The <b>pools</b> grow with every "
     "bet and pay out when their pattern of pool symbols appears (line, O or cross). The bell "
     "bonus and the cherry bonus count down and start free games.</p>"},
    {33, "BIG/SMALL", 8, "", "up to 98 coins on each BET button",
     "<p>The <b>collect bonus</b>: collected symbols light the collect stages; a full row of "
     "stages pays its prize.</p>"},
    {34, "RED/BLACK", 8, "", "up to 98 coins on each BET button",
     "<p>The <b>bell bonus</b> (dollar) and the <b>cherry bonus</b> (cocktail) count down and "
     "start free games; the <b>bar sum bonus</b> collects the bars that show and pays its pot "
     "when it is full.</p>"},
    {41, "RED/BLACK", 8, "", "up to 98 coins on each BET button", ""},
    {51, "BIG/SMALL", 8, "", "up to 98 coins on each BET button", ""},
    {52, "BIG/SMALL", 8, "", "up to 98 coins on each BET button", ""},
};

const TMachineText* MachineOf(const TGameInfo& game) {
  for (const TMachineText& m : kMachines)
    if (m.GameType == game.GameType) return &m;
  return nullptr;
}

bool IsPoker(const TGameInfo& game) {
  return game.Group && game.Group->GroupID == 1;
}

std::string Rules(const TGameInfo& game) {
  const TMachineText* m = MachineOf(game);
  std::string out = "<p class=\"desc\">" + Html(game.Description) + "</p>";
  if (IsPoker(game)) {
    out +=
        "<ol><li>Put credit into the machine with the <b>CREDIT</b> button of the navigation "
        "bar.</li><li>Choose your bet with <b>BET</b>.</li><li><b>DEAL</b> gives you five "
        "cards; the machine holds the cards it would keep.</li><li>Click the cards (or the "
        "HOLD buttons) to hold or release them, then <b>DRAW</b> replaces the others.</li>"
        "<li>The final hand is paid from the pay table: bet &times; pay per coin.</li>"
        "<li>Take the win with <b>CASH</b> or gamble it in the double-up.</li></ol>";
    if (m && *m->Wild)
      out += "<p>Wild cards: <b>" + std::string(m->Wild) +
             "</b>. A wild card stands for the card that makes the best hand.</p>";
  } else {
    out +=
        "<ol><li>Put credit into the machine with the <b>CREDIT</b> button of the navigation "
        "bar.</li><li>Put coins on the lines with <b>BET1</b> and <b>BET2</b>; each coin "
        "activates a pay line.</li><li><b>SPIN</b> starts the reels; the HOLD buttons stop a "
        "reel early, SPIN stops them all.</li><li>Each line with a winning pattern pays its "
        "coins times the pay of the pattern.</li><li>Take the win with <b>CASH</b> or gamble "
        "it with HOLD 2 in the double-up.</li></ol>";
  }
  if (m) out += "<p>Bets: " + Html(m->Bets) + ".</p>";
  return out;
}

std::string DoubleUp(const TGameInfo& game) {
  const TMachineText* m = MachineOf(game);
  if (!m) return "";
  const std::string kind = m->DoubleUp;
  std::string out = "<p>After a win you may gamble it: <b>" + kind + "</b>. ";
  if (kind == "BEAT THE DEALER") {
    out +=
        "DEAL shows the dealer's card beside four face-down cards. Pick one of them: a higher "
        "rank than the dealer's doubles the win, an equal rank is a draw, a lower one loses. "
        "The ace beats every card.";
  } else if (kind == "RED/BLACK") {
    out +=
        "Call the colour of the next card of the face-down row: RED or BLACK. A right call "
        "doubles the win, a wrong one loses it.";
  } else {
    out +=
        "Call the next card of the face-down row: SMALL (ace to 6) or BIG (8 to king). A right "
        "call doubles the win, a wrong one loses it; a seven is a draw and the win stays.";
  }
  out +=
      " You may take the win at any call, or take half and gamble the rest (where the "
      "machine offers it). At most " +
      std::to_string(m->DoubleUpLimit) + " calls are played.</p>";
  return out;
}

std::string Bonuses(const TGameInfo& game) {
  const TMachineText* m = MachineOf(game);
  return m ? std::string(m->Bonuses) : std::string();
}

std::string PayTable(const TGameInfo& game) {
  if (game.PayTable.Count() == 0)
    return "<p>This machine pays by its own line and screen patterns; the pays are shown on "
           "the machine.</p>";
  std::string out =
      "<table class=\"pays\"><tr><th>HAND</th><th>PAY PER COIN</th><th>AT BET 10</th></tr>";
  for (int32_t i = 0; i < game.PayTable.Count(); ++i) {
    const lx::TGameHand* row = game.PayTable.Items(i);
    out += "<tr><td>" + Html(lx::HandTitle(row->HandIDStr)) + "</td><td class=\"num\">" +
           std::to_string(row->Value) + "</td><td class=\"num\">" +
           std::to_string(static_cast<int64_t>(row->Value) * 10) + "</td></tr>";
  }
  return out + "</table>";
}

std::string Keys(const TGameInfo& game) {
  if (IsPoker(game))
    return "<table class=\"keys\"><tr><td class=\"key\">M</td><td>DEAL / DRAW</td></tr>"
           "<tr><td class=\"key\">A</td><td>BET</td></tr>"
           "<tr><td class=\"key\">N</td><td>CASH (take the win)</td></tr>"
           "<tr><td class=\"key\">Z X C V B</td><td>hold or release cards 1 to 5; in the "
           "double-up the calls</td></tr></table>";
  return "<table class=\"keys\"><tr><td class=\"key\">M</td><td>SPIN / stop all reels</td></tr>"
         "<tr><td class=\"key\">Z</td><td>BET1</td></tr>"
         "<tr><td class=\"key\">X</td><td>BET2</td></tr>"
         "<tr><td class=\"key\">N</td><td>CASH (take the win)</td></tr>"
         "<tr><td class=\"key\">C V B</td><td>HOLD 1, 2, 3: stop a reel; after a win HOLD 2 "
         "starts the double-up; in the double-up HOLD 1 and 3 are the calls</td></tr></table>";
}

}  // namespace

std::string Html(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else
      out += c;
  }
  return out;
}

std::string GamePage(const TGameInfo& game) {
  return lx::LowerCase(game.IDStr) + ".html";
}

const std::vector<TSection>& GameSections() {
  static const std::vector<TSection> sections = {
      {"HOW TO PLAY", Rules},  {"DOUBLE-UP", DoubleUp}, {"BONUSES", Bonuses},
      {"PAY TABLE", PayTable}, {"KEYS", Keys},
  };
  return sections;
}

}  // namespace helpgen

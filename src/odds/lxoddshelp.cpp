#include "odds/lxoddshelp.h"

#include <cstdio>

#include "odds/lxgamereturn.h"

namespace lx {

namespace {

std::string Percent(double p, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f %%", digits, 100 * p);
  return buf;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string OddsHelpHtml(const TGameInfo& game) {
  TOddsRules rules;
  if (!OddsRulesOf(game.GameType, rules)) return "";
  const TOddsGame odds(game);
  const TDrawTable table(odds);
  const TGameReturn best = OptimalReturn(table);
  const TGameReturn machine = AutoHoldReturn(table);
  std::string out = "<p>Exact figures over every deal and every draw of the machine's deck.</p>";
  out +=
      "<table class=\"odds\"><tr><td>Return with the best hold of every deal</td>"
      "<td class=\"num\">" +
      Percent(best.Return(), 4) +
      "</td></tr>"
      "<tr><td>Return with the machine's own hold</td><td class=\"num\">" +
      Percent(machine.Return(), 4) +
      "</td></tr>"
      "<tr><td>Rounds that win (best hold)</td><td class=\"num\">" +
      Percent(best.HitFrequency, 2) + "</td></tr></table>";
  out +=
      "<table class=\"odds\"><tr><th>HAND</th><th>ENDS A ROUND</th><th>SHARE OF THE "
      "RETURN</th></tr>";
  for (size_t i = 0; i < odds.Rows().size(); ++i) {
    const TOddsRow& row = odds.Rows()[i];
    const double p = best.RowProbability[i];
    char ways[48];
    if (p > 0) {
      std::snprintf(ways, sizeof ways, "1 in %.0f", 1 / p);
    } else {
      std::snprintf(ways, sizeof ways, "never");
    }
    out += "<tr><td>" + Escaped(row.Title) + "</td><td class=\"num\">" + ways +
           "</td><td class=\"num\">" + Percent(p * row.Value / best.Bets, 2) + "</td></tr>";
  }
  out += "</table><ul>";
  for (const std::string& note : ReturnNotes(odds)) out += "<li>" + Escaped(note) + "</li>";
  out +=
      "<li>Press O while choosing the cards to hold: the cards of the best hold blink and "
      "the message line shows its expected value per coin.</li></ul>";
  return out;
}

}  // namespace lx

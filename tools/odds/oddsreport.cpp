#include "oddsreport.h"

#include <cstdio>
#include <string>

#include "odds/lxcardtext.h"

namespace lx {

namespace {

std::string Fixed(double v, int digits, int width = 0) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%*.*f", width, digits, v);
  return buf;
}

std::string Pad(const std::string& s, size_t width) {
  return s.size() >= width ? s + " " : s + std::string(width - s.size(), ' ');
}

std::string DeckText(const TOddsRules& r) {
  std::string s = std::to_string(52 + r.Jokers) + " cards";
  if (r.Jokers == 1) s += " (one joker)";
  if (r.Jokers == 2) s += " (two jokers)";
  if (r.WildRank == 2) s += ", deuces wild";
  if (r.WildRank == 7) s += ", sevens wild";
  return s;
}

}  // namespace

void PrintTableHeader(std::ostream& out) {
  out << Pad("type", 5) << Pad("identifier", 23) << Pad("optimal %", 11) << Pad("auto-hold %", 12)
      << Pad("hit %", 8) << Pad("bets", 6) << "deck\n";
}

void PrintTableLine(std::ostream& out, const TOddsGame& game, const TGameReturn& r,
                    const TGameReturn& autoHold) {
  out << Pad(std::to_string(game.Rules().GameType), 5) << Pad(game.IDStr(), 23)
      << Pad(Fixed(100 * r.Return(), 4, 9), 11) << Pad(Fixed(100 * autoHold.Return(), 4, 9), 12)
      << Pad(Fixed(100 * r.HitFrequency, 2, 6), 8) << Pad(Fixed(r.Bets, 3), 6)
      << DeckText(game.Rules()) << "\n";
}

void PrintSlotLine(std::ostream& out, const TGameInfo& info) {
  out << Pad(std::to_string(info.GameType), 5) << Pad(info.IDStr, 23)
      << "slot machine: not analysed by this build\n";
}

void PrintMachine(std::ostream& out, const TOddsGame& game, const TGameReturn& r,
                  const TGameReturn& autoHold, double seconds) {
  const TOddsRules& rules = game.Rules();
  out << game.Title() << " (type " << rules.GameType << ", " << game.IDStr() << ")\n"
      << "deck: " << DeckText(rules) << "; " << r.Deals << " deals in " << r.Classes
      << " classes up to suit symmetry, analysed in " << Fixed(seconds, 2) << " s\n\n";
  out << Pad("hand", 30) << Pad("pays", 7) << Pad("probability", 14) << "return %\n";
  double nothing = 1;
  for (size_t i = 0; i < game.Rows().size(); ++i) {
    const TOddsRow& row = game.Rows()[i];
    const double p = r.RowProbability[i];
    nothing -= p;
    out << Pad(row.Title, 30) << Pad(std::to_string(row.Value), 7) << Pad(Fixed(p, 10), 14)
        << Fixed(100 * p * row.Value / r.Bets, 4, 8) << "\n";
  }
  out << Pad("NOTHING", 30) << Pad("0", 7) << Pad(Fixed(nothing, 10), 14) << "\n\n";
  out << "return under optimal play: " << Fixed(100 * r.Return(), 4) << " % of coins wagered\n"
      << "expected pay per deal:     " << Fixed(r.Pay, 6) << " coins per coin bet\n"
      << "bets per deal:             " << Fixed(r.Bets, 6) << "\n"
      << "hit frequency:             " << Fixed(100 * r.HitFrequency, 4) << " %\n"
      << "return under the machine's automatic hold: " << Fixed(100 * autoHold.Return(), 4)
      << " % (hit frequency " << Fixed(100 * autoHold.HitFrequency, 4) << " %, bets per deal "
      << Fixed(autoHold.Bets, 6) << ")\n";
  for (const std::string& note : ReturnNotes(game)) out << "note: " << note << "\n";
}

void PrintHolds(std::ostream& out, const TOddsGame& game, const std::array<int32_t, 5>& cards,
                const std::array<THoldValue, 32>& ranked) {
  out << game.Title() << " (type " << game.Rules().GameType << "):";
  for (int32_t c : cards) out << " " << CardText(c);
  out << "\n"
      << Pad("rank", 6) << Pad("hold", 31) << Pad("value", 12) << Pad("pay", 12) << "bets\n";
  int rank = 0;
  for (const THoldValue& h : ranked) {
    std::string held;
    for (size_t i = 0; i < 5; ++i) held += Pad(h.Mask & (1u << i) ? CardText(cards[i]) : "--", 6);
    std::string what;
    if (h.Kind == THoldKind::Redeal) what = "  new deal: the bet is lost";
    if (h.Kind == THoldKind::Stand && h.Mask != 31) what = "  a win: all five are held";
    out << Pad(std::to_string(++rank), 6) << held << Pad(Fixed(h.Value(), 6, 11), 12)
        << Pad(Fixed(h.Pay, 6, 11), 12) << Fixed(h.Cost, 4) << what << "\n";
  }
}

}  // namespace lx

// What the odds analysis needs of a video poker machine: its deck, its wild rank, its pay table
// and the rules of the round that change what a hold is worth (a draw that costs another bet, the
// second draw of a three-deal round).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gamecore/lxgamemanager.h"
#include "gamecore/lxhandeval.h"

namespace lx {

// The rules of one poker game type that decide its odds.
struct TOddsRules {
  int32_t GameType = 0;
  int32_t Jokers = 0;         // 0, 1 (card 53) or 2 (cards 53 and 54) in the deck
  int32_t WildRank = 0;       // 0 for none
  bool DrawCostsBet = false;  // a draw replacing a card takes another bet
  bool ThreeDeal = false;     // a win may be drawn to once more, giving up the first win
  bool LumioBonus = false;
  bool AmericanJackpot = false;
};

// The rules of a poker game type, from its configuration row; false for a type that is not a
// poker game. A deck with one joker holds card 53, with two cards 53 and 54.
bool OddsRulesOf(int32_t gameType, TOddsRules& rules);

// A pay table row as the analysis reports it.
struct TOddsRow {
  std::string HandIDStr;
  std::string Title;
  int32_t Value = 0;
};

class TOddsGame {
 public:
  // The catalog entry's pay table, or the given rows in its place ("HAND_..." identifiers).
  // Throws ELxError for a type that is not a poker game or a row whose hand is unknown.
  TOddsGame(const TGameInfo& info, int32_t lumioNumber = 5);
  TOddsGame(const TGameInfo& info, const std::vector<TOddsRow>& pays, int32_t lumioNumber = 5);

  const TOddsRules& Rules() const { return RulesOf; }
  const std::string& Title() const { return TitleOf; }
  const std::string& IDStr() const { return IDOf; }
  // The Lumio number the evaluation uses; -1 where the game has no Lumio bonus.
  int32_t LumioNumber() const { return Lumio; }
  // The pay table as a catalog entry of the game's type, for code that takes one.
  const TGameInfo& PayInfo() const { return *Table; }
  const std::vector<TOddsRow>& Rows() const { return RowsOf; }
  // Cards 1..DeckSize() can be dealt.
  int32_t DeckSize() const { return 52 + RulesOf.Jokers; }

  // The pay table row of five card numbers as the machine names and prices them: -1 for a hand
  // that pays nothing (no row, or a row worth 0).
  int32_t RowOf(const std::array<int32_t, 5>& cards) const;
  // The evaluator's hand code and details for five card numbers, as the machine evaluates them.
  int32_t Evaluate(const std::array<int32_t, 5>& cards, THandDetails& details) const;
  int32_t PayOfRow(int32_t row) const {
    return row < 0 ? 0 : RowsOf[static_cast<size_t>(row)].Value;
  }

 private:
  void Prepare(const TGameInfo& info, int32_t lumioNumber);

  TOddsRules RulesOf;
  std::string TitleOf;
  std::string IDOf;
  int32_t Lumio = 5;
  std::vector<TOddsRow> RowsOf;
  std::unique_ptr<TGameInfo> Table;  // the pay table the evaluator consults
  std::unique_ptr<TLxHandEvaluator> Evaluator;
  std::array<int32_t, 32> RowOfCode{};  // evaluator code -> paying row, -1 none
};

// Reads "HAND_ID=VALUE,..." (the "HAND_" prefix may be left out; letter case does not matter).
// Throws ELxError naming the faulty piece.
std::vector<TOddsRow> ParsePays(std::string_view text);

}  // namespace lx

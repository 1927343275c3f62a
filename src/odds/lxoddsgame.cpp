#include "odds/lxoddsgame.h"

#include "base/lxerror.h"
#include "base/lxutils.h"
#include "gamecore/lxpokerrules.h"

namespace lx {

bool OddsRulesOf(int32_t gameType, TOddsRules& rules) {
  const TPokerConfig* config = PokerConfigOf(gameType);
  if (!config) return false;
  rules.GameType = gameType;
  rules.Jokers = (config->Has(fJoker1) ? 1 : 0) + (config->Has(fJoker2) ? 1 : 0);
  rules.WildRank = config->WildRank;
  rules.DrawCostsBet = config->Has(fDrawCostsBet);
  rules.ThreeDeal = config->Has(fThreeDeal);
  rules.LumioBonus = config->Has(fLumioBonus);
  rules.AmericanJackpot = config->Has(fAmericanJackpot);
  return true;
}

TOddsGame::TOddsGame(const TGameInfo& info, int32_t lumioNumber) {
  for (int32_t i = 0; i < info.PayTable.Count(); ++i) {
    const TGameHand* row = info.PayTable.Items(i);
    RowsOf.push_back({row->HandIDStr, HandTitle(row->HandIDStr), row->Value});
  }
  Prepare(info, lumioNumber);
}

TOddsGame::TOddsGame(const TGameInfo& info, const std::vector<TOddsRow>& pays, int32_t lumioNumber)
    : RowsOf(pays) {
  Prepare(info, lumioNumber);
}

void TOddsGame::Prepare(const TGameInfo& info, int32_t lumioNumber) {
  if (!OddsRulesOf(info.GameType, RulesOf)) {
    throw ELxError("not a video poker game: " + info.IDStr);
  }
  TitleOf = info.Title;
  IDOf = info.IDStr;
  // the machine evaluates with its Lumio number only where it has the bonus
  Lumio = RulesOf.LumioBonus ? lumioNumber : -1;
  Table = std::make_unique<TGameInfo>();
  Table->GameType = info.GameType;
  for (TOddsRow& row : RowsOf) {
    if (HandCodeOf(row.HandIDStr) < 0) throw ELxError("unknown hand: " + row.HandIDStr);
    row.Title = HandTitle(row.HandIDStr);
    Table->AddPay(row.HandIDStr, row.Value);
  }
  Evaluator = std::make_unique<TLxHandEvaluator>(*Table);
  // The machine prices a hand by the row of the identifier the evaluator names.
  for (int32_t code = 0; code < 32; ++code) {
    const int32_t row = code == hcNothing ? -1 : Table->IndexOfHand(PokerHandID(code));
    RowOfCode[static_cast<size_t>(code)] =
        row >= 0 && RowsOf[static_cast<size_t>(row)].Value > 0 ? row : -1;
  }
}

int32_t TOddsGame::RowOf(const std::array<int32_t, 5>& cards) const {
  const int32_t code = Evaluator->EvaluateCardsCode(cards[0], cards[1], cards[2], cards[3],
                                                    cards[4], RulesOf.WildRank, Lumio);
  return code >= 0 && code < 32 ? RowOfCode[static_cast<size_t>(code)] : -1;
}

int32_t TOddsGame::Evaluate(const std::array<int32_t, 5>& cards, THandDetails& details) const {
  std::array<int32_t, 5> ranks{};
  std::array<int32_t, 5> suits{};
  for (size_t i = 0; i < 5; ++i) {
    ranks[i] = RankOfCard(cards[i]);
    suits[i] = SuitOfCard(cards[i]);
  }
  return Evaluator->EvaluateHandCode(ranks, suits, RulesOf.WildRank, Lumio, details);
}

std::vector<TOddsRow> ParsePays(std::string_view text) {
  std::vector<TOddsRow> rows;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string piece = Trim(text.substr(start, end - start));
    start = end + 1;
    if (piece.empty()) {
      if (end == text.size()) break;
      throw ELxError("empty entry in the pay table");
    }
    const size_t eq = piece.find('=');
    if (eq == std::string::npos) throw ELxError("expected HAND_ID=VALUE: " + piece);
    std::string id = UpperCase(Trim(piece.substr(0, eq)));
    if (id.rfind("HAND_", 0) != 0) id = "HAND_" + id;
    if (HandCodeOf(id) < 0) throw ELxError("unknown hand: " + id);
    const std::string number = Trim(piece.substr(eq + 1));
    int64_t value = 0;
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos ||
        !TryStrToInt(number, value) || value > 1000000000) {
      throw ELxError("pay must be a whole number from 0 to 1000000000: " + piece);
    }
    for (const TOddsRow& row : rows) {
      if (row.HandIDStr == id) throw ELxError("hand listed twice: " + id);
    }
    rows.push_back({id, HandTitle(id), static_cast<int32_t>(value)});
  }
  if (rows.empty()) throw ELxError("the pay table is empty");
  return rows;
}

}  // namespace lx

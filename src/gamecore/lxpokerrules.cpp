#include "gamecore/lxpokerrules.h"

#include <algorithm>
#include <string_view>

#include "base/lxutils.h"

namespace lx {

namespace {

constexpr const char* kLumioBets = "5;7;10;20;30;40;50;60;70;80;90;100;";
constexpr const char* kLumioWildBets = "5;10;20;30;40;50;60;70;80;90;100;";
constexpr const char* kAmericanBets = "1;2;3;4;5;10;20;30;40;50;60;70;80;90;100;";
constexpr const char* kClassicBets = "10;20;30;40;50;";
constexpr const char* kStepBets = "";

constexpr TPokerConfig kConfigs[] = {
    {1, "VP01", "CardSet2", 0x5C60, kLumioBets, dkBigSmall, 10, 0, 4},
    {2, "VP01", "CardSet2", 0x5C70, kLumioWildBets, dkBigSmall, 10, 2, 4},
    {3, "VP02", "CardSet2", 0x880C, kStepBets, dkBeatTheDealer, 10, 0, 4},
    {4, "VP02", "CardSet2", 0x880C, kStepBets, dkBeatTheDealer, 10, 0, 4},
    {5, "VP03", "CardSet2", 0x0AA4, kAmericanBets, dkRedBlack, 8, 0, 5},
    {6, "VP03", "CardSet2", 0x0AB4, kAmericanBets, dkRedBlack, 8, 2, 5},
    {10, "VPC01", "CardSet1", 0x8802, kClassicBets, dkBigSmall, 10, 0, 3},
    {11, "VPC01", "CardSet1", 0x8802, kClassicBets, dkBigSmall, 10, 0, 3},
    {12, "VPC02", "CardSet1", 0x8812, kClassicBets, dkRedBlack, 10, 2, 3},
    {13, "VPC02", "CardSet1", 0x8812, kClassicBets, dkRedBlack, 10, 2, 3},
    {14, "VPC03", "CardSet1", 0x8806, kClassicBets, dkBigSmall, 10, 0, 3},
    {15, "VPC03", "CardSet1", 0x8806, kClassicBets, dkBigSmall, 10, 0, 3},
    {16, "VPC01", "CardSet1", 0x8802, kClassicBets, dkBigSmall, 10, 0, 3},
    {17, "VPC04", "CardSet1", 0x8802, kClassicBets, dkBeatTheDealer, 10, 0, 3},
    {18, "VPC01", "CardSet1", 0x8802, kClassicBets, dkBigSmall, 10, 0, 3},
    {60, "VPFRUIT", "CardSetFruit", 0x8814, kStepBets, dkBeatTheDealer, 10, 7, 4},
};

using TFive = std::array<int32_t, 5>;

// Bit of the first position (in position order) whose rank is rank; 0 when none has it.
THoldMask FirstOfRank(const TFive& ranks, int32_t rank) {
  for (size_t i = 0; i < 5; ++i) {
    if (ranks[i] == rank) return static_cast<THoldMask>(1u << i);
  }
  return 0;
}

THoldMask AllOfRank(const TFive& ranks, int32_t rank) {
  THoldMask mask = 0;
  for (size_t i = 0; i < 5; ++i) {
    if (ranks[i] == rank) mask = static_cast<THoldMask>(mask | (1u << i));
  }
  return mask;
}

// A four-card run pattern over the sorted ranks: the three steps between consecutive listed
// ranks, and which of the five sorted ranks it holds (by index).
struct TRunPattern {
  std::array<int8_t, 4> Index;  // indices into the sorted ranks, ascending
  std::array<int8_t, 3> Step;   // sorted[Index[k+1]] must equal sorted[Index[k]] + Step[k]
  std::array<int8_t, 4> Hold;   // indices of the ranks to hold
};

// The run rules in the order they are tried. Each compares listed sorted ranks pairwise.
constexpr TRunPattern kRunPatterns[] = {
    {{0, 1, 2, 3}, {1, 1, 1}, {0, 1, 2, 3}},  // R1 R2 R3 R4 in a row
    {{1, 2, 3, 4}, {1, 1, 1}, {1, 2, 3, 4}},  // R2 R3 R4 R5 in a row
    {{0, 2, 3, 4}, {2, 1, 1}, {0, 2, 3, 4}},  // R1 _ R3 R4 R5
    {{0, 1, 3, 4}, {1, 2, 1}, {0, 1, 3, 4}},  // R1 R2 _ R4 R5
    {{0, 1, 2, 4}, {1, 1, 2}, {0, 1, 2, 4}},  // R1 R2 R3 _ R5
    {{1, 2, 3, 4}, {2, 1, 1}, {1, 2, 3, 4}},  // R2 _ R3 R4 R5
    {{1, 2, 3, 4}, {1, 2, 1}, {1, 2, 3, 4}},  // R2 R3 _ R4 R5
    {{1, 2, 3, 4}, {1, 1, 2}, {1, 2, 3, 4}},  // R2 R3 R4 _ R5
    {{0, 1, 2, 3}, {2, 1, 1}, {0, 1, 2, 3}},  // R1 _ R2 R3 R4
    {{0, 1, 2, 3}, {1, 2, 1}, {0, 1, 2, 3}},  // R1 R2 _ R3 R4
    {{0, 1, 2, 3}, {1, 1, 2}, {0, 1, 2, 3}},  // R1 R2 R3 _ R4
};

bool Fits(const TRunPattern& p, const TFive& sorted) {
  for (size_t k = 0; k < 3; ++k) {
    if (sorted[static_cast<size_t>(p.Index[k + 1])] !=
        sorted[static_cast<size_t>(p.Index[k])] + p.Step[k]) {
      return false;
    }
  }
  return true;
}

// One card of each listed sorted rank, each the first in position order with that rank.
THoldMask HoldRanks(const TFive& ranks, const TFive& sorted, const std::array<int8_t, 4>& which) {
  THoldMask mask = 0;
  for (int8_t index : which) {
    mask = static_cast<THoldMask>(mask | FirstOfRank(ranks, sorted[static_cast<size_t>(index)]));
  }
  return mask;
}

TFive RanksOf(const TFive& cards) {
  TFive ranks{};
  for (size_t i = 0; i < 5; ++i) ranks[i] = RankOfCard(cards[i]);
  return ranks;
}

}  // namespace

std::span<const TPokerConfig> PokerConfigs() {
  return kConfigs;
}

const TPokerConfig* PokerConfigOf(int32_t gameType) {
  for (const TPokerConfig& config : kConfigs) {
    if (config.GameType == gameType) return &config;
  }
  return nullptr;
}

TBetLadder BetLadderOf(const TPokerConfig& config) {
  TBetLadder ladder;
  const std::string_view list = config.BetList;
  if (list.empty()) {
    ladder.Step = 1;
    ladder.MinBet = 5;
    ladder.MaxBet = 100;
    return ladder;
  }
  ladder.FromList = true;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(';', start), list.size());
    int64_t value = 0;
    if (TryStrToInt(list.substr(start, end - start), value)) {
      ladder.Levels.push_back(static_cast<int32_t>(value));
    }
    start = end + 1;
  }
  if (ladder.Levels.size() > 1) {
    ladder.MinBet = ladder.Levels[1];
    ladder.MaxBet = ladder.Levels.back();
  }
  return ladder;
}

bool PokerCardAllowed(int32_t card, uint16_t features, bool forDoubleUp) {
  if (card < 1 || card > 54) return false;
  if (forDoubleUp) {
    if ((card == 7 || card == 20 || card == 33 || card == 46) && !(features & fDupSevens)) {
      return false;
    }
    if (card == 53) return (features & fDupJoker1) != 0;
    if (card == 54) return (features & fDupJoker2) != 0;
    return true;
  }
  if (card == 53) return (features & fJoker1) != 0;
  if (card == 54) return (features & fJoker2) != 0;
  return true;
}

THoldMask DrawRuleHold(const TFive& cards) {
  const TFive ranks = RanksOf(cards);
  // Four cards of one suit: keep the flush draw.
  for (int32_t suit = 1; suit <= 4; ++suit) {
    THoldMask mask = 0;
    int32_t count = 0;
    for (size_t i = 0; i < 5; ++i) {
      if (SuitOfCard(cards[i]) == suit) {
        mask = static_cast<THoldMask>(mask | (1u << i));
        ++count;
      }
    }
    if (count >= 4) return mask;
  }
  TFive sorted = ranks;
  std::sort(sorted.begin(), sorted.end());
  for (const TRunPattern& pattern : kRunPatterns) {
    if (Fits(pattern, sorted)) return HoldRanks(ranks, sorted, pattern.Hold);
  }
  // An ace with two or three of ten to king: keep the high cards.
  if (sorted[0] == 1 && (sorted[2] == 10 || sorted[2] == 11) && sorted[3] != 10) {
    return HoldRanks(ranks, sorted, {0, 2, 3, 4});
  }
  if (sorted[0] == sorted[1] || sorted[1] == sorted[2]) return AllOfRank(ranks, sorted[1]);
  if (sorted[2] == sorted[3] || sorted[3] == sorted[4]) return AllOfRank(ranks, sorted[3]);
  // A joker is there: keep one high card beside it.
  if (sorted[4] == kJokerRank) {
    for (size_t i = 0; i < 5; ++i) {
      if (ranks[i] != kJokerRank && (ranks[i] == 1 || ranks[i] >= 11)) {
        return static_cast<THoldMask>(1u << i);
      }
    }
  }
  return 0;
}

THoldMask AutoHoldMask(const TFive& cards, int32_t handCode, const THandDetails& details,
                       int32_t wildRank, uint16_t features) {
  const TFive ranks = RanksOf(cards);
  THoldMask mask = AllOfRank(ranks, kJokerRank);
  if ((features & fHoldWildRank) && wildRank > 0) {
    mask = static_cast<THoldMask>(mask | AllOfRank(ranks, wildRank));
  }
  switch (handCode) {
    case hcFiveOfAKind:
    case hcRoyalFlush:
    case hcRoyalFlushN:
    case hcStreetFlush:
    case hcFullHouse:
    case hcFlush:
    case hcStreet:
    case hcPokerAcesW2To4:
    case hcPoker2To4WATo4:
      return 0x1F;
    case hcTwoPairs:
      return static_cast<THoldMask>(mask | AllOfRank(ranks, details.MainRank) |
                                    AllOfRank(ranks, details.SecondRank));
    case hcPoker:
    case hcThreeOfAKind:
    case hcHighPair:
    case hcHighPair10:
    case hc3xLumio:
    case hcPoker2To10:
    case hcPokerJQK:
    case hcPokerAces:
    case hcPoker2To4:
    case hcPoker2ToK:
      return static_cast<THoldMask>(mask | AllOfRank(ranks, details.MainRank));
    case hcNothing:
      return static_cast<THoldMask>(mask | DrawRuleHold(cards));
    default:
      return mask;
  }
}

THoldMask AutoHoldMask(const TGameInfo& game, const TFive& cards, int32_t lumioNumber) {
  const TPokerConfig* config = PokerConfigOf(game.GameType);
  const int32_t wildRank = config ? config->WildRank : 0;
  const uint16_t features = config ? config->Features : 0;
  TFive ranks{};
  TFive suits{};
  for (size_t i = 0; i < 5; ++i) {
    ranks[i] = RankOfCard(cards[i]);
    suits[i] = SuitOfCard(cards[i]);
  }
  THandDetails details;
  const int32_t code =
      TLxHandEvaluator(game).EvaluateHandCode(ranks, suits, wildRank, lumioNumber, details);
  return AutoHoldMask(cards, code, details, wildRank, features);
}

}  // namespace lx

// The rules of the sixteen video poker games that need no screen: the configuration row of each
// game type (scene, card set, features, bet ladder, double-up, wild rank, music), which cards its
// decks may hold, and the automatic hold the machine makes after a deal.
//
// Kept apart from the machine so that anything that reasons about a hand (the exact odds) makes
// the same decisions the machine makes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "gamecore/lxgamemanager.h"
#include "gamecore/lxhandeval.h"

namespace lx {

// Bits of a poker game's feature set.
enum TPokerFeature : uint16_t {
  fAllPanels = 1u << 0,        // the scene builds every optional panel
  fMultiColumnPays = 1u << 1,  // one pay value column per bet level
  fJoker1 = 1u << 2,           // card 53 can be dealt
  fJoker2 = 1u << 3,           // card 54 can be dealt
  fHoldWildRank = 1u << 4,     // the automatic hold keeps cards of the wild rank
  fDrawCostsBet = 1u << 5,     // a draw that replaces a card costs another bet
  fLumioBonus = 1u << 6,       // Lumio number bonus
  fAmericanJackpot = 1u << 7,  // jacks-or-better mini bonus and American jackpot
  fDoubleUpBar = 1u << 9,      // the double-up bar panel
  fThreeDeal = 1u << 10,       // three deals per round
  fDoubleUp = 1u << 11,        // a win is offered the double-up
  fDupJoker1 = 1u << 12,       // card 53 can appear in double-up deals
  fDupJoker2 = 1u << 13,       // card 54 can appear in double-up deals
  fDupSevens = 1u << 14,       // sevens can appear in double-up deals
  fDupOverCards = 1u << 15,    // the double-up covers the main cards, not the pay table
};

// Double-up games (the data object's DoubleUpKind).
enum TDoubleUpKind : uint8_t { dkBigSmall = 0, dkRedBlack = 1, dkBeatTheDealer = 2 };

// One game type's configuration row.
struct TPokerConfig {
  int32_t GameType;
  const char* SceneName;  // theme of the poker scene
  const char* CardSet;    // texture folder of the card faces
  uint16_t Features;
  const char* BetList;  // semicolon-separated bet levels; empty: step 1 from 5 to 100
  uint8_t DoubleUpKind;
  int32_t DoubleUpLimit;
  int32_t WildRank;    // 0 for none
  int32_t MusicTrack;  // the track the scene plays while shown
  bool Has(uint16_t feature) const { return (Features & feature) != 0; }
};

// Every poker game type's row, in catalog type order.
std::span<const TPokerConfig> PokerConfigs();
// The row of a game type, or null when the type is not a poker game.
const TPokerConfig* PokerConfigOf(int32_t gameType);

// How the bet of a game steps.
struct TBetLadder {
  bool FromList = false;
  int32_t Step = 0;
  int32_t MinBet = 0;
  int32_t MaxBet = 0;
  std::vector<int32_t> Levels{0};  // index 0 holds 0 and is not a level
};
TBetLadder BetLadderOf(const TPokerConfig& config);

// Whether a card number may be dealt by a game with these features: into a round's fifteen
// cards, or into a double-up row.
bool PokerCardAllowed(int32_t card, uint16_t features, bool forDoubleUp);

// Hold masks: bit i (0..4) holds the card at position i + 1.
using THoldMask = uint8_t;

// The automatic hold for five dealt cards (position order) that the evaluator named handCode
// with these details, in a game of that wild rank and features (fHoldWildRank is read).
THoldMask AutoHoldMask(const std::array<int32_t, 5>& cards, int32_t handCode,
                       const THandDetails& details, int32_t wildRank, uint16_t features);

// The automatic hold of a game for five cards, evaluating them as the machine does.
// lumioNumber is the game's current Lumio number (-1 for none; only the Lumio games use it).
THoldMask AutoHoldMask(const TGameInfo& game, const std::array<int32_t, 5>& cards,
                       int32_t lumioNumber = -1);

// The hold a hand that pays nothing gets from the draw rules (without the joker and wild-rank
// holds that every hand gets first).
THoldMask DrawRuleHold(const std::array<int32_t, 5>& cards);

}  // namespace lx

// The game catalog: every game the program knows, with its group, description and pay table, and
// the vocabulary of hand identifiers, their numeric codes and their display titles.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/lxgamehands.h"

namespace lx {

// Numeric hand codes of the hand identifiers that poker hands use (fixed numbers, not positions).
// Code 20 is shared by "HAND_FIVEOFAKIND_D" and "HAND_SEQUENTIAL_N".
enum THandCode : int32_t {
  hcNothing = 0,
  hcFiveOfAKind = 1,
  hcRoyalFlush = 2,
  hcRoyalFlushN = 3,
  hcStreetFlush = 4,
  hcPoker = 5,
  hcFullHouse = 6,
  hcFlush = 7,
  hcStreet = 8,
  hcThreeOfAKind = 9,
  hcTwoPairs = 10,
  hcHighPair = 11,
  hcHighPair10 = 12,
  hc3xLumio = 13,
  hcFiveOfAKindD = 20,
  hcPokerD = 21,
  hcPoker2To10 = 22,
  hcPokerJQK = 23,
  hcPokerAces = 24,
  hcPoker2To4 = 25,
  hcPoker2ToK = 26,
  hcPokerAcesW2To4 = 27,
  hcPoker2To4WATo4 = 28,
};

// The code of a hand identifier (compared case-sensitively); -1 for an unknown identifier.
int32_t HandCodeOf(std::string_view handId);
// The display title of a hand identifier (compared case-sensitively); "" for an unknown one.
std::string HandTitle(std::string_view handId);

class TGameGroup {
 public:
  std::string Title;
  int32_t GroupID = 0;  // 1 video poker, 2 slot machines
};

class TGameInfo {
 public:
  std::string Title;
  int32_t GameType = 0;
  std::string IDStr;
  TGameGroup* Group = nullptr;  // not owned
  std::string Description;
  int32_t PreviewIndex = 0;  // row in the main room's preview strip, set there
  TGameHands PayTable;       // rows in display order; pay per coin of bet

  // Appends a row; its HandCode is HandCodeOf(handId).
  void AddPay(const std::string& handId, int32_t value);
  // 0-based index of the first row whose identifier equals handId ignoring case, else -1.
  int32_t IndexOfHand(std::string_view handId) const;
  // Pay of the first row whose identifier equals handId ignoring case, else -1.
  int32_t PayOf(std::string_view handId) const;
  // Pay of the first row with that code, else -1.
  int32_t PayOfCode(int32_t code) const;
  bool HasHandCode(int32_t code) const;
  // Identifier of the first row with that code, else "HAND_NOTHING".
  std::string HandIDOfCode(int32_t code) const;
};

// The catalog, built once in code; entries are in catalog order and owned by the manager.
class TLxGameManager {
 public:
  TLxGameManager();
  TLxGameManager(const TLxGameManager&) = delete;
  TLxGameManager& operator=(const TLxGameManager&) = delete;

  // First entry of that type, or null.
  TGameInfo* FindByType(int32_t type) const;
  // First entry whose identifier equals id exactly (case-sensitive), or null.
  TGameInfo* FindByIDStr(std::string_view id) const;

  std::vector<std::unique_ptr<TGameInfo>> Games;
  TGameGroup PokerGroup;  // "VIDEO POKER", 1
  TGameGroup SlotGroup;   // "SLOT MACHINES", 2
};

// The one catalog of the running program, created at start-up and freed at shut-down.
extern TLxGameManager* GameManager;

}  // namespace lx

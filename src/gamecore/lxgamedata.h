// The data object of a machine: credit, bet, win, the bet ladder, the double-up settings and the
// statistics of the current visit. The game class derives its own data class from it and
// declares the properties it stores in the machine's data file (an XML object).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/lxcasinomanager.h"
#include "persistence/pelxml.h"

namespace lx {

constexpr int32_t DoubleUpCardCount = 10;

// Double-up games (DoubleUpKind).
constexpr uint8_t DupBigSmall = 0;
constexpr uint8_t DupRedBlack = 1;
constexpr uint8_t DupBeatTheDealer = 2;

// What a subclass provides: its stored properties (DeclareProperties with its own LX_XML_CLASS),
// FileName, and the bet ladder (BetFromList with SetBetLevels, or BetStep with MinBet/MaxBet).
// It may extend Load with corrections of what was read (call the base first).
class TLxGameData : public TPelXMLObject {
  LX_XML_CLASS(TLxGameData, TPelXMLObject)

 public:
  // Creates VisitStats; DoubleUpKind 0, WildRank 0.
  TLxGameData();
  ~TLxGameData() override;

  // The virtual slots, in their order.
  virtual int32_t GetBet() const { return FBet; }
  virtual void SetBet(int32_t value) { FBet = value; }
  // Reads FileName when the file exists; any error is ignored and leaves what was read.
  virtual void Load();
  // Adds the visit's credit in, credit out and hand counts to the record (hand rows created
  // when missing). Counters wrap around at 2^32 like the stored ones.
  virtual void AddStatisticsTo(TGameStatictics& record) const;

  // Writes FileName when it is set; any error is ignored (the previous file stays).
  void Save();
  // One more of the hand in the visit's counts (its row created with 0 when missing).
  void CountHand(std::string_view handId);

  uint32_t CreditIn() const;
  void SetCreditIn(uint32_t value);
  uint32_t CreditOut() const;
  void SetCreditOut(uint32_t value);

  // BetLevels := 0 followed by the levels; MinBet and MaxBet their first and last; BetFromList.
  // An empty list leaves everything as it was.
  void SetBetLevels(const std::vector<int32_t>& levels);
  // Number of levels (BetLevels without its index 0).
  int32_t BetLevelCount() const { return static_cast<int32_t>(BetLevels.size()) - 1; }

  // The visit's counts, held in a private collection; never null.
  TGameStatictics* VisitStats = nullptr;
  std::string FileName;
  uint32_t Credit = 0;
  uint32_t Win = 0;  // the win of the round not yet added to Credit
  bool BetFromList = false;
  int32_t BetStep = 1;
  std::vector<int32_t> BetLevels{0};  // indexed from 1; index 0 holds 0
  int32_t MinBet = 0;
  int32_t MaxBet = 0;
  int32_t DoubleUpLimit = 10;  // double-up steps a win may go through
  // Card numbers of the next double-up, index 1..10 (index 0 unused); dealt by the game class.
  std::array<int32_t, DoubleUpCardCount + 1> DoubleUpCards{};
  uint8_t DoubleUpKind = DupBigSmall;
  int32_t WildRank = 0;

 protected:
  int32_t FBet = 0;

 private:
  std::unique_ptr<TGamesStatictics> FVisitCollection;
};

}  // namespace lx

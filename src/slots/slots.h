// The slot machine: one class for the seven slot entries of the catalog, its set-up chosen by the
// game type. It owns the 60 symbols, the pay lines, the scene, the double-up, the data object
// and the result and demo animations, and plays the round: bets on two buttons, the spin, the
// evaluation, the bonus features that span many spins, taking or gambling the win.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gamecore/lxgame.h"
#include "slots/lxreel.h"
#include "slots/sloteval.h"
#include "slots/slotsdata.h"
#include "slots/slotsetup.h"

namespace lx {

class TLxDoubleUp;
class TLxLabel;
class TLxLine;
class TSlotsScene;
class TAnimSlotResults;
class TSlotsDemo;

// Slot states besides idle (0) and busy (1).
constexpr uint8_t SlotStateSpinning = 4;
constexpr uint8_t SlotStateWin = 5;
constexpr uint8_t SlotStateDoubleUp = 7;

// A spin waits at most this many frames of the last row before the reels are put to rest.
constexpr int32_t MaxSpinFrames = 20 * 60;

struct TSlotLine {
  std::vector<TLxReel*> Cells;
  std::vector<TLxLine*> Markers;
  TLxLabel* BetLabel = nullptr;
  int32_t LineBet = 0;
  int32_t WinCode = 0;
  int32_t BetGroup = 1;
};

class TSlots : public TLxGame, private TSlotEvalEvents {
 public:
  // Builds the machine of the entry's type: data (loaded), scene, double-up, symbols, lines,
  // commands, displays, animations (the demo starts), then 100 credit from the bank.
  explicit TSlots(TGameInfo* gameInfo);
  ~TSlots() override;

  TLxGameData* GetGameData() const override;
  void EndRound() override;
  void TakeWin() override;

  // Commands.
  void Spin();
  void AddBet(int32_t button);
  void HoldPressed(int32_t n);
  void StartSlotDoubleUp();
  void Cash();
  void LineBetClicked(int32_t line);
  // The scene's keys; true when the key was a machine key.
  bool KeyDown(uint16_t key, uint8_t shift);

  // Reels.
  void FillStrip(int32_t kind, TLxReel* reel);
  void FillStrips(int32_t kind);
  void SpinAll(int32_t kind);
  void StopColumn(int32_t column);
  void StopAll();
  void ResetReels();
  // Whether a normal spin can fill its strips (types 51 and 52 cannot).
  bool CanSpin() const;

  // Displays.
  void ShowMessage(const std::string& text);
  void ShowBets();
  void ClearHighlights();
  void PrepareReels();
  void ShowBonusDisplays();
  void ShowCollectDisplay();
  int32_t ShowScreenWin();
  int32_t ShowWinningLines();

  // Evaluation and bonuses.
  int32_t Evaluate();
  void GrowBonuses();
  void PayPools();
  void CheckStages();
  void PlayBonusGames();
  void StartBonusGame(int32_t game);
  void BonusSpin(TBonusGame game);

  TSlotsScene* Scene = nullptr;
  std::unique_ptr<TSlotsData> SlotsData;
  std::unique_ptr<TLxDoubleUp> DoubleUp;
  const TSlotSetup* Setup = nullptr;
  uint16_t Options = 0;
  uint8_t Layout = Layout3x3;
  std::array<uint8_t, 5> KindMasks{};
  std::array<TLxReelItemInfo*, SymbolSlotCount + 1> Symbols{};  // 1..60
  std::vector<TSlotLine> Lines;
  std::vector<TSlotLine*> Bet1Lines, Bet2Lines;
  bool AutoPlay = false;
  // Developer switch of the benchmarks: the round's pauses take no time.
  bool NoPauses = false;
  std::unique_ptr<TAnimSlotResults> Results;
  std::unique_ptr<TSlotsDemo> Demo;
  // After every finished round (normal or bonus), before an automatic next spin.
  std::function<void(TSlots* sender)> OnRoundEnd;
  int32_t RoundsPlayed = 0;

 private:
  // TSlotEvalEvents.
  void PlaySound(const std::string& name) override;
  void BlinkImage(const std::string& name, uint32_t ms) override;
  void BlinkWithLine(const std::string& name, int32_t line, uint32_t ms) override;
  void CountHand(const std::string& handId) override;
  void PayBarSum(int32_t line) override;
  void SetInfo(const std::string& text) override;

  void PlayRound();
  void Wait(uint32_t ms);
  void WaitForLastRow();
  void FlashFrame(int32_t cell);
  void PayPool(int32_t pool, const std::vector<int32_t>& cells);
  void PayPot(TLxLabel* label, int32_t& value, int32_t resetTo);
  void SetLabel(TLxLabel* label, int32_t value);
  TLxReel* Reel(int32_t cell) const;
  int32_t CellSymbol(int32_t cell) const;
  void Connect();

  std::vector<std::unique_ptr<TLxReelItemInfo>> FSymbolStore;
  std::array<int32_t, SymbolSlotCount + 1> FWeights{};
  std::array<uint8_t, SymbolSlotCount + 1> FMasks{};
  int32_t FSpinDepth = 0;
  bool FAutoSpinPending = false;
  bool FRoundEnded = false;
};

}  // namespace lx

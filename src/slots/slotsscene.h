// The screen of a slot machine: the reel grid with a frame over every cell, the line markers and
// line-bet labels, the bonus displays the machine's option word asks for, the value labels and
// the buttons. The theme places and styles everything, except that the symbol pictures take the
// size of reel 1 and the line markers are laid out through the cells after every theme load.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gamecore/lxgamescene.h"
#include "slots/lxreel.h"

namespace lx {

class TGameInfo;
class TSlots;

// A theme that leaves reel 1 this high or lower is replaced by this height.
constexpr int32_t MinReelHeight = 90;

// A line marker drawn as a band of parallel lines, so that it reads across the symbols.
class TSlotLineMarker : public TLxLine {
 public:
  explicit TSlotLineMarker(TLxComponent* owner) : TLxLine(owner) {}
  void Paint() override;
  int32_t Thickness = 7;
};

class TSlotsScene : public TLxGameScene {
 public:
  // The game scene, then every control in creation order.
  TSlotsScene(TLxComponent* owner, const std::string& sceneName, TGameInfo* gameInfo,
              uint16_t options);

  // The inherited theme, then the symbol sizes from reel 1, ResetReels, the collect display
  // and LayoutMarkers.
  void LoadTheme(const std::string& themeName) override;
  void LayoutMarkers();

  // The machine whose symbols, reels and collect display the theme load touches (not owned).
  TSlots* Game = nullptr;

  uint16_t Options = 0;
  TLxLabel* lblBet1V = nullptr;
  TLxLabel* lblBet2V = nullptr;
  TLxLabel* lblBonusSpinCount = nullptr;
  TLxLabel* lblInfo = nullptr;
  TLxPanel* ReelsPanel = nullptr;
  std::array<TLxReel*, 16> Reels{};        // 1..ReelCount
  std::array<TLxImage*, 16> ReelFrames{};  // 1..ReelCount
  TLxImage* imgReels = nullptr;
  std::array<TSlotLineMarker*, 14> LineMarkers{};  // 1..MarkerCount
  std::array<TLxLabel*, 17> LineBetLabels{};       // 1..LineBetLabelCount
  TLxPanel* pnlBonus = nullptr;
  TLxPanel* pnlCherryBonus = nullptr;
  TLxImage* imgCherryBonus = nullptr;
  TLxImage* img2Cherry = nullptr;
  TLxLabel* lblCherryBonusStage = nullptr;
  TLxPanel* pnlBarBonus = nullptr;
  TLxImage* imgBarBonus = nullptr;
  TLxImage* imgBarBonus2 = nullptr;
  TLxImage* imgBarBonus3 = nullptr;
  TLxImage* imgBarSumBonus = nullptr;
  TLxLabel* lblBarSumBonusValue = nullptr;
  TLxPanel* pnlBellBonus = nullptr;
  TLxImage* imgBellBonus = nullptr;
  TLxLabel* lblBellBonusStage = nullptr;
  TLxLabel* lblBellBonusValue = nullptr;
  TLxPanel* pnlPools = nullptr;
  TLxImage* imgPools = nullptr;
  TLxLabel* lblPools = nullptr;
  std::array<TLxLabel*, 4> lblPoolV{};  // 1..3
  TLxPanel* pnlCollectBonus = nullptr;
  std::array<TLxImage*, 6> imgCollectBonus{};  // 1..5
  TLxLabel* lblCollectBonusValue = nullptr;
  TLxPanel* pnlButtons = nullptr;
  std::array<TLxButton*, 6> HoldButtons{};  // 1..HoldButtonCount
  TLxButton* btnSpin = nullptr;
  TLxButton* btnBet1 = nullptr;
  TLxButton* btnBet2 = nullptr;
  TLxButton* btnCashAll = nullptr;
  TLxImage* imgAdv = nullptr;
  int32_t ReelCount = 0;
  int32_t LineBetLabelCount = 0;
  int32_t MarkerCount = 0;
  int32_t HoldButtonCount = 0;
};

}  // namespace lx

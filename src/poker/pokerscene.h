// The screen of a video poker machine: the credit panel, the pay table, the bonus panel the game's
// features choose, the five cards with their HELD labels, the buttons, the deal-stage lamps and
// the advertisement; and the switch between the normal view and the double-up view.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gamecore/lxgamescene.h"

namespace lx {

class TGameInfo;
class TLxCard;

// The pay table: a title column and one value column (five with fMultiColumnPays), one row per
// pay-table row of the game.
class TPayoutList {
 public:
  TPayoutList(TLxGameScene& scene, const TGameInfo& game, uint16_t features);

  // Column 0 the title label, 1..Columns the value labels; nullptr outside the table.
  TLxLabel* PayLabel(int32_t column, int32_t row) const;
  void SetPayTableVisible(bool on);
  // Rows 2..n take the left, width and height of row 1 of their column, one row height apart.
  void LayoutRows();

  int32_t Columns = 1;
  int32_t RowCount = 0;
  TLxPanel* Panel = nullptr;  // "PNL_PAYOFF"

 private:
  // [column][row - 1]
  std::vector<std::vector<TLxLabel*>> Labels;
};

class TPokerScene : public TLxGameScene {
 public:
  TPokerScene(TLxComponent* owner, const std::string& themeName, const TGameInfo& game,
              uint16_t features);
  ~TPokerScene() override;

  // The inherited theme, then the pay table rows laid out from their first row.
  void LoadTheme(const std::string& themeName) override;

  void SetNormalView(bool on);
  void ShowDoubleUpView(bool on) { SetNormalView(!on); }

  // Main card 1..5 and its HELD label; nullptr outside.
  TLxCard* MainCard(int32_t position) const;
  TLxLabel* HeldLabel(int32_t position) const;
  // Lamp "IMG_DEALSTAGEL<n>" (left) or "IMG_DEALSTAGER<n>"; nullptr when the scene has none.
  TLxImage* DealStageLamp(bool left, int32_t n) const;

  uint16_t Features = 0;
  bool NormalView = true;

  TLxPanel* pnlCredit = nullptr;
  TLxLabel* lblBet = nullptr;
  TLxLabel* lblBetV = nullptr;
  TPayoutList* PayoutList = nullptr;

  TLxPanel* BonusPanel = nullptr;
  TLxPanel* DupSwapPanel = nullptr;
  TLxPanel* pnlLogo = nullptr;
  TLxPanel* pnlLumio = nullptr;
  TLxLabel* lblLumio = nullptr;
  TLxLabel* lblLumioV = nullptr;
  TLxLabel* lblLumioCard = nullptr;
  std::array<TLxImage*, 10> imgLumioStage{};
  TLxPanel* pnlAmericanJackpot = nullptr;
  TLxLabel* lblAmericanMiniBonus = nullptr;
  TLxLabel* lblAmericanMiniBonusV = nullptr;
  TLxLabel* lblAmericanJackpot = nullptr;
  TLxLabel* lblAmericanJackpotV = nullptr;
  TLxPanel* pnlNormalDup = nullptr;
  TLxPanel* pnlDupBarDup = nullptr;
  std::array<TLxImage*, 8> imgDupBar{};
  TLxLabel* lblDupBarWinV = nullptr;

  std::array<TLxCard*, 5> MainCards{};
  std::array<TLxLabel*, 5> HeldLabels{};

  TLxPanel* pnlButtons = nullptr;
  std::array<TLxButton*, 5> btnHold{};
  TLxButton* btnDeal = nullptr;
  TLxButton* btnBet = nullptr;
  TLxButton* btnCashAll = nullptr;

  std::array<TLxImage*, 3> imgDealStageL{};
  std::array<TLxImage*, 3> imgDealStageR{};
  TLxImage* imgAdv = nullptr;

 private:
  TLxLabel* Label(const std::string& name, TLxCustomControl* parent, const std::string& caption);
  TLxImage* Lamp(const std::string& name, TLxCustomControl* parent, const std::string& texture);

  friend class TPayoutList;
};

}  // namespace lx

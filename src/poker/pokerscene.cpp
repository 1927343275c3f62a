#include "poker/pokerscene.h"

#include <memory>

#include "base/lxutils.h"
#include "gamecore/lxcard.h"
#include "gamecore/lxgamemanager.h"
#include "gamecore/lxpokerrules.h"

namespace lx {

namespace {

TLxLabel* NewLabel(TLxGameScene& scene, const std::string& name, TLxCustomControl* parent,
                   const std::string& caption) {
  auto* label = new TLxLabel(&scene);
  label->SetName(name);
  if (parent) label->SetParent(parent);
  label->SetCaption(caption);
  scene.AddControl(label);
  return label;
}

}  // namespace

TPayoutList::TPayoutList(TLxGameScene& scene, const TGameInfo& game, uint16_t features) {
  Columns = (features & fMultiColumnPays) ? 5 : 1;
  RowCount = game.PayTable.Count();
  Panel = new TLxPanel(&scene);
  Panel->SetName("PNL_PAYOFF");
  scene.AddControl(Panel);
  Labels.resize(static_cast<size_t>(Columns) + 1);
  for (int32_t r = 1; r <= RowCount; ++r) {
    const std::string row = IntToStr(r);
    Labels[0].push_back(NewLabel(scene, "LBL_PAYOFF_" + row, Panel,
                                 HandTitle(game.PayTable.Items(r - 1)->HandIDStr)));
    Labels[0].back()->Tag = r;
  }
  for (int32_t k = 1; k <= Columns; ++k) {
    const std::string prefix = Columns == 1 ? "LBL_PAYOFFV_" : "LBL_PAYOFFV" + IntToStr(k) + "_";
    for (int32_t r = 1; r <= RowCount; ++r) {
      Labels[static_cast<size_t>(k)].push_back(NewLabel(scene, prefix + IntToStr(r), Panel, "0"));
    }
  }
}

TLxLabel* TPayoutList::PayLabel(int32_t column, int32_t row) const {
  if (column < 0 || column > Columns || row < 1 || row > RowCount) return nullptr;
  return Labels[static_cast<size_t>(column)][static_cast<size_t>(row - 1)];
}

void TPayoutList::SetPayTableVisible(bool on) {
  Panel->SetVisible(on);
}

void TPayoutList::LayoutRows() {
  for (int32_t k = 0; k <= Columns; ++k) {
    const TLxLabel* first = PayLabel(k, 1);
    if (!first) continue;
    for (int32_t r = 2; r <= RowCount; ++r) {
      TLxLabel* label = PayLabel(k, r);
      label->SetLeft(first->Left());
      label->SetWidth(first->Width());
      label->SetHeight(first->Height());
      label->SetTop(first->Top() + (r - 1) * first->Height());
    }
  }
}

TLxLabel* TPokerScene::Label(const std::string& name, TLxCustomControl* parent,
                             const std::string& caption) {
  return NewLabel(*this, name, parent, caption);
}

TLxImage* TPokerScene::Lamp(const std::string& name, TLxCustomControl* parent,
                            const std::string& texture) {
  auto* lamp = Themed<TLxImage>(name, parent);
  lamp->Texture.SetFileName(texture);
  return lamp;
}

TPokerScene::TPokerScene(TLxComponent* owner, const std::string& themeName, const TGameInfo& game,
                         uint16_t features)
    : TLxGameScene(owner, themeName), Features(features) {
  const bool all = (features & fAllPanels) != 0;

  pnlCredit = Themed<TLxPanel>("PNL_CREDIT", nullptr);
  lblCredit = Label("LBL_CREDIT", pnlCredit, "CREDIT");
  lblCreditV = Label("LBL_CREDITV", pnlCredit, "0");
  lblBet = Label("LBL_BET", pnlCredit, "BET");
  lblBetV = Label("LBL_BETV", pnlCredit, "0");
  lblWin = Label("LBL_WIN", pnlCredit, "WIN");
  lblWinV = Label("LBL_WINV", pnlCredit, "0");

  PayoutList = new TPayoutList(*this, game, features);

  if (all || !(features & (fLumioBonus | fAmericanJackpot))) {
    pnlLogo = Themed<TLxPanel>("PNL_LOGO", nullptr);
    BonusPanel = pnlLogo;
  }
  if (all || (features & fLumioBonus)) {
    pnlLumio = Themed<TLxPanel>("PNL_LUMIO", nullptr);
    lblLumio = Label("LBL_LUMIO", pnlLumio, "LUMIO");
    lblLumioV = Label("LBL_LUMIOV", pnlLumio, "0");
    lblLumioCard = Label("LBL_LUMIOCARD", pnlLumio, "7");
    for (int32_t i = 1; i <= 10; ++i) {
      imgLumioStage[static_cast<size_t>(i - 1)] =
          Lamp("IMG_LUMIOSTAGE_" + IntToStr(i), pnlLumio, "img_jackpotstage");
    }
    BonusPanel = pnlLumio;
    DupSwapPanel = pnlLumio;
  }
  if (all || (features & fAmericanJackpot)) {
    pnlAmericanJackpot = Themed<TLxPanel>("PNL_AMERICANJACKPOT", nullptr);
    lblAmericanMiniBonus =
        Label("LBL_AMERICANMINIBONUS", pnlAmericanJackpot, "JACKS OR BETTER BONUS");
    lblAmericanMiniBonusV = Label("LBL_AMERICANMINIBONUSV", pnlAmericanJackpot, "0");
    lblAmericanJackpot = Label("LBL_AMERICANJACKPOT", pnlAmericanJackpot, "JACKPOT");
    lblAmericanJackpotV = Label("LBL_AMERICANJACKPOTV", pnlAmericanJackpot, "0");
    BonusPanel = pnlAmericanJackpot;
  }
  if (all) {
    pnlNormalDup = Themed<TLxPanel>("PNL_NORMALDUP", nullptr);
    DupSwapPanel = pnlNormalDup;
  }
  if (all || (features & fDoubleUpBar)) {
    pnlDupBarDup = Themed<TLxPanel>("PNL_DUPBARDUP", nullptr);
    for (int32_t i = 1; i <= 8; ++i) {
      imgDupBar[static_cast<size_t>(i - 1)] =
          Lamp("IMG_DUPBAR_" + IntToStr(i), pnlDupBarDup, "img_dupbar");
    }
    lblDupBarWinV = Label("LBL_DUPBARWINV", pnlDupBarDup, "10000");
    DupSwapPanel = pnlDupBarDup;
  }

  for (int32_t i = 1; i <= 5; ++i) {
    auto* card = Themed<TLxCard>("CARD_MAIN_" + IntToStr(i), nullptr);
    card->Tag = i;
    card->UpdateImage();
    MainCards[static_cast<size_t>(i - 1)] = card;
  }
  for (int32_t i = 1; i <= 5; ++i) {
    TLxLabel* held = Label("LBL_HOLD_" + IntToStr(i), nullptr, "HELD");
    held->Tag = i;
    HeldLabels[static_cast<size_t>(i - 1)] = held;
  }

  imgGameLogo = Themed<TLxImage>("IMG_GAMELOGO", nullptr);
  imgGameLogo->Texture.SetGroup("MAINROOM");
  imgGameLogo->Texture.SetFileName("IMG_GAME_" + game.IDStr);

  pnlButtons = Themed<TLxPanel>("PNL_BUTTONS", nullptr);
  for (int32_t i = 1; i <= 5; ++i) {
    auto* button = Themed<TLxButton>("BTN_HOLD_" + IntToStr(i), pnlButtons);
    button->SetCaption("HOLD");
    button->Tag = i;
    btnHold[static_cast<size_t>(i - 1)] = button;
  }
  btnDeal = Themed<TLxButton>("BTN_DEAL", pnlButtons);
  btnDeal->SetCaption("DEAL");
  btnBet = Themed<TLxButton>("BTN_BET", pnlButtons);
  btnBet->SetCaption("BET");
  btnCashAll = Themed<TLxButton>("BTN_CASHALL", pnlButtons);
  btnCashAll->SetCaption("CASH");

  if (all || (features & fThreeDeal)) {
    for (int32_t n = 1; n <= 3; ++n) {
      imgDealStageL[static_cast<size_t>(n - 1)] =
          Lamp("IMG_DEALSTAGEL" + IntToStr(n), nullptr, "img_dealstage");
    }
    for (int32_t n = 1; n <= 3; ++n) {
      imgDealStageR[static_cast<size_t>(n - 1)] =
          Lamp("IMG_DEALSTAGER" + IntToStr(n), nullptr, "img_dealstage");
    }
  }

  imgAdv = Themed<TLxImage>("IMG_ADV", nullptr);
  imgAdv->Texture.SetGroup("LOGO");
  imgAdv->Texture.SetFileName("IMG_ADV");
}

TPokerScene::~TPokerScene() {
  delete PayoutList;
}

void TPokerScene::LoadTheme(const std::string& themeName) {
  TLxGameScene::LoadTheme(themeName);
  PayoutList->LayoutRows();
}

TLxCard* TPokerScene::MainCard(int32_t position) const {
  if (position < 1 || position > 5) return nullptr;
  return MainCards[static_cast<size_t>(position - 1)];
}

TLxLabel* TPokerScene::HeldLabel(int32_t position) const {
  if (position < 1 || position > 5) return nullptr;
  return HeldLabels[static_cast<size_t>(position - 1)];
}

TLxImage* TPokerScene::DealStageLamp(bool left, int32_t n) const {
  if (n < 1 || n > 3) return nullptr;
  return (left ? imgDealStageL : imgDealStageR)[static_cast<size_t>(n - 1)];
}

void TPokerScene::SetNormalView(bool on) {
  NormalView = on;
  if (Features & fDupOverCards) {
    for (TLxCard* card : MainCards) card->SetVisible(on);
    if (!on) {
      for (TLxLabel* held : HeldLabels) held->SetVisible(false);
    }
  } else {
    PayoutList->SetPayTableVisible(on);
    if (DupSwapPanel != BonusPanel) {
      if (BonusPanel) BonusPanel->SetVisible(on);
      if (DupSwapPanel) DupSwapPanel->SetVisible(!on);
    }
  }
  pnlDoubleUp->SetVisible(!on);
}

}  // namespace lx

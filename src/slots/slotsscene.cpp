#include "slots/slotsscene.h"

#include "base/lxlog.h"
#include "base/lxutils.h"
#include "gamecore/lxgamemanager.h"
#include "shell/lxcore.h"
#include "slots/slots.h"
#include "slots/slotsetup.h"

namespace lx {

void TSlotLineMarker::Paint() {
  if (!Engine) return;
  const int32_t dx = EndLeft - Left(), dy = EndTop - Top();
  // Spread across the line's minor axis.
  const bool steep = (dy < 0 ? -dy : dy) > (dx < 0 ? -dx : dx);
  const int32_t half = Thickness / 2;
  for (int32_t d = -half; d <= half; ++d) {
    const int32_t ox = steep ? d : 0, oy = steep ? 0 : d;
    Engine->DrawLine({Left() + ox, Top() + oy}, {EndLeft + ox, EndTop + oy}, Color4()[0],
                     Color4()[1], DrawOpOpaque);
  }
}

TSlotsScene::TSlotsScene(TLxComponent* owner, const std::string& sceneName, TGameInfo* gameInfo,
                         uint16_t options)
    : TLxGameScene(owner, sceneName), Options(options) {
  SetSceneName(sceneName);
  // Each layout bit found replaces the counts of the previous one.
  if (options & optGrid3x3) {
    ReelCount = 9;
    LineBetLabelCount = 16;
    MarkerCount = 8;
    HoldButtonCount = 3;
  }
  if (options & optGrid1x3) {
    ReelCount = 3;
    LineBetLabelCount = 2;
    MarkerCount = 1;
    HoldButtonCount = 3;
  }
  if (options & optGrid3x5) {
    ReelCount = 15;
    LineBetLabelCount = 14;
    MarkerCount = 13;
    HoldButtonCount = 5;
  }

  ReelsPanel = Themed<TLxPanel>("PNL_REELS", nullptr);
  imgReels = Themed<TLxImage>("IMG_REELS", ReelsPanel);
  for (int32_t i = 1; i <= ReelCount; ++i) {
    auto* reel = new TLxReel(this);
    reel->SetName("REEL_" + IntToStr(i));
    reel->SetParent(ReelsPanel);
    reel->Tag = i;
    reel->Texture.SetName("img_reel");
    AddControl(reel);
    Reels[static_cast<size_t>(i)] = reel;
    auto* frame = Themed<TLxImage>("IMG_REELBOX_" + IntToStr(i), ReelsPanel);
    frame->Texture.SetName("img_reelbox");
    frame->HitTest = false;
    ReelFrames[static_cast<size_t>(i)] = frame;
  }
  for (int32_t k = 1; k <= LineBetLabelCount; ++k) {
    auto* label = Themed<TLxLabel>("LBL_LINEBET_" + IntToStr(k), ReelsPanel);
    label->SetCaption("0");
    LineBetLabels[static_cast<size_t>(k)] = label;
  }
  for (int32_t k = 1; k <= MarkerCount; ++k) {
    auto* marker = Themed<TSlotLineMarker>("LINE_WIN_" + IntToStr(k), ReelsPanel);
    marker->HitTest = false;
    LineMarkers[static_cast<size_t>(k)] = marker;
  }
  pnlBonus = Themed<TLxPanel>("PNL_BONUS", nullptr);

  const bool all = (options & optAllBonusPanels) != 0;
  const auto label = [this](const std::string& name, TLxCustomControl* parent,
                            const std::string& caption) {
    auto* l = Themed<TLxLabel>(name, parent);
    l->SetCaption(caption);
    return l;
  };
  if (all || (options & optCherryBonus)) {
    pnlCherryBonus = Themed<TLxPanel>("PNL_CHERRYBONUS", nullptr);
    imgCherryBonus = Themed<TLxImage>("IMG_CHERRYBONUS", pnlCherryBonus);
    img2Cherry = Themed<TLxImage>("IMG_2CHERRY", pnlCherryBonus);
    lblCherryBonusStage = label("LBL_CHERRYBONUSSTAGE", pnlCherryBonus, "0");
  }
  if (all || (options & (optBarBonus1 | optBarBonus2 | optBarBonus3 | optBarSumBonus)))
    pnlBarBonus = Themed<TLxPanel>("PNL_BARBONUS", nullptr);
  if (all || (options & optBarBonus1)) imgBarBonus = Themed<TLxImage>("IMG_BARBONUS", pnlBarBonus);
  if (all || (options & optBarBonus2))
    imgBarBonus2 = Themed<TLxImage>("IMG_BARBONUS2", pnlBarBonus);
  if (all || (options & optBarBonus3))
    imgBarBonus3 = Themed<TLxImage>("IMG_BARBONUS3", pnlBarBonus);
  if (all || (options & optBarSumBonus)) {
    imgBarSumBonus = Themed<TLxImage>("IMG_BARSUMBONUS", pnlBarBonus);
    lblBarSumBonusValue = label("LBL_BARSUMBONUSVALUE", pnlBarBonus, "0");
  }
  if (all || (options & optBellBonus)) {
    pnlBellBonus = Themed<TLxPanel>("PNL_BELLBONUS", nullptr);
    imgBellBonus = Themed<TLxImage>("IMG_BELLBONUS", pnlBellBonus);
    lblBellBonusStage = label("LBL_BELLBONUSSTAGE", pnlBellBonus, "0");
    lblBellBonusValue = label("LBL_BELLBONUSVALUE", pnlBellBonus, "0");
  }
  if (all || (options & optPools)) {
    pnlPools = Themed<TLxPanel>("PNL_POOLS", nullptr);
    imgPools = Themed<TLxImage>("IMG_POOLS", pnlPools);
    lblPools = label("LBL_POOLS", pnlPools, "POOL");
    for (size_t k = 1; k <= 3; ++k) lblPoolV[k] = label("LBL_POOLV" + IntToStr(k), pnlPools, "0");
  }
  if (all || (options & optCollectBonus)) {
    pnlCollectBonus = Themed<TLxPanel>("PNL_COLLECTBONUS", nullptr);
    for (size_t k = 1; k <= 5; ++k)
      imgCollectBonus[k] = Themed<TLxImage>("IMG_COLLECTBONUS_" + IntToStr(k), pnlCollectBonus);
    lblCollectBonusValue = Themed<TLxLabel>("LBL_COLLECTBONUSVALUE", pnlCollectBonus);
  }

  imgGameLogo = new TLxImage(this);
  imgGameLogo->SetName("IMG_GAMELOGO");
  imgGameLogo->Texture.SetGroup("MAINROOM");
  imgGameLogo->Texture.SetName("IMG_GAME_" + (gameInfo ? gameInfo->IDStr : std::string()));
  AddControl(imgGameLogo);
  lblCredit = label("LBL_CREDIT", nullptr, "CREDIT");
  lblCreditV = label("LBL_CREDITV", nullptr, "0");
  lblWin = label("LBL_WIN", nullptr, "WIN");
  lblWinV = label("LBL_WINV", nullptr, "0");
  lblBet1V = label("LBL_BET1V", nullptr, "0");
  lblBet2V = label("LBL_BET2V", nullptr, "0");
  lblBonusSpinCount = label("LBL_BONUSSPINCOUNT", nullptr, "0 GAMES LEFT");
  lblInfo = label("LBL_INFO", nullptr, "WELCOME");
  pnlButtons = Themed<TLxPanel>("PNL_BUTTONS", nullptr);
  for (int32_t n = 1; n <= HoldButtonCount; ++n) {
    auto* button = Themed<TLxButton>("BTN_HOLD_" + IntToStr(n), pnlButtons);
    button->SetCaption("HOLD");
    button->Tag = n;
    HoldButtons[static_cast<size_t>(n)] = button;
  }
  const auto button = [this](const std::string& name, const std::string& caption) {
    auto* b = Themed<TLxButton>(name, pnlButtons);
    b->SetCaption(caption);
    return b;
  };
  btnSpin = button("BTN_SPIN", "SPIN");
  btnBet1 = button("BTN_BET1", "BET1");
  btnBet2 = button("BTN_BET2", "BET2");
  btnCashAll = button("BTN_CASHALL", "CASH");
  imgAdv = Themed<TLxImage>("IMG_ADV", nullptr);
}

void TSlotsScene::LoadTheme(const std::string& themeName) {
  TLxGameScene::LoadTheme(themeName);
  TLxReel* first = Reels[1];
  if (!first) return;
  int32_t w = first->Width(), h = first->Height();
  if (h <= 60) {
    // Symbols of no height would never let a reel come to rest.
    Log("ERROR: " + SceneName() + ": reel 1 is " + IntToStr(h) + " pixels high; using " +
        IntToStr(MinReelHeight));
    h = MinReelHeight;
    for (int32_t i = 1; i <= ReelCount; ++i) Reels[static_cast<size_t>(i)]->SetHeight(h);
  }
  for (int32_t i = 1; i <= ReelCount; ++i) Reels[static_cast<size_t>(i)]->ItemHeight = h - 60;
  if (Game) {
    for (int32_t n = 1; n <= SymbolSlotCount; ++n) {
      TLxReelItemInfo* symbol = Game->Symbols[static_cast<size_t>(n)];
      if (!symbol) continue;
      symbol->SetWidth(w);
      symbol->SetHeight(h - 60);
      symbol->Texture.SetName(symbol->TextureName);
      ApplyTexture(symbol);
    }
    Game->ResetReels();
    Game->ShowCollectDisplay();
  } else {
    for (int32_t i = 1; i <= ReelCount; ++i) Reels[static_cast<size_t>(i)]->ResetReel();
  }
  LayoutMarkers();
}

void TSlotsScene::LayoutMarkers() {
  struct TPoint {
    int32_t X, Y;
  };
  const auto reel = [this](int32_t i) { return Reels[static_cast<size_t>(i)]; };
  const auto L = [&](int32_t i) { return reel(i)->Left(); };
  const auto T = [&](int32_t i) { return reel(i)->Top(); };
  const auto r = [&](int32_t i) { return reel(i)->Left() + reel(i)->Width(); };
  const auto b = [&](int32_t i) { return reel(i)->Top() + reel(i)->Height(); };
  const auto x = [&](int32_t i) { return reel(i)->Left() + TruncDiv(reel(i)->Width(), 2); };
  const auto y = [&](int32_t i) { return reel(i)->Top() + TruncDiv(reel(i)->Height(), 2); };
  std::vector<std::pair<TPoint, TPoint>> ends;
  if (Options & optGrid3x3) {
    ends = {{{L(1), y(1)}, {r(3), y(1)}}, {{L(4), y(4)}, {r(6), y(4)}},
            {{L(7), y(7)}, {r(9), y(7)}}, {{x(1), T(1)}, {x(1), b(7)}},
            {{x(2), T(2)}, {x(2), b(8)}}, {{x(3), T(3)}, {x(3), b(9)}},
            {{L(1), T(1)}, {r(9), b(9)}}, {{L(7), b(7)}, {r(3), T(3)}}};
  }
  if (Options & optGrid1x3) ends = {{{L(1), y(1)}, {r(3), y(1)}}};
  if (Options & optGrid3x5) {
    ends = {{{L(1), y(1)}, {r(5), y(1)}},     {{L(6), y(6)}, {r(10), y(6)}},
            {{L(11), y(11)}, {r(15), y(11)}}, {{L(1), y(1)}, {x(2), y(1)}},
            {{x(2), y(2)}, {x(14), y(14)}},   {{x(14), y(14)}, {r(15), y(15)}},
            {{L(11), y(11)}, {x(12), y(11)}}, {{x(12), y(12)}, {x(4), y(4)}},
            {{x(4), y(4)}, {r(5), y(4)}},     {{x(2), y(2)}, {x(8), y(8)}},
            {{x(8), y(8)}, {x(4), y(4)}},     {{x(12), y(12)}, {x(8), y(8)}},
            {{x(8), y(8)}, {x(14), y(14)}}};
  }
  for (size_t k = 0; k < ends.size() && static_cast<int32_t>(k) < MarkerCount; ++k) {
    TSlotLineMarker* marker = LineMarkers[k + 1];
    marker->SetTop(ends[k].first.Y);
    marker->SetLeft(ends[k].first.X);
    marker->EndTop = ends[k].second.Y;
    marker->EndLeft = ends[k].second.X;
  }
  for (int32_t k = 1; k <= MarkerCount; ++k) LineMarkers[static_cast<size_t>(k)]->SetAlpha(255);
}

}  // namespace lx

#include "poker/pokerdemounit.h"

#include "gamecore/lxcard.h"
#include "poker/poker.h"
#include "poker/pokerdata.h"
#include "poker/pokerscene.h"

namespace lx {

TPokerDemo* PokerDemo = nullptr;

namespace {

// Positions of the walking joker, at steps 6, 8, .., 22.
constexpr int32_t kJokerWalk[] = {1, 2, 3, 4, 5, 4, 3, 2, 1};

}  // namespace

void TPokerDemo::Wait(int32_t frames) {
  ++FrameCounter;
  if (FrameCounter >= frames) {
    FrameCounter = 0;
    ++Phase;
  }
}

void TPokerDemo::ClearTable() {
  Game->ClearHolds();
  Game->ResetTable();
  Game->LiftDealCards(true);
}

void TPokerDemo::Process() {
  TPokerScene& scene = *Game->Scene;
  TPokerData& data = *Game->Data;
  const int32_t step = Phase;
  auto next = [this] {
    FrameCounter = 0;
    ++Phase;
  };
  if (step >= 6 && step <= 22 && step % 2 == 0) {
    WalkJoker(kJokerWalk[(step - 6) / 2]);
    next();
    return;
  }
  if (step >= 7 && step <= 23 && step % 2 == 1) {
    Wait(100);
    return;
  }
  switch (step) {
    case 1:
    case 5:
      Wait(100);
      break;
    case 2:
      scene.ShowDoubleUpView(false);
      Game->ClearPayRow();
      Game->ChangeBet(true);
      scene.SetNormalView(true);
      next();
      break;
    case 3:
    case 29:
    case 33:
      Wait(50);
      break;
    case 4:
      scene.imgAdv->SetVisible(false);
      for (TLxCard* card : scene.MainCards) {
        card->SetVisible(true);
        card->Held = false;
      }
      for (TLxLabel* held : scene.HeldLabels) held->SetVisible(false);
      Game->ShowMessage(data.Credit > static_cast<uint32_t>(std::max(data.GetBet(), 0))
                            ? "PRESS DEAL TO START"
                            : "INSERT COIN");
      next();
      break;
    case 24:
    case 26:
      ShowAdvert();
      next();
      break;
    case 25:
      Wait(400);
      break;
    case 27:
      if (data.Credit != 0) {
        FrameCounter = 0;
        Phase = 1;
        return;
      }
      Wait(400);
      break;
    case 28:
    case 32:
      ClearTable();
      next();
      break;
    case 30:
      next();
      Game->DemoDeal(1);
      break;
    case 34:
      next();
      Game->DemoDeal(2);
      break;
    case 31:
    case 35:
      Wait(300);
      break;
    default:
      FrameCounter = 0;
      Phase = 1;
      break;
  }
}

void TPokerDemo::WalkJoker(int32_t position) {
  for (int32_t i = 1; i <= 5; ++i) {
    TLxCard* card = Game->MainCard(i);
    if (i == position) {
      card->SetValue(53);
      card->FaceDown = false;
      card->UpdateImage();
    } else if (!card->FaceDown) {
      card->FaceDown = true;
      card->UpdateImage();
    }
  }
}

void TPokerDemo::ShowAdvert() {
  TPokerScene& scene = *Game->Scene;
  Game->ClearHolds();
  for (TLxCard* card : scene.MainCards) card->SetVisible(false);
  Game->ResetTable();
  scene.imgAdv->NextPattern();
  scene.imgAdv->SetVisible(true);
}

}  // namespace lx

#include "screens/mainroomunit.h"

#include <vector>

#include "gamecore/lxgame.h"
#include "gamecore/lxgamedata.h"
#include "gamecore/lxgamemanager.h"
#include "gamecore/lxgamescene.h"
#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "gui/lxmenus.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "platform/lxplatform.h"
#include "poker/poker.h"
#include "screens/lxplayerinfo.h"
#include "screens/mainroomscene.h"
#include "shell/lxcore.h"
#include "slots/slots.h"

namespace lx {

TMainRoom* MainRoom = nullptr;

namespace {

// The hourglass while the room works; the cursor that was showing comes back at the end.
class TWaitCursor {
 public:
  TWaitCursor() : FWindow(Engine ? Engine->Window() : nullptr) {
    if (!FWindow) return;
    FWasWaiting = FWindow->WaitCursor();
    FWindow->SetWaitCursor(true);
  }
  ~TWaitCursor() {
    if (FWindow) FWindow->SetWaitCursor(FWasWaiting);
  }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  TLxWindow* FWindow;
  bool FWasWaiting = false;
};

// Whether the machine's pending win is a win the player has been shown: not while the machine is
// between showing and paying (busy), nor the provisional price of a poker deal not yet drawn,
// nor anything of a spin whose reels are still turning.
bool WinIsShown(const TLxGame& game) {
  if (game.State == GameStateBusy) return false;
  const int32_t group = game.GameInfo && game.GameInfo->Group ? game.GameInfo->Group->GroupID : 0;
  if (group == 1) return game.State != PokerStateHolding;
  if (group == 2) return game.State != SlotStateSpinning;
  return true;
}

std::string ThemeName() {
  return Settings ? Settings->ThemeName : std::string();
}

}  // namespace

TMainRoom::TMainRoom(TLxCasino* casino) : Casino(casino) {
  TLxCustomControl* mainScene = Host ? Host->GetMainScene() : nullptr;
  Scene = new TMainRoomScene(mainScene, casino);
  std::vector<TLxControl*> gameControls(Scene->GameImages.begin(), Scene->GameImages.end());
  gameControls.insert(gameControls.end(), Scene->GameItems.begin(), Scene->GameItems.end());
  for (TLxControl* image : gameControls) {
    image->OnMouseEnter = [this](TLxCustomControl* sender) { ShowPreview(sender); };
    image->OnClick = [this](TLxCustomControl* sender) {
      StartGame(static_cast<TLxControl*>(sender)->Tag);
    };
  }
  Scene->btnProfile->OnClick = [this](TLxCustomControl*) {
    if (Services.ShowProfile) Services.ShowProfile();
  };
  Scene->btnOptions->OnClick = [this](TLxCustomControl*) {
    if (Services.ShowOptions) Services.ShowOptions();
  };
  Scene->btnStatistics->OnClick = [this](TLxCustomControl*) {
    if (Services.ShowStatistics) Services.ShowStatistics();
  };
  Scene->btnHelp->OnClick = [](TLxCustomControl*) {
    if (Host) Host->ShowHelp(0);
  };
  Scene->imgLogo->OnClick = [this](TLxCustomControl*) {
    if (Services.ShowAbout) Services.ShowAbout();
  };
  Scene->btnExitGame->OnClick = [this](TLxCustomControl*) {
    LeaveRoom();
    if (Services.EnterDefaultCasino) Services.EnterDefaultCasino();
  };
  Scene->pnlGamePreview->SetVisible(false);
}

TMainRoom::~TMainRoom() {
  SetCurrentGame(nullptr);
  delete Scene;
}

void TMainRoom::SetCurrentGame(std::unique_ptr<TLxGame> game) {
  FGame.reset();
  FGame = std::move(game);
  if (Services.OnCurrentGame) Services.OnCurrentGame(FGame.get());
}

void TMainRoom::LoadWithLoader(TLxScene* scene, const std::string& caption) {
  (void)caption;
  scene->LoadTheme(ThemeName());
}

void TMainRoom::EnterRoom() {
  const TWaitCursor wait;
  LoadWithLoader(Scene, Casino ? Casino->CasinoID : std::string());
  Scene->SetVisible(false);
  ShowPlayer();
  Scene->Show();
  if (Services.UpdateNavigation) Services.UpdateNavigation(true);
}

void TMainRoom::LeaveRoom() {
  if (Casino) Casino->Save();
  Scene->Hide();
}

void TMainRoom::ShowPlayer() {
  ShowPlayerInfo(Players ? Players->CurrentPlayer : nullptr, Scene->lblFullName, Scene->lblBankV,
                 nullptr, nullptr);
}

void TMainRoom::ShowPreview(TLxCustomControl* sender) {
  if (Scene->Hidden || !GameManager) return;
  auto* control = dynamic_cast<TLxControl*>(sender);
  const TGameInfo* info = control ? GameManager->FindByType(control->Tag) : nullptr;
  if (!info) return;
  Scene->imgGamePreview->SetItemIndex(info->PreviewIndex);
  Scene->lblGameTitle->SetCaption(info->Title);
  Scene->lblGameDescription->SetCaption(info->Description);
  Scene->pnlGamePreview->ShowFor(1000);
}

void TMainRoom::StartGame(int32_t gameType) {
  if (Scene->Hidden) return;
  TGameInfo* info = GameManager ? GameManager->FindByType(gameType) : nullptr;
  if (!info || !Services.CreateMachine) return;
  Scene->Hidden = true;
  const TWaitCursor wait;
  if (Host) {
    Host->RenderNow();
    Host->FadeToBlack();
  }
  Scene->Hide();
  SetCurrentGame(nullptr);
  std::unique_ptr<TLxGame> game = Services.CreateMachine(*info);
  if (!game) {
    EnterRoom();
    return;
  }
  TLxPlayer* player = Players ? Players->CurrentPlayer : nullptr;
  if (player && player->CasinoStats)
    game->Statistics = player->CasinoStats->FindOrAddGame(info->IDStr, true);
  SetCurrentGame(std::move(game));
  TLxGameScene* gameScene = FGame->GetScene();
  if (gameScene) {
    gameScene->SetVisible(false);
    LoadWithLoader(gameScene, info->Title);
    gameScene->Show();
  }
  if (Services.UpdateNavigation) Services.UpdateNavigation(false);
}

void TMainRoom::LeaveGame() {
  if (!FGame || !FGame->ConfirmLeave()) return;
  FGame->Leave(Casino);
  if (Host) Host->FadeToBlack();
  if (FGame && FGame->GetScene()) FGame->GetScene()->Hide();
  SetCurrentGame(nullptr);
  EnterRoom();
}

void TMainRoom::LeaveGameAtExit() {
  if (!FGame) return;
  if (TLxGameData* data = FGame->GetGameData()) {
    if (WinIsShown(*FGame)) data->Credit += data->Win;
    data->Win = 0;
    FGame->State = GameStateIdle;
    const uint32_t credit = data->Credit;
    if (TLxPlayer* player = Players ? Players->CurrentPlayer : nullptr) player->Bank += credit;
    data->SetCreditOut(data->CreditOut() + credit);
    data->Credit = 0;
  }
  // Nothing is left to cash out: Leave only saves.
  FGame->Leave(Casino);
  SetCurrentGame(nullptr);
}

}  // namespace lx

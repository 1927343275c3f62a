#include "screens/navigationunit.h"

#include "gamecore/lxgame.h"
#include "gui/lxcontrols.h"
#include "gui/lxframe.h"
#include "gui/lxhost.h"
#include "gui/lxmenus.h"
#include "gui/lxmessageframe.h"
#include "persistence/lxapplication.h"
#include "persistence/playersunit.h"
#include "screens/navigationscene.h"

namespace lx {

TNavigation* Navigation = nullptr;

namespace {

constexpr int32_t MessageInformation = 2;
constexpr int32_t MessageConfirmation = 3;

int32_t Ask(const std::string& text, int32_t kind, int32_t buttons) {
  return Host ? Host->MessageBox(text, kind, buttons) : mrNone;
}

TLxNotifyEvent Call(const std::function<void()>& service) {
  return [&service](TLxCustomControl*) {
    if (service) service();
  };
}

}  // namespace

TNavigation::TNavigation() {
  Scene = new TNavigationScene(Host ? Host->GetMainScene() : nullptr);
  Scene->OnKeyDown = [](TLxCustomControl*, uint16_t&, uint8_t) {};
  TNavigationScene& s = *Scene;
  s.mnuSignOut->OnClick = [this](TLxCustomControl*) { SignOut(); };
  s.mnuExitGame->OnClick = [this](TLxCustomControl*) { ExitGame(); };
  s.btnExitGame->OnClick = [this](TLxCustomControl*) { ExitGame(); };
  s.mnuProfile->OnClick = Call(Services.ShowProfile);
  s.mnuStatistics->OnClick = Call(Services.ShowStatistics);
  s.mnuHallOfFame->OnClick = Call(Services.ShowHallOfFame);
  s.mnuOptions->OnClick = Call(Services.ShowOptions);
  s.mnuAbout->OnClick = Call(Services.ShowAbout);
  s.mnuHelpLocal->OnClick = [](TLxCustomControl*) {
    if (Host) Host->ShowHelp(0);
  };
  s.mnuHomePage->OnClick = [](TLxCustomControl*) {
    if (Host && AppInfo) Host->OpenDocument(AppInfo->HomePage);
  };
  s.btnCredit->OnClick = [this](TLxCustomControl*) {
    if (TLxGame* game = Game()) game->AddCredit();
  };
  s.btnCashOut->OnClick = [this](TLxCustomControl*) {
    if (TLxGame* game = Game()) game->AskCashOut();
  };
  auto hidePopup = [this](TLxCustomControl*) { Scene->pnlPopupMessage->SetVisible(false); };
  s.pnlPopupMessage->OnClick = hidePopup;
  s.imgPopupMessage->OnClick = hidePopup;
  s.lblPopupMessage->OnClick = hidePopup;
  UpdateButtons();
}

TNavigation::~TNavigation() {
  delete Scene;
}

void TNavigation::Show() {
  Scene->Show();
}

void TNavigation::UpdateButtons() {
  const bool open = Game() != nullptr;
  Scene->btnCredit->SetVisible(open);
  Scene->btnCashOut->SetVisible(open);
  Scene->BringToFront();
}

void TNavigation::ShowHint(const std::string& hint) {
  Scene->lblHint->SetCaption(hint);
  Scene->lblHint->SetVisible(!hint.empty());
}

void TNavigation::SignOut() {
  if (Game()) {
    Ask("Cannot sign-out now. Please exit the game first.", MessageInformation, mbOk);
    return;
  }
  if (Ask("Are you sure you want to sign-out?", MessageConfirmation, mbYes | mbNo) != mrYes) return;
  if (Players) Players->Logout();
  if (Host) Host->SignIn(false);
}

void TNavigation::ExitGame() {
  if (!Game()) {
    if (Services.CloseProgram) Services.CloseProgram();
    return;
  }
  if (Services.LeaveGame) Services.LeaveGame();
}

}  // namespace lx

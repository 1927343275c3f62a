#include "screens/loginform.h"

#include "gui/lxcombobox.h"
#include "gui/lxhost.h"
#include "gui/lxmessageframe.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/lxformcontrols.h"
#include "screens/profileform.h"

namespace lx {

TfrmLogin::TfrmLogin(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("LOGIN");
  Caption->SetCaption("LOGIN");
  TFormControls add(*this);
  BtnLogin = add.Button("BTN_LOGIN", "LOGIN");
  BtnNewPlayer = add.Button("BTN_NEWPLAYER", "NEW PLAYER");
  BtnDeletePlayer = add.Button("BTN_DELETEPLAYER", "DELETE PLAYER");
  BtnClose = add.Button("BTN_CLOSE", "EXIT");
  LblPlayerName = add.Label("LBL_PLAYERNAME", "Player name:");
  CboPlayerName = add.ComboBox("CBO_PLAYERNAME");
  LblPassword = add.Label("LBL_PASSWORD", "Password:");
  EdtPassword = add.Edit("EDT_PASSWORD");
  // Its drop-down list covers the controls added after it.
  CboPlayerName->BringToFront();

  BtnLogin->OnClick = [this](TLxCustomControl*) { LoginClick(); };
  BtnNewPlayer->OnClick = [this](TLxCustomControl*) { NewPlayerClick(); };
  BtnDeletePlayer->OnClick = [this](TLxCustomControl*) { DeletePlayerClick(); };
  BtnClose->OnClick = [this](TLxCustomControl*) { ExitClick(); };
  // Enter signs in, as the LOGIN button does.
  OnKeyDown = [this](TLxCustomControl*, uint16_t& key, uint8_t) {
    if (key == vk::Return) LoginClick();
  };

  LoadTheme(Settings ? Settings->ThemeName : std::string());
  FillPlayers();
  if (Players && Players->Count() == 0) NewPlayerClick();
}

void TfrmLogin::FillPlayers() {
  std::vector<TLxListEntry> entries;
  if (Players) Players->FillList(entries, false);
  CboPlayerName->Items().Assign(entries);
}

void TfrmLogin::LoginClick() {
  if (Players && Players->Login(CboPlayerName->Caption(), EdtPassword->Caption())) {
    CloseWith(mrOk);
    return;
  }
  AskUser("Wrong player name or password.", mbOk);
}

void TfrmLogin::NewPlayerClick() {
  if (!Host || !Host->GetMainScene()) return;
  const TLxComponentGuard self(this);
  auto* profile = new TfrmProfile(Host->GetMainScene());
  const TLxComponentGuard guard(profile);
  const int32_t result = profile->ShowModal();
  if (!guard.Alive()) return;
  if (result == mrOk && self.Alive()) {
    FillPlayers();
    CboPlayerName->SetCaption(profile->EdtUserName->Caption());
    EdtPassword->SetCaption(profile->EdtPassword->Caption());
  }
  delete profile;
}

void TfrmLogin::DeletePlayerClick() {
  const std::string name = CboPlayerName->Caption();
  if (name.empty()) {
    AskUser("Please select a player.", mbOk);
    return;
  }
  const TLxComponentGuard self(this);
  if (AskUser("Are you sure you want to delete player " + name + "?", mbYes | mbNo) != mrYes)
    return;
  if (!self.Alive()) return;
  if (Players && Players->DeletePlayer(name)) {
    FillPlayers();
  } else {
    AskUser("Cannot delete player " + name + ".", mbOk);
  }
}

void TfrmLogin::ExitClick() {
  const TLxComponentGuard self(this);
  if (AskUser("Exit game?", mbYes | mbNo) == mrYes && self.Alive()) CloseWith(mrCancel);
}

TLxPlayer* ShowLoginWindow() {
  if (!Host || !Host->GetMainScene()) return nullptr;
  auto* frame = new TfrmLogin(Host->GetMainScene());
  const TLxComponentGuard guard(frame);
  const int32_t result = frame->ShowModal();
  if (guard.Alive()) delete frame;
  return result == mrOk && Players ? Players->CurrentPlayer : nullptr;
}

}  // namespace lx

#include "screens/profileform.h"

#include "base/lxutils.h"
#include "gui/lxcheckbox.h"
#include "gui/lxedit.h"
#include "gui/lxhost.h"
#include "gui/lxmessageframe.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/lxformcontrols.h"

namespace lx {

namespace {

void Notice(const std::string& text) {
  AskUser(text, mbOk);
}

// Another player than `self` has the name, in any letter case.
bool NameTakenByOther(const TLxPlayers& players, const std::string& name, const TLxPlayer* self) {
  for (int32_t i = 0; i < players.Count(); ++i) {
    const TLxPlayer* p = players.Items(i);
    if (p != self && SameText(p->PlayerName, name)) return true;
  }
  return false;
}

}  // namespace

TfrmProfile::TfrmProfile(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("PROFILE");
  Caption->SetCaption("PROFILE");
  TFormControls add(*this);
  BtnClose = add.Button("BTN_CLOSE", "OK");
  BtnCancel = add.Button("BTN_CANCEL", "CANCEL");
  LblFirstName = add.Label("LBL_FISTNAME", "Firstname:");
  LblLastName = add.Label("LBL_LASTNAME", "Lastname:");
  LblUserName = add.Label("LBL_USERNAME", "Username:");
  EdtFirstName = add.Edit("EDT_FISTNAME");
  EdtLastName = add.Edit("EDT_LASTNAME");
  EdtUserName = add.Edit("EDT_USERNAME");
  LblPassword = add.Label("LBL_PASSWORD", "Password:");
  LblPassword2 = add.Label("LBL_PASSWORD2", "Verify Password:");
  EdtPassword = add.Edit("EDT_PASSWORD");
  EdtPassword2 = add.Edit("EDT_PASSWORD2");
  ImgPlayer = new TLxImage(this);
  ImgPlayer->SetName("IMG_PLAYER");
  ImgPlayer->Texture.SetGroup("Players");  // the profile pictures
  AddControl(ImgPlayer);
  BtnNext = add.Button("BTN_NEXT", "Next image");
  CbAutoLogin = new TLxCheckBox(this);
  CbAutoLogin->SetName("CB_AUTOLOGIN");
  CbAutoLogin->SetCaption("Automatically login with this player");
  AddControl(CbAutoLogin);

  LoadTheme(Settings ? Settings->ThemeName : std::string());
  const TLxPlayer* current = Players ? Players->CurrentPlayer : nullptr;
  NewPlayer = current == nullptr;

  BtnClose->OnClick = [this](TLxCustomControl*) { OkClick(); };
  BtnCancel->OnClick = [this](TLxCustomControl*) { Close(); };
  BtnNext->OnClick = [this](TLxCustomControl*) { ImgPlayer->NextPattern(); };

  if (NewPlayer) {
    ImgPlayer->SetPattern(1);
    CbAutoLogin->SetChecked(false);
  } else {
    EdtFirstName->SetCaption(current->FirstName);
    EdtLastName->SetCaption(current->LastName);
    EdtUserName->SetCaption(current->PlayerName);
    EdtPassword->SetCaption(current->Password);
    EdtPassword2->SetCaption(current->Password);
    ImgPlayer->SetPattern(current->PictureID);
    CbAutoLogin->SetChecked(Settings &&
                            SameText(current->PlayerName, Settings->optAutoLoginPlayerName));
  }
}

int32_t TfrmProfile::PictureID() const {
  return ImgPlayer->Texture.FrameIndex();
}

void TfrmProfile::OkClick() {
  if (Save()) CloseWith(mrOk);
}

bool TfrmProfile::Save() {
  if (!Players) return false;
  const std::string name = EdtUserName->Caption();
  if (name.empty()) {
    Notice("Please enter your playername or nick!");
    return false;
  }
  if (EdtPassword->Caption() != EdtPassword2->Caption()) {
    Notice("Password does not match !");
    return false;
  }
  if (NewPlayer) {
    if (!Players->AddPlayer(name, EdtPassword->Caption(), EdtFirstName->Caption(),
                            EdtLastName->Caption(), PictureID())) {
      Notice(Players->PlayerExists(name) ? "Player " + name + " already exists!"
                                         : "Error creating player  !");
      return false;
    }
    if (CbAutoLogin->Checked() && Settings) {
      Settings->optAutoLoginPlayerName = name;
      Settings->Save();
    }
    Notice("Player " + name + " created successfully!");
    return true;
  }

  TLxPlayer* player = Players->CurrentPlayer;
  if (!player) return false;
  // Two players of one name would share their statistics records.
  if (NameTakenByOther(*Players, name, player)) {
    Notice("Player " + name + " already exists!");
    return false;
  }
  player->FirstName = EdtFirstName->Caption();
  player->LastName = EdtLastName->Caption();
  player->PlayerName = name;
  player->Password = EdtPassword->Caption();
  player->PictureID = PictureID();
  Players->Save();
  if (Settings) {
    if (CbAutoLogin->Checked()) {
      Settings->optAutoLoginPlayerName = player->PlayerName;
      Settings->Save();
    } else if (Settings->optAutoLoginPlayerName == player->PlayerName) {
      Settings->optAutoLoginPlayerName.clear();
      Settings->Save();
    }
  }
  return true;
}

int32_t ShowProfileWindow() {
  if (!Host || !Host->GetMainScene()) return mrNone;
  auto* frame = new TfrmProfile(Host->GetMainScene());
  const TLxComponentGuard guard(frame);
  const int32_t result = frame->ShowModal();
  if (guard.Alive()) delete frame;
  return result;
}

}  // namespace lx

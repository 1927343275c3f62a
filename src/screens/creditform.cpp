#include "screens/creditform.h"

#include "gamecore/lxgame.h"
#include "gamecore/lxgamedata.h"
#include "gamecore/lxgamemanager.h"
#include "gui/lxcontrols.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/modalwindow.h"
#include "screens/windowcontrols.h"

namespace lx {

TfrmCredit::TfrmCredit(TLxComponent* mainScene, TLxGame& game) : TLxFrame(mainScene), Game(game) {
  SetSceneName("CREDIT");
  UseOwnWindowPicture(*this);
  LblBank = AddLabel(*this, "LBL_BANK", "BANK:");
  LblBankV = AddLabel(*this, "LBL_BANKV", "0");
  LblGameTitle = AddLabel(*this, "LBL_GAMETITLE", "Current game is : ");
  LblCredit = AddLabel(*this, "LBL_CREDIT", "CREDIT:");
  LblCreditV = AddLabel(*this, "LBL_CREDITV", "0");
  auto add = [this](const char* name, const char* caption, int32_t amount) {
    TLxButton* button =
        AddButton(*this, name, caption, [this](TLxCustomControl* sender) { Add(sender); });
    button->Tag = amount;
    button->Texture.SetName("BTN_COIN");
    return button;
  };
  BtnAdd100 = add("BTN_ADD100", "100", 100);
  BtnAdd1000 = add("BTN_ADD1000", "1000", 1000);
  BtnAdd10000 = add("BTN_ADD10000", "10000", 10000);
  BtnClose =
      AddButton(*this, "BTN_CLOSE", "CLOSE", [this](TLxCustomControl*) { CloseWith(mrCancel); });
  RefreshFields();
  LoadTheme(Settings ? Settings->ThemeName : std::string());
}

void TfrmCredit::RefreshFields() {
  const TLxPlayer* player = Players ? Players->CurrentPlayer : nullptr;
  LblBankV->SetCaption(std::to_string(player ? player->Bank : 0u));
  LblGameTitle->SetCaption(Game.GameInfo ? Game.GameInfo->Title : std::string());
  const TLxGameData* data = Game.GetGameData();
  LblCreditV->SetCaption(std::to_string(data ? data->Credit : 0u));
}

void TfrmCredit::Add(TLxCustomControl* sender) {
  const auto* button = dynamic_cast<TLxButton*>(sender);
  if (!button || button->Tag <= 0) return;
  // The message box of a refusal runs its own loop: this window may be gone afterwards.
  const TLxComponentGuard self(this);
  Game.TransferCredit(static_cast<uint32_t>(button->Tag));
  if (self.Alive()) RefreshFields();
}

namespace {

class TCreditWindow : public TLxCreditWindow {
 public:
  void ShowModal(TLxGame& game) override { ShowModalWindow<TfrmCredit>(game); }
};

TCreditWindow creditWindow;

}  // namespace

void InstallCreditWindow() {
  CreditWindow = &creditWindow;
}

void RemoveCreditWindow() {
  if (CreditWindow == &creditWindow) CreditWindow = nullptr;
}

}  // namespace lx

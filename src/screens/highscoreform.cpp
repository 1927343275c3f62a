#include "screens/highscoreform.h"

#include "gui/lxcontrols.h"
#include "gui/lxlistbox.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/modalwindow.h"
#include "screens/windowcontrols.h"

namespace lx {

TfrmHighScore::TfrmHighScore(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("HIGHSCORE");
  UseOwnWindowPicture(*this);
  Caption->SetCaption("HALL OF FAME");
  // Kept from the window this one was made from; nothing fills them.
  LblBank = AddLabel(*this, "LBL_BANK", "BANK:");
  LblBankV = AddLabel(*this, "LBL_BANKV", "0");
  LblGameTitle = AddLabel(*this, "LBL_GAMETITLE", "Current game is : ");
  LblCredit = AddLabel(*this, "LBL_CREDIT", "CREDIT:");
  LblCreditV = AddLabel(*this, "LBL_CREDITV", "0");
  LbHighScore = new TLxListBox(this);
  LbHighScore->SetName("LB_HIGHSCORE");
  // The rows are made before the theme: they take their look from the list as set here.
  LbHighScore->Font.SetName("Sans12");
  LbHighScore->SetItemHeight(18);
  LbHighScore->Column(0)->Caption = "PLAYER";
  LbHighScore->Column(0)->Width = 230;
  LbHighScore->AddColumn("BANK")->Width = 130;
  LbHighScore->SetShowHeader(true);
  AddControl(LbHighScore);
  BtnClose =
      AddButton(*this, "BTN_CLOSE", "CLOSE", [this](TLxCustomControl*) { CloseWith(mrCancel); });
  if (Players)
    for (int32_t i = 0; i < Players->Count(); ++i) {
      const TLxPlayer* player = Players->Items(i);
      TLxListBoxItem* row = LbHighScore->Items.Add(player->PlayerName);
      row->SubItems.at(0) = std::to_string(player->Bank);
    }
  LoadTheme(Settings ? Settings->ThemeName : std::string());
}

int32_t ShowHighScoreWindow() {
  return ShowModalWindow<TfrmHighScore>();
}

}  // namespace lx

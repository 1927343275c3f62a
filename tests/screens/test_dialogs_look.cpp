// Pictures of the login and profile windows, an open combo box and a list with a scroll bar over
// the real installation, written to build/test-output/dialogs/ for a person to look at; the
// checks make sure each part shows where the theme puts it.
#include <gtest/gtest.h>

#include "gui/lxcheckbox.h"
#include "gui/lxcombobox.h"
#include "gui/lxlistbox.h"
#include "persistence/lxsettings.h"
#include "scenes/lxscene.h"
#include "screens/dialogs_fixture.h"
#include "screens/loginform.h"
#include "screens/profileform.h"

namespace lx::test {
namespace {

class DialogsLook : public ScreensTest {
 protected:
  TLxColor Rgb(int32_t x, int32_t y) { return app.Pixel(x, y) & 0xFFFFFFu; }
  // A picture part is drawn: not the black behind the dialogs.
  bool Drawn(const TLxCustomControl* c) {
    return Rgb(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2) != 0;
  }
};

TEST_F(DialogsLook, LoginProfileAndAnOpenComboBox) {
  const char* names[] = {"ANNA",  "BEN",    "CLARA", "DAVID", "EMMA", "FRANK", "GRACE",
                         "HENRY", "ISABEL", "JACK",  "KATE",  "LEO",  "MIA",   "NOAH"};
  for (const char* name : names) ASSERT_TRUE(Players->AddPlayer(name, "", "", "", 1));
  WhenSettled("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    TypeInto(login->CboPlayerName, "CLARA");
    TypeInto(login->EdtPassword, "LUCKY7");
  });
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    Picture("dialogs/login.png");
    for (const TLxCustomControl* c : std::vector<const TLxCustomControl*>{
             login->BtnLogin, login->BtnNewPlayer, login->BtnDeletePlayer, login->BtnClose,
             login->CboPlayerName, login->EdtPassword})
      EXPECT_TRUE(Drawn(c)) << c->Name();
    ClickOn(login->CboPlayerName->DropButton);
  });
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    EXPECT_TRUE(login->CboPlayerName->DroppedDown());
    app.Window.PushMouse(TLxEventKind::MouseMove, 300, login->CboPlayerName->Items()[2]->Top() + 5);
  });
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    Picture("dialogs/combo-open.png");
    TLxListBox* list = login->CboPlayerName->DropDownList;
    EXPECT_TRUE(list->ScrollBar->Thumb->Visible());
    EXPECT_TRUE(Drawn(list->ScrollBar->Thumb));
    ClickOn(login->CboPlayerName->Items()[2]);
  });
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    EXPECT_EQ(login->CboPlayerName->Caption(), "CLARA");
    ClickOn(login->BtnNewPlayer);
  });
  WhenSettled("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    TypeInto(profile->EdtFirstName, "OLIVIA");
    TypeInto(profile->EdtLastName, "PARKER");
    TypeInto(profile->EdtUserName, "OLIVIA");
    TypeInto(profile->EdtPassword, "ROYAL");
    TypeInto(profile->EdtPassword2, "ROYAL");
    ClickOn(profile->BtnNext);
    ClickOn(profile->CbAutoLogin);
  });
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    Picture("dialogs/profile.png");
    EXPECT_TRUE(Drawn(profile->ImgPlayer));
    EXPECT_TRUE(Drawn(profile->CbAutoLogin));
    ClickOn(profile->BtnCancel);
  });
  When("LOGIN", [&](TLxFrame* f) { ClickOn(static_cast<TfrmLogin*>(f)->BtnClose); });
  WhenSettled("DIALOGS", [&](TLxFrame* f) {
    Picture("dialogs/message.png");
    ClickOn(Find<TLxCustomControl>(f, "BTN_YES"));
  });
  EXPECT_EQ(Run([] { return ShowLoginWindow(); }), nullptr);
}

// A list as the statistics and hall of fame windows show them: a header, three columns, more
// rows than fit, one selected.
class TListScene : public TLxScene {
 public:
  explicit TListScene(TLxComponent* owner) : TLxScene(owner) {
    SetSceneName("LISTLOOK");
    List = new TLxListBox(this);
    List->SetName("LB_PLAYERS");
    AddControl(List);
  }
  TLxListBox* List;
};

TEST_F(DialogsLook, AListWithAHeaderAndAScrollBar) {
  auto* scene = new TListScene(app.Main->GetMainScene());
  scene->LoadTheme(Settings->ThemeName);
  TLxListBox* list = scene->List;
  list->SetLeft(200);
  list->SetTop(150);
  list->SetWidth(400);
  list->SetHeight(300);
  list->SetScrollBarWidth(16);
  list->Font.SetName("Sans12");
  list->SetItemHeight(20);
  list->SetSelectionColor4({0xFF58C8F0u, 0xFF58C8F0u, 0xFF2A9ED8u, 0xFF2A9ED8u});
  list->ScrollBar->SetColor4(list->SelectionColor4());
  list->SetBorderColor4({0xFF1A6FA8u, 0xFF1A6FA8u, 0xFF08406Au, 0xFF08406Au});
  list->SetShowHeader(true);
  list->Column(0)->Caption = "PLAYER";
  list->Column(0)->Width = 180;
  list->AddColumn("BANK")->Width = 110;
  list->AddColumn("RANK");
  for (int32_t i = 0; i < 25; ++i) {
    TLxListBoxItem* row = list->Items.Add("PLAYER " + std::to_string(i + 1));
    row->SubItems[0] = std::to_string(1000 + 250 * i);
    row->SubItems[1] = std::to_string(i + 1);
  }
  scene->Show();
  list->SetItemIndex(2);
  app.Frames(2);
  app.SavePng("dialogs/list-scroll.png");
  EXPECT_TRUE(list->ScrollBar->Thumb->Visible());
  EXPECT_TRUE(Drawn(list->ScrollBar->Thumb));
  EXPECT_TRUE(Drawn(list->HeaderImage));
  // The selected row shows its colour; the text is almost black.
  const TLxListBoxItem* selected = list->Items[2];
  EXPECT_NE(Rgb(selected->Left() + 300, selected->Top() + 10),
            Rgb(selected->Left() + 300, selected->Top() + 30));
}

}  // namespace
}  // namespace lx::test

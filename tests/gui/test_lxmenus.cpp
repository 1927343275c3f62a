// Menus and the menu bar, the page control and the progress bar on the headless main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/lxerror.h"
#include "base/lxlog.h"
#include "gui/lxmenus.h"
#include "gui/lxpagecontrol.h"
#include "gui/lxpopup.h"
#include "gui/lxprogressbar.h"
#include "gui/test_lxcontrols_fixture.h"

namespace lx::test {
namespace {

class MenusTest : public ControlsTest {
 protected:
  MenusTest() {
    App.Main->OnClosePopup = [](TLxCustomControl* p) { ClosePopup(p); };
  }

  // A menu at (left, 10), 100 x 30, with three items below it, each 30 high.
  TLxMenu* MenuAt(int32_t left, const std::string& name) {
    auto* menu = Make<TLxMenu>(left, 10, 100, 30);
    menu->SetName(name);
    for (int32_t i = 0; i < 3; ++i) {
      auto* item = new TLxMenuItem(menu);
      item->SetName(name + "_" + std::to_string(i));
      item->SetLeft(left);
      item->SetTop(40 + 30 * i);
      item->SetWidth(150);
      item->SetHeight(30);
      menu->AddItem(item);
    }
    return menu;
  }
  static bool ItemsShown(const TLxMenu* menu) {
    for (int32_t i = 0; i < menu->ControlCount(); ++i)
      if (!menu->Controls(i)->Visible()) return false;
    return true;
  }
  static bool ItemsHidden(const TLxMenu* menu) {
    for (int32_t i = 0; i < menu->ControlCount(); ++i)
      if (menu->Controls(i)->Visible() || menu->Controls(i)->InTransition) return false;
    return true;
  }
};

TEST_F(MenusTest, AClickOpensTheMenuAndAClickOnAnItemRunsItAndClosesIt) {
  TLxMenu* menu = MenuAt(100, "MENU_FILE");
  auto* item = static_cast<TLxMenuItem*>(menu->Controls(1));
  EXPECT_EQ(item->Menu, menu);
  EXPECT_EQ(item->Level, 1);
  EXPECT_TRUE(ItemsHidden(menu));
  int popups = 0, clicks = 0;
  menu->OnPopup = [&](TLxCustomControl*) { ++popups; };
  item->OnClick = [&](TLxCustomControl*) { ++clicks; };

  App.Click(150, 25);
  EXPECT_EQ(menu->OpenLevel, 1);
  EXPECT_TRUE(menu->Opened);
  EXPECT_EQ(App.Main->OpenPopup, menu);
  EXPECT_EQ(popups, 1);
  App.Frames(30);  // the items fade in
  EXPECT_TRUE(ItemsShown(menu));
  App.Click(150, 85);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(ItemsHidden(menu));
  EXPECT_EQ(menu->OpenLevel, 0);
  EXPECT_EQ(App.Main->OpenPopup, nullptr);
}

TEST_F(MenusTest, PointingAtAnotherMenuOfAnOpenBarSwitchesToIt) {
  TLxMenu* file = MenuAt(100, "MENU_FILE");
  TLxMenu* player = MenuAt(210, "MENU_PLAYER");
  TLxMenu* other = MenuAt(320, "MENU_OTHER");
  other->MenuBarGroup = 1;
  App.MoveTo(250, 25);  // nothing open: only the roll-over
  EXPECT_EQ(player->OpenLevel, 0);
  EXPECT_EQ(App.Main->OpenPopup, nullptr);
  App.MoveTo(150, 25);
  App.Click(150, 25);
  App.MoveTo(250, 25);
  EXPECT_EQ(player->OpenLevel, 1);
  EXPECT_EQ(App.Main->OpenPopup, player);
  EXPECT_EQ(file->OpenLevel, 0);
  EXPECT_TRUE(ItemsHidden(file));
  App.MoveTo(360, 25);  // another bar: it stays closed
  EXPECT_EQ(other->OpenLevel, 0);
  EXPECT_EQ(App.Main->OpenPopup, player);
  App.MoveTo(600, 400);  // leaving an open menu does not close it
  EXPECT_EQ(player->OpenLevel, 1);
  App.Click(600, 400);
  EXPECT_EQ(player->OpenLevel, 0);
  EXPECT_EQ(App.Main->OpenPopup, nullptr);
}

TEST_F(MenusTest, AnItemCannotBeAddedToItself) {
  TLxMenu* menu = MenuAt(100, "MENU_FILE");
  ClearLog();
  menu->AddItem(menu);
  EXPECT_EQ(menu->Parent(), App.Main->GetMainScene());
  EXPECT_EQ(menu->ControlCount(), 3);
  ASSERT_FALSE(LogLines().empty());
  EXPECT_EQ(LogLines().back(), "ERROR: Menuitem: Cannot add itself ! MENU_FILE");
}

TEST_F(MenusTest, ThePageControlShowsTheSheetOfTheClickedTab) {
  auto* pages = Make<TLxPageControl>(100, 100, 300, 200);
  TLxTabSheet* first = pages->AddPage("ONE");
  TLxTabSheet* second = pages->AddPage("TWO");
  first->SetColor(0xFF0000FFu);
  second->SetColor(0xFF00FF00u);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->TabButton(1)->Left(), 200);
  EXPECT_EQ(second->Top(), 120);
  EXPECT_EQ(second->Height(), 180);
  int changes = 0;
  pages->OnChange = [&](TLxCustomControl*) { ++changes; };
  pages->SetActivePage(first);
  App.Frames(1);
  EXPECT_EQ(Rgb(250, 250), Red);
  App.Click(250, 110);
  EXPECT_EQ(pages->ActivePage(), second);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_FALSE(first->Visible());
  EXPECT_EQ(Rgb(250, 250), Green);
  App.Click(250, 110);
  EXPECT_EQ(changes, 2);
  pages->SetActivePage(nullptr);
  EXPECT_EQ(pages->ActivePageIndex(), -1);
}

TEST_F(MenusTest, TheProgressBarFillsItsShareOfTheRange) {
  auto* bar = Make<TLxProgressBar>(100, 100, 102, 20);
  bar->SetColor(0xFF000000u);
  bar->SetMin(0);
  bar->SetMax(100);
  bar->SetPosition(30);
  EXPECT_EQ(bar->Percent(), 30);
  EXPECT_EQ(bar->BarWidth(), 30);
  App.Frames(1);
  EXPECT_EQ(Rgb(101, 110), Blue);
  EXPECT_EQ(Rgb(130, 110), Blue);
  EXPECT_EQ(Rgb(131, 110), Black);
  bar->SetMin(1);
  bar->SetMax(50);
  bar->SetPosition(49);
  EXPECT_EQ(bar->BarWidth(), 100);
  bar->SetMax(1);
  EXPECT_THROW(bar->SetPosition(10), ELxError);
  EXPECT_EQ(bar->BarWidth(), 100);
  EXPECT_EQ(bar->Position(), 49);
}

}  // namespace
}  // namespace lx::test

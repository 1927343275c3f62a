// The menu, tab, progress bar, check box and edit box pictures of the installation on one scene,
// written to build/test-output/dialogs/controls.png for a person to look at.
#include <gtest/gtest.h>

#include <vector>

#include "gui/lxcheckbox.h"
#include "gui/lxedit.h"
#include "gui/lxmenus.h"
#include "gui/lxpagecontrol.h"
#include "gui/lxprogressbar.h"
#include "persistence/lxsettings.h"
#include "scenes/lxscene.h"
#include "screens/dialogs_fixture.h"

namespace lx::test {
namespace {

template <typename T>
T* Place(TLxScene* scene, const std::string& name, int32_t left, int32_t top, int32_t width,
         int32_t height) {
  auto* c = new T(scene);
  c->SetName(name);
  c->SetLeft(left);
  c->SetTop(top);
  c->SetWidth(width);
  c->SetHeight(height);
  scene->AddControl(c);
  return c;
}

TEST_F(ScreensTest, MenusTabsProgressBarsAndCheckBoxesShowTheirClassPictures) {
  auto* scene = new TLxScene(app.Main->GetMainScene());
  scene->SetSceneName("CONTROLSLOOK");
  auto* file = Place<TLxMenu>(scene, "MENU_FILE", 20, 10, 128, 32);
  file->SetCaption("FILE");
  auto* player = Place<TLxMenu>(scene, "MENU_PLAYER", 152, 10, 128, 32);
  player->SetCaption("PLAYER");
  const char* items[] = {"NEW GAME", "OPTIONS", "EXIT"};
  for (int32_t i = 0; i < 3; ++i) {
    auto* item =
        Place<TLxMenuItem>(scene, std::string("MENUITEM_") + items[i], 20, 44 + 28 * i, 200, 28);
    item->SetCaption(items[i]);
    file->AddItem(item);
  }
  auto* pages = Place<TLxPageControl>(scene, "PC_PAGES", 320, 60, 440, 200);
  for (const char* caption : {"GENERAL", "SOUND", "PLAYERS"}) pages->AddPage(caption)->SetAlpha(0);
  pages->SetColor(0xFF402010u);
  pages->SetAlpha(160);
  auto* sound = Place<TLxProgressBar>(scene, "PB_SOUND", 40, 320, 300, 24);
  auto* music = Place<TLxProgressBar>(scene, "PB_MUSIC", 40, 360, 300, 24);
  auto* on = Place<TLxCheckBox>(scene, "CB_SOUND", 40, 420, 0, 0);
  auto* off = Place<TLxCheckBox>(scene, "CB_MUSIC", 40, 460, 0, 0);
  auto* edit = Place<TLxEdit>(scene, "EDT_NAME", 420, 320, 300, 30);
  scene->LoadTheme(Settings->ThemeName);
  pages->SetActivePage(pages->Pages[1]);
  // The colours a screen's theme gives its menus and tabs.
  for (TLxControl* c : std::vector<TLxControl*>{file, player, pages}) c->Font.SetColor(0xA0E8FF);
  for (int32_t i = 0; i < file->ControlCount(); ++i)
    static_cast<TLxControl*>(file->Controls(i))->Font.SetColor(0xFFFFFF);
  for (TLxProgressBar* bar : {sound, music}) {
    bar->SetMin(0);
    bar->SetMax(100);
    bar->BarColor4 = {0xFF40D0FFu, 0xFF20A0F0u, 0xFF1060B0u, 0xFF2080D0u};
  }
  sound->SetPosition(70);
  music->SetPosition(35);
  on->SetCaption("Sound effects");
  off->SetCaption("Music");
  edit->SetAlpha(255);
  edit->TextIndent = 6;
  edit->Font.SetColor(0x402010);
  scene->Show();

  app.Click(60, 25);  // opens FILE; its items fade in
  app.Click(60, 430);
  app.Click(450, 335);
  for (uint16_t k : {'L', 'U', 'C', 'K', 'Y', ' ', '7'}) app.Key(k);
  app.Window.PushMouse(TLxEventKind::MouseMove, 60, 25);
  app.Frames(40);
  // The FILE menu opened on the click; the next clicks closed it again: open it once more.
  file->Popup();
  app.Frames(30);
  app.SavePng("dialogs/controls.png");

  EXPECT_EQ(file->Texture.Name(), "MENU_ALL");
  EXPECT_EQ(file->Controls(0)->Visible(), true);
  EXPECT_EQ(pages->TabButton(0)->Texture.Name(), "TSBTN_ALL");
  EXPECT_EQ(sound->Texture.Name(), "PB_ALL");
  EXPECT_EQ(on->Texture.Name(), "CB_ALL_checked");
  EXPECT_EQ(off->Texture.Name(), "CB_ALL");
  EXPECT_EQ(edit->Caption(), "LUCKY 7");
  EXPECT_EQ(sound->BarWidth(), 208);
  EXPECT_NE(app.Pixel(41 + 200, 332) & 0xFFFFFF, app.Pixel(41 + 220, 332) & 0xFFFFFF);
}

}  // namespace
}  // namespace lx::test

#include "screens/navigationscene.h"

#include "gui/lxcontrols.h"
#include "gui/lxmenus.h"

namespace lx {

namespace {

// The menu bar's number: pointing at another of its menus while one is open opens that one.
constexpr int32_t NavigationMenuBar = 1;

template <class T>
T* Make(TLxScene* scene, TLxCustomControl* parent, const std::string& name) {
  auto* control = new T(scene);
  control->SetName(name);
  if (parent) control->SetParent(parent);
  scene->AddControl(control);
  return control;
}

TLxMenu* MakeMenu(TLxScene* scene, const std::string& name, const std::string& caption) {
  auto* menu = Make<TLxMenu>(scene, nullptr, name);
  menu->SetCaption(caption);
  menu->MenuBarGroup = NavigationMenuBar;
  return menu;
}

TLxMenuItem* MakeItem(TLxScene* scene, TLxMenu* menu, const std::string& name,
                      const std::string& caption) {
  auto* item = new TLxMenuItem(scene);
  item->SetName(name);
  item->SetCaption(caption);
  menu->AddItem(item);
  scene->AddControl(item);
  return item;
}

}  // namespace

TNavigationScene::TNavigationScene(TLxComponent* owner) : TLxScene(owner, "NAVIGATION") {
  Background->NoRender = true;
  lblHint = Make<TLxLabel>(this, nullptr, "LBL_HINT");
  lblHint->SetCaption("HINT");
  mnuFile = MakeMenu(this, "MENU_FILE", "FILE");
  mnuPlayer = MakeMenu(this, "MENU_PLAYER", "PLAYER");
  mnuTools = MakeMenu(this, "MENU_TOOLS", "TOOLS");
  mnuHelp = MakeMenu(this, "MENU_HELP", "HELP");
  mnuSignOut = MakeItem(this, mnuFile, "MENU_SIGNOUT", "Sign out...");
  mnuBossComing = MakeItem(this, mnuFile, "MENU_BOSSCOMING", "Boss coming!");
  mnuExitGame = MakeItem(this, mnuFile, "MENU_EXITGAME", "Exit game...");
  mnuProfile = MakeItem(this, mnuPlayer, "MENU_PROFILE", "Profile...");
  mnuStatistics = MakeItem(this, mnuPlayer, "MENU_STATISTICS", "Statistics...");
  mnuHallOfFame = MakeItem(this, mnuPlayer, "MENU_HALLOFFAME", "Hall of fame...");
  mnuOptions = MakeItem(this, mnuTools, "MENU_OPTIONS", "Options...");
  mnuHelpLocal = MakeItem(this, mnuHelp, "MENU_HELPLOCAL", "Help...");
  mnuHomePage = MakeItem(this, mnuHelp, "MENU_HOMEPAGE", "Tessaro 2005 Home Page");
  mnuAbout = MakeItem(this, mnuHelp, "MENU_ABOUT", "About...");
  btnCredit = Make<TLxButton>(this, nullptr, "BTN_CREDIT");
  btnCashOut = Make<TLxButton>(this, nullptr, "BTN_CASHOUT");
  btnExitGame = Make<TLxButton>(this, nullptr, "BTN_EXITGAME");
  pnlPopupMessage = Make<TLxPanel>(this, nullptr, "PNL_POPUPMESSAGE");
  pnlPopupMessage->SetVisible(false);
  imgPopupMessage = Make<TLxImage>(this, pnlPopupMessage, "IMG_POPUPMESSAGE");
  imgPopupMessage->Texture.SetName("IMG_PLAYER");
  imgPopupMessage->Texture.SetGroup("Players");
  lblPopupMessage = Make<TLxLabel>(this, pnlPopupMessage, "LBL_POPUPMESSAGE");
}

}  // namespace lx

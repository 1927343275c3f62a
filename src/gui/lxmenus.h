// Drop-down menus: a menu is a button whose items are its children, shown and hidden as a
// group. Menus with the same MenuBarGroup form a menu bar: once one of them is open, pointing at
// another opens that one instead.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxcontrols.h"
#include "gui/lxpopup.h"
#include "scenes/lxscene.h"

namespace lx {

class TLxMenu;

class TLxMenuItem : public TLxButton, public TLxThemeExtras {
 public:
  // Hidden, fading in when shown.
  explicit TLxMenuItem(TLxComponent* owner);

  void DoMouseEnter() override;  // the control's hint and roll-over
  void DoMouseLeave() override;  // the control's, then the menu counts as not opened
  // "TopRelativeToMenu" and "LeftRelativeToMenu".
  void ReadThemeKeys(const TLxStore& theme, const std::string& section) override;
  std::string FallbackTexture() const override { return "MENUITEM_ALL"; }

  // Opens the level below this item. The coordinates are not used.
  virtual void Popup(int32_t x, int32_t y);
  // Makes the item a child of this one, a level deeper in the same menu; an item cannot be
  // added to itself.
  void AddItem(TLxMenuItem* item);
  // Every child shown when all is set, when its level is open, or while this item is pointed at.
  void ShowItems(bool all);

  TLxMenu* Menu = nullptr;
  int32_t Level = 0;
  int32_t LeftRelativeToMenu = 0;
  int32_t TopRelativeToMenu = 0;
  bool OpenOnHover = true;
};

class TLxMenu : public TLxMenuItem, public TLxPopup {
 public:
  // Visible, the root of its own item tree, opened by a click.
  explicit TLxMenu(TLxComponent* owner);

  // Opens when clicked unless it opens on hover; then the frame is drawn at once.
  void DoMouseUp() override;
  // Opens while its menu bar is active (or when it opens on hover), then the roll-over look.
  void DoMouseEnter() override;
  // An open menu keeps its roll-over look.
  void DoMouseLeave() override;
  std::string FallbackTexture() const override { return "MENU_ALL"; }
  void ClosePopup() override { CloseMenu(); }

  // Shows the items, becomes the open pop-up (closing any other), plays "SND_MENU".
  void Popup(int32_t x, int32_t y) override;
  void Popup() { Popup(0, 0); }
  // Hides every item; the main window calls it through the pop-up it replaces or closes.
  void CloseMenu();

  int32_t OpenLevel = 0;  // items up to this level are shown; 0 closed
  TLxNotifyEvent OnPopup;
  int32_t MenuBarGroup = 0;
  bool Opened = false;
};

}  // namespace lx

#include "gui/lxmenus.h"

#include "base/lxlog.h"
#include "gui/lxhost.h"
#include "persistence/lxstore.h"
#include "shell/lxaudio.h"

namespace lx {

// ---- TLxMenuItem ----

TLxMenuItem::TLxMenuItem(TLxComponent* owner) : TLxButton(owner) {
  SetFadeIn(true);
  SetFadeOut(false);
  TLxCustomControl::SetVisible(false);
}

void TLxMenuItem::DoMouseEnter() {
  TLxControl::DoMouseEnter();
}

void TLxMenuItem::DoMouseLeave() {
  TLxControl::DoMouseLeave();
  if (Menu) Menu->Opened = false;
}

void TLxMenuItem::ReadThemeKeys(const TLxStore& theme, const std::string& section) {
  TopRelativeToMenu = theme.ReadInteger(section, "TopRelativeToMenu", TopRelativeToMenu);
  LeftRelativeToMenu = theme.ReadInteger(section, "LeftRelativeToMenu", LeftRelativeToMenu);
}

void TLxMenuItem::Popup(int32_t, int32_t) {
  if (!Menu) return;
  Menu->Opened = true;
  Menu->OpenLevel = Level + 1;
  ShowItems(false);
}

void TLxMenuItem::AddItem(TLxMenuItem* item) {
  if (!item) return;
  if (item == this) {
    Log("ERROR: Menuitem: Cannot add itself ! " + Name());
    return;
  }
  item->SetParent(this);
  item->Menu = Menu;
  item->Level = Level + 1;
  item->Font.SetName("ArialBlack");
}

void TLxMenuItem::ShowItems(bool all) {
  const bool levelOpen = Menu && Menu->OpenLevel >= Level + 1;
  for (int32_t i = 0; i < ControlCount(); ++i)
    Controls(i)->SetVisible(all || levelOpen || MouseOver());
}

// ---- TLxMenu ----

TLxMenu::TLxMenu(TLxComponent* owner) : TLxMenuItem(owner) {
  Menu = this;
  Level = 0;
  OpenOnHover = false;
  SetFadeIn(false);
  SetFadeOut(false);
  TLxCustomControl::SetVisible(true);
}

void TLxMenu::Popup(int32_t, int32_t) {
  OpenLevel = 1;
  Opened = true;
  ShowItems(true);
  if (Host) Host->SetOpenPopup(this);
  if (Sounds) Sounds->PlaySound("SND_MENU");
  if (OnPopup) OnPopup(this);
}

void TLxMenu::CloseMenu() {
  OpenLevel = 0;
  Opened = false;
  for (int32_t i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(false);
  TLxMenuItem::DoMouseLeave();
}

void TLxMenu::DoMouseEnter() {
  const auto* open = dynamic_cast<const TLxMenu*>(Host ? Host->GetOpenPopup() : nullptr);
  const bool barActive = open && open->MenuBarGroup == MenuBarGroup;
  if (OpenOnHover || barActive) Popup();
  TLxMenuItem::DoMouseEnter();
}

void TLxMenu::DoMouseUp() {
  if (!OpenOnHover) Popup();
  TLxMenuItem::DoMouseUp();
}

void TLxMenu::DoMouseLeave() {
  if (OpenLevel == 0) TLxMenuItem::DoMouseLeave();
}

}  // namespace lx

#include "gui/lxcombobox.h"

#include "gui/lxhost.h"
#include "persistence/lxstore.h"

namespace lx {

namespace {
constexpr int32_t DropDownHeight = 200;
}

TLxComboBox::TLxComboBox(TLxComponent* owner) : TLxEdit(owner) {
  SetAlpha(255);
  DropDownList = new TLxListBox(this);
  DropDownList->SetParent(this);
  DropDownList->SetVisible(false);
  DropDownList->SetShowHeader(false);
  DropDownList->SetItemHeight(FItemHeight);
  DropButton = new TLxButton(this);
  DropButton->SetParent(this);
  DropButton->OnMouseDown = [this](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t, int32_t) {
    FOpenAtPress = FDroppedDown;
  };
  DropButton->OnClick = [this](TLxCustomControl*) {
    const bool wasOpen = FOpenAtPress;
    FOpenAtPress = false;
    if (wasOpen && !FDroppedDown) return;
    ToggleDropDown();
  };
  DropDownList->OnSelect = [this](TLxCustomControl*) { ListSelected(); };
  LayoutParts();
  CloseUp();
}

void TLxComboBox::LayoutParts() {
  if (!DropButton || !DropDownList) return;
  DropButton->SetTop(Top());
  DropButton->SetLeft(Left() + Width() - Height());
  DropButton->SetWidth(Height());
  DropButton->SetHeight(Height());
  DropDownList->SetLeft(Left());
  DropDownList->SetTop(Top() + Height());
  DropDownList->SetWidth(Width());
  DropDownList->SetHeight(DropDownHeight);
}

void TLxComboBox::ToggleDropDown() {
  if (FDroppedDown) {
    CloseUp();
  } else {
    DropDown();
  }
}

void TLxComboBox::DropDown() {
  DropDownList->SetVisible(true);
  FDroppedDown = true;
  if (Host) Host->SetOpenPopup(this);
  if (OnDropDown) OnDropDown(this);
}

void TLxComboBox::CloseUp() {
  DropDownList->SetVisible(false);
  FDroppedDown = false;
  if (OnCloseUp) OnCloseUp(this);
}

void TLxComboBox::ListSelected() {
  ItemIndex = DropDownList->ItemIndex();
  if (ItemIndex >= 0 && ItemIndex < Items().Count()) SetCaption(Items()[ItemIndex]->Caption);
  CloseUp();
  if (OnChange) OnChange(this);
}

void TLxComboBox::SetItemHeight(int32_t value) {
  FItemHeight = value;
  DropDownList->SetItemHeight(value);
}

void TLxComboBox::SetSelectionColor4(const TLxColors4& value) {
  FSelectionColor4 = value;
  DropDownList->SetSelectionColor4(value);
  DropDownList->ScrollBar->SetColor4(value);
}

void TLxComboBox::SetColor4(const TLxColors4& value) {
  TLxEdit::SetColor4(value);
  if (DropDownList) DropDownList->SetColor4(value);
}

void TLxComboBox::ReadThemeKeys(const TLxStore& theme, const std::string& section) {
  TLxEdit::ReadThemeKeys(theme, section);
  TLxColors4 colors;
  theme.ReadColor4(section, "SelectionColor4", colors, FSelectionColor4);
  SetSelectionColor4(colors);
  SetItemHeight(theme.ReadInteger(section, "ItemHeight", FItemHeight));
  DropDownList->SetScrollBarWidth(
      theme.ReadInteger(section, "ScrollBarWidth", DropDownList->ScrollBarWidth()));
  // The box's own outline is off; its colours outline the list.
  DropDownList->SetBorderColor4(BorderColor4());
  DropDownList->Font.SetName(Font.Name());
  DropDownList->Font.SetColor(Font.Color());
  for (int32_t i = 0; i < Items().Count(); ++i) Items()[i]->Font.SetName(Font.Name());
}

void TLxComboBox::ApplySubTextures(TLxScene& scene) {
  DropDownList->Texture.SetGroup(Texture.Group());
  DropDownList->Texture.SetName(Name() + "_LIST");
  scene.ApplyTexture(DropDownList);
  DropButton->Texture.SetGroup("COMMON");
  DropButton->Texture.SetName("BTN_SCROLLDOWN");
  scene.ApplyTexture(DropButton);
}

}  // namespace lx

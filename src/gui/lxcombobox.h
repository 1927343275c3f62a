// The combo box: an edit box with a drop-down list. The list opens as the main window's pop-up
// below the box; choosing a row puts its caption into the box and closes the list.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxedit.h"
#include "gui/lxlistbox.h"
#include "gui/lxpopup.h"

namespace lx {

class TLxComboBox : public TLxEdit, public TLxPopup {
 public:
  // Opaque, with a hidden list (no header) below and the drop button at the right end.
  explicit TLxComboBox(TLxComponent* owner);

  void Moved() override { LayoutParts(); }
  void Resized() override { LayoutParts(); }
  // The list takes the same corner colours.
  void SetColor4(const TLxColors4& value) override;
  // "SelectionColor4", "ItemHeight" and "ScrollBarWidth" for the list, "TextIndent" for the
  // box; the list and its rows use the box's font, the box's BorderColor4 outlines the list.
  void ReadThemeKeys(const TLxStore& theme, const std::string& section) override;
  std::string FallbackTexture() const override { return "CBO_ALL"; }
  // The list (with its scroll bar) and the drop button ("BTN_SCROLLDOWN" in "COMMON").
  void ApplySubTextures(TLxScene& scene) override;
  void ClosePopup() override { CloseUp(); }

  // The drop button square at the right end; the list below the box, as wide, 200 high.
  void LayoutParts();
  void ToggleDropDown();
  // Shows the list and makes it the open pop-up.
  void DropDown();
  void CloseUp();
  TLxListBoxItems& Items() { return DropDownList->Items; }
  void SetItemHeight(int32_t value);
  int32_t ItemHeight() const { return FItemHeight; }
  void SetSelectionColor4(const TLxColors4& value);
  const TLxColors4& SelectionColor4() const { return FSelectionColor4; }
  bool DroppedDown() const { return FDroppedDown; }

  int32_t ItemIndex = -1;
  TLxNotifyEvent OnChange;
  TLxNotifyEvent OnDropDown;
  TLxNotifyEvent OnCloseUp;
  TLxListBox* DropDownList = nullptr;
  TLxButton* DropButton = nullptr;

 private:
  // The list's selection: its row into the box.
  void ListSelected();

  bool FDroppedDown = false;
  int32_t FItemHeight = 20;
  TLxColors4 FSelectionColor4 = {0, 0, 0, 0};
  // The list was open when the drop button went down: the press closed it, the click keeps it
  // closed.
  bool FOpenAtPress = false;
};

}  // namespace lx

// The page control: sheets stacked in one place with a row of tab buttons above them; the
// active sheet is the one shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

class TLxTabSheet : public TLxPanel {
 public:
  using TLxPanel::TLxPanel;
  int32_t PageIndex = 0;
};

class TLxTabSheetButton : public TLxButton, public TLxThemeExtras {
 public:
  using TLxButton::TLxButton;
  std::string FallbackTexture() const override { return "TSBTN_ALL"; }
};

class TLxPageControl : public TLxControl, public TLxThemeExtras {
 public:
  explicit TLxPageControl(TLxComponent* owner);

  // The control paint; then the active sheet and every tab button.
  void Paint() override;
  // Sheets below the tab row, filling the rest; tab buttons side by side, TabWidth apart.
  void Resized() override;
  void Moved() override { Resized(); }
  bool ThemeFontKeys() const override { return true; }
  // The tab buttons with the page control's texture group.
  void ApplySubTextures(TLxScene& scene) override;

  // A new sheet and its tab button (captioned), which activates the sheet when clicked.
  TLxTabSheet* AddPage(const std::string& caption);
  // Shows the sheet (none: no sheet) and raises OnChange; nothing when it is already active.
  void SetActivePage(TLxTabSheet* sheet);
  TLxTabSheet* ActivePage() const { return FActivePage; }
  int32_t ActivePageIndex() const { return FActivePageIndex; }
  int32_t PageCount() const { return static_cast<int32_t>(Pages.size()); }
  TLxTabSheetButton* TabButton(int32_t index) const {
    return TabButtons.at(static_cast<size_t>(index));
  }

  std::vector<TLxTabSheet*> Pages;             // not owning
  std::vector<TLxTabSheetButton*> TabButtons;  // not owning, one per sheet
  TLxNotifyEvent OnChange;
  int32_t TabWidth = 100;
  int32_t TabHeight = 20;

 private:
  // The font's name and colour into every tab button.
  void CopyFont();

  TLxTabSheet* FActivePage = nullptr;
  int32_t FActivePageIndex = -1;
};

}  // namespace lx

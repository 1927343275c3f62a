// The check box: a picture that swaps between its texture and the texture of the same name
// followed by "_checked" when clicked, with a caption beside it.
#pragma once

#include <string>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

class TLxCheckBox : public TLxImage, public TLxThemeExtras {
 public:
  // Autosized; the caption is white text in the first engine font.
  explicit TLxCheckBox(TLxComponent* owner);

  // Toggles an enabled box before OnMouseUp and OnClick run, so they see the new state.
  void DoMouseUp() override;
  // The box; then the caption, bottom-aligned with it at its right.
  void Paint() override;
  bool ThemeFontKeys() const override { return true; }
  // The class picture in the state the box is in.
  std::string FallbackTexture() const override { return Checked() ? "CB_ALL_checked" : "CB_ALL"; }

  void SetCaption(const std::string& value);
  const std::string& Caption() const { return FCaption; }
  // Ticking appends "_checked" to the texture name, unticking takes it off again.
  void SetChecked(bool value);
  bool Checked() const { return FChecked; }

  TLxLabel* CaptionLabel = nullptr;  // owned, not in the tree

 private:
  std::string FCaption;
  bool FChecked = false;
};

}  // namespace lx

#include "gui/lxcontrols_button.h"

namespace lx {

TLxButton::TLxButton(TLxComponent* owner) : TLxLabel(owner) {
  SetAlpha4({255, 255, 255, 255});
  SetAutosize(false);
  SetAlignment(2);
}

void TLxButton::Paint() {
  // The whole button, texture and caption, is drawn two pixels to the right and down while
  // the left button is held on it; its rectangle stays where it is.
  const bool shifted = Pressed();
  if (shifted) {
    SetLeft(Left() + 2);
    SetTop(Top() + 2);
  }
  TLxLabel::Paint();
  if (shifted) {
    SetLeft(Left() - 2);
    SetTop(Top() - 2);
  }
}

}  // namespace lx

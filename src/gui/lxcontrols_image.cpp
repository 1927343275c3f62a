#include "gui/lxcontrols_image.h"

namespace lx {

TLxImage::TLxImage(TLxComponent* owner) : TLxControl(owner) {
  SetAutosize(false);
}

TLxScrollingImage::TLxScrollingImage(TLxComponent* owner) : TLxImage(owner) {
  Clip = true;
}

void TLxScrollingImage::SetItemIndex(int32_t index) {
  if (index == FItemIndex) return;
  FItemIndex = index;
  FTargetTop = Top() - (index - 1) * FItemHeight;
}

void TLxScrollingImage::SetTop(int32_t value) {
  FTargetTop += value - Top();
  TLxImage::SetTop(value);
}

void TLxScrollingImage::Paint() {
  constexpr int32_t scrollStep = 30;
  if (DrawTop > FTargetTop) DrawTop -= scrollStep;
  if (DrawTop < FTargetTop) DrawTop += scrollStep;
  TLxImage::Paint();
}

}  // namespace lx

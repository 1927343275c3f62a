// Pictures: the image, and the image that shows one frame of a tall strip.
#pragma once

#include <cstdint>

#include "gui/lxcontrols_control.h"

namespace lx {

// A picture: a themed control under the name themes and screens use for images.
class TLxImage : public TLxControl {
 public:
  explicit TLxImage(TLxComponent* owner);
};

// One frame of a tall strip texture, scrolling 30 pixels per frame toward the selected frame.
class TLxScrollingImage : public TLxImage {
 public:
  explicit TLxScrollingImage(TLxComponent* owner);

  // The scroll step, then the control paint.
  void Paint() override;
  // Also moves the scroll target, so that a moved strip still arrives at its frame.
  void SetTop(int32_t value) override;

  // Frame n counted from 1; the texture origin then scrolls to Top - (n - 1) * ItemHeight.
  void SetItemIndex(int32_t index);
  int32_t ItemIndex() const { return FItemIndex; }
  void SetItemHeight(int32_t height) { FItemHeight = height; }
  int32_t ItemHeight() const { return FItemHeight; }
  int32_t TargetTop() const { return FTargetTop; }

 private:
  int32_t FItemIndex = 1;
  int32_t FItemHeight = 0;
  int32_t FTargetTop = 0;
};

}  // namespace lx

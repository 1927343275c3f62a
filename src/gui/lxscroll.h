// Scrolling containers: a panel that shows a taller client panel through a window of its own
// size, with a scroll bar of two buttons at its right edge. Holding a button scrolls the content
// two pixels per frame; a press on the bar's track pages toward the press.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

class TLxScrollControl;

class TLxScrollBar : public TLxControl {
 public:
  // A child of the scroll control it serves, with its up and down buttons and the thumb that
  // shows where the view stands in the content.
  TLxScrollBar(TLxComponent* owner, TLxScrollControl* scrollControl);

  // The control paint; then the held button scrolls and the thumb follows the content.
  void Paint() override;
  // A press on the track, above or below the thumb, pages the content that way.
  void DoMouseDown() override;
  void Moved() override { LayoutButtons(); }
  void Resized() override { LayoutButtons(); }

  // Both buttons square with the bar's width as side, at the bar's top and bottom.
  void LayoutButtons();
  // Places the thumb for the current scroll position; hidden while the content fits.
  void LayoutThumb();

  TLxScrollControl* ScrollControl;
  TLxButton* UpButton = nullptr;
  TLxButton* DownButton = nullptr;
  TLxImage* Thumb = nullptr;
};

class TLxScrollControl : public TLxPanel, public TLxThemeExtras {
 public:
  explicit TLxScrollControl(TLxComponent* owner);

  // The control paint, the client panel clipped to the inside, then the scroll bar.
  void Paint() override;
  void Moved() override { LayoutClient(); }
  void Resized() override { LayoutClient(); }
  // The scroll bar's buttons, track and thumb from "COMMON".
  void ApplySubTextures(TLxScene& scene) override;

  // Client panel inside the border, below ClientOffset, left of the scroll bar; the bar along
  // the right edge. The client panel's height is left to its content.
  void LayoutClient();
  // The content moves down 2 pixels, until its top is 30 pixels below the control's top.
  void ScrollUp();
  // The content moves up 2 pixels while its bottom lies below the control's bottom.
  void ScrollDown();
  // One view height up (direction < 0) or down, kept between the first and the last row.
  void ScrollPage(int32_t direction);
  // Top of the content when it is not scrolled, and the lowest top that still fills the view.
  int32_t ContentHomeTop() const { return Top() + 1 + ClientOffset; }
  int32_t ContentEndTop() const;

  // The bar's width (10 unless a theme says "ScrollBarWidth"); the content makes room for it.
  void SetScrollBarWidth(int32_t value);
  int32_t ScrollBarWidth() const { return FScrollBarWidth; }

  TLxScrollBar* ScrollBar = nullptr;
  TLxPanel* ClientPanel = nullptr;
  int32_t ClientOffset = 0;  // room kept free at the top (a list's column header)

 private:
  int32_t FScrollBarWidth = 10;
};

// A scrolling container for any content.
class TLxScrollBox : public TLxScrollControl {
 public:
  using TLxScrollControl::TLxScrollControl;
  uint8_t Mode = 0;
};

}  // namespace lx

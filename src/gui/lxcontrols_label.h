// The label: text broken into laid-out lines, aligned, wrapped and scrolled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/lxcontrols_panel.h"

namespace lx {

// One laid-out line of a label; X and Y are offsets from the label's Left and Top.
struct TLxStringLine {
  std::string Text;
  int32_t Y = 0;
  int32_t X = 0;
  TLxColor Color = 0;  // with alpha
};

// Text in lines: aligned, optionally wrapped at spaces, optionally running as a marquee. The
// background is invisible (alphas 0) unless a theme or a subclass gives it alpha.
class TLxLabel : public TLxPanel {
 public:
  explicit TLxLabel(TLxComponent* owner);
  ~TLxLabel() override;

  void Paint() override;  // the control paint, then the text
  // Lay the text out again.
  void SetWidth(int32_t value) override;
  void SetHeight(int32_t value) override;
  void SetAlignment(int32_t value) override;
  void SetLayout(int32_t value) override;
  virtual void SetCaption(const std::string& value);

  const std::string& Caption() const { return FCaption; }
  // True: an invisible background (alpha 0); false: an opaque one.
  void SetTransparent(bool value);
  bool Transparent() const { return FTransparent; }
  void SetScrollMode(uint8_t value) { FScrollMode = value; }  // 2: marquee
  uint8_t ScrollMode() const { return FScrollMode; }
  void SetWordWrap(bool value);
  bool WordWrap() const { return FWordWrap; }
  // The marquee position: every line's X.
  void SetTextOffset(int32_t value);
  int32_t TextOffset() const { return FTextOffset; }
  int32_t TextBlockHeight() const { return FTextBlockHeight; }
  int32_t MaxLineWidth() const { return FMaxLineWidth; }
  const std::vector<TLxStringLine>& Lines() const { return FLines; }

  // Breaks the caption into lines and places them (nothing without an engine font).
  void LayoutText();
  // Every line's colour := the font colour with the font's alpha.
  void ColorLines();
  // Draws the lines; steps the marquee.
  void DrawText();

 private:
  const TLxBitmapFont* BitmapFont() const;

  bool FTransparent = false;
  uint8_t FScrollMode = 0;
  bool FWordWrap = true;
  std::string FCaption;
  int32_t FTextBlockHeight = 0;
  int32_t FMaxLineWidth = 0;
  int32_t FTextOffset = 0;
  std::vector<TLxStringLine> FLines;
};

}  // namespace lx

#include "gui/lxcontrols_label.h"

#include <algorithm>

#include "base/lxutils.h"
#include "shell/lxcore.h"

namespace lx {

TLxLabel::TLxLabel(TLxComponent* owner) : TLxPanel(owner) {
  SetAlpha4({0, 0, 0, 0});
  Clip = true;
  FScrollMode = 0;
  SetHeight(20);
  SetAutosize(false);
  FWordWrap = true;
  Font.OnChange = [this](TLxFont*) { LayoutText(); };
  Font.OnColorChange = [this](TLxFont*) { ColorLines(); };
}

TLxLabel::~TLxLabel() {
  Font.OnChange = nullptr;
  Font.OnColorChange = nullptr;
}

const TLxBitmapFont* TLxLabel::BitmapFont() const {
  const TLxEngineFont* f = Font.EngineFont();
  return f ? f->Font.get() : nullptr;
}

void TLxLabel::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  LayoutText();
}

void TLxLabel::SetAlignment(int32_t value) {
  if (value == Alignment()) return;
  TLxPanel::SetAlignment(value);
  LayoutText();
}

void TLxLabel::SetLayout(int32_t value) {
  if (value == Layout()) return;
  TLxPanel::SetLayout(value);
  LayoutText();
}

void TLxLabel::SetWidth(int32_t value) {
  TLxPanel::SetWidth(value);
  LayoutText();
}

void TLxLabel::SetHeight(int32_t value) {
  TLxPanel::SetHeight(value);
  LayoutText();
}

void TLxLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  LayoutText();
}

void TLxLabel::SetTransparent(bool value) {
  FTransparent = value;
  ApplyAlpha(Alpha4());
  SetAlpha(value ? 0 : 255);
}

void TLxLabel::SetTextOffset(int32_t value) {
  FTextOffset = value;
  for (TLxStringLine& line : FLines) line.X = value;
}

void TLxLabel::LayoutText() {
  const TLxBitmapFont* font = BitmapFont();
  if (!font || !Engine) return;
  FLines.clear();
  const int32_t lineHeight = Engine->TextHeight(font, FCaption);
  FMaxLineWidth = 0;
  auto addLine = [&](std::string text) {
    TLxStringLine line;
    line.Text = std::move(text);
    line.Color = Font.Color();
    FLines.push_back(std::move(line));
  };
  if (FWordWrap) {
    size_t pos = 0;
    const size_t n = FCaption.size();
    while (pos < n) {
      while (pos < n && FCaption[pos] == ' ') ++pos;
      if (pos >= n) break;
      const size_t end = std::min(FCaption.find(' ', pos), n);
      std::string word = FCaption.substr(pos, end - pos);
      pos = end;
      if (FLines.empty()) {
        addLine(std::move(word));
        continue;
      }
      std::string joined = FLines.back().Text + " " + word;
      if (Engine->TextWidth(font, joined) > Width()) {
        addLine(std::move(word));
      } else {
        FLines.back().Text = std::move(joined);
      }
    }
  } else {
    addLine(FCaption);
    if (Autosize()) {
      // Stored without this label's own re-layout.
      TLxPanel::SetWidth(Engine->TextWidth(font, FCaption));
      TLxPanel::SetHeight(lineHeight);
    }
  }
  if (FLines.empty()) return;

  std::vector<int32_t> widths;
  widths.reserve(FLines.size());
  for (TLxStringLine& line : FLines) {
    const int32_t w = Engine->TextWidth(font, line.Text);
    widths.push_back(w);
    if (Alignment() == 1) {
      line.X = Width() - w - 1;
    } else if (Alignment() == 2) {
      line.X = TruncDiv(Width() - w, 2);
    } else {
      line.X = 1;
    }
  }
  const auto count = static_cast<int32_t>(FLines.size());
  FTextBlockHeight = count * lineHeight + 2 * (count - 1);
  int32_t y = 1;
  if (Layout() == 1) {
    y = TruncDiv(Height() - FTextBlockHeight, 2);
  } else if (Layout() == 2) {
    y = Height() - FTextBlockHeight - 1;
  }
  for (TLxStringLine& line : FLines) {
    line.Y = y;
    y += lineHeight + 2;
  }
  FTextOffset = FLines.front().X;
  for (const TLxStringLine& line : FLines) FTextOffset = std::min(FTextOffset, line.X);
  FMaxLineWidth = *std::max_element(widths.begin(), widths.end());
  ColorLines();
}

void TLxLabel::ColorLines() {
  const TLxColor color =
      (Font.Color() & 0x00FFFFFFu) | (static_cast<TLxColor>(std::clamp(Font.Alpha, 0, 255)) << 24);
  for (TLxStringLine& line : FLines) line.Color = color;
}

void TLxLabel::DrawText() {
  const TLxBitmapFont* font = BitmapFont();
  if (!font || !Engine) return;
  if (FadingIn() || FadingOut()) {
    const auto a = static_cast<TLxColor>(std::clamp(FadeAlpha4()[0], 0, 255));
    for (TLxStringLine& line : FLines) line.Color = (line.Color & 0x00FFFFFFu) | (a << 24);
  } else if (Visible()) {
    // After a fade the lines carry its last alpha; they get the font's again.
    const auto a = static_cast<TLxColor>(std::clamp(Font.Alpha, 0, 255));
    for (const TLxStringLine& line : FLines) {
      if ((line.Color >> 24) != a) {
        ColorLines();
        break;
      }
    }
  }
  if (FScrollMode == 2) {
    if (FTextOffset > -FMaxLineWidth) {
      SetTextOffset(FTextOffset - 1);
    } else {
      SetTextOffset(Width());
    }
  }
  for (const TLxStringLine& line : FLines)
    Engine->TextOut(font, line.Text, Left() + line.X, Top() + line.Y, line.Color,
                    DrawOpBlendModulate);
}

void TLxLabel::Paint() {
  if (PaintControl()) DrawText();
}

}  // namespace lx

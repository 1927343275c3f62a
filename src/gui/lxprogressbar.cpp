#include "gui/lxprogressbar.h"

#include "base/lxerror.h"
#include "persistence/lxstore.h"
#include "shell/lxcore.h"

namespace lx {

void TLxProgressBar::SetPosition(int32_t value) {
  const int64_t range = static_cast<int64_t>(FMax) - FMin;
  if (range == 0) throw ELxError("Division by zero");
  const auto percent = static_cast<int32_t>(static_cast<int64_t>(value) * 100 / range);
  FPosition = value;
  FPercent = percent;
  FBarWidth = static_cast<int32_t>(static_cast<int64_t>(Width() - 2) * percent / 100);
}

void TLxProgressBar::ReadThemeKeys(const TLxStore& theme, const std::string& section) {
  const TLxColors4 current = BarColor4;
  theme.ReadColor4(section, "BarColor4", BarColor4, current);
}

void TLxProgressBar::Paint() {
  if (!PaintControl() || !Engine) return;
  const TLxRect r = {Left() + 1, Top() + 1, Left() + 1 + FBarWidth, Top() + Height() - 1};
  Engine->FillRect(r, BarColor4.data(), DrawOpBlend);
}

}  // namespace lx

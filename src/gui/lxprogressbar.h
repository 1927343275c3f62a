// The progress bar: a panel filled from the left in BarColor4 to the share of Position in the
// range Max - Min.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

class TLxProgressBar : public TLxPanel, public TLxThemeExtras {
 public:
  using TLxPanel::TLxPanel;

  // The control paint; then the bar inside a one-pixel margin, blended.
  void Paint() override;
  // "BarColor4".
  void ReadThemeKeys(const TLxStore& theme, const std::string& section) override;
  std::string FallbackTexture() const override { return "PB_ALL"; }

  void SetMin(int32_t value) { FMin = value; }
  void SetMax(int32_t value) { FMax = value; }
  // Percent = position * 100 div (Max - Min); Min is not subtracted, so with Min 1 and Max n the
  // positions 0 .. n - 1 run from 0 to 100 percent. Max equal to Min throws ELxError and keeps
  // the bar as it was.
  void SetPosition(int32_t value);
  int32_t Position() const { return FPosition; }
  int32_t Min() const { return FMin; }
  int32_t Max() const { return FMax; }
  int32_t Percent() const { return FPercent; }
  int32_t BarWidth() const { return FBarWidth; }

  TLxColors4 BarColor4 = {0xFFFF0000u, 0xFFFF0000u, 0xFFFF0000u, 0xFFFF0000u};

 private:
  int32_t FPosition = 0;
  int32_t FMin = 1;
  int32_t FMax = 100;
  int32_t FPercent = 0;
  int32_t FBarWidth = 0;
};

}  // namespace lx

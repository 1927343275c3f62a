// The line control.
#pragma once

#include <cstdint>

#include "gui/lxcontrols_control.h"

namespace lx {

// A straight line from (Left, Top) to (EndLeft, EndTop), its colour running from Color4[0] to
// Color4[1].
class TLxLine : public TLxControl {
 public:
  explicit TLxLine(TLxComponent* owner);

  void Paint() override;

  int32_t EndTop = 0;
  int32_t EndLeft = 0;
};

}  // namespace lx

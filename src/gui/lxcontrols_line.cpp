#include "gui/lxcontrols_line.h"

#include "shell/lxcore.h"

namespace lx {

TLxLine::TLxLine(TLxComponent* owner) : TLxControl(owner) {}

void TLxLine::Paint() {
  if (!Engine) return;
  Engine->DrawLine({Left(), Top()}, {EndLeft, EndTop}, Color4()[0], Color4()[1], DrawOpOpaque);
}

}  // namespace lx

// The panel: a container with the themed look.
#pragma once

#include "gui/lxcontrols_control.h"

namespace lx {

// A container: a themed control under the name themes and screens use for panels.
class TLxPanel : public TLxControl {
 public:
  explicit TLxPanel(TLxComponent* owner);
};

}  // namespace lx

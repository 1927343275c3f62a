// The button: a label that shows its press.
#pragma once

#include "gui/lxcontrols_label.h"

namespace lx {

// A label with an opaque, centred look, drawn two pixels lower and to the right while pressed.
class TLxButton : public TLxLabel {
 public:
  explicit TLxButton(TLxComponent* owner);

  void Paint() override;
};

}  // namespace lx

#include "gui/lxcontrols_panel.h"

namespace lx {

TLxPanel::TLxPanel(TLxComponent* owner) : TLxControl(owner) {}

}  // namespace lx

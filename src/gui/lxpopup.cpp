#include "gui/lxpopup.h"

#include "gui/lxclasses.h"

namespace lx {

void ClosePopup(TLxCustomControl* popup) {
  if (auto* p = dynamic_cast<TLxPopup*>(popup)) p->ClosePopup();
}

}  // namespace lx

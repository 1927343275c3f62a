// Controls that open as the main window's pop-up (menus, drop-down lists). The main window keeps
// one open pop-up and closes it on the next press or when another opens; it reaches the control
// through ClosePopup, which the start-up installs as the main window's close hook.
#pragma once

namespace lx {

class TLxCustomControl;

class TLxPopup {
 public:
  virtual ~TLxPopup() = default;
  // Closes the open menu or list; called by the main window, never to open it.
  virtual void ClosePopup() = 0;
};

// Closes the control when it is a pop-up; anything else is left alone.
void ClosePopup(TLxCustomControl* popup);

}  // namespace lx

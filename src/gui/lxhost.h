// What the control tree needs of the main window. The main window sits above every layer; it
// implements this interface and installs itself as Host at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

class TLxCustomControl;
class TLxAnim;

class TLxHost {
 public:
  virtual ~TLxHost() = default;

  // Draws one frame now (a pressed control shows its new look at once).
  virtual void RenderNow() = 0;
  // Dispatches one pending message, or runs one idle pass when none is pending; the primitive
  // of every nested loop. False once the program is ending: nested loops must then return.
  virtual bool HandleMessage() = 0;
  // Handles messages until the tick count reaches now + ms.
  virtual void WaitMs(uint32_t ms) = 0;
  virtual bool Terminated() const = 0;

  virtual TLxCustomControl* GetActiveControl() const = 0;
  virtual void SetActiveControl(TLxCustomControl* control) = 0;
  virtual TLxCustomControl* GetOpenPopup() const = 0;
  virtual void SetOpenPopup(TLxCustomControl* control) = 0;
  virtual TLxCustomControl* GetMainScene() const = 0;
  virtual TLxCustomControl* GetInputRoot() const = 0;
  virtual void SetInputRoot(TLxCustomControl* control) = 0;

  // A control is being destroyed: nothing may keep pointing at it.
  virtual void ControlDestroyed(TLxCustomControl* control) = 0;
  // The mouse entered a control: the application's hint event.
  virtual void ShowHint(TLxCustomControl* sender) = 0;

  virtual void AddAnim(TLxAnim* anim) = 0;
  virtual void RemoveAnim(TLxAnim* anim) = 0;
};

extern TLxHost* Host;

}  // namespace lx

// The component tree and the control base: ownership (TLxComponent), the parent/child tree with
// painting, hit testing, mouse and key routing (TLxCustomControl), and the font object of text
// controls (TLxFont).
//
// Ownership and parenting are separate: the owner frees, the parent paints and routes input.
// Controls are created with `new TLxButton(owner)` and freed by their owner (last owned first);
// a root (no owner) is freed by whoever created it. Left and Top are absolute screen pixels;
// moving a control moves its subtree.
//
// State that a setter keeps consistent is read through a getter of the same name (Top(),
// Visible(), Parent()) and changed only through its Set... operation; plain flags without side
// effects are public fields.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/lxdevice.h"
#include "platform/lxplatform.h"

namespace lx {

class TLxComponent;
class TLxCustomControl;
class TLxEngineFont;

// Notices when a component dies while a caller still holds a pointer to it: an event handler
// may free the control that raised the event (or its parent), and a walk over the tree must then
// stop touching it.
// Stack use only; a null target is never alive.
class TLxComponentGuard {
 public:
  explicit TLxComponentGuard(TLxComponent* target);

  bool Alive() const { return Token && *Token; }

 private:
  std::shared_ptr<const bool> Token;
};

class TLxComponent {
 public:
  // Appends the new component to the owner's Components; nullptr for a root.
  explicit TLxComponent(TLxComponent* owner);
  // Frees the owned components, last owned first, then leaves the owner.
  virtual ~TLxComponent();
  TLxComponent(const TLxComponent&) = delete;
  TLxComponent& operator=(const TLxComponent&) = delete;

  virtual void SetName(const std::string& name);
  const std::string& Name() const { return FName; }

  TLxComponent* Owner() const { return FOwner; }
  // Moves the component to the end of the new owner's Components. Nothing happens for the
  // current owner or the component itself; an owner that the component (indirectly) owns is
  // refused with ELxError, as it would free itself twice.
  void SetOwner(TLxComponent* owner);
  // Owned components in the order they were added (the list does not free them by itself).
  const std::vector<TLxComponent*>& Components() const { return FComponents; }
  int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }

  // Free for the owner's use (a list row carries the player or game it shows).
  void* Data = nullptr;

 protected:
  // Frees the owned components, last owned first. A derived class whose owned components use
  // its own state while they die calls this at the start of its destructor.
  void DestroyComponents();

 private:
  friend class TLxComponentGuard;
  TLxComponent* FOwner = nullptr;
  std::vector<TLxComponent*> FComponents;
  std::string FName;
  std::shared_ptr<bool> FAlive;  // made by the first guard, cleared when the component dies
};

using TLxNotifyEvent = std::function<void(TLxCustomControl* sender)>;
using TLxMouseEvent = std::function<void(TLxCustomControl* sender, TLxMouseButton button,
                                         uint8_t shift, int32_t x, int32_t y)>;
using TLxMouseMoveEvent =
    std::function<void(TLxCustomControl* sender, uint8_t shift, int32_t x, int32_t y)>;
using TLxKeyEvent = std::function<void(TLxCustomControl* sender, uint16_t& key, uint8_t shift)>;

class TLxCustomControl : public TLxComponent {
 public:
  // Visible, no parent, BlinkSpeed 2. C++ runs only this class's SetVisible here: a derived
  // class whose SetVisible does more (transitions) calls SetVisible(true) in its own constructor.
  explicit TLxCustomControl(TLxComponent* owner);
  // Tells the host (which forgets the control as active control, popup or input root), leaves
  // the parent, frees the owned components last first, then detaches the remaining children, so
  // that nothing is left pointing at the freed control.
  ~TLxCustomControl() override;

  // The virtual slots, in their order.
  // Visible and the parent showing; a control without a parent never shows (the main scene
  // overrides this to return true).
  virtual bool IsShowing() const;
  virtual void BeforePaint() {}
  virtual void Paint() {}
  virtual void AfterPaint() {}
  virtual void DoMouseEnter() {}
  virtual void DoMouseLeave() {}
  virtual void DoMouseHover() {}  // at every mouse move over the control
  virtual void DoMouseDown();     // asks the host for a frame at once (the pressed look)
  virtual void DoMouseUp();       // the same
  virtual void DoEnter() {}       // focus gained
  virtual void DoExit() {}        // focus lost
  // Moves every child by the difference first, then stores the value and calls Moved; nothing
  // happens when the value is the current one.
  virtual void SetTop(int32_t value);
  virtual void SetLeft(int32_t value);
  virtual void SetWidth(int32_t value);   // stores and calls Resized
  virtual void SetHeight(int32_t value);  // stores and calls Resized
  virtual void Moved() {}
  virtual void Resized() {}
  virtual void SetVisible(bool value);
  // Raises OnKeyDown, which may change the key.
  virtual void KeyDown(uint16_t& key, uint8_t shift);

  // What the main window asks of a control without knowing the classes above this one: whether
  // it is a scene (scenes get every key), and the hint text of a themed control (nullptr for
  // controls that carry no hint).
  virtual bool IsScene() const { return false; }
  virtual const std::string* HintText() const { return nullptr; }

  // Tree. The new parent's Controls gets the control at its end (painted on top). Nothing
  // happens for the current parent or the control itself; a descendant is refused with ELxError.
  void SetParent(TLxCustomControl* parent);
  TLxCustomControl* Parent() const { return FParent; }
  int32_t ControlCount() const { return static_cast<int32_t>(FControls.size()); }
  TLxCustomControl* Controls(int32_t index) const { return FControls.at(index); }
  void BringToFront();  // last in the parent's Controls

  int32_t Top() const { return FTop; }
  int32_t Left() const { return FLeft; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  bool Visible() const { return FVisible; }

  // Focusing unfocuses the host's active control first (its DoExit runs before this DoEnter) and
  // records this one as active; unfocusing calls DoExit and leaves the host's record alone.
  void SetFocused(bool value);
  bool Focused() const { return FFocused; }
  // Shows the control; with n > 0 it hides itself again during the n-th following paint.
  void ShowFor(int32_t frames);
  void SetBlink(bool value);
  bool Blink() const { return FBlink; }
  // 0..4: blink halves of 100, 70, 30, 10 or 5 frames; other values keep the period.
  void SetBlinkSpeed(int32_t speed);
  int32_t BlinkSpeed() const { return FBlinkSpeed; }
  int32_t BlinkPeriod() const { return FBlinkPeriod; }
  bool BlinkHidden() const { return FBlinkPhase; }  // the hidden half of a blink
  // True also sets NoRender; false leaves NoRender alone.
  void SetDisableRenderTheme(bool value);
  bool DisableRenderTheme() const { return FDisableRenderTheme; }

  // Left < x < Left + Width and Top < y < Top + Height: the left column and top row are outside.
  bool Contains(int32_t x, int32_t y) const;
  // The deepest, front-most showing, hit-testable, painted control under the point in this
  // subtree, or nullptr.
  TLxCustomControl* ControlAt(int32_t x, int32_t y);

  // Tree operations the main window calls on its input root (sender: the caller, nullptr from
  // the window).
  void MouseMove(TLxCustomControl* sender, uint8_t shift, int32_t x, int32_t y);
  void MouseDown(TLxCustomControl* sender, TLxMouseButton button, uint8_t shift, int32_t x,
                 int32_t y);
  void MouseUp(TLxCustomControl* sender, TLxMouseButton button, uint8_t shift, int32_t x,
               int32_t y);

  void SetMouseOver(bool value);
  bool MouseOver() const { return FMouseOver; }
  // Pressing raises OnMouseDown; releasing raises OnMouseUp and then OnClick. Both report the
  // engine's last press position.
  void SetPressed(bool value);
  bool Pressed() const { return FPressed; }
  void SetRightPressed(bool value) { FRightPressed = value; }
  bool RightPressed() const { return FRightPressed; }

  // Paints the control and its subtree; called for the main scene once per frame.
  void Render();

  bool NoRender = false;       // not painted itself (its children are); never found by ControlAt
  bool HitTest = true;         // may be found under the mouse
  bool Clip = false;           // drawing clipped to the control's rectangle while it paints
  int32_t HideCountdown = -1;  // paints left until the control hides itself; -1: none
  bool InTransition = false;   // painted even while not Visible; children neither painted nor hit
  bool PaintChildren = true;   // false: the control paints its children itself

  TLxMouseEvent OnMouseUp;
  TLxMouseEvent OnMouseDown;
  TLxKeyEvent OnKeyDown;
  TLxMouseMoveEvent OnMouseMove;
  TLxNotifyEvent OnClick;
  TLxNotifyEvent OnMouseEnter;
  TLxNotifyEvent OnMouseLeave;

 private:
  bool FDisableRenderTheme = false;
  bool FFocused = false;
  bool FBlink = false;
  int32_t FBlinkSpeed = 2;
  bool FVisible = true;
  std::vector<TLxCustomControl*> FControls;
  TLxCustomControl* FParent = nullptr;
  int32_t FHeight = 0;
  int32_t FTop = 0;
  int32_t FWidth = 0;
  int32_t FLeft = 0;
  bool FMouseOver = false;
  bool FPressed = false;
  bool FRightPressed = false;
  bool FBlinkPhase = false;
  int32_t FBlinkCounter = 0;
  int32_t FBlinkPeriod = 30;
};

using TLxFontEvent = std::function<void(class TLxFont* sender)>;

// Font name, size and colour of a text control, resolved to an engine font.
class TLxFont {
 public:
  // Name "ArialBlack", resolved at once when there is an engine.
  TLxFont();

  int32_t Size() const { return FSize; }
  void SetSize(int32_t size);  // raises OnChange
  TLxColor Color() const { return FColor; }
  void SetColor(TLxColor color);  // 24-bit, red in the low byte; raises OnColorChange
  const std::string& Name() const { return FName; }
  // Looks the engine font up again (nullptr without an engine or fonts); raises OnChange when
  // that gives another font, since the text must be laid out again.
  void SetName(const std::string& name);
  TLxEngineFont* EngineFont() const { return FEngineFont; }

  int32_t Alpha = 255;  // opacity of the text, 0..255
  TLxFontEvent OnChange;
  TLxFontEvent OnColorChange;

 private:
  int32_t FSize = 0;
  TLxColor FColor = 0;
  std::string FName;
  TLxEngineFont* FEngineFont = nullptr;
};

}  // namespace lx

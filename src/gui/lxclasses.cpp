#include "gui/lxclasses.h"

#include <algorithm>

#include "base/lxerror.h"
#include "gui/lxhost.h"
#include "shell/lxcore.h"

namespace lx {

namespace {

template <typename T>
void removeFrom(std::vector<T*>& list, T* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end()) list.erase(it);
}

// Children are walked by index and the index is re-checked at every step: an event handler may
// add or free controls while the walk runs.
int32_t clampIndex(int32_t index, int32_t count) {
  return std::min(index, count - 1);
}

}  // namespace

// ---- TLxComponentGuard ----

TLxComponentGuard::TLxComponentGuard(TLxComponent* target) {
  if (!target) return;
  if (!target->FAlive) target->FAlive = std::make_shared<bool>(true);
  Token = target->FAlive;
}

// ---- TLxComponent ----

TLxComponent::TLxComponent(TLxComponent* owner) {
  SetOwner(owner);
}

TLxComponent::~TLxComponent() {
  if (FAlive) *FAlive = false;
  DestroyComponents();
  if (FOwner) removeFrom(FOwner->FComponents, this);
}

void TLxComponent::DestroyComponents() {
  // Each component leaves this list in its own destructor.
  while (!FComponents.empty()) delete FComponents.back();
}

void TLxComponent::SetName(const std::string& name) {
  FName = name;
}

void TLxComponent::SetOwner(TLxComponent* owner) {
  if (owner == FOwner || owner == this) return;
  for (TLxComponent* up = owner; up; up = up->FOwner) {
    if (up == this) throw ELxError("Component " + FName + " cannot be owned by what it owns");
  }
  if (FOwner) removeFrom(FOwner->FComponents, this);
  if (owner) owner->FComponents.push_back(this);
  FOwner = owner;
}

// ---- TLxCustomControl ----

TLxCustomControl::TLxCustomControl(TLxComponent* owner) : TLxComponent(owner) {}

TLxCustomControl::~TLxCustomControl() {
  if (Host) Host->ControlDestroyed(this);
  SetParent(nullptr);
  DestroyComponents();
  // Children owned elsewhere stay alive; they must not keep a freed parent.
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
}

bool TLxCustomControl::IsShowing() const {
  return FVisible && FParent && FParent->IsShowing();
}

void TLxCustomControl::DoMouseDown() {
  if (Host) Host->RenderNow();
}

void TLxCustomControl::DoMouseUp() {
  if (Host) Host->RenderNow();
}

void TLxCustomControl::SetTop(int32_t value) {
  if (value == FTop) return;
  const int32_t delta = value - FTop;
  for (int32_t i = 0; i < ControlCount(); ++i) FControls[i]->SetTop(FControls[i]->Top() + delta);
  FTop = value;
  Moved();
}

void TLxCustomControl::SetLeft(int32_t value) {
  if (value == FLeft) return;
  const int32_t delta = value - FLeft;
  for (int32_t i = 0; i < ControlCount(); ++i) FControls[i]->SetLeft(FControls[i]->Left() + delta);
  FLeft = value;
  Moved();
}

void TLxCustomControl::SetWidth(int32_t value) {
  FWidth = value;
  Resized();
}

void TLxCustomControl::SetHeight(int32_t value) {
  FHeight = value;
  Resized();
}

void TLxCustomControl::SetVisible(bool value) {
  FVisible = value;
}

void TLxCustomControl::KeyDown(uint16_t& key, uint8_t shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TLxCustomControl::SetParent(TLxCustomControl* parent) {
  if (parent == FParent || parent == this) return;
  for (TLxCustomControl* up = parent; up; up = up->FParent) {
    if (up == this) throw ELxError("Control " + Name() + " cannot be put inside itself");
  }
  if (FParent) removeFrom(FParent->FControls, this);
  if (parent) parent->FControls.push_back(this);
  FParent = parent;
}

void TLxCustomControl::BringToFront() {
  if (!FParent) return;
  removeFrom(FParent->FControls, this);
  FParent->FControls.push_back(this);
}

void TLxCustomControl::SetFocused(bool value) {
  TLxComponentGuard self(this);
  if (value && Host) {
    if (TLxCustomControl* active = Host->GetActiveControl()) active->SetFocused(false);
    if (!self.Alive()) return;
  }
  if (value) {
    if (Host) Host->SetActiveControl(this);
    DoEnter();
  } else {
    DoExit();
  }
  if (self.Alive()) FFocused = value;
}

void TLxCustomControl::ShowFor(int32_t frames) {
  if (frames > 0) HideCountdown = frames;
  SetVisible(true);
}

void TLxCustomControl::SetBlink(bool value) {
  FBlink = value;
  FBlinkCounter = 0;
  if (!value) FBlinkPhase = false;
}

void TLxCustomControl::SetBlinkSpeed(int32_t speed) {
  static constexpr int32_t periods[] = {100, 70, 30, 10, 5};
  FBlinkSpeed = speed;
  if (speed >= 0 && speed <= 4) FBlinkPeriod = periods[speed];
}

void TLxCustomControl::SetDisableRenderTheme(bool value) {
  FDisableRenderTheme = value;
  if (value) NoRender = true;
}

bool TLxCustomControl::Contains(int32_t x, int32_t y) const {
  // 64-bit sums: a huge Width must not wrap round.
  return FLeft < x && static_cast<int64_t>(x) < static_cast<int64_t>(FLeft) + FWidth && FTop < y &&
         static_cast<int64_t>(y) < static_cast<int64_t>(FTop) + FHeight;
}

TLxCustomControl* TLxCustomControl::ControlAt(int32_t x, int32_t y) {
  for (int32_t i = ControlCount() - 1; i >= 0; --i) {
    if (TLxCustomControl* found = FControls[i]->ControlAt(x, y)) return found;
  }
  if (IsShowing() && Contains(x, y) && !NoRender && HitTest) return this;
  return nullptr;
}

void TLxCustomControl::MouseMove(TLxCustomControl* /*sender*/, uint8_t shift, int32_t x,
                                 int32_t y) {
  TLxComponentGuard self(this);
  for (int32_t i = ControlCount() - 1; i >= 0; --i) {
    i = clampIndex(i, ControlCount());
    if (i < 0) break;
    TLxCustomControl* child = FControls[i];
    TLxComponentGuard childGuard(child);
    if (!child->Contains(x, y)) child->SetMouseOver(false);
    if (!self.Alive()) return;
    if (childGuard.Alive()) child->MouseMove(this, shift, x, y);
    if (!self.Alive()) return;
  }
  TLxCustomControl* hit = ControlAt(x, y);
  if (!hit) return;
  TLxComponentGuard hitGuard(hit);
  hit->SetMouseOver(true);
  if (hitGuard.Alive() && self.Alive() && hit->OnMouseMove) hit->OnMouseMove(this, shift, x, y);
}

void TLxCustomControl::MouseDown(TLxCustomControl* /*sender*/, TLxMouseButton button,
                                 uint8_t /*shift*/, int32_t x, int32_t y) {
  TLxCustomControl* hit = ControlAt(x, y);
  if (!hit) return;
  if (button == TLxMouseButton::mbLeft) {
    hit->SetPressed(true);
  } else if (button == TLxMouseButton::mbRight) {
    hit->SetRightPressed(true);
  }
}

void TLxCustomControl::MouseUp(TLxCustomControl* /*sender*/, TLxMouseButton button, uint8_t shift,
                               int32_t x, int32_t y) {
  TLxComponentGuard self(this);
  for (int32_t i = ControlCount() - 1; i >= 0; --i) {
    i = clampIndex(i, ControlCount());
    if (i < 0) break;
    TLxCustomControl* child = FControls[i];
    TLxComponentGuard childGuard(child);
    const bool inside = child->Contains(x, y);
    if (button == TLxMouseButton::mbLeft) {
      if (inside) {
        child->SetPressed(false);
      } else {
        child->FPressed = false;  // released elsewhere: cancelled without a click
      }
    } else if (button == TLxMouseButton::mbRight) {
      child->FRightPressed = false;
    }
    if (!self.Alive()) return;
    if (childGuard.Alive()) child->MouseUp(this, button, shift, x, y);
    if (!self.Alive()) return;
  }
}

void TLxCustomControl::SetMouseOver(bool value) {
  TLxComponentGuard self(this);
  if (value) {
    DoMouseHover();
    if (!self.Alive()) return;
  }
  if (value == FMouseOver) return;
  FMouseOver = value;
  if (value) {
    DoMouseEnter();
    if (self.Alive() && OnMouseEnter) OnMouseEnter(this);
  } else {
    DoMouseLeave();
    if (self.Alive() && OnMouseLeave) OnMouseLeave(this);
  }
}

void TLxCustomControl::SetPressed(bool value) {
  if (value == FPressed) return;
  FPressed = value;
  const int32_t x = Engine ? Engine->MouseDownX : 0;
  const int32_t y = Engine ? Engine->MouseDownY : 0;
  TLxComponentGuard self(this);
  if (value) {
    DoMouseDown();
    if (self.Alive() && OnMouseDown) OnMouseDown(this, TLxMouseButton::mbLeft, 0, x, y);
  } else {
    DoMouseUp();
    if (self.Alive() && OnMouseUp) OnMouseUp(this, TLxMouseButton::mbLeft, 0, x, y);
    if (self.Alive() && OnClick) OnClick(this);
  }
}

void TLxCustomControl::Render() {
  if (HideCountdown >= 0) {
    --HideCountdown;
    if (HideCountdown == 0) {
      SetVisible(false);
      HideCountdown = -1;
    }
  }
  if (FBlink && ++FBlinkCounter >= FBlinkPeriod) {
    FBlinkCounter = 0;
    FBlinkPhase = !FBlinkPhase;
  }
  if (!((FVisible && !FBlinkPhase) || InTransition)) return;

  if (!NoRender) {
    const bool clipped = Clip && Engine;
    if (clipped) {
      // The part of the control's rectangle that lies on the screen.
      TLxRect rect;
      rect.Left = std::max(FLeft, 0);
      rect.Top = std::max(FTop, 0);
      rect.Right = static_cast<int32_t>(std::min<int64_t>(int64_t{FLeft} + FWidth, Engine->Width));
      rect.Bottom =
          static_cast<int32_t>(std::min<int64_t>(int64_t{FTop} + FHeight, Engine->Height));
      rect.Right = std::max(rect.Right, rect.Left);
      rect.Bottom = std::max(rect.Bottom, rect.Top);
      Engine->SetClipRect(rect);
    }
    // The clip is reset even when a paint throws, or every later control would stay clipped.
    struct ClipReset {
      bool active;
      ~ClipReset() {
        if (active && Engine) Engine->ResetClipRect();
      }
    } clipReset{clipped};
    BeforePaint();
    Paint();
    AfterPaint();
  }

  if (InTransition || !PaintChildren) return;
  const int32_t count = ControlCount();
  for (int32_t i = 0; i < count && i < ControlCount(); ++i) FControls[i]->Render();
}

// ---- TLxFont ----

TLxFont::TLxFont() {
  SetName("ArialBlack");
}

void TLxFont::SetSize(int32_t size) {
  FSize = size;
  if (OnChange) OnChange(this);
}

void TLxFont::SetColor(TLxColor color) {
  FColor = color;
  if (OnColorChange) OnColorChange(this);
}

void TLxFont::SetName(const std::string& name) {
  FName = name;
  TLxEngineFont* found = Engine ? Engine->FindFont(name) : nullptr;
  const bool changed = found != FEngineFont;
  FEngineFont = found;
  if (changed && OnChange) OnChange(this);
}

}  // namespace lx

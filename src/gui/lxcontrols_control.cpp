#include "gui/lxcontrols_control.h"

#include <algorithm>

#include "base/lxutils.h"
#include "gui/lxhost.h"
#include "shell/lxcore.h"

namespace lx {

namespace {

// Alpha units (fades) or pixels (flies) per frame of a speed value 0..4; others 10.
int32_t TransitionStep(int32_t speed) {
  static constexpr int32_t steps[] = {1, 5, 10, 20, 35};
  return speed >= 0 && speed <= 4 ? steps[speed] : 10;
}

int32_t ScreenWidth() {
  return Engine ? Engine->Width : 800;
}

int32_t ScreenHeight() {
  return Engine ? Engine->Height : 600;
}

}  // namespace

// ---- TLxControl ----

TLxControl::TLxControl(TLxComponent* owner) : TLxCustomControl(owner) {
  SetParent(nullptr);
  SetFadeSpeed(2);
  SetFlySpeed(2);
  if (Engine) TextureList = Engine->Textures.get();
  Texture.OnChange = [this](TLxTextureInfo*) { LoadTexture(); };
  SetVisible(true);
}

TLxControl::~TLxControl() {
  Texture.OnChange = nullptr;
}

void TLxControl::BeforePaint() {
  TLxCustomControl::BeforePaint();
  RunEffects();
}

bool TLxControl::PaintControl() {
  if (FFadingIn) {
    for (int32_t& a : FFadeAlpha4) a += FFadeStep;
    if (FFadeAlpha4[0] >= FAlpha4[0]) {
      FFadeAlpha4 = FAlpha4;
      FFadingIn = false;
      InTransition = false;
      TLxCustomControl::SetVisible(true);
    }
    ApplyAlpha(FFadeAlpha4);
  }
  if (FFadingOut) {
    for (int32_t& a : FFadeAlpha4) a -= FFadeStep;
    if (FFadeAlpha4[0] <= 0) {
      FFadingOut = false;
      InTransition = false;
      return false;
    }
    ApplyAlpha(FFadeAlpha4);
  }
  if (FFlyingIn) {
    SetTop(Toward(Top(), HomeTop, FFlyStep));
    SetLeft(Toward(Left(), HomeLeft, FFlyStep));
    if (Top() == HomeTop && Left() == HomeLeft) {
      FFlyingIn = false;
      InTransition = false;
      TLxCustomControl::SetVisible(true);
    }
  }
  if (FFlyingOut) {
    bool flying = false;
    switch (FFlyOut) {
      case 1:
        SetLeft(Left() + FFlyStep);
        flying = Left() < ScreenWidth();
        break;
      case 2:
        SetLeft(Left() - FFlyStep);
        flying = Left() > -Width();
        break;
      case 3:
        SetTop(Top() + FFlyStep);
        flying = Top() < ScreenHeight();
        break;
      case 4:
        SetTop(Top() - FFlyStep);
        flying = Top() > -Height();
        break;
      default:
        break;
    }
    if (!flying) {
      FFlyingOut = false;
      InTransition = false;
      SetTop(HomeTop);
      SetLeft(HomeLeft);
      return false;
    }
  }
  if (!FTextureLoaded) {
    DrawPlain();
    return true;
  }
  if (FAnimate && ++FAnimationCounter == AnimationPeriod) {
    FAnimationCounter = 0;
    NextPattern();
  }
  DrawTexture();
  return true;
}

void TLxControl::Paint() {
  PaintControl();
}

void TLxControl::AfterPaint() {
  TLxCustomControl::AfterPaint();
  if (Border && Engine) {
    const TLxRect r = {Left(), Top(), Left() + Width(), Top() + Height()};
    Engine->FrameRect(r, FBorderColor4.data(), DrawOpOpaque);
  }
}

void TLxControl::DoMouseEnter() {
  TLxCustomControl::DoMouseEnter();
  TLxComponentGuard self(this);
  if (Host) Host->ShowHint(this);
  if (self.Alive()) StartEffect(EffectRollOver);
}

void TLxControl::DoMouseLeave() {
  TLxCustomControl::DoMouseLeave();
  StopEffect(EffectRollOver, false);
}

void TLxControl::SetTop(int32_t value) {
  const int32_t delta = value - Top();
  if (delta == 0) return;
  DrawTop += delta;
  for (int32_t i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TLxControl*>(Controls(i))) child->HomeTop += delta;
  TLxCustomControl::SetTop(value);
}

void TLxControl::SetLeft(int32_t value) {
  const int32_t delta = value - Left();
  if (delta == 0) return;
  DrawLeft += delta;
  for (int32_t i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TLxControl*>(Controls(i))) child->HomeLeft += delta;
  TLxCustomControl::SetLeft(value);
}

void TLxControl::StopFadeIn() {
  if (!FFadingIn) return;
  FFadingIn = false;
  InTransition = false;
}

void TLxControl::StopFadeOut() {
  if (!FFadingOut) return;
  FFadingOut = false;
  InTransition = false;
}

void TLxControl::StopFlyIn() {
  if (!FFlyingIn) return;
  FFlyingIn = false;
  InTransition = false;
  SetTop(HomeTop);
  SetLeft(HomeLeft);
}

void TLxControl::StopFlyOut() {
  if (!FFlyingOut) return;
  FFlyingOut = false;
  InTransition = false;
  SetTop(HomeTop);
  SetLeft(HomeLeft);
}

void TLxControl::SetVisible(bool value) {
  if (value) {
    StopFadeOut();
    StopFlyOut();
  } else {
    StopFadeIn();
    StopFlyIn();
  }
  if (value == Visible()) return;
  if (!value) {
    if (FFadeOut) {
      FFadeAlpha4 = FAlpha4;
      FFadingOut = true;
      InTransition = true;
    }
    if (FFlyOut != 0 && !FFlyingOut) {
      HomeTop = Top();
      HomeLeft = Left();
      FFlyingOut = true;
      InTransition = true;
    }
    TLxCustomControl::SetVisible(false);
    return;
  }
  if (FFadeIn) {
    FFadeAlpha4 = {0, 0, 0, 0};
    FFadingIn = true;
  } else {
    // A fade-out may have left the corner alphas low: a control shown without a fade-in comes
    // back with its own alphas.
    ApplyAlpha(FAlpha4);
  }
  if (FFlyIn != 0 && !FFlyingIn) {
    HomeTop = Top();
    HomeLeft = Left();
    switch (FFlyIn) {
      case 1:
        SetLeft(-Width());
        break;
      case 2:
        SetLeft(ScreenWidth());
        break;
      case 3:
        SetTop(-Height());
        break;
      case 4:
        SetTop(ScreenHeight());
        break;
      default:
        break;
    }
    FFlyingIn = true;
  }
  if (FFadeIn || FFlyIn != 0) {
    InTransition = true;
  } else {
    TLxCustomControl::SetVisible(true);
  }
}

int32_t TLxControl::Toward(int32_t value, int32_t target, int32_t step) {
  if (value < target) return value + std::min(step, target - value);
  if (value > target) return value - std::min(step, value - target);
  return value;
}

void TLxControl::SetColor4(const TLxColors4& value) {
  FColor4 = value;
  ApplyAlpha(FAlpha4);
}

void TLxControl::SetAlpha(int32_t value) {
  FAlpha = value;
  FAlpha4 = {value, value, value, value};
  ApplyAlpha(FAlpha4);
}

void TLxControl::SetAlignment(int32_t value) {
  FAlignment = value;
}

void TLxControl::SetLayout(int32_t value) {
  FLayout = value;
}

void TLxControl::ApplyAlpha(const TLxAlphas4& alphas) {
  for (size_t i = 0; i < 4; ++i) {
    const auto a = static_cast<TLxColor>(std::clamp(alphas[i], 0, 255));
    FColor4[i] = (a << 24) | (FColor4[i] & 0x00FFFFFFu);
  }
}

void TLxControl::SetAlpha4(const TLxAlphas4& value) {
  FAlpha4 = value;
  ApplyAlpha(FAlpha4);
}

void TLxControl::SetColor(TLxColor value) {
  FColor = value;
  FColor4 = {value, value, value, value};
  ApplyAlpha(FAlpha4);
}

void TLxControl::SetBorderColor4(const TLxColors4& value) {
  for (size_t i = 0; i < 4; ++i) FBorderColor4[i] = value[i] | 0xFF000000u;
}

void TLxControl::SetFadeSpeed(int32_t value) {
  FFadeSpeed = value;
  FFadeStep = TransitionStep(value);
}

void TLxControl::SetFlySpeed(int32_t value) {
  FFlySpeed = value;
  FFlyStep = TransitionStep(value);
}

void TLxControl::SetAnimate(bool value) {
  FAnimate = value;
  FAnimationCounter = 0;
}

void TLxControl::SetPattern(int32_t pattern) {
  Texture.SetFrame(pattern);
}

void TLxControl::NextPattern() {
  Texture.SetFrameIndex(Texture.FrameIndex() + 1);
  if (LoadTexture() != TextureFound) SetPattern(1);
}

int32_t TLxControl::LoadTexture() {
  TLxTextureList* list = TextureList ? TextureList : (Engine ? Engine->Textures.get() : nullptr);
  TLxDUDTexture* found = list ? list->Get(Texture) : nullptr;
  if (!found) {
    Texture.Texture = nullptr;
    FTextureLoaded = false;
    return TextureNotFound;
  }
  Texture.Texture = found;
  if (FAutosize) {
    SetWidth(found->ImageWidth);
    SetHeight(found->ImageHeight);
  }
  FTileColumns = CeilDiv(found->ImageWidth, TilePieceSize);
  FTileRows = CeilDiv(found->ImageHeight, TilePieceSize);
  FTextureLoaded = true;
  return TextureFound;
}

void TLxControl::DrawPlain() {
  if (!Engine) return;
  const TLxRect r = {Left(), Top(), Left() + Width(), Top() + Height()};
  Engine->FillRect(r, FColor4.data(), DrawOpBlend);
}

void TLxControl::DrawTexture() {
  const TLxDUDTexture* texture = Texture.Texture;
  if (!Engine || !texture) return;
  const int32_t pw = texture->PatternWidth, ph = texture->PatternHeight;
  int32_t w = pw, h = ph, dx = 0, dy = 0;
  if (!FAutosize && FTileColumns <= 1 && FTileRows <= 1) {
    if (FTextureScaleMode == 1) {
      w = Width();
      h = Height();
    } else if (FTextureScaleMode == 2 && pw > 0 && ph > 0) {
      // Single precision, as the look of fitted textures depends on it.
      const float sx = static_cast<float>(Width()) / static_cast<float>(pw);
      const float sy = static_cast<float>(Height()) / static_cast<float>(ph);
      if (sx >= sy) {
        w = RoundUp(static_cast<float>(pw) * sy);
        h = Height();
      } else {
        w = Width();
        h = RoundUp(static_cast<float>(ph) * sx);
      }
    }
    if (FAlignment == 1) {
      dx = Width() - w;
    } else if (FAlignment == 2) {
      dx = TruncDiv(Width() - w, 2);
    }
    if (FLayout == 1) {
      dy = TruncDiv(Height() - h, 2);
    } else if (FLayout == 2) {
      dy = Height() - h;
    }
  }
  for (int32_t i = 0; i < FTileRows; ++i) {
    for (int32_t j = 0; j < FTileColumns; ++j) {
      const int32_t x = DrawLeft + dx + TilePieceSize * j;
      const int32_t y = DrawTop + dy + TilePieceSize * i;
      const TLxQuad quad = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
      Engine->TexMap(texture, quad, i * FTileColumns + j, FColor4.data(), DrawOpBlendModulate);
    }
  }
}

void TLxControl::StartEffect(int32_t group) {
  FEffects[EffectRunState].Start(*this, group);
}

void TLxControl::StopEffect(int32_t group, bool immediate) {
  FEffects[EffectRunState].Stop(*this, group, immediate);
}

void TLxControl::StartCustomEffect(int32_t n) {
  if (n >= 1 && n <= 3) StartEffect(n + 1);
}

void TLxControl::StopCustomEffect(int32_t n, bool immediate) {
  if (n >= 1 && n <= 3) StopEffect(n + 1, immediate);
}

void TLxControl::RunEffects() {
  FEffects[EffectRunState].Run(*this);
}

}  // namespace lx

#include "gui/lxeffects.h"

#include <algorithm>

#include "gui/lxcontrols.h"

namespace lx {

const char* const EffectKeyPrefixes[EffectGroupCount] = {
    "NormalEffect_", "RollOverEffect_", "CustomEffect_", "CustomEffect2_", "CustomEffect3_"};

namespace {

constexpr int32_t channelStep = 10;
constexpr int32_t alphaStep = 10;
constexpr TLxColor rgbMask = 0x00FFFFFFu;

bool ValidGroup(int32_t group) {
  return group >= 0 && group < EffectGroupCount;
}

// Red, green and blue of `from` moved toward those of `to` by at most step each, never past
// them; the top byte of `from` stays.
TLxColor StepColor(TLxColor from, TLxColor to, int32_t step) {
  TLxColor result = from & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t a = static_cast<int32_t>((from >> shift) & 0xFF);
    const int32_t b = static_cast<int32_t>((to >> shift) & 0xFF);
    const int32_t c = a < b ? std::min(a + step, b) : std::max(a - step, b);
    result |= static_cast<TLxColor>(c) << shift;
  }
  return result;
}

// The alpha bytes are the control's own business (SetColor4 re-applies them), so a colour is
// reached when red, green and blue are.
bool SameRgb(TLxColor a, TLxColor b) {
  return (a & rgbMask) == (b & rgbMask);
}

bool SameRgb4(const TLxColors4& a, const TLxColors4& b) {
  for (size_t i = 0; i < 4; ++i)
    if (!SameRgb(a[i], b[i])) return false;
  return true;
}

TLxColors4 StepColor4(const TLxColors4& from, const TLxColors4& to, int32_t speed) {
  if (speed == 4) return to;
  TLxColors4 result;
  for (size_t i = 0; i < 4; ++i) result[i] = StepColor(from[i], to[i], channelStep);
  return result;
}

// The alpha an alpha effect starts from and steps: the top-left corner alpha, which SetAlpha
// sets together with the single alpha and which is what the control shows.
int32_t CurrentAlpha(const TLxControl& control) {
  return control.Alpha4()[0];
}

}  // namespace

int32_t TLxEffects::ScrollStep(int32_t speed) {
  static constexpr int32_t steps[] = {1, 2, 3, 10, 15};
  return speed >= 0 && speed <= 4 ? steps[speed] : 3;
}

void TLxEffects::Start(TLxControl& control, int32_t group) {
  if (!ValidGroup(group)) return;
  const TLxEffects& g = control.Effects(group);
  if (g.ColorEnabled) {
    if (ColorSource == group && ColorState != EffectIdle) control.SetColor4(control.SavedColor4);
    ColorSource = group;
    ColorContinuous = g.ColorContinuous;
    for (size_t i = 0; i < 4; ++i) {
      const auto a = static_cast<TLxColor>(std::clamp(control.Alpha4()[i], 0, 255));
      Color[i] = (g.Color[i] & rgbMask) | (a << 24);
    }
    ColorChangeSpeed = g.ColorChangeSpeed;
    control.SavedColor4 = control.Color4();
    ColorState = EffectToTarget;
  }
  if (g.TextColorEnabled) {
    if (TextColorSource == group && TextColorState != EffectIdle)
      control.Font.SetColor(control.SavedTextColor);
    TextColorSource = group;
    TextColorContinuous = g.TextColorContinuous;
    TextColor = g.TextColor;
    TextColorChangeSpeed = g.TextColorChangeSpeed;
    control.SavedTextColor = control.Font.Color();
    TextColorState = EffectToTarget;
  }
  if (g.AlphaEnabled) {
    if (AlphaSource == group && AlphaState != EffectIdle) control.SetAlpha(control.SavedAlpha);
    AlphaSource = group;
    AlphaContinuous = g.AlphaContinuous;
    const int32_t alpha = CurrentAlpha(control);
    AlphaDecreasing = alpha >= g.AlphaBlendValue;
    AlphaBlendValue = g.AlphaBlendValue;
    control.SavedAlpha = alpha;
    AlphaState = EffectToTarget;
  }
  if (g.ScrollEnabled && ScrollState == EffectIdle) {
    ScrollSource = group;
    ScrollOptions = g.ScrollOptions;
    ScrollDistance = g.ScrollDistance;
    ScrollSpeed = g.ScrollSpeed;
    control.EffectOriginTop = control.Top();
    control.EffectOriginLeft = control.Left();
    ScrollState = EffectToTarget;
  }
  if (g.GrowEnabled && GrowState == EffectIdle) {
    GrowSource = group;
    GrowDistance = g.GrowDistance;
    control.EffectOriginWidth = control.Width();
    control.EffectOriginHeight = control.Height();
    control.EffectOriginTop = control.Top();
    control.EffectOriginLeft = control.Left();
    GrowState = EffectToTarget;
  }
}

void TLxEffects::Stop(TLxControl& control, int32_t group, bool immediate) {
  if (!ValidGroup(group)) return;
  // Only what runs is stopped: an idle sub-effect has nothing to return to.
  if (ColorSource == group && ColorState != EffectIdle) {
    if (immediate) {
      control.SetColor4(control.SavedColor4);
      ColorState = EffectIdle;
    } else {
      ColorState = EffectReturning;
    }
  }
  if (TextColorSource == group && TextColorState != EffectIdle) {
    if (immediate) {
      control.Font.SetColor(control.SavedTextColor);
      TextColorState = EffectIdle;
    } else {
      TextColorState = EffectReturning;
    }
  }
  if (AlphaSource == group && AlphaState != EffectIdle) {
    if (immediate) {
      control.SetAlpha(control.SavedAlpha);
      AlphaState = EffectIdle;
    } else {
      AlphaState = EffectReturning;
    }
  }
  // Scroll and grow always slide or shrink back gradually.
  if (ScrollSource == group && ScrollState != EffectIdle) ScrollState = EffectReturning;
  if (GrowSource == group && GrowState != EffectIdle) GrowState = EffectReturning;
}

void TLxEffects::Run(TLxControl& control) {
  // Scroll: the distance covered is measured along the direction from the origin.
  const bool vertical = ScrollOptions == ScrollDown || ScrollOptions == ScrollUp;
  const int32_t sign = ScrollOptions == ScrollDown || ScrollOptions == ScrollRight ? 1 : -1;
  const bool scrolls = vertical || ScrollOptions == ScrollRight || ScrollOptions == ScrollLeft;
  auto scrollBy = [&](int32_t delta) {
    if (vertical) {
      control.SetTop(control.Top() + delta);
    } else {
      control.SetLeft(control.Left() + delta);
    }
  };
  const int32_t covered = sign * (vertical ? control.Top() - control.EffectOriginTop
                                           : control.Left() - control.EffectOriginLeft);
  const int32_t step = ScrollStep(ScrollSpeed);
  if (ScrollState == EffectToTarget) {
    if (scrolls && covered < ScrollDistance) {
      scrollBy(sign * step);
    } else {
      ScrollState = ScrollSource == EffectRollOver ? EffectHolding : EffectCycling;
    }
  } else if (ScrollState == EffectCycling || ScrollState == EffectReturning) {
    if (scrolls && covered > 0) {
      scrollBy(-sign * step);
    } else {
      // The last step may have overshot: the return ends exactly at the origin.
      control.SetTop(control.EffectOriginTop);
      control.SetLeft(control.EffectOriginLeft);
      ScrollState = ScrollState == EffectCycling ? EffectToTarget : EffectIdle;
    }
  }

  // Colour.
  if (ColorState == EffectToTarget) {
    control.SetColor4(StepColor4(control.Color4(), Color, ColorChangeSpeed));
    if (SameRgb4(control.Color4(), Color))
      ColorState = ColorContinuous && ColorSource != EffectRollOver ? EffectCycling : EffectHolding;
  } else if (ColorState == EffectCycling || ColorState == EffectReturning) {
    control.SetColor4(StepColor4(control.Color4(), control.SavedColor4, ColorChangeSpeed));
    if (SameRgb4(control.Color4(), control.SavedColor4))
      ColorState = ColorState == EffectCycling ? EffectToTarget : EffectIdle;
  }

  // Text colour.
  if (TextColorState == EffectToTarget) {
    const TLxColor next = TextColorChangeSpeed == 4
                              ? TextColor
                              : StepColor(control.Font.Color(), TextColor, channelStep);
    control.Font.SetColor(next);
    if (SameRgb(control.Font.Color(), TextColor))
      TextColorState =
          TextColorContinuous && TextColorSource != EffectRollOver ? EffectCycling : EffectHolding;
  } else if (TextColorState == EffectCycling || TextColorState == EffectReturning) {
    const TLxColor next =
        TextColorChangeSpeed == 4
            ? control.SavedTextColor
            : StepColor(control.Font.Color(), control.SavedTextColor, channelStep);
    control.Font.SetColor(next);
    if (SameRgb(control.Font.Color(), control.SavedTextColor))
      TextColorState = TextColorState == EffectCycling ? EffectToTarget : EffectIdle;
  }

  // Alpha.
  if (AlphaState == EffectToTarget) {
    const int32_t a = CurrentAlpha(control);
    control.SetAlpha(AlphaDecreasing ? std::max(a - alphaStep, AlphaBlendValue)
                                     : std::min(a + alphaStep, AlphaBlendValue));
    if (CurrentAlpha(control) == AlphaBlendValue)
      AlphaState = AlphaContinuous && AlphaSource != EffectRollOver ? EffectCycling : EffectHolding;
  } else if (AlphaState == EffectCycling || AlphaState == EffectReturning) {
    const int32_t a = CurrentAlpha(control);
    const int32_t s = control.SavedAlpha;
    control.SetAlpha(a < s ? std::min(a + alphaStep, s) : std::max(a - alphaStep, s));
    if (CurrentAlpha(control) == s)
      AlphaState = AlphaState == EffectCycling ? EffectToTarget : EffectIdle;
  }

  // Grow.
  if (GrowState == EffectToTarget) {
    control.SetLeft(control.Left() - 1);
    control.SetTop(control.Top() - 1);
    control.SetWidth(control.Width() + 2);
    control.SetHeight(control.Height() + 2);
    if (control.Width() - control.EffectOriginWidth >= GrowDistance)
      GrowState = GrowSource == EffectRollOver ? EffectHolding : EffectCycling;
  } else if (GrowState == EffectCycling || GrowState == EffectReturning) {
    control.SetLeft(control.Left() + 1);
    control.SetTop(control.Top() + 1);
    control.SetWidth(control.Width() - 2);
    control.SetHeight(control.Height() - 2);
    if (control.Width() <= control.EffectOriginWidth)
      GrowState = GrowState == EffectCycling ? EffectToTarget : EffectIdle;
  }
}

}  // namespace lx

// The visual effects of a themed control: five effect groups (normal, roll-over and three custom
// ones) whose settings come from the theme, and a sixth object holding what is running.
//
// Each group may define five sub-effects: colour (the corner colours), text colour (the font
// colour), alpha, scroll (a slide in one direction) and grow (the rectangle widens on all sides).
// Each sub-effect runs from one group at a time: starting a group takes over the sub-effects it
// defines and leaves the others running from whichever group started them. Everything is counted
// in frames; the control steps its effects once per frame it is painted.
#pragma once

#include <array>
#include <cstdint>

#include "platform/lxdevice.h"

namespace lx {

class TLxControl;

// Four corner values: top-left, top-right, bottom-right, bottom-left.
using TLxColors4 = std::array<TLxColor, 4>;
using TLxAlphas4 = std::array<int32_t, 4>;

// Group numbers, and the index of the run state among a control's six effect objects.
constexpr int32_t EffectNormal = 0;
constexpr int32_t EffectRollOver = 1;
constexpr int32_t EffectCustom1 = 2;
constexpr int32_t EffectCustom2 = 3;
constexpr int32_t EffectCustom3 = 4;
constexpr int32_t EffectGroupCount = 5;
constexpr int32_t EffectRunState = 5;

// Theme key prefixes of the groups, by group number.
extern const char* const EffectKeyPrefixes[EffectGroupCount];

// States of a running sub-effect.
constexpr int32_t EffectIdle = 0;
constexpr int32_t EffectToTarget = 1;   // moving toward the target
constexpr int32_t EffectHolding = 2;    // at the target until the group is stopped
constexpr int32_t EffectCycling = 3;    // back to the saved value, then toward the target again
constexpr int32_t EffectReturning = 4;  // back to the saved value, then idle

// Scroll directions (ScrollOptions).
constexpr int32_t ScrollNone = 0;
constexpr int32_t ScrollRight = 1;  // Left grows
constexpr int32_t ScrollLeft = 2;
constexpr int32_t ScrollDown = 3;  // Top grows
constexpr int32_t ScrollUp = 4;

class TLxEffects {
 public:
  // Settings of a group (theme key: the group's prefix followed by the field name). In the run
  // state the same fields hold the values copied from the group that started each sub-effect.
  bool ScrollEnabled = false;
  int32_t ScrollOptions = ScrollNone;  // the one direction of the set
  int32_t ScrollDistance = 0;          // pixels
  int32_t ScrollSpeed = 0;             // 0..4: 1, 2, 3, 10, 15 pixels per frame; others 3
  bool ColorEnabled = false;
  bool ColorContinuous = true;
  TLxColors4 Color = {0, 0, 0, 0};  // target corner colours; alphas come from the control
  int32_t ColorChangeSpeed = 0;     // 4: at once; others: 10 per channel per frame
  bool TextColorEnabled = false;
  bool TextColorContinuous = false;
  TLxColor TextColor = 0;
  int32_t TextColorChangeSpeed = 0;  // 4: at once; others: 10 per channel per frame
  bool AlphaEnabled = false;
  bool AlphaContinuous = false;
  int32_t AlphaBlendValue = 0;   // target alpha 0..255
  int32_t AlphaChangeSpeed = 0;  // kept; the alpha always moves by 10 per frame
  bool GrowEnabled = false;
  int32_t GrowDistance = 0;  // pixels wider

  // Run state (used in the control's sixth object): the group each sub-effect runs from, and
  // its state (EffectIdle .. EffectReturning).
  int32_t ColorSource = 0;
  int32_t ColorState = EffectIdle;
  int32_t TextColorSource = 0;
  int32_t TextColorState = EffectIdle;
  int32_t AlphaSource = 0;
  int32_t AlphaState = EffectIdle;
  bool AlphaDecreasing = false;  // the target is not above the starting alpha
  int32_t ScrollSource = 0;
  int32_t ScrollState = EffectIdle;
  int32_t GrowSource = 0;
  int32_t GrowState = EffectIdle;

  // Pixels per frame of a ScrollSpeed value.
  static int32_t ScrollStep(int32_t speed);

  // Run-state operations; `control` is the control this object belongs to, whose five groups
  // hold the settings. Group numbers outside 0..4 do nothing.
  void Start(TLxControl& control, int32_t group);
  void Stop(TLxControl& control, int32_t group, bool immediate);
  // One step of every running sub-effect: scroll, colour, text colour, alpha, grow.
  void Run(TLxControl& control);
};

}  // namespace lx

// The themed control every drawable control derives from: texture, corner colours and alphas,
// border, font, fade and fly transitions, texture animation, hint and effects.
//
// Colours have red in the low byte and alpha in the top byte; four-corner values run top-left,
// top-right, bottom-right, bottom-left. Every speed and duration is counted in frames.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gui/lxclasses.h"
#include "gui/lxeffects.h"
#include "shell/lxtextures.h"

namespace lx {

// Result codes of LoadTexture.
constexpr int32_t TextureFound = 0;
constexpr int32_t TextureNotFound = 11;

// Side of the square pieces large textures are drawn in.
constexpr int32_t TilePieceSize = 256;

class TLxControl : public TLxCustomControl {
 public:
  explicit TLxControl(TLxComponent* owner);
  ~TLxControl() override;

  // Slots of the control base.
  void BeforePaint() override;  // steps the running effects
  // Transition steps, texture animation, then the texture (or the plain rectangle).
  void Paint() override;
  void AfterPaint() override;    // the border
  void DoMouseEnter() override;  // the hint notification, then the roll-over effects start
  void DoMouseLeave() override;  // the roll-over effects return gradually; the hint stays
  // Also move DrawTop/DrawLeft by the difference and the fly home of every child control.
  void SetTop(int32_t value) override;
  void SetLeft(int32_t value) override;
  // Starts and stops the fade and fly transitions.
  void SetVisible(bool value) override;
  const std::string* HintText() const override { return &Hint; }

  // Slots of the themed control.
  virtual void SetColor4(const TLxColors4& value);  // corner colours; the alphas are re-applied
  virtual void SetAlpha(int32_t value);             // Alpha and all four corner alphas
  virtual void SetAlignment(int32_t value);         // 0 left, 1 right, 2 centre
  virtual void DrawTexture();
  virtual void DrawPlain();  // the rectangle filled with Color4, blended
  // Binds the texture of the description; TextureFound or TextureNotFound.
  virtual int32_t LoadTexture();
  // 0 top, 1 centre, 2 bottom. Virtual so that a label lays its lines out again.
  virtual void SetLayout(int32_t value);

  // Corner alphas into the top bytes of Color4 (each clamped to 0..255).
  void ApplyAlpha(const TLxAlphas4& alphas);
  void SetAlpha4(const TLxAlphas4& value);
  void SetColor(TLxColor value);  // all four corners
  // The colour the colour effects return to when no effect has saved another (theme "Color4").
  void SetRestingColor4(const TLxColors4& value) { SavedColor4 = value; }
  void SetBorderColor4(const TLxColors4& value);  // stored opaque
  void SetAutosize(bool value) { FAutosize = value; }
  void SetTextureScaleMode(int32_t value) { FTextureScaleMode = value; }
  void SetFadeIn(bool value) { FFadeIn = value; }
  void SetFadeOut(bool value) { FFadeOut = value; }
  void SetFlyIn(int32_t value) { FFlyIn = value; }
  void SetFlyOut(int32_t value) { FFlyOut = value; }
  // 0..4: 1, 5, 10, 20 or 35 alpha units (pixels) per frame; other values 10.
  void SetFadeSpeed(int32_t value);
  void SetFlySpeed(int32_t value);
  void SetAnimate(bool value);       // cycle the numbered patterns; resets the frame count
  void SetPattern(int32_t pattern);  // the texture's pattern number (reloads it)
  // The next numbered texture, or pattern 1 again when there is none.
  void NextPattern();

  // Effects (group numbers EffectNormal .. EffectCustom3).
  void StartEffect(int32_t group);
  void StopEffect(int32_t group, bool immediate);
  void StartCustomEffect(int32_t n);  // n = 1..3
  void StopCustomEffect(int32_t n, bool immediate);
  void RunEffects();
  // The settings of group 0..4, or the run state (EffectRunState).
  TLxEffects& Effects(int32_t index) { return FEffects.at(static_cast<size_t>(index)); }
  const TLxEffects& Effects(int32_t index) const { return FEffects.at(static_cast<size_t>(index)); }

  bool Autosize() const { return FAutosize; }
  int32_t Alpha() const { return FAlpha; }
  int32_t FadeSpeed() const { return FFadeSpeed; }
  TLxColor Color() const { return FColor; }
  const TLxColors4& Color4() const { return FColor4; }
  const TLxColors4& BorderColor4() const { return FBorderColor4; }
  int32_t Alignment() const { return FAlignment; }
  int32_t Layout() const { return FLayout; }
  int32_t TextureScaleMode() const { return FTextureScaleMode; }
  const TLxAlphas4& Alpha4() const { return FAlpha4; }
  bool Animate() const { return FAnimate; }
  bool FadeIn() const { return FFadeIn; }
  bool FadeOut() const { return FFadeOut; }
  const TLxAlphas4& FadeAlpha4() const { return FFadeAlpha4; }
  int32_t FadeStep() const { return FFadeStep; }
  bool FadingIn() const { return FFadingIn; }
  bool FadingOut() const { return FFadingOut; }
  int32_t FlyIn() const { return FFlyIn; }
  int32_t FlyOut() const { return FFlyOut; }
  int32_t FlySpeed() const { return FFlySpeed; }
  int32_t FlyStep() const { return FFlyStep; }
  bool FlyingIn() const { return FFlyingIn; }
  bool FlyingOut() const { return FFlyingOut; }
  int32_t TileColumns() const { return FTileColumns; }
  int32_t TileRows() const { return FTileRows; }
  bool TextureLoaded() const { return FTextureLoaded; }

  TLxFont Font;  // text controls use it; its notifications belong to the label
  bool Enabled = true;
  bool Border = false;
  bool MouseCross = false;  // kept from the theme; nothing draws it
  TLxColor MouseCrossColor = 0;
  int32_t HomeTop = 0;  // where a fly-in ends and a fly-out puts the control back
  int32_t HomeLeft = 0;
  int32_t DrawTop = 0;  // origin of the texture; moves with the control
  int32_t DrawLeft = 0;
  int32_t AnimationPeriod = 60;  // frames per pattern while Animate is on
  int32_t Tag = 0;
  std::string Hint;
  // Restore points of the effects and the rectangle saved when a scroll or grow started.
  TLxColors4 SavedColor4 = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
  TLxColor SavedTextColor = 0;
  int32_t SavedAlpha = 0;
  int32_t EffectOriginTop = 0;
  int32_t EffectOriginLeft = 0;
  int32_t EffectOriginWidth = 0;
  int32_t EffectOriginHeight = 0;
  // Group (folder), name and pattern of the texture; changing the name or the pattern through
  // SetFileName/SetFrame reloads it.
  TLxTextureInfo Texture;
  // Where textures are looked up; the engine's list when none is given.
  TLxTextureList* TextureList = nullptr;

 protected:
  // The control paint; false when a fade-out or fly-out ended in this frame and nothing more of
  // the control may be drawn.
  bool PaintControl();

 private:
  void StopFadeIn();
  void StopFadeOut();
  void StopFlyIn();
  void StopFlyOut();
  // value moved toward target by at most step, never past it.
  static int32_t Toward(int32_t value, int32_t target, int32_t step);

  bool FAutosize = false;
  int32_t FAlpha = 0;
  int32_t FFadeSpeed = 2;
  TLxColor FColor = 0;
  TLxColors4 FColor4 = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
  TLxColors4 FBorderColor4 = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
  int32_t FAlignment = 0;
  int32_t FLayout = 1;
  int32_t FTextureScaleMode = 1;
  TLxAlphas4 FAlpha4 = {255, 255, 255, 255};
  bool FAnimate = false;
  bool FFadeIn = false;
  bool FFadeOut = false;
  TLxAlphas4 FFadeAlpha4 = {0, 0, 0, 0};
  int32_t FFadeStep = 10;
  bool FFadingIn = false;
  bool FFadingOut = false;
  int32_t FFlyIn = 0;
  int32_t FFlyOut = 0;
  int32_t FFlySpeed = 2;
  int32_t FFlyStep = 10;
  bool FFlyingIn = false;
  bool FFlyingOut = false;
  int32_t FTileColumns = 0;
  int32_t FTileRows = 0;
  int32_t FAnimationCounter = 0;
  bool FTextureLoaded = false;
  std::array<TLxEffects, EffectGroupCount + 1> FEffects;
};

}  // namespace lx

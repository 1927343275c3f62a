// Particle systems: a few thousand points in three dimensions, stepped twice per painted frame
// and drawn through a simple perspective projection, either as firework streaks (kind 0) or as
// a star field of small pictures flying towards the viewer (kind 1). Decoration only: the
// mouse passes through them.
//
// A scene creates a system, names it, calls SetKind once and lists it with AddControl only when
// particle effects are on; its position, size and Color4 (the streak colour) come from the
// theme, the star pictures "PAR_STAR1".."PAR_STAR3" from the group "EFFECTS".
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"
#include "scenes/math3d.h"

namespace lx {

constexpr uint8_t ParticleFireworks = 0;
constexpr uint8_t ParticleStarField = 1;
constexpr int32_t FireworkParticleCount = 2000;
constexpr int32_t StarParticleCount = 10;
constexpr int32_t StarImageCount = 5;

struct TLxParticle {
  int32_t ImageIndex = 0;  // star field: which of the five star images draws it
  TVector3 Position;
  TVector3 PrevPosition;  // fireworks draw the streak from here to Position
  TVector3 Velocity;
  TVector3 Acceleration;
  uint32_t Age = 0;
};

class TLxParticleSystem : public TLxControl, public TLxThemeExtras {
 public:
  // Texture group "EFFECTS", SpeedCode 2, not hit-testable. No particles until SetKind.
  explicit TLxParticleSystem(TLxComponent* owner);
  ~TLxParticleSystem() override;

  // Sets the kind and its constants, creates the star images, the particles and the streak
  // line, then Restart. Called once, right after creation.
  void SetKind(uint8_t kind);
  uint8_t Kind() const { return FKind; }
  // 0..4: time steps of 10, 50, 150, 300 or 500 per frame; other values are ignored.
  void SetSpeedCode(uint8_t code);
  uint8_t SpeedCode() const { return FSpeedCode; }
  // Every particle is spawned anew; the star field's step counter starts again.
  virtual void Restart();

  // One simulation step of dt time units.
  void Step(uint32_t dt);
  // The drawing step: a step at the speed code's dt, a second of 150, then the particles.
  void Paint() override;

  // The star pictures are the system's parts.
  void ApplySubTextures(TLxScene& scene) override;

  const std::vector<TLxParticle>& Particles() const { return FParticles; }
  std::vector<TLxParticle>& Particles() { return FParticles; }
  TLxImage* StarImage(int32_t index) const { return FStarImages.at(static_cast<size_t>(index)); }
  TLxLine* Streak() const { return FStreak; }
  uint16_t StepCounter() const { return FStepCounter; }
  // Particles drawn in the last paint (stars inside the screen, or streaks).
  int32_t DrawnCount() const { return FDrawnCount; }

  double SpawnRadius = 0;
  double DepthSpread = 0;
  uint32_t Lifetime = 0;
  TVector3 Origin;

 private:
  void Spawn(int32_t i);
  void SpawnFirework(int32_t i);
  void SpawnStar(int32_t i);
  void DrawFireworks();
  void DrawStars();

  uint8_t FKind = ParticleFireworks;
  uint8_t FSpeedCode = 2;
  bool FHasKind = false;
  uint16_t FStepCounter = 0;
  int32_t FDrawnCount = 0;
  std::array<TLxImage*, StarImageCount> FStarImages{};
  std::vector<TLxParticle> FParticles;
  TLxLine* FStreak = nullptr;
};

}  // namespace lx

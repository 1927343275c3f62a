#include "scenes/lxparticles.h"

#include <cmath>

#include "base/lxrandom.h"
#include "base/lxutils.h"
#include "shell/lxaudio.h"

namespace lx {

namespace {

constexpr const char* kEffectsGroup = "EFFECTS";
constexpr const char* kStarTextures[StarImageCount] = {"PAR_STAR1", "PAR_STAR2", "PAR_STAR2",
                                                       "PAR_STAR3", "PAR_STAR3"};
constexpr uint32_t kStepOfSpeed[5] = {10, 50, 150, 300, 500};
constexpr uint32_t kSecondStep = 150;
constexpr double kPi = 3.14159265358979323846;

// 0 .. 1 in steps of 0.001 from the program's generator.
double Rnd() {
  return Random(1001) * 0.001;
}

// The perspective factor of a depth: the viewer stands at z = 256.
double Perspective(double z) {
  return 1.0 / (256.0 - z);
}

// A projected offset in whole pixels, rounded up; points next to the viewer project far off
// the screen, so the value is bounded before it becomes an integer.
int32_t Project(double offset) {
  if (!(offset > -1e6)) return -1000000;  // also NaN
  if (offset > 1e6) return 1000000;
  return RoundUp(offset);
}

}  // namespace

TLxParticleSystem::TLxParticleSystem(TLxComponent* owner) : TLxControl(owner) {
  Texture.SetGroup(kEffectsGroup);
  FSpeedCode = 2;
  HitTest = false;
}

TLxParticleSystem::~TLxParticleSystem() {
  // The star images and the streak are owned components; they go with the component tree.
  DestroyComponents();
}

void TLxParticleSystem::SetKind(uint8_t kind) {
  if (FHasKind) return;
  FHasKind = true;
  FKind = kind == ParticleStarField ? ParticleStarField : ParticleFireworks;
  int32_t count;
  if (FKind == ParticleFireworks) {
    count = FireworkParticleCount;
    SpawnRadius = 80;
    DepthSpread = 360;
    Lifetime = 60000;
    Origin = Vector3(0, 160, -400);
  } else {
    count = StarParticleCount;
    DepthSpread = 480;
    Origin = Vector3(0, 0, 0);
  }
  for (int32_t i = 0; i < StarImageCount; ++i) {
    auto* image = new TLxImage(this);
    image->SetName(std::string("PAR_STAR") + static_cast<char>('1' + i));
    image->Texture.SetGroup(kEffectsGroup);
    image->Texture.SetName(kStarTextures[i]);
    image->SetAutosize(true);
    image->HitTest = false;
    FStarImages[static_cast<size_t>(i)] = image;
  }
  FParticles.assign(static_cast<size_t>(count), TLxParticle{});
  for (int32_t i = 0; i < count; ++i) FParticles[static_cast<size_t>(i)].ImageIndex = i % 5;
  FStreak = new TLxLine(this);
  FStreak->HitTest = false;
  Restart();
}

void TLxParticleSystem::SetSpeedCode(uint8_t code) {
  if (code <= 4) FSpeedCode = code;
}

void TLxParticleSystem::Restart() {
  FStepCounter = 0;
  for (int32_t i = 0; i < static_cast<int32_t>(FParticles.size()); ++i) Spawn(i);
}

void TLxParticleSystem::Spawn(int32_t i) {
  if (FKind == ParticleFireworks) {
    SpawnFirework(i);
  } else {
    SpawnStar(i);
  }
}

void TLxParticleSystem::SpawnFirework(int32_t i) {
  static constexpr double kSideways[4] = {0.065, 0.035, -0.065, -0.035};
  TLxParticle& p = FParticles[static_cast<size_t>(i)];
  const double a = kSideways[i % 4];
  const double b = Rnd();
  p.Acceleration = Vector3(0, -(Rnd() * 0.001 + 0.0012), 0);
  p.Age = 0;
  // Each random draw in its own statement: the order of draws is part of the behaviour.
  const double angle = static_cast<double>(i);
  const double rx = Rnd() - 0.5;
  const double ry = Rnd() - 0.5;
  const double rz = Rnd() - 0.5;
  p.Position = Vector3(std::cos(angle) * rx * SpawnRadius, std::sin(angle) * ry * SpawnRadius,
                       rz * DepthSpread);
  AddVector(p.Position, Origin);
  p.PrevPosition = p.Position;
  const double vy = Rnd() * 0.09;
  const double vz = Rnd() * 0.001 - 0.0005;
  p.Velocity = Vector3(b * a, vy, vz);
}

void TLxParticleSystem::SpawnStar(int32_t i) {
  TLxParticle& p = FParticles[static_cast<size_t>(i)];
  const double w = Width();
  const double rx = Rnd() - 0.5;
  const double ry = Rnd() - 0.5;
  const double rz = Rnd() - 0.5;
  p.Position = Vector3(rx * w, ry * w, rz * DepthSpread);
  AddVector(p.Position, Origin);
  p.Velocity = Vector3(0, 0, Rnd() * 0.005 - 0.0025);
  p.Acceleration = Vector3(0, 0, 0.0007);
  p.Age = 0;
}

void TLxParticleSystem::Step(uint32_t dt) {
  if (FParticles.empty()) return;
  const double t = dt;
  TVector3 move;
  if (FKind == ParticleFireworks) {
    if (FParticles[0].Age >= Lifetime) {
      Restart();
      if (Sounds) Sounds->PlaySound("SND_FIREWORKS");
    }
    for (TLxParticle& p : FParticles) {
      p.Age += dt;
      p.PrevPosition = p.Position;
      ScaleVector(p.Velocity, t, move);
      AddVector(p.Position, move);
      AddVector(p.Velocity, p.Acceleration);
    }
    return;
  }
  static const double c = std::cos(kPi / 180.0), s = std::sin(kPi / 180.0);
  const bool swirl = (FStepCounter & 128u) != 0;
  for (TLxParticle& p : FParticles) {
    p.Age += dt;
    ScaleVector(p.Velocity, t, move);
    AddVector(p.Position, move);
    AddVector(p.Velocity, p.Acceleration);
    if (swirl) {
      const double x = p.Position.X, y = p.Position.Y;
      p.Position.X = x * c - y * s;
      p.Position.Y = y * c + x * s;
    }
  }
  FStepCounter = static_cast<uint16_t>(FStepCounter + 1u);
}

void TLxParticleSystem::Paint() {
  if (!FHasKind) return;
  Step(kStepOfSpeed[FSpeedCode]);
  Step(kSecondStep);
  if (FKind == ParticleFireworks) {
    DrawFireworks();
  } else {
    DrawStars();
  }
}

void TLxParticleSystem::DrawFireworks() {
  FDrawnCount = 0;
  const int32_t cx = Left(), cy = Top();
  FStreak->SetColor4(Color4());
  for (const TLxParticle& p : FParticles) {
    const double f0 = Perspective(p.PrevPosition.Z), f1 = Perspective(p.Position.Z);
    FStreak->SetLeft(cx + Project(256.0 * p.PrevPosition.X * f0));
    FStreak->SetTop(cy - Project(256.0 * p.PrevPosition.Y * f0));
    FStreak->EndLeft = cx + Project(256.0 * p.Position.X * f1);
    FStreak->EndTop = cy - Project(256.0 * p.Position.Y * f1);
    FStreak->Paint();
    ++FDrawnCount;
  }
}

void TLxParticleSystem::DrawStars() {
  FDrawnCount = 0;
  for (int32_t i = 0; i < static_cast<int32_t>(FParticles.size()); ++i) {
    TLxParticle& p = FParticles[static_cast<size_t>(i)];
    const double f = Perspective(p.Position.Z);
    if (f < 0 || p.Position.Z >= 256.0) {
      // Past the viewer: back into the field, not drawn this frame.
      SpawnStar(i);
      continue;
    }
    const int32_t x = 400 + Project(256.0 * p.Position.X * f);
    const int32_t y = 300 - Project(256.0 * p.Position.Y * f);
    if (x <= 0 || x >= 799 || y <= 0 || y >= 599) continue;
    TLxImage* image = FStarImages[static_cast<size_t>(p.ImageIndex % StarImageCount)];
    image->SetLeft(x);
    image->SetTop(y);
    image->Paint();
    ++FDrawnCount;
  }
}

void TLxParticleSystem::ApplySubTextures(TLxScene& scene) {
  for (TLxImage* image : FStarImages)
    if (image) scene.ApplyTexture(image);
}

}  // namespace lx

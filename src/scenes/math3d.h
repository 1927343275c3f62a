// A small three-dimensional vector of doubles for the particle systems.
#pragma once

namespace lx {

struct TVector3 {
  double X = 0;
  double Y = 0;
  double Z = 0;
};

inline TVector3 Vector3(double x, double y, double z) {
  return TVector3{x, y, z};
}

// a += b
inline void AddVector(TVector3& a, const TVector3& b) {
  a.X += b.X;
  a.Y += b.Y;
  a.Z += b.Z;
}

// out := v * s
inline void ScaleVector(const TVector3& v, double s, TVector3& out) {
  out.X = v.X * s;
  out.Y = v.Y * s;
  out.Z = v.Z * s;
}

}  // namespace lx

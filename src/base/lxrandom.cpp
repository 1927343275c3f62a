#include "base/lxrandom.h"

namespace lx {

uint32_t RandSeed = 0;

namespace {
// Wraps modulo 2^32 on purpose: that is the generator.
void Step() {
  RandSeed = RandSeed * 134775813u + 1u;
}
}  // namespace

uint32_t Random(uint32_t n) {
  Step();
  return static_cast<uint32_t>((static_cast<uint64_t>(RandSeed) * n) >> 32);
}

int32_t RandomRange(int32_t a, int32_t b) {
  return a + static_cast<int32_t>(Random(static_cast<uint32_t>(b - a)));
}

double RandomReal() {
  Step();
  return static_cast<double>(RandSeed) / 4294967296.0;
}

}  // namespace lx

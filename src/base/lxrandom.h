// The program's one pseudo-random generator: a 32-bit linear congruential generator.
// Games, reel strips, music and particles all draw from it, so the order of draws matters.
#pragma once

#include <cstdint>

namespace lx {

extern uint32_t RandSeed;

// 0 .. n-1: the upper 32 bits of the 64-bit product of the stepped seed and n.
uint32_t Random(uint32_t n);
// a + Random(b - a) for a < b.
int32_t RandomRange(int32_t a, int32_t b);
// A real in [0, 1) from the same stream.
double RandomReal();

}  // namespace lx

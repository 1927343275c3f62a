// The advice for one dealt hand at any poker machine: the exact value of every hold, best first.
#pragma once

#include <array>
#include <cstdint>

#include "odds/lxholdadvisor.h"

namespace lx {

// Five distinct cards of the game's deck in position order; throws ELxError otherwise. At a
// three-deal machine the values include the second draw after a win.
std::array<THoldValue, 32> AdviseHolds(const TDrawTable& table,
                                       const std::array<int32_t, 5>& cards);

}  // namespace lx

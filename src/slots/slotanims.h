// The result display of a slot machine after a spin: it alternates the highlighted cells of a
// whole-screen win with the markers of the winning lines, 150 frames each, until stopped.
#pragma once

#include "scenes/lxanims.h"

namespace lx {

class TSlots;

class TAnimSlotResults : public TLxAnim {
 public:
  explicit TAnimSlotResults(TSlots* game);
  void Process() override;
  TSlots* Game;
};

}  // namespace lx

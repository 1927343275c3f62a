// The attract mode of a slot machine: while the machine stands idle it spins the reels three
// times, 300 frames apart, after 2000 idle frames (300 when the machine has no credit), with
// "D E M O" blinking on the information line. Demo spins pay nothing.
#pragma once

#include "scenes/lxanims.h"

namespace lx {

class TSlots;

class TSlotsDemo : public TLxAnim {
 public:
  explicit TSlotsDemo(TSlots* game);
  void Process() override;
  // "D E M O" goes, the reels come to rest at once, then the base stop.
  void Stop() override;
  TSlots* Game;
};

}  // namespace lx

// The attract mode of an idle poker machine: the message, a joker walking across the cards, the
// advertisements and, on an empty machine, two demonstration hands. Runs in the background, one
// step of its table per phase.
#pragma once

#include <cstdint>

#include "scenes/lxanims.h"

namespace lx {

class TPoker;

class TPokerDemo : public TLxAnim {
 public:
  explicit TPokerDemo(TPoker* game) : Game(game) { WaitForEnd = false; }
  void Process() override;

  void WalkJoker(int32_t position);
  void ShowAdvert();

  TPoker* Game;

 private:
  // Stay on the current step for n frames, then go to the next.
  void Wait(int32_t frames);
  void ClearTable();
};

// The demo of the open poker machine (created and freed by the machine).
extern TPokerDemo* PokerDemo;

}  // namespace lx

// The card slide of a new deal: the cards that are not held start at the left edge of the screen
// and move 30 pixels a frame to their places.
#pragma once

#include <array>
#include <cstdint>

#include "scenes/lxanims.h"

namespace lx {

class TPokerScene;

class TAnimCards : public TLxAnim {
 public:
  explicit TAnimCards(TPokerScene* scene) : Scene(scene) {}
  void Reset() override;
  void Process() override;

  TPokerScene* Scene;
  std::array<int32_t, 5> Targets{};
};

class TPokerAnims {
 public:
  explicit TPokerAnims(TPokerScene* scene) : AnimCards(scene) {}
  // Blocks until the cards stand in place.
  void SlideCards() { AnimCards.Start(); }

  TAnimCards AnimCards;
};

}  // namespace lx

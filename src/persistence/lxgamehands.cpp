#include "persistence/lxgamehands.h"

namespace lx {

TGameHand* TGameHands::Add() {
  Rows.push_back(std::make_unique<TGameHand>());
  return Rows.back().get();
}

}  // namespace lx

#include "poker/pokeranims.h"

#include <algorithm>

#include "gamecore/lxcard.h"
#include "poker/pokerscene.h"

namespace lx {

void TAnimCards::Reset() {
  TLxAnim::Reset();
  for (size_t i = 0; i < 5; ++i) {
    TLxCard* card = Scene->MainCards[i];
    Targets[i] = card->Left();
    if (!card->Held) card->SetLeft(0);
  }
}

void TAnimCards::Process() {
  bool done = true;
  for (size_t i = 0; i < 5; ++i) {
    TLxCard* card = Scene->MainCards[i];
    if (card->Left() < Targets[i]) card->SetLeft(std::min(card->Left() + 30, Targets[i]));
    if (card->Left() < Targets[i]) done = false;
  }
  if (done) Stop();
}

}  // namespace lx

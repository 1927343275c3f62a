#include "slots/slotanims.h"

#include "slots/slots.h"

namespace lx {

TAnimSlotResults::TAnimSlotResults(TSlots* game) : Game(game) {
  WaitForEnd = false;
}

void TAnimSlotResults::Process() {
  switch (Phase) {
    case 1:
      Phase = 3;
      break;
    case 3:
      Phase = Game->ShowScreenWin() > 0 ? 4 : 5;
      break;
    case 4:
    case 6:
      CountFrames(150);
      break;
    case 5:
      Phase = Game->ShowWinningLines() > 0 ? 6 : 1;
      break;
    default:
      Phase = 1;
      break;
  }
}

}  // namespace lx

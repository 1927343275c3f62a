#include "slots/slotsdemounit.h"

#include "gui/lxcontrols.h"
#include "slots/slots.h"
#include "slots/slotsscene.h"

namespace lx {

TSlotsDemo::TSlotsDemo(TSlots* game) : Game(game) {
  WaitForEnd = false;
}

void TSlotsDemo::Process() {
  switch (Phase) {
    case 1:
      CountFrames(Game->SlotsData->Credit != 0 ? 2000 : 300);
      break;
    case 2:
      if (Game->Scene && Game->Scene->lblInfo) {
        Game->Scene->lblInfo->SetCaption("D E M O");
        Game->Scene->lblInfo->SetBlink(true);
      }
      Phase = 3;
      // The wait of the next phase already counts the frames of this spin.
      Game->PrepareReels();
      Game->FillStrips(0);
      Game->SpinAll(0);
      break;
    case 3:
    case 5:
      CountFrames(300);
      break;
    case 4:
    case 6:
      Phase += 1;
      Game->FillStrips(0);
      Game->SpinAll(0);
      break;
    default:
      Phase = 1;
      break;
  }
}

void TSlotsDemo::Stop() {
  if (Game->Scene && Game->Scene->lblInfo) {
    Game->Scene->lblInfo->SetCaption("");
    Game->Scene->lblInfo->SetBlink(false);
  }
  Game->ResetReels();
  TLxAnim::Stop();
}

}  // namespace lx

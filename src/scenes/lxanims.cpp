#include "scenes/lxanims.h"

#include "gui/lxhost.h"

namespace lx {

TLxAnim::~TLxAnim() {
  // Only the base part is left here: take the animation off the list without virtual calls.
  if (InList && Host) Host->RemoveAnim(this);
  Running = false;
}

void TLxAnim::Reset() {
  Finished = false;
  FrameCounter = 0;
  Phase = 1;
}

void TLxAnim::Start() {
  if (Running) return;
  Reset();
  Running = true;
  if (Host) Host->AddAnim(this);
  while (Running && WaitForEnd && Host && Host->HandleMessage()) {
  }
}

void TLxAnim::Stop() {
  Running = false;
  Finished = true;
  if (Host) Host->RemoveAnim(this);
  while (InList && Host && Host->HandleMessage()) {
  }
}

void TLxAnim::CountFrames(int32_t n) {
  ++FrameCounter;
  if (FrameCounter == n) {
    FrameCounter = 0;
    ++Phase;
  }
}

}  // namespace lx

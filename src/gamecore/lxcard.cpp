#include "gamecore/lxcard.h"

#include "base/lxutils.h"
#include "gamecore/lxhandeval.h"

namespace lx {

TLxCard::TLxCard(TLxComponent* owner) : TLxControl(owner) {
  FaceDown = true;
  Held = false;
  WildRank = 0;
}

void TLxCard::SetValue(int32_t n) {
  if (n == FValue) return;
  FValue = n;
  if (n >= 1 && n <= 54) {
    FSuit = SuitOfCard(n);
    FRank = RankOfCard(n);
  }
}

std::string TLxCard::ImageName() const {
  if (FaceDown) return "CARD_BACK_1";
  std::string name = "CARD_" + IntToStr(FValue);
  if (WildRank == FRank) name += "_WILD";
  return name;
}

void TLxCard::UpdateImage() {
  Texture.SetFileName(ImageName());
}

}  // namespace lx

#include "gamecore/lxgamescene.h"

#include "base/lxutils.h"
#include "gamecore/lxcard.h"
#include "persistence/lxsettings.h"
#include "scenes/lxparticles.h"

namespace lx {

void SetLamp(TLxControl* lamp, bool on) {
  if (!lamp) return;
  if (on) {
    lamp->StartCustomEffect(1);
  } else {
    lamp->StopCustomEffect(1, true);
  }
}

TLxGameScene::TLxGameScene(TLxComponent* owner, const std::string& sceneName)
    : TLxScene(owner, sceneName) {
  // The star field exists either way, but only a scene created with particle effects on
  // lists it, so that switching the option on later never draws it here.
  psCustom1 = new TLxParticleSystem(this);
  psCustom1->SetName("PS_CUSTOM1");
  ParticlesOn = Settings && Settings->optParticleEffects;
  if (ParticlesOn) {
    psCustom1->SetKind(ParticleStarField);
    AddControl(psCustom1);
  }

  imgCustom1 = Themed<TLxImage>("IMG_CUSTOM1", nullptr);
  imgCustom2 = Themed<TLxImage>("IMG_CUSTOM2", nullptr);
  imgCustom3 = Themed<TLxImage>("IMG_CUSTOM3", nullptr);
  lblMessage = Themed<TLxLabel>("LBL_MESSAGE", nullptr);
  lblMessage->SetCaption("***");

  pnlDoubleUp = Themed<TLxPanel>("PNL_DOUBLEUP", nullptr);
  // Shown by the subclass in its double-up view.
  pnlDoubleUp->SetVisible(false);
  lblDupTitle = Themed<TLxLabel>("LBL_DUPTITLE", pnlDoubleUp);
  DupCards[0] = lblDupTitle;
  for (int32_t i = 1; i <= 10; ++i) {
    auto* card = Themed<TLxCard>("CARD_DUP_" + IntToStr(i), pnlDoubleUp);
    card->Tag = i;
    card->UpdateImage();
    DupCards[static_cast<size_t>(i)] = card;
  }
  lblDupHit = Themed<TLxLabel>("LBL_DUPHIT", pnlDoubleUp);
  imgDupHitDown = Themed<TLxImage>("IMG_DUPHITDOWN", pnlDoubleUp);
  imgDupHitUp = Themed<TLxImage>("IMG_DUPHITUP", pnlDoubleUp);

  // The hit marker is not themed: a picture the size of its texture that the double-up puts
  // under the row of cards; its pictures mark each card in turn.
  imgDupHit = new TLxImage(this);
  imgDupHit->SetName("IMG_DUPHIT");
  imgDupHit->SetParent(pnlDoubleUp);
  imgDupHit->SetAutosize(true);
  imgDupHit->HitTest = false;
  imgDupHit->Texture.SetGroup("SERIES\\S_3");
  imgDupHit->Texture.SetFileName("IMG");
}

TLxGameScene::~TLxGameScene() = default;

TLxCard* TLxGameScene::DupCard(int32_t index) const {
  if (index < 1 || index > 10) return nullptr;
  return static_cast<TLxCard*>(DupCards[static_cast<size_t>(index)]);
}

void TLxGameScene::SetCardSet(const std::string& cardSet) {
  for (int32_t i = 1; i <= 10; ++i) {
    TLxCard* card = DupCard(i);
    card->Texture.SetGroup(cardSet);
    card->UpdateImage();
  }
}

void TLxGameScene::SetWildRank(int32_t wildRank) {
  for (int32_t i = 1; i <= 10; ++i) DupCard(i)->WildRank = wildRank;
}

void TLxGameScene::ShowMessage(const std::string& text) {
  lblMessage->SetCaption(text);
}

}  // namespace lx

// The card sprite and the controls every game scene builds.
#include <gtest/gtest.h>

#include "game/game_fixture.h"
#include "scenes/lxparticles.h"

namespace lx::test {
namespace {

TEST(CardTest, ValueSuitRankAndThePictureAskedFor) {
  TFakeHost host;
  TLxCard card(nullptr);
  EXPECT_TRUE(card.FaceDown);
  EXPECT_FALSE(card.Held);
  EXPECT_EQ(card.Value(), 0);
  EXPECT_EQ(card.ImageName(), "CARD_BACK_1");

  card.SetValue(15);
  EXPECT_EQ(card.Suit(), 2);
  EXPECT_EQ(card.Rank(), 2);
  EXPECT_EQ(card.ImageName(), "CARD_BACK_1");  // still face down
  card.FaceDown = false;
  EXPECT_EQ(card.ImageName(), "CARD_15");
  card.WildRank = 2;
  EXPECT_EQ(card.ImageName(), "CARD_15_WILD");
  card.UpdateImage();
  EXPECT_EQ(card.Texture.Name(), "CARD_15_WILD");

  card.SetValue(28);  // rank 2 of suit 3, no wild rank
  card.WildRank = 0;
  EXPECT_EQ(card.ImageName(), "CARD_28");
  card.SetValue(53);
  EXPECT_EQ(card.Suit(), 0);
  EXPECT_EQ(card.Rank(), 99);
  card.WildRank = 99;
  EXPECT_EQ(card.ImageName(), "CARD_53_WILD");

  // Outside 1..54 the value changes, suit and rank stay.
  card.SetValue(55);
  EXPECT_EQ(card.Value(), 55);
  EXPECT_EQ(card.Suit(), 0);
  EXPECT_EQ(card.Rank(), 99);
  card.SetValue(0);
  EXPECT_EQ(card.Rank(), 99);
}

TEST_F(GameTest, SceneBuildsItsControlsInOrder) {
  TTestGameScene* scene = Game->TestScene();
  std::vector<std::string> names;
  for (TLxCustomControl* c : scene->ThemedControls()) names.push_back(c->Name());
  std::vector<std::string> expected = {"IMG_BACKGROUND", "IMG_CUSTOM1", "IMG_CUSTOM2",
                                       "IMG_CUSTOM3",    "LBL_MESSAGE", "PNL_DOUBLEUP",
                                       "LBL_DUPTITLE"};
  for (int i = 1; i <= 10; ++i) expected.push_back("CARD_DUP_" + std::to_string(i));
  for (const char* n : {"LBL_DUPHIT", "IMG_DUPHITDOWN", "IMG_DUPHITUP", "IMG_GAMELOGO",
                        "LBL_CREDIT", "LBL_CREDITV", "LBL_WIN", "LBL_WINV"})
    expected.push_back(n);
  EXPECT_EQ(names, expected);  // particle effects are off: no PS_CUSTOM1

  EXPECT_EQ(scene->lblMessage->Caption(), "***");
  EXPECT_FALSE(scene->pnlDoubleUp->Visible());
  EXPECT_EQ(scene->DupCards[0], scene->lblDupTitle);
  for (int32_t i = 1; i <= 10; ++i) {
    TLxCard* card = scene->DupCard(i);
    EXPECT_EQ(card->Parent(), scene->pnlDoubleUp);
    EXPECT_EQ(card->Tag, i);
    EXPECT_TRUE(card->FaceDown);
    EXPECT_EQ(card->Texture.Name(), "CARD_BACK_1");
  }
  EXPECT_EQ(scene->DupCard(0), nullptr);
  EXPECT_EQ(scene->DupCard(11), nullptr);
  // The hit marker sits on the panel, outside the themed list.
  EXPECT_EQ(scene->imgDupHit->Parent(), scene->pnlDoubleUp);
  EXPECT_EQ(scene->FindControl("IMG_DUPHIT"), nullptr);
  EXPECT_EQ(scene->imgDupHit->Texture.Group(), "SERIES\\S_3");
  EXPECT_EQ(scene->imgDupHit->Texture.Name(), "IMG");

  // The star field exists but is neither configured nor in the tree.
  EXPECT_FALSE(scene->ParticlesOn);
  EXPECT_EQ(scene->psCustom1->Parent(), nullptr);
  EXPECT_TRUE(scene->psCustom1->Particles().empty());

  scene->SetCardSet("CardSet2");
  scene->SetWildRank(2);
  EXPECT_EQ(scene->DupCard(4)->Texture.Group(), "CardSet2");
  EXPECT_EQ(scene->DupCard(4)->WildRank, 2);
}

TEST_F(GameTest, WithParticleEffectsTheStarFieldIsListedFirstAfterTheBackground) {
  Settings->optParticleEffects = true;
  TTestGameScene scene(nullptr);
  Settings->optParticleEffects = false;  // switching off later changes nothing
  ASSERT_GE(scene.ThemedCount(), 2);
  EXPECT_EQ(scene.ThemedControls()[1], scene.psCustom1);
  EXPECT_TRUE(scene.ParticlesOn);
  EXPECT_EQ(scene.psCustom1->Parent(), &scene);
  EXPECT_EQ(scene.psCustom1->Kind(), ParticleStarField);
  EXPECT_EQ(scene.psCustom1->Particles().size(), 10u);
  EXPECT_FALSE(scene.psCustom1->HitTest);
}

TEST(LampTest, ALampLightsWithItsFirstCustomEffect) {
  TFakeHost host;
  TLxImage lamp(nullptr);
  lamp.Effects(EffectCustom1).ColorEnabled = true;
  SetLamp(&lamp, true);
  EXPECT_NE(lamp.Effects(EffectRunState).ColorState, EffectIdle);
  SetLamp(&lamp, false);
  EXPECT_EQ(lamp.Effects(EffectRunState).ColorState, EffectIdle);
  SetLamp(nullptr, true);
}

}  // namespace
}  // namespace lx::test

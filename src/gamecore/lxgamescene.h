// The scene of a machine: the base of the poker and slots scenes. It builds what every machine
// shows: three decoration images, the star field "PS_CUSTOM1" (only with particle effects on),
// the message line and the double-up panel with its title, ten cards, result label, arrows and
// hit marker.
//
// What a subclass provides: the scene name (its theme folder), and in its constructor the game
// logo and the credit and win labels (imgGameLogo, lblCredit, lblCreditV, lblWin, lblWinV, with
// the names "IMG_GAMELOGO", "LBL_CREDIT", "LBL_CREDITV", "LBL_WIN", "LBL_WINV"), added to the
// themed controls, and the rest of its controls; ShowMusic for its music. The base game writes
// the credit into lblCreditV and the win into lblWinV. The double-up cards take the game's card
// set (SetCardSet) and wild rank.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

class TLxCard;
class TLxParticleSystem;

// A lamp (deal stages, meters, the double-up bar) lights by starting its custom effect 1 and
// goes dark by stopping it at once; the theme gives the effect its look. A null lamp is ignored.
void SetLamp(TLxControl* lamp, bool on);

class TLxGameScene : public TLxScene {
 public:
  // The scene, then its controls in this order: PS_CUSTOM1, IMG_CUSTOM1..3, LBL_MESSAGE
  // ("***"), PNL_DOUBLEUP with LBL_DUPTITLE, CARD_DUP_1..10 (tags 1..10, backs showing),
  // LBL_DUPHIT, IMG_DUPHITDOWN, IMG_DUPHITUP and IMG_DUPHIT (not themed). The double-up panel
  // starts hidden: the subclass shows it in its double-up view.
  explicit TLxGameScene(TLxComponent* owner, const std::string& sceneName = std::string());
  ~TLxGameScene() override;

  // Card i (1..10) of the double-up row; nullptr outside.
  TLxCard* DupCard(int32_t index) const;
  // The card set folder and wild rank of the ten double-up cards.
  void SetCardSet(const std::string& cardSet);
  void SetWildRank(int32_t wildRank);
  // Writes the message line.
  void ShowMessage(const std::string& text);

  // Always created; a child of the scene only when particle effects were on at creation.
  TLxParticleSystem* psCustom1 = nullptr;
  bool ParticlesOn = false;
  TLxImage* imgCustom1 = nullptr;
  TLxImage* imgCustom2 = nullptr;
  TLxImage* imgCustom3 = nullptr;
  TLxLabel* lblMessage = nullptr;
  TLxPanel* pnlDoubleUp = nullptr;
  TLxLabel* lblDupTitle = nullptr;
  // Index 0 is the title label, 1..10 the cards.
  std::array<TLxControl*, 11> DupCards{};
  TLxLabel* lblDupHit = nullptr;
  TLxImage* imgDupHitDown = nullptr;
  TLxImage* imgDupHitUp = nullptr;
  // Picture series "SERIES\S_3" (IMG, IMG_2, IMG_3, ...), placed by the double-up.
  TLxImage* imgDupHit = nullptr;

  // Filled by the subclass.
  TLxImage* imgGameLogo = nullptr;
  TLxLabel* lblCredit = nullptr;
  TLxLabel* lblCreditV = nullptr;
  TLxLabel* lblWin = nullptr;
  TLxLabel* lblWinV = nullptr;

 protected:
  // A new control of the scene, named, parented (to the scene when parent is null) and added
  // to the themed controls.
  template <class T>
  T* Themed(const std::string& name, TLxCustomControl* parent) {
    auto* control = new T(this);
    control->SetName(name);
    if (parent) control->SetParent(parent);
    AddControl(control);
    return control;
  }
};

}  // namespace lx

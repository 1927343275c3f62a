// The main room's scene: the lobby of a casino with its games as pictures and as two drop-down
// menus, the preview strip of the game under the mouse, the player's name and bank, two marquee
// lines, the buttons and the logo particles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scenes/lxscene.h"

namespace lx {

class TLxCasino;
class TLxImage;
class TLxPanel;
class TLxLabel;
class TLxButton;
class TLxScrollingImage;
class TLxParticleSystem;
class TLxMenu;
class TLxMenuItem;
class TGameInfo;

// The most games one main room holds (one picture and one backing each).
constexpr int32_t MainRoomMaxGames = 16;
// Height of one frame of the preview strip; the strip is this many pixels per game plus one.
constexpr int32_t PreviewFrameHeight = 150;
constexpr int32_t PreviewFrameWidth = 200;

class TMainRoomScene : public TLxScene {
 public:
  // The controls for the casino's games (the first MainRoomMaxGames of them).
  TMainRoomScene(TLxComponent* owner, TLxCasino* casino);

  // The theme, then the preview strip and the backings placed behind their pictures.
  void LoadTheme(const std::string& themeName) override;
  // Composes the strip (the top frame, then one shot per game), gives every game its
  // PreviewIndex and makes the strip the texture of the preview image, showing the top frame.
  void BuildPreviewStrip();

  TLxCasino* Casino = nullptr;
  std::vector<TGameInfo*> Games;  // the games shown, in the casino's order

  TLxParticleSystem* psLogo = nullptr;
  TLxParticleSystem* psLogo2 = nullptr;
  TLxParticleSystem* psLogo3 = nullptr;
  TLxPanel* pnlGamePreview = nullptr;
  TLxScrollingImage* imgGamePreview = nullptr;
  TLxPanel* pnlGamePreviewInfo = nullptr;
  TLxLabel* lblGameTitle = nullptr;
  TLxLabel* lblGameDescription = nullptr;
  TLxImage* imgLogo = nullptr;
  TLxPanel* pnlPlayer = nullptr;
  TLxLabel* lblFullName = nullptr;
  TLxLabel* lblBank = nullptr;
  TLxLabel* lblBankV = nullptr;
  TLxLabel* lblScrollWelcome = nullptr;
  TLxLabel* lblScrollNews = nullptr;
  TLxButton* btnProfile = nullptr;
  TLxButton* btnStatistics = nullptr;
  TLxButton* btnOptions = nullptr;
  TLxButton* btnHelp = nullptr;
  TLxButton* btnExitGame = nullptr;
  TLxMenu* mnuVideoPoker = nullptr;
  TLxMenu* mnuSlots = nullptr;
  std::vector<TLxMenuItem*> GameItems;  // both menus' items, in the casino's order
  std::vector<TLxImage*> GameImages;    // "IMG_GAME_" + IDStr, one per game
  std::vector<TLxImage*> GameBacks;     // "IMG_GAMELOGOBACK", one per game

 private:
  void PlaceGameBacks();
};

}  // namespace lx

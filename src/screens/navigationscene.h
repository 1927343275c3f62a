// The navigation bar's scene: the strip over the top of every screen with the FILE, PLAYER,
// TOOLS and HELP menus (one menu bar), the machine buttons and the hint line.
#pragma once

#include "scenes/lxscene.h"

namespace lx {

class TLxLabel;
class TLxMenu;
class TLxMenuItem;
class TLxButton;
class TLxPanel;
class TLxImage;

class TNavigationScene : public TLxScene {
 public:
  // Hidden until shown; its own background is not drawn, only its controls.
  explicit TNavigationScene(TLxComponent* owner);

  TLxLabel* lblHint = nullptr;
  TLxMenu* mnuFile = nullptr;
  TLxMenu* mnuPlayer = nullptr;
  TLxMenu* mnuTools = nullptr;
  TLxMenu* mnuHelp = nullptr;
  TLxMenuItem* mnuSignOut = nullptr;
  TLxMenuItem* mnuBossComing = nullptr;
  TLxMenuItem* mnuExitGame = nullptr;
  TLxMenuItem* mnuProfile = nullptr;
  TLxMenuItem* mnuStatistics = nullptr;
  TLxMenuItem* mnuHallOfFame = nullptr;
  TLxMenuItem* mnuOptions = nullptr;
  TLxMenuItem* mnuHelpLocal = nullptr;
  TLxMenuItem* mnuHomePage = nullptr;
  TLxMenuItem* mnuAbout = nullptr;
  TLxButton* btnCredit = nullptr;
  TLxButton* btnCashOut = nullptr;
  TLxButton* btnExitGame = nullptr;
  TLxPanel* pnlPopupMessage = nullptr;
  TLxImage* imgPopupMessage = nullptr;
  TLxLabel* lblPopupMessage = nullptr;
};

}  // namespace lx

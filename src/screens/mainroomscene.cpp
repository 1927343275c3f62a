#include "screens/mainroomscene.h"

#include <algorithm>

#include "base/lxlog.h"
#include "gamecore/lxgamemanager.h"
#include "gui/lxcontrols.h"
#include "gui/lxmenus.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/lxsettings.h"
#include "scenes/lxparticles.h"
#include "shell/lxbitmap.h"
#include "shell/lxcore.h"
#include "shell/lxresources.h"
#include "shell/lxtextures.h"
#include "slots/slotsetup.h"

namespace lx {

namespace {

template <class T>
T* Make(TLxScene* scene, TLxCustomControl* parent, const std::string& name) {
  auto* control = new T(scene);
  control->SetName(name);
  if (parent) control->SetParent(parent);
  scene->AddControl(control);
  return control;
}

TLxLabel* MakeLabel(TLxScene* scene, TLxCustomControl* parent, const std::string& name,
                    const std::string& caption) {
  auto* label = Make<TLxLabel>(scene, parent, name);
  label->SetCaption(caption);
  return label;
}

TLxButton* MakeButton(TLxScene* scene, const std::string& name, const std::string& caption,
                      const std::string& hint) {
  auto* button = Make<TLxButton>(scene, nullptr, name);
  button->SetCaption(caption);
  button->Hint = hint;
  return button;
}

TLxLabel* MakeMarquee(TLxScene* scene, const std::string& name, const std::string& caption) {
  auto* label = MakeLabel(scene, nullptr, name, caption);
  label->SetWordWrap(false);
  label->SetScrollMode(2);
  return label;
}

// A particle system of the kind; listed (and so shown) only when particle effects are on.
TLxParticleSystem* MakeParticles(TLxScene* scene, const std::string& name, uint8_t kind) {
  auto* particles = new TLxParticleSystem(scene);
  particles->SetName(name);
  particles->SetKind(kind);
  if (Settings && Settings->optParticleEffects) scene->AddControl(particles);
  return particles;
}

// Draws the picture at (0, top) of the strip, clipped to the strip.
void DrawInto(TLxBitmap& strip, const TLxBitmap& picture, int32_t top) {
  for (int32_t y = 0; y < picture.Height && top + y < strip.Height; ++y) {
    if (top + y < 0) continue;
    const int32_t w = std::min(picture.Width, strip.Width);
    std::copy_n(picture.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.Width, w,
                strip.Pixels.begin() + static_cast<std::ptrdiff_t>(top + y) * strip.Width);
  }
}

}  // namespace

TMainRoomScene::TMainRoomScene(TLxComponent* owner, TLxCasino* casino)
    : TLxScene(owner, "MAINROOM"), Casino(casino) {
  ShowMusic = 1;
  if (casino) {
    for (TGameInfo* game : casino->Games) {
      // A slot machine whose strips a normal spin cannot fill is not offered.
      if (game->Group && game->Group->GroupID == 2 && !SlotTypeCanSpin(game->GameType)) continue;
      if (static_cast<int32_t>(Games.size()) == MainRoomMaxGames) {
        Log("ERROR: " + casino->CasinoID + " offers more than 16 games");
        break;
      }
      Games.push_back(game);
    }
  }

  psLogo = MakeParticles(this, "PS_LOGO", ParticleStarField);
  psLogo2 = MakeParticles(this, "PS_LOGO2", ParticleFireworks);
  psLogo2->SetSpeedCode(0);
  psLogo3 = MakeParticles(this, "PS_LOGO3", ParticleFireworks);

  pnlGamePreview = Make<TLxPanel>(this, nullptr, "PNL_GAMEPREVIEW");
  pnlGamePreview->SetVisible(false);
  imgGamePreview = Make<TLxScrollingImage>(this, pnlGamePreview, "IMG_GAMEPREVIEW");
  imgGamePreview->SetItemHeight(PreviewFrameHeight);
  pnlGamePreviewInfo = Make<TLxPanel>(this, pnlGamePreview, "PNL_GAMEPREVIEWINFO");
  lblGameTitle = MakeLabel(this, pnlGamePreviewInfo, "LBL_GAMETITLE", "");
  lblGameDescription = MakeLabel(this, pnlGamePreviewInfo, "LBL_GAMEDESCRIPTION", "");

  for (const char* name : {"IMG_CUSTOM2", "IMG_CUSTOM3", "IMG_CUSTOM1"})
    Make<TLxImage>(this, nullptr, name);
  imgLogo = Make<TLxImage>(this, nullptr, "IMG_LOGO");
  for (const char* name : {"IMG_LOGO2", "IMG_CUSTOM4"}) Make<TLxImage>(this, nullptr, name);

  pnlPlayer = Make<TLxPanel>(this, nullptr, "PNL_PLAYER");
  lblFullName = MakeLabel(this, pnlPlayer, "LBL_FULLNAME", "FULL NAME");
  lblBank = MakeLabel(this, pnlPlayer, "LBL_BANK", "BANK");
  lblBankV = MakeLabel(this, pnlPlayer, "LBL_BANKV", "5000$");

  lblScrollWelcome = MakeMarquee(this, "LBL_SCROLLWELCOME",
                                 std::string(83, ' ') + "TESSARO 2005 - VIDEO SLOTS EDITION");
  lblScrollNews =
      MakeMarquee(this, "LBL_SCROLLNEWS",
                  std::string(50, ' ') + "WELCOME TO TESSARO 2005 - VIDEO SLOTS EDITION");

  btnProfile = MakeButton(this, "BTN_PROFILE", "PROFILE", "DISPLAYS THE EDIT PROFILE DIALOG");
  btnStatistics = MakeButton(this, "BTN_STATISTICS", "STATS", "DISPLAYS THE STATISTICS WINDOW");
  btnOptions = MakeButton(this, "BTN_OPTIONS", "OPTIONS", "DISPLAYS THE OPTIONS WINDOW");
  btnHelp = MakeButton(this, "BTN_HELP", "HELP", "DISPLAYS THE HELP WINDOW");
  btnExitGame = MakeButton(this, "BTN_EXITGAME", "EXIT", "EXISTS TESSARO CASINO ...");

  mnuVideoPoker = Make<TLxMenu>(this, nullptr, "MENU_VIDEOPOKER");
  mnuVideoPoker->SetCaption("Video Poker");
  mnuSlots = Make<TLxMenu>(this, nullptr, "MENU_SLOTS");
  mnuSlots->SetCaption("Slots");
  for (TLxMenu* menu : {mnuVideoPoker, mnuSlots}) {
    const int32_t group = menu == mnuVideoPoker ? 1 : 2;
    for (TGameInfo* game : Games) {
      if (!game->Group || game->Group->GroupID != group) continue;
      auto* item = new TLxMenuItem(this);
      item->SetName("MENU_" + game->IDStr);
      item->SetCaption(game->Title);
      item->Tag = game->GameType;
      menu->AddItem(item);
      AddControl(item);
      GameItems.push_back(item);
    }
  }

  for (TGameInfo* game : Games) {
    auto* image = Make<TLxImage>(this, nullptr, "IMG_GAME_" + game->IDStr);
    image->Tag = game->GameType;
    image->Hint = game->Title;
    GameImages.push_back(image);
    auto* back = Make<TLxImage>(this, nullptr, "IMG_GAMELOGOBACK");
    back->Tag = game->GameType;
    back->HitTest = false;
    GameBacks.push_back(back);
  }
  // Each backing is drawn just before, and so under, its picture; the open menus over all.
  for (size_t i = 0; i < GameImages.size(); ++i) {
    GameBacks[i]->BringToFront();
    GameImages[i]->BringToFront();
  }
  mnuVideoPoker->BringToFront();
  mnuSlots->BringToFront();
}

void TMainRoomScene::LoadTheme(const std::string& themeName) {
  TLxScene::LoadTheme(themeName);
  PlaceGameBacks();
  BuildPreviewStrip();
}

void TMainRoomScene::PlaceGameBacks() {
  // One theme section sizes every backing; each is centred on its own picture.
  for (size_t i = 0; i < GameBacks.size() && i < GameImages.size(); ++i) {
    TLxImage* back = GameBacks[i];
    const TLxImage* image = GameImages[i];
    back->SetLeft(image->Left() + (image->Width() - back->Width()) / 2);
    back->SetTop(image->Top() + (image->Height() - back->Height()) / 2);
  }
}

void TMainRoomScene::BuildPreviewStrip() {
  const int32_t n = static_cast<int32_t>(Games.size());
  TLxBitmap strip;
  strip.Width = PreviewFrameWidth;
  strip.Height = PreviewFrameHeight * (n + 1);
  strip.SourceBitCount = 32;
  strip.Pixels.assign(static_cast<size_t>(strip.Width) * static_cast<size_t>(strip.Height), 0);

  // A shot that cannot be read repeats the picture before it.
  TLxBitmap work;
  auto load = [&work](const std::string& name) {
    TLxBitmap picture;
    if (ResourceManager && ResourceManager->LoadBitmap(name, picture)) work = std::move(picture);
  };
  load("MAINROOM\\" + imgGamePreview->Texture.Name() + ".bmp");
  DrawInto(strip, work, 0);
  for (int32_t i = 0; i < n; ++i) {
    load("MAINROOM\\IMG_SH_" + Games[static_cast<size_t>(i)]->IDStr + ".bmp");
    DrawInto(strip, work, PreviewFrameHeight * (i + 1));
    Games[static_cast<size_t>(i)]->PreviewIndex = i + 2;
  }
  for (TLxColor& pixel : strip.Pixels) pixel |= 0xFF000000u;

  if (!Engine) return;
  TLxDUDTexture* texture = imgGamePreview->Texture.Texture;
  if (!texture) {
    Log("ERROR: AGFTEXTURE NIL");
    return;
  }
  if (!Engine->LoadTextureFromBitmap(texture, strip, "IMG_GAMEPREVIEW")) return;
  // The tile counts of the strip's size; the control keeps its one-frame window.
  imgGamePreview->LoadTexture();
  imgGamePreview->SetItemIndex(1);
}

}  // namespace lx

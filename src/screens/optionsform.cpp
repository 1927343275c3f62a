#include "screens/optionsform.h"

#include "gui/lxcheckbox.h"
#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "gui/lxmessageframe.h"
#include "gui/lxprogressbar.h"
#include "persistence/lxsettings.h"
#include "screens/modalwindow.h"
#include "screens/windowcontrols.h"
#include "shell/lxaudio.h"
#include "shell/lxcore.h"

namespace lx {

int32_t VolumeStep(int32_t value, bool up) {
  if (up) return value > 89 ? 100 : value + 10;
  return value < 11 ? 0 : value - 10;
}

namespace {

// The music piece playing now, given its volume again or stopped.
void RestartMusic(int32_t volume) {
  if (!Sounds || !Sounds->CurrentMusic || !Sounds->SoundEngine) return;
  Sounds->SoundEngine->Stop(Sounds->CurrentMusic);
  Sounds->CurrentMusic->Volume = volume;
  Sounds->SoundEngine->Play(Sounds->CurrentMusic);
}

}  // namespace

TfrmOptions::TfrmOptions(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("OPTIONS");
  UseOwnWindowPicture(*this);
  Caption->SetCaption("OPTIONS");
  auto gauge = [this](const char* name) {
    auto* p = new TLxProgressBar(this);
    p->SetName(name);
    p->SetMin(0);
    p->SetMax(100);
    AddControl(p);
    return p;
  };
  BtnClose = AddButton(*this, "BTN_CLOSE", "Close", [this](TLxCustomControl*) {
    if (Settings) Settings->Save();
    Close();
  });
  CbFullScreen = AddCheckBox(*this, "CB_FULLSCREEN", "Fullscreen",
                             [this](TLxCustomControl*) { FullScreenClicked(); });
  LblSound = AddLabel(*this, "LBL_SOUND", "SOUND");
  CbSoundEnabled = AddCheckBox(*this, "CB_SOUNDENABLED", "Enable",
                               [this](TLxCustomControl*) { SoundEnabledClicked(); });
  PbSoundVolume = gauge("PB_SOUNDVOLUME");
  BtnSoundUp =
      AddButton(*this, "BTN_SOUNDUP", "+", [this](TLxCustomControl*) { SoundVolume(true); });
  BtnSoundDown =
      AddButton(*this, "BTN_SOUNDDOWN", "-", [this](TLxCustomControl*) { SoundVolume(false); });
  LblMusic = AddLabel(*this, "LBL_MUSIC", "MUSIC");
  CbMusicEnabled = AddCheckBox(*this, "CB_MUSICENABLED", "Enable",
                               [this](TLxCustomControl*) { MusicEnabledClicked(); });
  PbMusicVolume = gauge("PB_MUSICVOLUME");
  BtnMusicUp =
      AddButton(*this, "BTN_MUSICUP", "+", [this](TLxCustomControl*) { MusicVolume(true); });
  BtnMusicDown =
      AddButton(*this, "BTN_MUSICDOWN", "-", [this](TLxCustomControl*) { MusicVolume(false); });
  CbCardsEffects = AddCheckBox(*this, "CB_CARDSEFFECTS", "Fast Play",
                               [this](TLxCustomControl*) { CardEffectsClicked(); });

  LoadTheme(Settings ? Settings->ThemeName : std::string());

  if (Settings) {
    CbFullScreen->SetChecked(Settings->optFullScreen);
    CbSoundEnabled->SetChecked(Settings->optSoundEnabled);
    PbSoundVolume->SetPosition(Settings->optSoundVolume);
    CbMusicEnabled->SetChecked(Settings->optMusicEnabled);
    PbMusicVolume->SetPosition(Settings->optMusicVolume);
    CbCardsEffects->SetChecked(!Settings->optCardEffects);
  }
}

void TfrmOptions::FullScreenClicked() {
  const bool fullScreen = Engine && Engine->IsFullScreen();
  const int32_t answer =
      Host ? Host->MessageBox(fullScreen ? "Go to windowed mode ?" : "Go to fullscreen mode ?", 0,
                              mbYes | mbNo)
           : mrNone;
  if (answer == mrYes) {
    if (Settings) Settings->optFullScreen = CbFullScreen->Checked();
    if (Engine) Engine->SetFullScreen(CbFullScreen->Checked());
  } else {
    CbFullScreen->SetChecked(fullScreen);
  }
}

void TfrmOptions::SoundEnabledClicked() {
  if (Settings) Settings->optSoundEnabled = CbSoundEnabled->Checked();
}

void TfrmOptions::MusicEnabledClicked() {
  if (Settings) Settings->optMusicEnabled = CbMusicEnabled->Checked();
  if (!Sounds || !Sounds->CurrentMusic || !Sounds->SoundEngine) return;
  if (CbMusicEnabled->Checked())
    Sounds->SoundEngine->Play(Sounds->CurrentMusic);
  else
    Sounds->SoundEngine->Stop(Sounds->CurrentMusic);
}

void TfrmOptions::SoundVolume(bool up) {
  if (!Settings) return;
  Settings->optSoundVolume = VolumeStep(Settings->optSoundVolume, up);
  PbSoundVolume->SetPosition(Settings->optSoundVolume);
  if (Sounds) Sounds->PlaySound("SND_DEAL");
}

void TfrmOptions::MusicVolume(bool up) {
  if (!Settings) return;
  Settings->optMusicVolume = VolumeStep(Settings->optMusicVolume, up);
  PbMusicVolume->SetPosition(Settings->optMusicVolume);
  // Music that is switched off stays off.
  if (Settings->optMusicEnabled) RestartMusic(Settings->optMusicVolume);
}

void TfrmOptions::CardEffectsClicked() {
  if (Settings) Settings->optCardEffects = !CbCardsEffects->Checked();
}

int32_t ShowOptionsWindow() {
  return ShowModalWindow<TfrmOptions>();
}

}  // namespace lx

// The options window: full screen or windowed, sound and music switches and volumes, and Fast
// Play. Changes act at once; Close saves the settings.
#pragma once

#include <cstdint>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxCheckBox;
class TLxLabel;
class TLxProgressBar;

// One volume step: up, a value above 89 becomes 100, else it grows by 10; down, a value below 11
// becomes 0, else it shrinks by 10.
int32_t VolumeStep(int32_t value, bool up);

class TfrmOptions : public TLxFrame {
 public:
  explicit TfrmOptions(TLxComponent* mainScene);

  // The click actions.
  void FullScreenClicked();
  void SoundEnabledClicked();
  void MusicEnabledClicked();
  void SoundVolume(bool up);
  void MusicVolume(bool up);
  void CardEffectsClicked();

  TLxButton* BtnClose = nullptr;
  TLxCheckBox* CbFullScreen = nullptr;
  TLxLabel* LblSound = nullptr;
  TLxCheckBox* CbSoundEnabled = nullptr;
  TLxProgressBar* PbSoundVolume = nullptr;
  TLxButton* BtnSoundUp = nullptr;
  TLxButton* BtnSoundDown = nullptr;
  TLxLabel* LblMusic = nullptr;
  TLxCheckBox* CbMusicEnabled = nullptr;
  TLxProgressBar* PbMusicVolume = nullptr;
  TLxButton* BtnMusicUp = nullptr;
  TLxButton* BtnMusicDown = nullptr;
  TLxCheckBox* CbCardsEffects = nullptr;
};

int32_t ShowOptionsWindow();

}  // namespace lx

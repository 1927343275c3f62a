#include "shell/lxaudio.h"

#include "base/lxlog.h"
#include "base/lxrandom.h"
#include "persistence/lxsettings.h"
#include "platform/lxfiles.h"
#include "shell/lxresources.h"

namespace lx {

TLxSounds* Sounds = nullptr;

TLxSounds::TLxSounds(bool dummyAudio) : SoundEngine(std::make_unique<TLxSoundEngine>(dummyAudio)) {
  SoundEngine->AddAudioPath(AudioPath3DDynamic, 100);  // 0: effects
  SoundEngine->AddAudioPath(AudioPath3DDynamic, 100);  // 1: music
  SoundEngine->InitAudioPaths();
}

TLxSounds::~TLxSounds() {
  CurrentMusic = nullptr;
  SoundEngine.reset();
}

TLxSoundItem* TLxSounds::FindSound(const std::string& name) const {
  return SoundEngine->Find(name);
}

TLxSoundItem* TLxSounds::LoadSound(const std::string& name, int32_t kind) {
  if (TLxSoundItem* item = FindSound(name)) return item;
  if (!ResourceManager) return nullptr;
  const bool music = kind == SoundKindMusic;
  const std::string extension = music ? ".mid" : ".wav";
  const int32_t volume =
      Settings ? (music ? Settings->optMusicVolume : Settings->optSoundVolume) : 0;
  const std::string path = ResourceManager->ExtractFile("Sounds\\" + name + extension);
  if (path.empty() || !FileExists(path)) return nullptr;
  TLxSoundItem* item = SoundEngine->AddItem();
  item->FileName = path;
  item->Name = name;
  item->PathIndex = music ? 1 : 0;
  item->Volume = volume;
  return item;
}

void TLxSounds::PlaySound(const std::string& name, int32_t) {
  if (!Settings || !Settings->optSoundEnabled) return;
  TLxSoundItem* item = FindSound(name);
  if (!item) item = LoadSound(name, SoundKindEffect);
  if (!item) return;
  item->Volume = Settings->optSoundVolume;
  SoundEngine->Play(item);
}

int32_t TLxSounds::MusicPieces(int32_t theme, std::string& namePart) {
  switch (theme) {
    case 1:
      namePart = "MAIN";
      return 1;
    case 3:
      namePart = "JAZZ";
      return 1;
    case 4:
      namePart = "ROCK";
      return 3;
    case 5:
      namePart = "POP";
      return 2;
    default:
      namePart.clear();
      return 0;
  }
}

void TLxSounds::PlayMusic(int32_t theme) {
  if (!Settings || !Settings->optMusicEnabled) return;
  std::string namePart;
  const int32_t pieces = MusicPieces(theme, namePart);
  if (pieces == 0) return;
  // Drawn from the program's one generator, so choosing music moves the games' sequence on.
  const uint32_t k = Random(static_cast<uint32_t>(pieces)) + 1;
  TLxSoundItem* item = LoadSound("music_" + namePart + "_" + std::to_string(k), SoundKindMusic);
  if (!item || item == CurrentMusic) return;
  if (CurrentMusic) {
    Log("[MUSIC] Stopping " + CurrentMusic->FileName);
    SoundEngine->Stop(CurrentMusic);
  }
  Log("[MUSIC] Starting " + item->FileName);
  item->Volume = Settings->optMusicVolume;
  item->Loop = true;
  SoundEngine->Play(item);
  CurrentMusic = item;
}

}  // namespace lx

#include "platform/lxsound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "base/lxerror.h"
#include "base/lxlog.h"
#include "base/lxutils.h"
#include "platform/lxfiles.h"

namespace lx {

const char* const GeneralMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

namespace {

constexpr int initialChannels = 16;
constexpr int maxChannels = 64;

bool EndsWithText(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && SameText(s.substr(s.size() - suffix.size()), suffix);
}

// Only one engine may own SDL_mixer's device at a time.
bool DeviceTaken = false;

}  // namespace

TLxSoundItem::~TLxSoundItem() {
  if (Chunk) Mix_FreeChunk(Chunk);
  if (Music) Mix_FreeMusic(Music);
}

bool TLxSoundItem::IsMusic() const {
  return EndsWithText(FileName, ".mid") || EndsWithText(FileName, ".midi");
}

TLxSoundEngine::TLxSoundEngine(bool dummyDriver) : Dummy(dummyDriver) {}

TLxSoundEngine::~TLxSoundEngine() {
  if (Open) {
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
  }
  Items.clear();  // frees chunks and music while the mixer still runs
  if (Open) {
    Mix_CloseAudio();
    Mix_Quit();
    DeviceTaken = false;
  }
  if (AudioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int32_t TLxSoundEngine::AddAudioPath(int32_t, int32_t volume) {
  PathVolumes.push_back(std::clamp(volume, 0, 100));
  return static_cast<int32_t>(PathVolumes.size()) - 1;
}

void TLxSoundEngine::InitAudioPaths() {
  if (Open) return;
  const char* failure = "Failed to create standard audio path. DirectX 8 may not be installed";
  if (DeviceTaken) throw ELxError(failure);
  auto start = [this](bool dummy) {
    if (dummy) SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    const bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (dummy) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!ok) return false;
    if (FileExists(GeneralMidiSoundFont)) Mix_SetSoundFonts(GeneralMidiSoundFont);
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      Mix_Quit();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    return true;
  };
  bool ok = start(Dummy);
  if (!ok && !Dummy) {
    // No usable audio device: the game runs silent rather than not at all.
    Log("INFO: no audio device (" + std::string(SDL_GetError()) + "), sound is silent");
    ok = start(true);
  }
  if (!ok) throw ELxError(failure);
  AudioStarted = true;
  Open = true;
  DeviceTaken = true;
  const char* driver = SDL_GetCurrentAudioDriver();
  Driver = driver ? driver : "";
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (!Mix_QuerySpec(&frequency, &format, &channels))
    throw ELxError("Failed GetObjectInPath. DirectX 8 may not be installed");
  Mix_AllocateChannels(initialChannels);
  ChannelItems.assign(initialChannels, nullptr);
}

TLxSoundItem* TLxSoundEngine::AddItem() {
  Items.push_back(std::unique_ptr<TLxSoundItem>(new TLxSoundItem()));
  return Items.back().get();
}

TLxSoundItem* TLxSoundEngine::Find(const std::string& name) const {
  for (const auto& item : Items)
    if (item->Name == name) return item.get();
  return nullptr;
}

double TLxSoundEngine::GainOf(int32_t volume) {
  const int32_t v = std::clamp(volume, 0, 100);
  const double hundredthsOfDb = v * 100.0 - 10000.0;
  return std::pow(10.0, hundredthsOfDb / 2000.0);
}

int32_t TLxSoundEngine::MixerLevelOf(int32_t volume) {
  return static_cast<int32_t>(std::lround(GainOf(volume) * MIX_MAX_VOLUME));
}

void TLxSoundEngine::Load(TLxSoundItem* item) {
  if (item->Loaded()) return;
  if (item->IsMusic()) {
    if (!Mix_HasMusicDecoder("MIDI")) throw ELxError("Error downloading sound");
    item->Music = Mix_LoadMUS(item->FileName.c_str());
    if (!item->Music) throw ELxError("Error loading sound: " + item->FileName);
  } else {
    item->Chunk = Mix_LoadWAV(item->FileName.c_str());
    if (!item->Chunk) throw ELxError("Error loading sound: " + item->FileName);
  }
}

int TLxSoundEngine::StartEffect(TLxSoundItem* item, int loops) {
  int channel = Mix_PlayChannel(-1, item->Chunk, loops);
  if (channel < 0 && Mix_AllocateChannels(-1) < maxChannels) {
    // Every voice busy: more voices.
    const int count = std::min(maxChannels, Mix_AllocateChannels(-1) * 2);
    Mix_AllocateChannels(count);
    ChannelItems.resize(static_cast<size_t>(count), nullptr);
    channel = Mix_PlayChannel(-1, item->Chunk, loops);
  }
  if (channel < 0) {
    // Still none: the voice that started first gives way.
    Uint32 oldest = 0;
    int victim = -1;
    for (int c = 0; c < static_cast<int>(ChannelItems.size()); ++c) {
      const TLxSoundItem* owner = ChannelItems[static_cast<size_t>(c)];
      const Uint32 age = owner ? SDL_GetTicks() - owner->StartTime : 0;
      if (victim < 0 || age > oldest) {
        oldest = age;
        victim = c;
      }
    }
    if (victim >= 0) {
      Mix_HaltChannel(victim);
      channel = Mix_PlayChannel(victim, item->Chunk, loops);
    }
  }
  return channel;
}

void TLxSoundEngine::Play(TLxSoundItem* item) {
  if (!item) return;
  if (!Open) throw ELxError("Error playing sound");
  Load(item);
  item->Volume = std::clamp(item->Volume, 0, 100);
  if (item->PathIndex >= 0 && item->PathIndex < PathCount())
    PathVolumes[static_cast<size_t>(item->PathIndex)] = item->Volume;
  const int level = MixerLevelOf(item->Volume);
  const int loops = item->Loop ? -1 : std::max(0, item->RepeatCount);
  int32_t voice = -1;
  if (item->Music) {
    Mix_VolumeMusic(level);
    if (Mix_PlayMusic(item->Music, loops) != 0) throw ELxError("Error playing sound");
    MusicItem = item;
  } else {
    // The path's level applies to every voice on it, the new one included.
    for (size_t c = 0; c < ChannelItems.size(); ++c)
      if (ChannelItems[c] && ChannelItems[c]->PathIndex == item->PathIndex &&
          Mix_Playing(static_cast<int>(c)))
        Mix_Volume(static_cast<int>(c), level);
    voice = StartEffect(item, loops);
    if (voice < 0) throw ELxError("Error playing sound");
    Mix_Volume(voice, level);
    ChannelItems[static_cast<size_t>(voice)] = item;
  }
  item->StartTime = SDL_GetTicks();
  Record(item, voice);
}

void TLxSoundEngine::Stop(TLxSoundItem* item) {
  if (!item || !item->Loaded() || !Open) return;
  if (item->Music) {
    if (MusicItem == item) {
      Mix_HaltMusic();
      MusicItem = nullptr;
    }
    return;
  }
  for (size_t c = 0; c < ChannelItems.size(); ++c)
    if (ChannelItems[c] == item) {
      Mix_HaltChannel(static_cast<int>(c));
      ChannelItems[c] = nullptr;
    }
}

int32_t TLxSoundEngine::PlayingVoices(const TLxSoundItem* item) const {
  if (!item || !Open) return 0;
  if (item->Music) return MusicItem == item && Mix_PlayingMusic() ? 1 : 0;
  int32_t voices = 0;
  for (size_t c = 0; c < ChannelItems.size(); ++c)
    if (ChannelItems[c] == item && Mix_Playing(static_cast<int>(c))) ++voices;
  return voices;
}

void TLxSoundEngine::Record(const TLxSoundItem* item, int32_t voice) {
  TLxSoundStart s;
  s.Name = item->Name;
  s.FileName = item->FileName;
  s.PathIndex = item->PathIndex;
  s.Volume = item->Volume;
  s.Loop = item->Loop;
  s.Voice = voice;
  Starts.push_back(std::move(s));
  if (Starts.size() > HistoryLimit) Starts.pop_front();
  ++Started;
}

}  // namespace lx

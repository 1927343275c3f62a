// The sound device: wave effects on mixer channels (every play is an additional voice) and MIDI
// music through SDL_mixer's synthesizer with the system's General MIDI sound font. Two audio
// paths carry the sounds; a path's volume is set from the item being started.
//
// The same code runs on SDL's "dummy" audio driver for tests, and every start is recorded.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace lx {

// The one kind of audio path the program asks for.
constexpr int32_t AudioPath3DDynamic = 1;

// The sound font used for MIDI music (Debian's timgm6mb-soundfont).
extern const char* const GeneralMidiSoundFont;

class TLxSoundItem {
 public:
  ~TLxSoundItem();
  TLxSoundItem(const TLxSoundItem&) = delete;
  TLxSoundItem& operator=(const TLxSoundItem&) = delete;

  std::string Name;      // found by exact comparison
  std::string FileName;  // a ".mid" file is music; anything else is a wave effect
  int32_t PathIndex = 0;
  int32_t Volume = 100;  // 0..100, clamped when played
  bool Loop = false;     // play for ever
  int32_t RepeatCount = 0;
  uint32_t StartTime = 0;  // tick count of the last start

  bool Loaded() const { return Chunk || Music; }
  bool IsMusic() const;

 private:
  friend class TLxSoundEngine;
  TLxSoundItem() = default;
  Mix_Chunk* Chunk = nullptr;
  Mix_Music* Music = nullptr;
};

// One start of an item, as recorded by the engine.
struct TLxSoundStart {
  std::string Name;
  std::string FileName;
  int32_t PathIndex = 0;
  int32_t Volume = 0;
  bool Loop = false;
  int32_t Voice = -1;  // the mixer channel of an effect; -1 for music
};

class TLxSoundEngine {
 public:
  // dummyDriver: SDL's silent "dummy" audio driver (tests); otherwise the system's driver, and the
  // dummy one when the system has no usable audio device.
  explicit TLxSoundEngine(bool dummyDriver = false);
  ~TLxSoundEngine();
  TLxSoundEngine(const TLxSoundEngine&) = delete;
  TLxSoundEngine& operator=(const TLxSoundEngine&) = delete;

  // Returns the path's index.
  int32_t AddAudioPath(int32_t type, int32_t volume);
  // Opens the audio device for the paths; throws ELxError when it cannot.
  void InitAudioPaths();
  bool Initialized() const { return Open; }
  int32_t PathCount() const { return static_cast<int32_t>(PathVolumes.size()); }
  int32_t PathVolume(int32_t index) const { return PathVolumes[static_cast<size_t>(index)]; }

  TLxSoundItem* AddItem();
  TLxSoundItem* Find(const std::string& name) const;
  int32_t ItemCount() const { return static_cast<int32_t>(Items.size()); }

  // Loads the file on first use, sets the path's volume from the item and starts the item as an
  // additional voice (music replaces the music playing, there being one music stream). Throws
  // ELxError "Error loading sound: <file>", "Error downloading sound" or "Error playing sound".
  void Play(TLxSoundItem* item);
  // Stops every voice of the item, if it was loaded.
  void Stop(TLxSoundItem* item);
  // Voices of the item sounding now.
  int32_t PlayingVoices(const TLxSoundItem* item) const;

  // The linear gain of a volume: an attenuation of (v x 100 - 10000) hundredths of a decibel.
  static double GainOf(int32_t volume);
  // The mixer level (0..128) of a volume.
  static int32_t MixerLevelOf(int32_t volume);

  // The latest starts, oldest first (at most HistoryLimit), and how many there were in all.
  const std::deque<TLxSoundStart>& History() const { return Starts; }
  uint64_t StartCount() const { return Started; }
  static constexpr size_t HistoryLimit = 512;
  // The SDL audio driver in use ("dummy" for tests), empty before InitAudioPaths.
  const std::string& DriverName() const { return Driver; }

 private:
  void Load(TLxSoundItem* item);
  int StartEffect(TLxSoundItem* item, int loops);
  void Record(const TLxSoundItem* item, int32_t voice);

  bool Dummy;
  bool Open = false;
  bool AudioStarted = false;
  std::string Driver;
  std::vector<int32_t> PathVolumes;
  std::vector<std::unique_ptr<TLxSoundItem>> Items;
  // The item each mixer channel was last started for.
  std::vector<const TLxSoundItem*> ChannelItems;
  const TLxSoundItem* MusicItem = nullptr;  // the item on the music stream
  std::deque<TLxSoundStart> Starts;
  uint64_t Started = 0;
};

}  // namespace lx

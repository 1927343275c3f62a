// Named sound effects and looping background music over the sound device. Effects are
// "Sounds\<name>.wav" and music pieces "Sounds\music_<theme>_<k>.mid" of the resource archive,
// extracted on first use and kept loaded.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/lxsound.h"

namespace lx {

constexpr int32_t SoundKindEffect = 0;
constexpr int32_t SoundKindMusic = 1;

class TLxSounds {
 public:
  // Creates the sound device with its two paths (effects, music) and opens it; throws ELxError
  // when the device cannot be had. dummyAudio selects SDL's silent driver (tests).
  explicit TLxSounds(bool dummyAudio = false);
  ~TLxSounds();
  TLxSounds(const TLxSounds&) = delete;
  TLxSounds& operator=(const TLxSounds&) = delete;

  TLxSoundItem* FindSound(const std::string& name) const;
  // The item of the name, extracting its file on first use; nullptr when the file is missing.
  TLxSoundItem* LoadSound(const std::string& name, int32_t kind);
  // Plays an effect when effects are enabled; the second argument is not used.
  void PlaySound(const std::string& name, int32_t unused = 1);
  // Starts a piece of the music theme (see MusicPieces) when music is enabled; a theme without
  // pieces, or the piece already playing, changes nothing.
  void PlayMusic(int32_t theme);

  // The name part and number of pieces of a music theme; 0 pieces: no music change.
  static int32_t MusicPieces(int32_t theme, std::string& namePart);

  std::unique_ptr<TLxSoundEngine> SoundEngine;
  TLxSoundItem* CurrentMusic = nullptr;
};

extern TLxSounds* Sounds;

}  // namespace lx

// Sound effects from a declarative voice table (data/sounds.txt) and music from note text
// (data/music/*.mml).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lx::assetgen {

struct SoundLevels {
  double peak = 0;      // largest absolute sample, 0..1
  double loudness = 0;  // largest RMS over a 50 ms window, 0..1
  double seconds = 0;
};

struct Sound {
  std::string name;
  std::vector<int16_t> samples;
  SoundLevels levels;
};

constexpr int kSampleRate = 44100;

// Parses the sound table and synthesises every sound, normalised to one loudness.
std::vector<Sound> SynthesiseSounds(const std::string& tableText, const std::string& fileName);
SoundLevels MeasureLevels(const std::vector<int16_t>& samples, int rate);

// Frequency of a note name such as A4, C#5 or Bb3 (A4 = 440 Hz); throws on a bad name.
double NoteFrequency(const std::string& name);

struct MusicPiece {
  std::string smf;  // the standard MIDI file bytes
  double seconds = 0;
  int bars = 0;
};
// Compiles one piece of note text into a format 1 standard MIDI file.
MusicPiece CompileMusic(const std::string& text, const std::string& fileName);

}  // namespace lx::assetgen

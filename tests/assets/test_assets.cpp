// The installation data the build made: both archives hold every record the game asks for, and
// every picture, sound, piece of music and font in them is well formed and sensible.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"
#include "shell/lxfontrecord.h"
#include "shell/lxresources.h"

namespace lx {
namespace {

const std::string kDist = std::string(TESSARO_BUILD_DIR) + "/dist/Data/";

struct Archive {
  std::string image;
  std::vector<TLxArchiveRecord> records;
  std::map<std::string, size_t> byName;  // exact names

  explicit Archive(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return;
    image = *bytes;
    if (ParseArchiveTable(image, records) != arcOk) records.clear();
    for (size_t i = 0; i < records.size(); ++i) byName[records[i].Name] = i;
  }
  std::string Read(const std::string& name) const {
    std::string out;
    EXPECT_EQ(ReadArchiveRecord(image, name, out), arcOk) << name;
    return out;
  }
};

const Archive& Pak() {
  static const Archive* pak = new Archive(kDist + "Pak/default.lxr");
  return *pak;
}
const Archive& Fonts() {
  static const Archive* fonts = new Archive(kDist + "fonts.lxr");
  return *fonts;
}

std::vector<std::string> CardNames(const std::string& set, int wildRank) {
  std::vector<std::string> names{set + "\\CARD_BACK_1.bmp"};
  for (int card = 1; card <= 54; ++card) {
    names.push_back(set + "\\CARD_" + std::to_string(card) + ".bmp");
    if (card <= 52 && (card - 1) % 13 + 1 == wildRank)
      names.push_back(set + "\\CARD_" + std::to_string(card) + "_WILD.bmp");
  }
  return names;
}

std::vector<std::string> ReelNames(const std::string& set) {
  std::vector<std::string> names;
  auto add = [&](const std::string& kind, int n) {
    for (int i = 1; i <= n; ++i)
      names.push_back(set + "\\REELITEM_" + kind + "_" + std::to_string(i) + ".bmp");
  };
  add("NORMAL", 6);
  add("CHERRY", 3);
  add("BAR", 6);
  add("SEVEN", 3);
  add("EMPTY", 3);
  add("BONUS", 1);
  return names;
}

const char* const kSounds[] = {
    "SND_AUTOHOLD",    "SND_BET",           "SND_DEAL",        "SND_DRAW",          "SND_DUPLOSE",
    "SND_DUPWIN",      "SND_DUPWINSPECIAL", "SND_DUPWINEND",   "SND_FIREWORKS",     "SND_HOLD",
    "SND_JACKPOTADD",  "SND_MENU",          "SND_SLOTBAR",     "SND_SLOTBONUSDOWN", "SND_SLOTNOWIN",
    "SND_SLOTPOOLADD", "SND_SLOTSPIN",      "SND_SLOTSPINEND", "SND_SLOTWIN",       "SND_WIN",
    "SND_WINBIG",      "SND_WINJACKPOT",    "SND_WINPRE"};
const char* const kMusic[] = {"MAIN_1", "JAZZ_1", "ROCK_1", "ROCK_2", "ROCK_3", "POP_1", "POP_2"};

TEST(InstallationData, DefaultArchiveHoldsEveryRecordTheGameNames) {
  ASSERT_FALSE(Pak().records.empty()) << "no default.lxr at " << kDist;
  std::vector<std::string> want;
  for (auto [set, wild] : {std::pair{"CardSet1", 2}, {"CardSet2", 2}, {"CardSetFruit", 7}}) {
    auto cards = CardNames(set, wild);
    want.insert(want.end(), cards.begin(), cards.end());
  }
  for (const char* set : {"ReelsFruits", "ReelsMusic", "ReelsVegas"}) {
    auto reels = ReelNames(set);
    want.insert(want.end(), reels.begin(), reels.end());
  }
  for (const char* name :
       {"BTN_ALL", "CB_ALL", "CB_ALL_checked", "MENU_ALL", "MENUITEM_ALL", "TSBTN_ALL",
        "BTN_SCROLLUP", "BTN_SCROLLDOWN", "IMG_FRAME", "IMG_TASKBAR", "IMG_WINDOWLOGO",
        "IMG_WINDOWLOGO_2", "background", "img_jackpotstage", "img_dealstage", "img_dupbar"})
    want.push_back(std::string("COMMON\\") + name + ".bmp");
  for (const char* name : {"IMG", "IMG_2", "IMG_3", "IMG_11"})
    want.push_back(std::string("SERIES\\S_3\\") + name + ".bmp");
  for (const char* name : {"PAR_STAR1", "PAR_STAR2", "PAR_STAR3"})
    want.push_back(std::string("EFFECTS\\") + name + ".bmp");
  for (const char* name : {"IMG_PLAYER", "IMG_PLAYER_2", "IMG_PLAYER_8"})
    want.push_back(std::string("Players\\") + name + ".bmp");
  for (const char* s : kSounds) want.push_back(std::string("Sounds\\") + s + ".wav");
  for (const char* m : kMusic) want.push_back(std::string("Sounds\\music_") + m + ".mid");
  for (const auto& name : want) EXPECT_TRUE(Pak().byName.count(name)) << "missing " << name;
}

TEST(InstallationData, EveryRecordInflatesAndMatchesItsCrc) {
  for (const auto* archive : {&Pak(), &Fonts()})
    for (const auto& r : archive->records) {
      std::string data = archive->Read(r.Name);
      EXPECT_EQ(static_cast<int32_t>(data.size()), r.UncompressedSize) << r.Name;
    }
}

// ------------------------------------------------------------------ pictures

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
bool StartsWith(const std::string& s, const std::string& head) {
  return s.rfind(head, 0) == 0;
}

uint8_t AlphaOf(TLxColor c) {
  return static_cast<uint8_t>(c >> 24);
}

TEST(InstallationData, PicturesDecodeAtTheirSizesAndUseAlphaOnlyWhereTransparent) {
  int pictures = 0;
  for (const auto& r : Pak().records) {
    if (!EndsWith(r.Name, ".bmp")) continue;
    ++pictures;
    std::string file = Pak().Read(r.Name);
    TLxBitmap bmp;
    ASSERT_TRUE(DecodeBmp(file, bmp)) << r.Name;
    // our writer's form: bottom-up, uncompressed, 24 or 32 bits
    int32_t height = 0, compression = -1;
    uint16_t bits = 0;
    std::memcpy(&height, file.data() + 22, 4);
    std::memcpy(&bits, file.data() + 28, 2);
    std::memcpy(&compression, file.data() + 30, 4);
    EXPECT_GT(height, 0) << r.Name << " is not bottom-up";
    EXPECT_EQ(compression, 0) << r.Name;
    ASSERT_TRUE(bits == 24 || bits == 32) << r.Name;
    // Divider lines may be as thin as one pixel in one direction.
    EXPECT_TRUE(bmp.Width >= 1 && bmp.Width <= 1024 && bmp.Height >= 1 && bmp.Height <= 768 &&
                bmp.Width * bmp.Height >= 64)
        << r.Name << " " << bmp.Width << "x" << bmp.Height;
    bool transparent = std::any_of(bmp.Pixels.begin(), bmp.Pixels.end(),
                                   [](TLxColor c) { return AlphaOf(c) < 255; });
    bool visible = std::any_of(bmp.Pixels.begin(), bmp.Pixels.end(),
                               [](TLxColor c) { return AlphaOf(c) > 0; });
    if (bits == 32) {
      EXPECT_TRUE(transparent) << r.Name << " is 32-bit but opaque";
    }
    EXPECT_TRUE(visible) << r.Name << " is empty";
    if (StartsWith(r.Name, "CardSet")) {
      EXPECT_EQ(bmp.Width, 100) << r.Name;
      EXPECT_EQ(bmp.Height, 140) << r.Name;
    }
    if (StartsWith(r.Name, "Reels")) {
      EXPECT_EQ(bmp.Width, 120) << r.Name;
      EXPECT_EQ(bmp.Height, 90) << r.Name;
    }
  }
  EXPECT_GT(pictures, 250);
}

// Every face of a set is its own picture: a wrong suit or rank variable would repeat one.
TEST(InstallationData, CardFacesAreAllDifferentAndWildFacesDifferFromTheirCards) {
  for (auto [set, wild] : {std::pair{"CardSet1", 2}, {"CardSet2", 2}, {"CardSetFruit", 7}}) {
    std::map<std::string, std::string> seen;  // pixels -> name
    for (const auto& name : CardNames(set, wild)) {
      if (!Pak().byName.count(name)) continue;  // reported by the record test
      TLxBitmap bmp;
      ASSERT_TRUE(DecodeBmp(Pak().Read(name), bmp)) << name;
      std::string key(reinterpret_cast<const char*>(bmp.Pixels.data()), bmp.Pixels.size() * 4);
      auto [it, fresh] = seen.emplace(key, name);
      EXPECT_TRUE(fresh) << name << " looks exactly like " << it->second;
    }
  }
  // The three sets differ from each other, card by card.
  for (int card : {1, 13, 27, 53}) {
    std::set<std::string> faces;
    for (const char* set : {"CardSet1", "CardSet2", "CardSetFruit"}) {
      TLxBitmap bmp;
      ASSERT_TRUE(
          DecodeBmp(Pak().Read(std::string(set) + "\\CARD_" + std::to_string(card) + ".bmp"), bmp));
      faces.insert(
          std::string(reinterpret_cast<const char*>(bmp.Pixels.data()), bmp.Pixels.size() * 4));
    }
    EXPECT_EQ(faces.size(), 3u) << "card " << card;
  }
}

// Red suits are drawn red and black suits dark: the red/black double-up depends on it.
TEST(InstallationData, SuitColoursFollowTheCardNumbers) {
  for (const char* set : {"CardSet1", "CardSet2", "CardSetFruit"})
    for (int card : {5, 18, 31, 44}) {
      TLxBitmap bmp;
      ASSERT_TRUE(
          DecodeBmp(Pak().Read(std::string(set) + "\\CARD_" + std::to_string(card) + ".bmp"), bmp));
      int red = 0, dark = 0;
      for (TLxColor c : bmp.Pixels) {
        int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
        if (AlphaOf(c) < 200) continue;
        if (r > 150 && g < 80 && b < 90) ++red;
        if (r < 60 && g < 60 && b < 70) ++dark;
      }
      bool redSuit = card > 13 && card <= 39;
      EXPECT_EQ(red > dark, redSuit)
          << set << " card " << card << " red " << red << " dark " << dark;
    }
}

// ------------------------------------------------------------------ sounds

struct Wav {
  int rate = 0, channels = 0, bits = 0, format = 0;
  std::vector<int16_t> samples;
};

bool ParseWav(const std::string& f, Wav& w) {
  auto u32 = [&](size_t o) {
    uint32_t v;
    std::memcpy(&v, f.data() + o, 4);
    return v;
  };
  auto u16 = [&](size_t o) {
    uint16_t v;
    std::memcpy(&v, f.data() + o, 2);
    return v;
  };
  if (f.size() < 12 || f.compare(0, 4, "RIFF") || f.compare(8, 4, "WAVE")) return false;
  if (u32(4) + 8 != f.size()) return false;
  bool haveFmt = false;
  for (size_t pos = 12; pos + 8 <= f.size();) {
    std::string id = f.substr(pos, 4);
    uint32_t len = u32(pos + 4);
    if (pos + 8 + len > f.size()) return false;
    if (id == "fmt " && len >= 16) {
      w.format = u16(pos + 8);
      w.channels = u16(pos + 10);
      w.rate = static_cast<int>(u32(pos + 12));
      w.bits = u16(pos + 22);
      haveFmt = true;
    } else if (id == "data") {
      if (!haveFmt || len % 2) return false;
      w.samples.resize(len / 2);
      std::memcpy(w.samples.data(), f.data() + pos + 8, len);
    }
    pos += 8 + len + (len & 1);
  }
  return haveFmt && !w.samples.empty();
}

TEST(InstallationData, SoundsArePcmShortAndEquallyLoud) {
  std::map<std::string, double> loudness;
  for (const char* name : kSounds) {
    std::string rec = std::string("Sounds\\") + name + ".wav";
    if (!Pak().byName.count(rec)) continue;
    Wav w;
    ASSERT_TRUE(ParseWav(Pak().Read(rec), w)) << rec;
    EXPECT_EQ(w.format, 1) << rec;
    EXPECT_EQ(w.bits, 16) << rec;
    EXPECT_EQ(w.channels, 1) << rec;
    EXPECT_TRUE(w.rate == 44100 || w.rate == 22050) << rec;
    double seconds = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GT(seconds, 0.03) << rec;
    EXPECT_LT(seconds, 4.0) << rec;
    double peak = 0, best = 0, sum = 0;
    size_t win = static_cast<size_t>(w.rate / 20);
    for (size_t i = 0; i < w.samples.size(); ++i) {
      double v = w.samples[i] / 32768.0;
      peak = std::max(peak, std::abs(v));
      sum += v * v;
      if (i >= win) sum -= std::pow(w.samples[i - win] / 32768.0, 2);
      if (i + 1 >= std::min(win, w.samples.size()))
        best = std::max(best, std::sqrt(std::max(0.0, sum) / std::min(i + 1, win)));
    }
    EXPECT_LT(peak, 0.95) << rec << " clips";
    loudness[name] = 20 * std::log10(best);
  }
  ASSERT_EQ(loudness.size(), std::size(kSounds));
  std::vector<double> v;
  for (auto& [n, db] : loudness) v.push_back(db);
  std::sort(v.begin(), v.end());
  double median = v[v.size() / 2];
  for (auto& [n, db] : loudness)
    EXPECT_NEAR(db, median, 2.0) << n << " is louder or softer than the others";
}

// ------------------------------------------------------------------ music

struct MidiSummary {
  int tracks = 0, ppq = 0;
  double seconds = 0;
  std::vector<long> trackEnds;
  bool drums = false;
  int notes = 0, openNotes = 0;
  std::string error;
};

MidiSummary ParseMidi(const std::string& f) {
  MidiSummary m;
  auto be = [&](size_t o, int n) {
    uint32_t v = 0;
    for (int k = 0; k < n; ++k) v = v << 8 | static_cast<uint8_t>(f[o + k]);
    return v;
  };
  if (f.size() < 14 || f.compare(0, 4, "MThd") || be(4, 4) != 6) return m.error = "MThd", m;
  int declared = static_cast<int>(be(10, 2));
  m.ppq = static_cast<int>(be(12, 2));
  if (be(8, 2) != 1 || m.ppq <= 0) return m.error = "format", m;
  std::vector<std::pair<long, uint32_t>> tempos;  // tick, microseconds per quarter
  for (size_t pos = 14; pos < f.size();) {
    if (pos + 8 > f.size() || f.compare(pos, 4, "MTrk")) return m.error = "MTrk", m;
    size_t len = be(pos + 4, 4), p = pos + 8, end = p + len;
    if (end > f.size()) return m.error = "track length", m;
    long tick = 0;
    uint8_t status = 0;
    bool ended = false;
    std::map<int, int> on;
    while (p < end && !ended) {
      uint32_t delta = 0;
      for (int k = 0; k < 4; ++k) {
        uint8_t b = static_cast<uint8_t>(f[p++]);
        delta = delta << 7 | (b & 0x7F);
        if (!(b & 0x80)) break;
      }
      tick += delta;
      uint8_t b = static_cast<uint8_t>(f[p]);
      if (b & 0x80) status = b, ++p;
      if (status == 0xFF) {
        uint8_t type = static_cast<uint8_t>(f[p++]);
        uint32_t l = 0;
        for (int k = 0; k < 4; ++k) {
          uint8_t c = static_cast<uint8_t>(f[p++]);
          l = l << 7 | (c & 0x7F);
          if (!(c & 0x80)) break;
        }
        if (type == 0x51) tempos.push_back({tick, be(p, 3)});
        if (type == 0x2F) ended = true;
        p += l;
        continue;
      }
      int kind = status & 0xF0, ch = status & 0x0F;
      int n = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      int key = static_cast<uint8_t>(f[p]), vel = n > 1 ? static_cast<uint8_t>(f[p + 1]) : 0;
      p += n;
      if (ch == 9 && kind == 0x90) m.drums = true;
      if (kind == 0x90 && vel > 0) ++on[ch * 128 + key], ++m.notes;
      if (kind == 0x80 || (kind == 0x90 && vel == 0)) --on[ch * 128 + key];
    }
    if (!ended || p != end) return m.error = "end of track", m;
    for (auto& [k, c] : on) m.openNotes += std::abs(c);
    m.trackEnds.push_back(tick);
    ++m.tracks;
    pos = end;
  }
  if (m.tracks != declared) return m.error = "track count", m;
  // duration of the longest track with the tempo map
  long last = *std::max_element(m.trackEnds.begin(), m.trackEnds.end());
  std::sort(tempos.begin(), tempos.end());
  long t = 0;
  uint32_t us = 500000;
  for (auto& [at, v] : tempos) {
    m.seconds += (at - t) * us / 1e6 / m.ppq;
    t = at, us = v;
  }
  m.seconds += (last - t) * us / 1e6 / m.ppq;
  return m;
}

TEST(InstallationData, MusicIsStandardMidiOfAMinuteThatLoopsOnABar) {
  for (const char* piece : kMusic) {
    std::string rec = std::string("Sounds\\music_") + piece + ".mid";
    if (!Pak().byName.count(rec)) continue;
    MidiSummary m = ParseMidi(Pak().Read(rec));
    ASSERT_EQ(m.error, "") << rec;
    EXPECT_GE(m.tracks, 4) << rec;
    EXPECT_GE(m.seconds, 60.0) << rec;
    EXPECT_LT(m.seconds, 240.0) << rec;
    EXPECT_TRUE(m.drums) << rec << " has no drums on channel 10";
    EXPECT_GT(m.notes, 300) << rec;
    EXPECT_EQ(m.openNotes, 0) << rec << " leaves notes sounding";
    // every track ends on the same bar line, so the loop restarts cleanly
    for (long end : m.trackEnds) {
      EXPECT_EQ(end, m.trackEnds.front()) << rec;
      EXPECT_EQ(end % (4L * m.ppq), 0) << rec;
    }
  }
}

// ------------------------------------------------------------------ fonts

TEST(InstallationData, FontArchiveStartsWithArialBlackAndEveryFontParses) {
  ASSERT_FALSE(Fonts().records.empty()) << "no fonts.lxr at " << kDist;
  EXPECT_EQ(Fonts().records.front().Name, "ArialBlack.font");
  std::set<int> heights;
  for (const auto& r : Fonts().records) {
    EXPECT_EQ(r.RecordType, arcFontRecordType) << r.Name;
    TLxFontRecord font;
    ASSERT_TRUE(ParseFontRecord(Fonts().Read(r.Name), font)) << r.Name;
    EXPECT_EQ(font.FirstChar & 0xFF, 32) << r.Name;
    ASSERT_EQ(font.GlyphWidths.size(), 224u) << r.Name;
    if (r.Name.find("Mono") == std::string::npos) {  // proportional faces
      EXPECT_GT(font.GlyphWidths['W' - 32], font.GlyphWidths['i' - 32]) << r.Name;
    }
    EXPECT_GT(font.GlyphWidths['0' - 32], 0) << r.Name;
    heights.insert(font.GlyphHeights['A' - 32]);
  }
  EXPECT_GE(Fonts().records.size(), 6u);
  EXPECT_GE(*heights.rbegin(), 3 * *heights.begin()) << "no large meter font next to a small one";
}

}  // namespace
}  // namespace lx

// Music from note text: a small music macro language compiled to a standard MIDI file.
//
//   tempo BPM                      quarter notes per minute
//   bars N                         every track must last exactly N bars of 4/4 (clean loops)
//   level DB                       scales every track's volume (balances pieces against each other)
//   macro NAME TEXT                defines @NAME (more lines with the same name append)
//   track NAME ch=1..16 prog=0..127 [vol=] [pan=] [rev=] [cho=]   then note lines, indented
// Note text (whitespace is ignored):
//   c d e f g a b  with + or # (sharp), - (flat), then an optional length (1 2 4 8 16 32, or
//   3 6 12 24 for triplets) and dots;  r = rest;  ^LEN ties more length to the previous note;
//   oN octave (o4 holds middle C), < and > octave down and up;  lN default length;
//   vN velocity (1..127);  qN gate in eighths of the length (8 = legato);  pN pan change;
//   {ceg}LEN a chord (octave marks inside apply only inside);  [ ... ]N repeats;  @NAME macro;
//   | a bar line (checked: the notes before it fill whole bars);
//   grid STEPS KEY:PATTERN ...   one bar of drums: STEPS per bar; KEY one of the drum names
//   below; PATTERN chars . rest, x hit, X accent, o soft, g ghost.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

#include "art.h"
#include "sound.h"

namespace lx::assetgen {

namespace {

constexpr int kTicks = 480;  // per quarter note
constexpr int kBar = 4 * kTicks;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw std::runtime_error(where + ": " + what);
}

const std::map<std::string, int>& DrumKeys() {
  static const auto* keys = new std::map<std::string, int>{
      {"K", 36}, {"K2", 35}, {"S", 38},  {"S2", 40}, {"X", 37},  {"P", 39},
      {"H", 42}, {"HP", 44}, {"O", 46},  {"C", 49},  {"C2", 57}, {"R", 51},
      {"B", 53}, {"T", 50},  {"M", 47},  {"L", 43},  {"A", 54},  {"W", 56},
      {"Z", 70}, {"CG", 63}, {"CL", 64}, {"BR", 59}, {"SP", 55}, {"CA", 69}};
  return *keys;
}

struct Event {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  std::string bytes;
};

struct TrackState {
  int ch = 0;
  int octave = 4;
  int length = kTicks;
  int velocity = 96;
  int gate = 7;
  int tick = 0;
  int lastNote = -1;  // index into events of the last note-off, for ties
  std::vector<Event> events;
};

class NoteParser {
 public:
  NoteParser(const std::map<std::string, std::string>& macros, TrackState& st,
             const std::string& where)
      : macros_(macros), st_(st), where_(where) {}

  void Parse(const std::string& text, int depth = 0) {
    if (depth > 16) Fail(where_, "macros nested too deeply");
    size_t i = 0;
    Run(text, i, depth, false);
  }

 private:
  static void Skip(const std::string& s, size_t& i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  }
  static bool Number(const std::string& s, size_t& i, int& v) {
    Skip(s, i);
    size_t j = i;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    if (j == i) return false;
    v = std::stoi(s.substr(i, j - i));
    i = j;
    return true;
  }
  int Length(const std::string& s, size_t& i) {
    int n = 0;
    int len = st_.length;
    if (Number(s, i, n)) {
      if (n <= 0 || (kBar % n) != 0) Fail(where_, "bad length " + std::to_string(n));
      len = kBar / n;
    }
    int add = len;
    while (i < s.size() && s[i] == '.') {
      add /= 2;
      len += add;
      ++i;
    }
    return len;
  }
  static int Pitch(char letter, const std::string& s, size_t& i, int octave) {
    static const int kSemis[] = {9, 11, 0, 2, 4, 5, 7};
    int semi = kSemis[letter - 'a'];
    while (i < s.size() && (s[i] == '+' || s[i] == '#' || s[i] == '-')) {
      semi += s[i] == '-' ? -1 : 1;
      ++i;
    }
    return (octave + 1) * 12 + semi;
  }
  void Note(const std::vector<int>& pitches, int len) {
    int on = len * st_.gate / 8;
    if (on < 1) on = 1;
    for (int p : pitches) {
      if (p < 0 || p > 127) Fail(where_, "note out of range");
      std::string onBytes{static_cast<char>(0x90 | st_.ch), static_cast<char>(p),
                          static_cast<char>(st_.velocity)};
      std::string offBytes{static_cast<char>(0x80 | st_.ch), static_cast<char>(p), 0};
      st_.events.push_back({st_.tick, 1, onBytes});
      st_.events.push_back({st_.tick + on, 0, offBytes});
    }
    lastPitches_ = pitches;
    lastStart_ = st_.tick;
    lastLen_ = len;
    lastOffCount_ = static_cast<int>(pitches.size());
    st_.tick += len;
  }
  void Tie(int len) {
    if (lastPitches_.empty() || lastStart_ + lastLen_ != st_.tick) Fail(where_, "^ without note");
    lastLen_ += len;
    int on = lastLen_ * st_.gate / 8;
    // move the note-offs of the last note
    int moved = 0;
    for (auto it = st_.events.rbegin(); it != st_.events.rend() && moved < lastOffCount_; ++it)
      if (it->order == 0 && it->tick > lastStart_ &&
          std::find(lastPitches_.begin(), lastPitches_.end(),
                    static_cast<unsigned char>(it->bytes[1])) != lastPitches_.end()) {
        it->tick = lastStart_ + on;
        ++moved;
      }
    st_.tick += len;
  }
  void Grid(const std::string& s, size_t& i) {
    int steps = 0;
    if (!Number(s, i, steps) || steps <= 0 || kBar % steps != 0)
      Fail(where_, "grid STEPS: a divisor of " + std::to_string(kBar));
    int stepTicks = kBar / steps;
    const int start = st_.tick;
    for (;;) {
      Skip(s, i);
      size_t colon = s.find(':', i);
      size_t space = i;
      while (space < s.size() && !std::isspace(static_cast<unsigned char>(s[space]))) ++space;
      if (colon == std::string::npos || colon > space) break;
      std::string key = s.substr(i, colon - i);
      auto drum = DrumKeys().find(key);
      if (drum == DrumKeys().end()) break;
      std::string pattern = s.substr(colon + 1, space - colon - 1);
      if (static_cast<int>(pattern.size()) != steps)
        Fail(where_, "grid pattern " + key + " needs " + std::to_string(steps) + " steps");
      for (int k = 0; k < steps; ++k) {
        int vel = 0;
        switch (pattern[static_cast<size_t>(k)]) {
          case '.':
            break;
          case 'x':
            vel = 96;
            break;
          case 'X':
            vel = 122;
            break;
          case 'o':
            vel = 70;
            break;
          case 'g':
            vel = 42;
            break;
          default:
            Fail(where_, "grid pattern char must be one of . x X o g");
        }
        if (!vel) continue;
        int t = start + k * stepTicks;
        st_.events.push_back(
            {t, 1,
             std::string{static_cast<char>(0x90 | st_.ch), static_cast<char>(drum->second),
                         static_cast<char>(vel)}});
        st_.events.push_back(
            {t + stepTicks / 2, 0,
             std::string{static_cast<char>(0x80 | st_.ch), static_cast<char>(drum->second), 0}});
      }
      i = space;
    }
    st_.tick = start + kBar;
  }

  // Runs until the end of text, or until ']' when inRepeat.
  void Run(const std::string& s, size_t& i, int depth, bool inRepeat) {
    for (;;) {
      Skip(s, i);
      if (i >= s.size()) {
        if (inRepeat) Fail(where_, "missing ]");
        return;
      }
      char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
      if (s[i] == ']') {
        if (!inRepeat) Fail(where_, "] without [");
        ++i;
        return;
      }
      if (s.compare(i, 4, "grid") == 0) {
        i += 4;
        Grid(s, i);
        continue;
      }
      ++i;
      int n = 0;
      if (c >= 'a' && c <= 'g') {
        int p = Pitch(c, s, i, st_.octave);
        Note({p}, Length(s, i));
      } else if (c == 'r') {
        st_.tick += Length(s, i);
        lastPitches_.clear();
      } else if (c == '^') {
        Tie(Length(s, i));
      } else if (c == '|') {  // a bar line: the notes so far must fill whole bars
        if (st_.tick % kBar != 0)
          Fail(where_, "bar line inside bar " + std::to_string(st_.tick / kBar + 1) + " (beat " +
                           std::to_string(1.0 + (st_.tick % kBar) / double(kTicks)) + ")");
      } else if (c == 'o') {
        if (!Number(s, i, n)) Fail(where_, "o needs a number");
        st_.octave = n;
      } else if (c == '<') {
        --st_.octave;
      } else if (c == '>') {
        ++st_.octave;
      } else if (c == 'l') {
        if (!Number(s, i, n) || n <= 0 || kBar % n) Fail(where_, "l needs a length");
        st_.length = kBar / n;
        int add = st_.length;
        while (i < s.size() && s[i] == '.') add /= 2, st_.length += add, ++i;
      } else if (c == 'v') {
        if (!Number(s, i, n) || n < 1 || n > 127) Fail(where_, "v needs 1..127");
        st_.velocity = n;
      } else if (c == 'q') {
        if (!Number(s, i, n) || n < 1 || n > 8) Fail(where_, "q needs 1..8");
        st_.gate = n;
      } else if (c == 'p') {
        if (!Number(s, i, n) || n > 127) Fail(where_, "p needs 0..127");
        st_.events.push_back(
            {st_.tick, 0, std::string{static_cast<char>(0xB0 | st_.ch), 10, static_cast<char>(n)}});
      } else if (c == '{') {
        std::vector<int> pitches;
        int oct = st_.octave;
        for (;;) {
          Skip(s, i);
          if (i >= s.size()) Fail(where_, "missing }");
          char d = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i++])));
          if (d == '}') break;
          if (d == '<')
            --oct;
          else if (d == '>')
            ++oct;
          else if (d >= 'a' && d <= 'g')
            pitches.push_back(Pitch(d, s, i, oct));
          else
            Fail(where_, std::string("bad chord char ") + d);
        }
        Note(pitches, Length(s, i));
      } else if (c == '[') {
        size_t body = i;
        // find the count after the matching ]
        size_t probe = i;
        int level = 1;
        while (probe < s.size() && level > 0) {
          if (s[probe] == '[') ++level;
          if (s[probe] == ']') --level;
          ++probe;
        }
        if (level != 0) Fail(where_, "missing ]");
        size_t after = probe;
        int count = 2;
        if (!Number(s, after, count)) after = probe;
        for (int r = 0; r < count; ++r) {
          size_t j = body;
          Run(s, j, depth, true);
        }
        i = after;
      } else if (c == '@') {
        size_t j = i;
        while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '_')) ++j;
        std::string name = s.substr(i, j - i);
        auto m = macros_.find(name);
        if (m == macros_.end()) Fail(where_, "unknown macro @" + name);
        i = j;
        size_t k = 0;
        if (depth > 16) Fail(where_, "macros nested too deeply");
        Run(m->second, k, depth + 1, false);
      } else {
        Fail(where_, std::string("unexpected '") + s[i - 1] + "'");
      }
    }
  }

  const std::map<std::string, std::string>& macros_;
  TrackState& st_;
  const std::string& where_;
  std::vector<int> lastPitches_;
  int lastStart_ = 0, lastLen_ = 0, lastOffCount_ = 0;
};

void PutVar(std::string& s, uint32_t v) {
  char buf[5];
  int n = 0;
  buf[n++] = static_cast<char>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<char>(0x80 | (v & 0x7F));
  while (n) s += buf[--n];
}
void Put32(std::string& s, uint32_t v) {
  for (int k = 3; k >= 0; --k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
}

std::string Chunk(const char* id, const std::string& body) {
  std::string out = id;
  Put32(out, static_cast<uint32_t>(body.size()));
  return out + body;
}

std::string TrackChunk(std::vector<Event> events, int endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::string body;
  int now = 0;
  for (const auto& e : events) {
    int t = std::min(e.tick, endTick);
    PutVar(body, static_cast<uint32_t>(t - now));
    now = t;
    body += e.bytes;
  }
  PutVar(body, static_cast<uint32_t>(endTick - now));
  body += std::string("\xFF\x2F\x00", 3);
  return Chunk("MTrk", body);
}

std::string Meta(int type, const std::string& data) {
  std::string s{static_cast<char>(0xFF), static_cast<char>(type)};
  PutVar(s, static_cast<uint32_t>(data.size()));
  return s + data;
}

}  // namespace

MusicPiece CompileMusic(const std::string& text, const std::string& fileName) {
  std::map<std::string, std::string> macros;
  struct TrackDef {
    std::string name, where;
    std::map<std::string, std::string> kv;
    std::string notes;
  };
  std::vector<TrackDef> tracks;
  double tempo = 120;
  double levelDb = 0;
  int bars = 0;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  std::string lastMacro;
  while (std::getline(in, line)) {
    ++lineNo;
    std::string where = fileName + ":" + std::to_string(lineNo);
    size_t hash = line.find('#');
    if (hash != std::string::npos) line = line.substr(0, hash);
    bool indented = !line.empty() && (line[0] == ' ' || line[0] == '\t');
    auto tok = Tokenize(line);
    if (tok.empty()) continue;
    if (indented) {
      if (tracks.empty() && lastMacro.empty()) Fail(where, "note text outside a track");
      if (!tracks.empty())
        tracks.back().notes += " " + line;
      else
        macros[lastMacro] += " " + line;
      continue;
    }
    if (tok[0] == "tempo" && tok.size() == 2) {
      tempo = EvalNumber(tok[1], where);
    } else if (tok[0] == "level" && tok.size() == 2) {
      levelDb = EvalNumber(tok[1], where);
    } else if (tok[0] == "bars" && tok.size() == 2) {
      bars = static_cast<int>(EvalNumber(tok[1], where));
    } else if (tok[0] == "macro" && tok.size() >= 2) {
      if (!tracks.empty()) Fail(where, "macros come before the tracks");
      lastMacro = tok[1];
      macros[tok[1]] += " " + line.substr(line.find(tok[1]) + tok[1].size());
    } else if (tok[0] == "track" && tok.size() >= 2) {
      TrackDef t;
      t.name = tok[1];
      t.where = where;
      for (size_t k = 2; k < tok.size(); ++k) {
        size_t eq = tok[k].find('=');
        if (eq == std::string::npos) Fail(where, "track option KEY=VALUE expected");
        t.kv[tok[k].substr(0, eq)] = tok[k].substr(eq + 1);
      }
      tracks.push_back(t);
    } else {
      Fail(where, "unknown line " + tok[0]);
    }
  }
  if (bars <= 0) Fail(fileName, "bars N missing");
  if (tracks.empty()) Fail(fileName, "no tracks");
  const int endTick = bars * kBar;
  std::string file;
  {
    std::string hdr;
    hdr += std::string("\x00\x01", 2);  // format 1
    hdr += static_cast<char>(((tracks.size() + 1) >> 8) & 0xFF);
    hdr += static_cast<char>((tracks.size() + 1) & 0xFF);
    hdr += static_cast<char>(kTicks >> 8);
    hdr += static_cast<char>(kTicks & 0xFF);
    file = Chunk("MThd", hdr);
  }
  {
    uint32_t usPerQuarter = static_cast<uint32_t>(std::lround(60000000.0 / tempo));
    std::vector<Event> conductor;
    std::string tempoData{static_cast<char>(usPerQuarter >> 16),
                          static_cast<char>((usPerQuarter >> 8) & 0xFF),
                          static_cast<char>(usPerQuarter & 0xFF)};
    conductor.push_back({0, 0, Meta(0x03, fileName)});
    conductor.push_back({0, 0, Meta(0x58, std::string("\x04\x02\x18\x08", 4))});
    conductor.push_back({0, 0, Meta(0x51, tempoData)});
    file += TrackChunk(conductor, endTick);
  }
  for (const auto& t : tracks) {
    TrackState st;
    auto num = [&](const char* k, int def, int lo, int hi) {
      auto it = t.kv.find(k);
      int v = it == t.kv.end() ? def : static_cast<int>(EvalNumber(it->second, t.where));
      if (v < lo || v > hi) Fail(t.where, std::string(k) + " out of range");
      return v;
    };
    st.ch = num("ch", 1, 1, 16) - 1;
    const char ch = static_cast<char>(st.ch);
    std::vector<Event>& ev = st.events;
    ev.push_back({0, 0, Meta(0x03, t.name)});
    auto cc = [&](int c, int v) {
      ev.push_back(
          {0, 0,
           std::string{static_cast<char>(0xB0 | ch), static_cast<char>(c), static_cast<char>(v)}});
    };
    cc(0, 0);
    cc(32, 0);
    if (st.ch != 9)
      ev.push_back(
          {0, 0,
           std::string{static_cast<char>(0xC0 | ch), static_cast<char>(num("prog", 0, 0, 127))}});
    // MIDI volume is about 40 log10(v / 127) dB
    cc(7, std::clamp(
              static_cast<int>(std::lround(num("vol", 100, 0, 127) * std::pow(10.0, levelDb / 40))),
              0, 127));
    cc(10, num("pan", 64, 0, 127));
    cc(91, num("rev", 40, 0, 127));
    cc(93, num("cho", 0, 0, 127));
    NoteParser parser(macros, st, t.where);
    parser.Parse(t.notes);
    if (st.tick != endTick)
      Fail(t.where, "track " + t.name + " lasts " + std::to_string(st.tick / double(kBar)) +
                        " bars, the piece " + std::to_string(bars));
    cc(123, 0);  // all notes off, just in case a player holds something over the loop
    ev.back().tick = endTick;
    file += TrackChunk(ev, endTick);
  }
  MusicPiece piece;
  piece.smf = file;
  piece.bars = bars;
  piece.seconds = bars * 4 * 60.0 / tempo;
  return piece;
}

}  // namespace lx::assetgen

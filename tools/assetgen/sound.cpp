// Sound effect synthesis from the voice table.
//
//   sound NAME
//     tone  at=S dur=S f=HZ|note=C5 [f2=HZ] [wave=sine|square|saw|tri|noise] [amp=] [attack=]
//           [decay=S] [release=S] [vib=RATE,SEMITONES] [trem=RATE,DEPTH] [fm=RATIO,INDEX]
//           [harm=A1,A2,..] [lp=HZ] [lp2=HZ] [hp=HZ] [bp=HZ] [q=] [duty=] [repeat=N,EVERY]
//     noise at=S dur=S ... (a tone with wave=noise)
//     notes at=S step=S dur=S "C5 E5 G5" ...  (one tone per note, step seconds apart;
//           a note "C5+E5" sounds both; "-" is a rest)
//     echo delay=S feedback=F
//   end
// Every finished sound is scaled to the same loudness (the largest RMS over 50 ms), keeping
// its peak below -1 dBFS.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "art.h"
#include "sound.h"

namespace lx::assetgen {

namespace {

constexpr double kTargetLoudness = 0.16;  // about -16 dBFS RMS
constexpr double kPeakLimit = 0.89;       // -1 dBFS

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw std::runtime_error(where + ": " + what);
}

struct Params {
  std::map<std::string, std::string> kv;
  std::vector<std::string> pos;
  std::string where;
  double Num(const std::string& k, double def) const {
    auto it = kv.find(k);
    return it == kv.end() ? def : EvalNumber(it->second, where);
  }
  std::vector<double> List(const std::string& k) const {
    std::vector<double> out;
    auto it = kv.find(k);
    if (it == kv.end()) return out;
    std::stringstream ss(it->second);
    std::string part;
    while (std::getline(ss, part, ',')) out.push_back(EvalNumber(part, where));
    return out;
  }
  std::string Str(const std::string& k, const std::string& def) const {
    auto it = kv.find(k);
    return it == kv.end() ? def : it->second;
  }
};

Params ParseParams(const std::string& line, const std::string& where) {
  Params p;
  p.where = where;
  for (const auto& t : Tokenize(line)) {
    size_t eq = t.find('=');
    if (eq != std::string::npos && !p.pos.empty())
      p.kv[t.substr(0, eq)] = t.substr(eq + 1);
    else
      p.pos.push_back(t);
  }
  return p;
}

// RBJ biquad.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  void Set(const std::string& kind, double f, double q) {
    f = std::clamp(f, 10.0, kSampleRate * 0.45);
    double w = 2 * M_PI * f / kSampleRate, c = std::cos(w), s = std::sin(w), alpha = s / (2 * q);
    double a0 = 1 + alpha;
    if (kind == "lp") {
      b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
    } else if (kind == "hp") {
      b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
    } else {  // band pass, 0 dB peak
      b0 = alpha, b1 = 0, b2 = -alpha;
    }
    a1 = -2 * c;
    a2 = 1 - alpha;
    b0 /= a0, b1 /= a0, b2 /= a0, a1 /= a0, a2 /= a0;
  }
  double Run(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

uint32_t NoiseState = 22222;
double Noise() {
  NoiseState = NoiseState * 1664525u + 1013904223u;
  return (NoiseState >> 8) / 8388608.0 - 1.0;
}

void RenderTone(std::vector<double>& mix, const Params& p, double at, double freq) {
  const double dur = p.Num("dur", 0.1);
  const std::string wave = p.Str("wave", p.pos[0] == "noise" ? "noise" : "sine");
  const double f2 = p.Num("f2", freq), amp = p.Num("amp", 1), attack = p.Num("attack", 0.002);
  const double decay = p.Num("decay", 0), release = std::min(p.Num("release", 0.01), dur / 2);
  const double duty = p.Num("duty", 0.5);
  auto vib = p.List("vib"), trem = p.List("trem"), fm = p.List("fm"), harm = p.List("harm");
  if (harm.empty()) harm = {1};
  std::vector<std::pair<std::string, Biquad>> filters;
  const double q = p.Num("q", 0.707);
  for (const char* k : {"hp", "lp", "bp"})
    if (p.kv.count(k)) filters.push_back({k, Biquad{}});
  const double lp1 = p.Num("lp", 0), lp2 = p.Num("lp2", lp1);
  const long start = std::lround(at * kSampleRate), n = std::lround(dur * kSampleRate);
  if (static_cast<long>(mix.size()) < start + n) mix.resize(static_cast<size_t>(start + n), 0.0);
  double phase = 0, modPhase = 0;
  for (long i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kSampleRate, u = t / dur;
    if (i % 32 == 0)
      for (auto& [kind, bq] : filters) {
        double cutoff = kind == "lp" ? lp1 * std::pow(lp2 / lp1, u) : p.Num(kind, 1000);
        bq.Set(kind, cutoff, kind == "bp" ? std::max(q, 0.5) : q);
      }
    double f = freq == f2 ? freq : freq * std::pow(f2 / freq, u);
    if (vib.size() == 2) f *= std::pow(2.0, vib[1] * std::sin(2 * M_PI * vib[0] * t) / 12);
    const double dt = f / kSampleRate;
    double v = 0;
    if (wave == "noise") {
      v = Noise();
    } else if (wave == "square") {
      v = (phase < duty ? 1 : -1) + PolyBlep(phase, dt) -
          PolyBlep(std::fmod(phase + 1 - duty, 1), dt);
    } else if (wave == "saw") {
      v = 2 * phase - 1 - PolyBlep(phase, dt);
    } else if (wave == "tri") {
      v = 1 - 4 * std::abs(phase - 0.5);
    } else {
      double mod = 0;
      if (fm.size() == 2) {
        mod = fm[1] * (1 - u * 0.7) * std::sin(2 * M_PI * modPhase);
        modPhase = std::fmod(modPhase + dt * fm[0], 1.0);
      }
      for (size_t h = 0; h < harm.size(); ++h)
        if ((h + 1) * f < kSampleRate * 0.45)
          v += harm[h] * std::sin(2 * M_PI * (phase * static_cast<double>(h + 1)) + mod);
    }
    phase = std::fmod(phase + dt, 1.0);
    for (auto& [kind, bq] : filters) v = bq.Run(v);
    double env = t < attack ? t / attack : 1.0;
    if (decay > 0 && t >= attack) env *= std::exp(-(t - attack) / decay);
    if (t > dur - release) env *= std::max(0.0, (dur - t) / release);
    if (trem.size() == 2) env *= 1 - trem[1] * (0.5 + 0.5 * std::sin(2 * M_PI * trem[0] * t));
    mix[static_cast<size_t>(start + i)] += v * env * amp;
  }
}

void RenderVoice(std::vector<double>& mix, const Params& p) {
  auto rep = p.List("repeat");
  int count = rep.size() == 2 ? static_cast<int>(rep[0]) : 1;
  double every = rep.size() == 2 ? rep[1] : 0;
  for (int r = 0; r < count; ++r) {
    double at = p.Num("at", 0) + r * every;
    if (p.pos[0] == "notes") {
      if (p.pos.size() < 2) Fail(p.where, "notes \"C5 E5 ...\"");
      std::stringstream ss(p.pos[1]);
      std::string note;
      double step = p.Num("step", 0.1);
      for (int k = 0; ss >> note; ++k) {
        if (note == "-") continue;
        std::stringstream chord(note);
        std::string one;
        while (std::getline(chord, one, '+')) RenderTone(mix, p, at + k * step, NoteFrequency(one));
      }
    } else {
      double f = p.kv.count("note") ? NoteFrequency(p.Str("note", "A4")) : p.Num("f", 440);
      RenderTone(mix, p, at, f);
    }
  }
}

}  // namespace

double NoteFrequency(const std::string& name) {
  static const int kSemis[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (name.size() < 2) throw std::runtime_error("bad note " + name);
  char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  if (letter < 'a' || letter > 'g') throw std::runtime_error("bad note " + name);
  int semi = kSemis[letter - 'a'];
  size_t i = 1;
  if (name[i] == '#')
    ++semi, ++i;
  else if (name[i] == 'b')
    --semi, ++i;
  int octave = std::atoi(name.c_str() + i);
  int midi = (octave + 1) * 12 + semi;
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

SoundLevels MeasureLevels(const std::vector<int16_t>& samples, int rate) {
  SoundLevels lv;
  lv.seconds = static_cast<double>(samples.size()) / rate;
  const size_t win = static_cast<size_t>(rate / 20);
  double sum = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    double v = samples[i] / 32768.0;
    lv.peak = std::max(lv.peak, std::abs(v));
    sum += v * v;
    if (i >= win) {
      double o = samples[i - win] / 32768.0;
      sum -= o * o;
    }
    size_t n = std::min(i + 1, win);
    if (i + 1 >= std::min(win, samples.size()))
      lv.loudness = std::max(lv.loudness, std::sqrt(std::max(0.0, sum) / static_cast<double>(n)));
  }
  return lv;
}

std::vector<Sound> SynthesiseSounds(const std::string& tableText, const std::string& fileName) {
  std::vector<Sound> out;
  std::istringstream in(tableText);
  std::string line;
  int lineNo = 0;
  Sound* cur = nullptr;
  std::vector<double> mix;
  std::vector<Params> echoes;
  auto finish = [&] {
    for (const auto& e : echoes) {
      size_t d = static_cast<size_t>(e.Num("delay", 0.1) * kSampleRate);
      double fb = e.Num("feedback", 0.3);
      size_t tail = static_cast<size_t>(d * std::ceil(std::log(0.01) / std::log(fb)));
      mix.resize(mix.size() + tail, 0.0);
      for (size_t i = d; i < mix.size(); ++i) mix[i] += mix[i - d] * fb;
    }
    std::vector<int16_t> pcm(mix.size());
    double peak = 0;
    for (double v : mix) peak = std::max(peak, std::abs(v));
    if (peak <= 0) Fail(cur->name, "silent sound");
    for (size_t i = 0; i < mix.size(); ++i)
      pcm[i] = static_cast<int16_t>(std::lround(mix[i] / peak * 16384));
    double loud = MeasureLevels(pcm, kSampleRate).loudness / 0.5;  // at peak 1.0
    double gain = std::min(kTargetLoudness / loud, kPeakLimit) / peak;
    gain = std::min(gain, kPeakLimit / peak);
    for (size_t i = 0; i < mix.size(); ++i)
      pcm[i] = static_cast<int16_t>(std::lround(std::clamp(mix[i] * gain, -1.0, 1.0) * 32767));
    // trim trailing silence
    size_t end = pcm.size();
    while (end > 0 && std::abs(pcm[end - 1]) < 8) --end;
    pcm.resize(end);
    cur->samples = std::move(pcm);
    cur->levels = MeasureLevels(cur->samples, kSampleRate);
  };
  while (std::getline(in, line)) {
    ++lineNo;
    std::string where = fileName + ":" + std::to_string(lineNo);
    size_t hash = line.find("# ");
    if (hash != std::string::npos) line = line.substr(0, hash);
    auto tok = Tokenize(line);
    if (tok.empty()) continue;
    if (!cur) {
      if (tok[0] != "sound" || tok.size() != 2) Fail(where, "sound NAME expected");
      out.push_back(Sound{tok[1], {}, {}});
      cur = &out.back();
      mix.clear();
      echoes.clear();
      continue;
    }
    if (tok[0] == "end") {
      finish();
      cur = nullptr;
      continue;
    }
    Params p = ParseParams(line, where);
    if (p.pos[0] == "echo")
      echoes.push_back(p);
    else if (p.pos[0] == "tone" || p.pos[0] == "noise" || p.pos[0] == "notes")
      RenderVoice(mix, p);
    else
      Fail(where, "unknown voice " + p.pos[0]);
  }
  if (cur) Fail(fileName, "sound " + cur->name + " has no end");
  return out;
}

}  // namespace lx::assetgen

#include "art.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace lx::assetgen {

namespace {

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw ArtError(where + ": " + what);
}

bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// ---------------------------------------------------------------- numbers

class ExprParser {
 public:
  ExprParser(const std::string& s, const std::string& where) : s_(s), where_(where) {}
  double Parse() {
    double v = Compare();
    Skip();
    if (pos_ != s_.size()) Fail(where_, "bad number '" + s_ + "'");
    return v;
  }

 private:
  void Skip() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  bool Eat(const char* op) {
    Skip();
    size_t n = std::strlen(op);
    if (s_.compare(pos_, n, op) == 0) {
      pos_ += n;
      return true;
    }
    return false;
  }
  double Compare() {
    double a = Sum();
    for (;;) {
      if (Eat("=="))
        a = a == Sum();
      else if (Eat("!="))
        a = a != Sum();
      else if (Eat("<="))
        a = a <= Sum();
      else if (Eat(">="))
        a = a >= Sum();
      else if (Eat("<"))
        a = a < Sum();
      else if (Eat(">"))
        a = a > Sum();
      else
        return a;
    }
  }
  double Sum() {
    double a = Product();
    for (;;) {
      if (Eat("+"))
        a += Product();
      else if (Eat("-"))
        a -= Product();
      else
        return a;
    }
  }
  double Product() {
    double a = Unary();
    for (;;) {
      if (Eat("*"))
        a *= Unary();
      else if (Eat("/"))
        a /= Unary();
      else if (Eat("%"))
        a = std::fmod(a, Unary());
      else
        return a;
    }
  }
  double Unary() {
    if (Eat("-")) return -Unary();
    if (Eat("+")) return Unary();
    if (Eat("(")) {
      double v = Compare();
      if (!Eat(")")) Fail(where_, "missing ) in '" + s_ + "'");
      return v;
    }
    Skip();
    const char* start = s_.c_str() + pos_;
    char* end = nullptr;
    double v = std::strtod(start, &end);
    if (end == start) Fail(where_, "bad number '" + s_ + "'");
    pos_ += static_cast<size_t>(end - start);
    return v;
  }
  const std::string& s_;
  const std::string& where_;
  size_t pos_ = 0;
};

// ---------------------------------------------------------------- colours and paints

struct Rgba {
  double r = 0, g = 0, b = 0, a = 1;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

Rgba ParseColor(const std::string& s, const std::string& where) {
  if (s.empty() || s[0] != '#') Fail(where, "colour expected, got '" + s + "'");
  std::string h = s.substr(1);
  for (char c : h)
    if (HexDigit(c) < 0) Fail(where, "bad colour '" + s + "'");
  auto byte = [&](size_t i) { return (HexDigit(h[i]) * 16 + HexDigit(h[i + 1])) / 255.0; };
  Rgba c;
  if (h.size() == 3) {
    c.r = HexDigit(h[0]) / 15.0;
    c.g = HexDigit(h[1]) / 15.0;
    c.b = HexDigit(h[2]) / 15.0;
  } else if (h.size() == 6 || h.size() == 8) {
    c.r = byte(0);
    c.g = byte(2);
    c.b = byte(4);
    if (h.size() == 8) c.a = byte(6);
  } else {
    Fail(where, "bad colour '" + s + "'");
  }
  return c;
}

std::vector<std::string> SplitTop(const std::string& s, char sep) {
  std::vector<std::string> parts;
  int depth = 0;
  std::string cur;
  for (char c : s) {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == sep && depth == 0) {
      parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  parts.push_back(cur);
  return parts;
}

// ---------------------------------------------------------------- blur

void BoxBlurAlpha(std::vector<float>& a, int w, int h, int radius) {
  if (radius < 1) return;
  std::vector<float> tmp(a.size());
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) {
      float acc = 0;
      for (int x = -radius; x <= radius; ++x) acc += a[y * w + std::clamp(x, 0, w - 1)];
      for (int x = 0; x < w; ++x) {
        tmp[y * w + x] = acc / (2 * radius + 1);
        acc += a[y * w + std::min(x + radius + 1, w - 1)] - a[y * w + std::max(x - radius, 0)];
      }
    }
    for (int x = 0; x < w; ++x) {
      float acc = 0;
      for (int y = -radius; y <= radius; ++y) acc += tmp[std::clamp(y, 0, h - 1) * w + x];
      for (int y = 0; y < h; ++y) {
        a[y * w + x] = acc / (2 * radius + 1);
        acc += tmp[std::min(y + radius + 1, h - 1) * w + x] - tmp[std::max(y - radius, 0) * w + x];
      }
    }
  }
}

// A tinted, blurred copy of the alpha of src (same size), for shadows and glows.
cairo_surface_t* ShadowOf(cairo_surface_t* src, int radius, const Rgba& c, double spread) {
  cairo_surface_flush(src);
  int w = cairo_image_surface_get_width(src), h = cairo_image_surface_get_height(src);
  int stride = cairo_image_surface_get_stride(src);
  const unsigned char* p = cairo_image_surface_get_data(src);
  std::vector<float> a(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) a[y * w + x] = p[y * stride + x * 4 + 3] / 255.0f;
  BoxBlurAlpha(a, w, h, radius);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  unsigned char* q = cairo_image_surface_get_data(out);
  int ostride = cairo_image_surface_get_stride(out);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double al = std::min(1.0, a[y * w + x] * spread) * c.a;
      unsigned char* px = q + y * ostride + x * 4;
      px[0] = static_cast<unsigned char>(std::lround(c.b * al * 255));
      px[1] = static_cast<unsigned char>(std::lround(c.g * al * 255));
      px[2] = static_cast<unsigned char>(std::lround(c.r * al * 255));
      px[3] = static_cast<unsigned char>(std::lround(al * 255));
    }
  cairo_surface_mark_dirty(out);
  return out;
}

// ---------------------------------------------------------------- SVG path data

void AppendSvgPath(cairo_t* cr, const std::string& d, const std::string& where) {
  size_t i = 0;
  auto skip = [&] {
    while (i < d.size() && (std::isspace(static_cast<unsigned char>(d[i])) || d[i] == ',')) ++i;
  };
  auto number = [&]() {
    skip();
    const char* start = d.c_str() + i;
    char* end = nullptr;
    double v = std::strtod(start, &end);
    if (end == start) Fail(where, "bad path data near '" + d.substr(i, 12) + "'");
    i += static_cast<size_t>(end - start);
    return v;
  };
  auto hasNumber = [&] {
    skip();
    return i < d.size() && (std::isdigit(static_cast<unsigned char>(d[i])) || d[i] == '-' ||
                            d[i] == '.' || d[i] == '+');
  };
  char cmd = 0;
  double cx = 0, cy = 0, lx = 0, ly = 0, sx = 0, sy = 0;  // current, last control, subpath start
  char prev = 0;
  for (;;) {
    skip();
    if (i >= d.size()) break;
    if (std::isalpha(static_cast<unsigned char>(d[i])))
      cmd = d[i++];
    else if (cmd == 0)
      Fail(where, "path data must start with a command");
    bool rel = std::islower(static_cast<unsigned char>(cmd));
    double ox = rel ? cx : 0, oy = rel ? cy : 0;
    switch (std::toupper(static_cast<unsigned char>(cmd))) {
      case 'M': {
        double x = number() + ox, y = number() + oy;
        cairo_move_to(cr, x, y);
        cx = sx = lx = x;
        cy = sy = ly = y;
        cmd = rel ? 'l' : 'L';
        break;
      }
      case 'L':
      case 'H':
      case 'V': {
        char up = static_cast<char>(std::toupper(static_cast<unsigned char>(cmd)));
        double x = up == 'V' ? cx : number() + ox;
        double y = up == 'H' ? cy : number() + oy;
        cairo_line_to(cr, x, y);
        cx = lx = x;
        cy = ly = y;
        break;
      }
      case 'C': {
        double x1 = number() + ox, y1 = number() + oy, x2 = number() + ox, y2 = number() + oy;
        double x = number() + ox, y = number() + oy;
        cairo_curve_to(cr, x1, y1, x2, y2, x, y);
        lx = x2, ly = y2, cx = x, cy = y;
        break;
      }
      case 'S': {
        double x1 = cx, y1 = cy;
        char p = static_cast<char>(std::toupper(static_cast<unsigned char>(prev)));
        if (p == 'C' || p == 'S') x1 = 2 * cx - lx, y1 = 2 * cy - ly;
        double x2 = number() + ox, y2 = number() + oy, x = number() + ox, y = number() + oy;
        cairo_curve_to(cr, x1, y1, x2, y2, x, y);
        lx = x2, ly = y2, cx = x, cy = y;
        break;
      }
      case 'Q':
      case 'T': {
        double qx = cx, qy = cy;
        char p = static_cast<char>(std::toupper(static_cast<unsigned char>(prev)));
        if (std::toupper(static_cast<unsigned char>(cmd)) == 'Q') {
          qx = number() + ox;
          qy = number() + oy;
        } else if (p == 'Q' || p == 'T') {
          qx = 2 * cx - lx, qy = 2 * cy - ly;
        }
        double x = number() + ox, y = number() + oy;
        cairo_curve_to(cr, cx + 2.0 / 3 * (qx - cx), cy + 2.0 / 3 * (qy - cy),
                       x + 2.0 / 3 * (qx - x), y + 2.0 / 3 * (qy - y), x, y);
        lx = qx, ly = qy, cx = x, cy = y;
        break;
      }
      case 'Z':
        cairo_close_path(cr);
        cx = lx = sx;
        cy = ly = sy;
        prev = cmd;
        cmd = 0;
        continue;
      default:
        Fail(where, std::string("unsupported path command ") + cmd);
    }
    prev = cmd;
    if (!hasNumber() && i < d.size() && !std::isalpha(static_cast<unsigned char>(d[i])))
      Fail(where, "bad path data");
  }
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  if (r <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

}  // namespace

// ---------------------------------------------------------------- public helpers

std::vector<std::string> Tokenize(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  bool inQuote = false, have = false;
  for (char c : line) {
    if (c == '"') {
      inQuote = !inQuote;
      have = true;
    } else if (!inQuote && (c == ' ' || c == '\t')) {
      if (have) out.push_back(cur);
      cur.clear();
      have = false;
    } else {
      cur += c;
      have = true;
    }
  }
  if (have) out.push_back(cur);
  return out;
}

std::string Substitute(const std::string& text, const std::vector<const Vars*>& scopes,
                       const std::string& where) {
  std::string s = text;
  for (int round = 0; round < 8; ++round) {
    bool named = false;
    for (size_t i = 0; i + 1 < s.size(); ++i)
      if (s[i] == '$' && IsIdentChar(s[i + 1]) &&
          !std::isdigit(static_cast<unsigned char>(s[i + 1])))
        named = true;
    if (!named) break;
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
      if (s[i] != '$') {
        out += s[i];
        continue;
      }
      size_t j = i + 1;
      if (j < s.size() && !std::isdigit(static_cast<unsigned char>(s[j])))
        while (j < s.size() && IsIdentChar(s[j])) ++j;
      std::string name = s.substr(i + 1, j - i - 1);
      if (name.empty()) {  // a '$' that starts no name (such as "$5") is itself
        out += '$';
        continue;
      }
      const std::string* value = nullptr;
      for (auto it = scopes.rbegin(); it != scopes.rend() && !value; ++it) {
        auto f = (*it)->find(name);
        if (f != (*it)->end()) value = &f->second;
      }
      if (!value) Fail(where, "unknown variable $" + name);
      out += *value;
      i = j - 1;
    }
    s = out;
  }
  // pick(i|a|b|c) -> the i-th (1-based, wrapping) of a, b, c
  for (size_t p; (p = s.find("pick(")) != std::string::npos;) {
    int depth = 0;
    size_t e = p + 4;
    for (; e < s.size(); ++e) {
      if (s[e] == '(') ++depth;
      if (s[e] == ')' && --depth == 0) break;
    }
    if (e >= s.size()) Fail(where, "unclosed pick(");
    auto parts = SplitTop(s.substr(p + 5, e - p - 5), '|');
    if (parts.size() < 2) Fail(where, "pick needs an index and choices");
    long k = std::lround(EvalNumber(parts[0], where));
    long n = static_cast<long>(parts.size()) - 1;
    k = ((k - 1) % n + n) % n + 1;
    s = s.substr(0, p) + parts[static_cast<size_t>(k)] + s.substr(e + 1);
  }
  return s;
}

double EvalNumber(const std::string& expr, const std::string& where) {
  return ExprParser(expr, where).Parse();
}

// ---------------------------------------------------------------- library

struct ArtLibrary::Impl {
  std::string fontFolder;
  FT_Library ft = nullptr;
  struct Face {
    FT_Face face = nullptr;
    cairo_font_face_t* cairoFace = nullptr;
  };
  std::map<std::string, Face> fonts;
  std::map<std::string, std::string> fontFiles;

  cairo_font_face_t* FontFace(const std::string& name, const std::string& where) {
    auto it = fonts.find(name);
    if (it != fonts.end()) return it->second.cairoFace;
    auto file = fontFiles.find(name);
    if (file == fontFiles.end()) Fail(where, "unknown font " + name);
    if (!ft && FT_Init_FreeType(&ft) != 0) Fail(where, "FreeType failed");
    Face f;
    std::string path = fontFolder + "/" + file->second;
    if (FT_New_Face(ft, path.c_str(), 0, &f.face) != 0) Fail(where, "cannot open font " + path);
    f.cairoFace = cairo_ft_font_face_create_for_ft_face(f.face, 0);
    fonts[name] = f;
    return f.cairoFace;
  }
  ~Impl() {
    for (auto& [n, f] : fonts) {
      cairo_font_face_destroy(f.cairoFace);
      FT_Done_Face(f.face);
    }
    if (ft) FT_Done_FreeType(ft);
  }
};

ArtLibrary::ArtLibrary(std::string fontFolder) : impl_(std::make_unique<Impl>()) {
  impl_->fontFolder = std::move(fontFolder);
}
ArtLibrary::~ArtLibrary() = default;

void ArtLibrary::ParseFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ArtError("cannot read " + path);
  std::stringstream ss;
  ss << in.rdbuf();
  std::string name = path.substr(path.find_last_of('/') + 1);
  ParseText(ss.str(), name);
}

void ArtLibrary::ParseText(const std::string& text, const std::string& fileName) {
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  Block* open = nullptr;
  Block current;
  int depth = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    std::string where = fileName + ":" + std::to_string(lineNo);
    // strip comments (a '#' that starts a word and is not a colour) and blanks
    std::string line;
    bool inQuote = false;
    for (size_t i = 0; i < raw.size(); ++i) {
      char c = raw[i];
      if (c == '"') inQuote = !inQuote;
      if (!inQuote && c == '#' && (i == 0 || raw[i - 1] == ' ' || raw[i - 1] == '\t') &&
          (i + 1 >= raw.size() || raw[i + 1] == ' ' || raw[i + 1] == '#'))
        break;
      if (c != '\r') line += c;
    }
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    line = line.substr(first);
    auto tok = Tokenize(line);
    if (open) {
      static const char* kOpeners[] = {"group", "repeat", "if"};
      if (std::find_if(std::begin(kOpeners), std::end(kOpeners),
                       [&](const char* k) { return tok[0] == k; }) != std::end(kOpeners))
        ++depth;
      if (tok[0] == "end") {
        if (depth == 0) {
          if (current.kind == "shape")
            shapes_[current.name] = current;
          else if (current.kind == "image")
            images_.push_back(current);
          else
            others_.push_back(current);
          open = nullptr;
          continue;
        }
        --depth;
      }
      current.body.push_back({line, where});
      continue;
    }
    if (tok[0] == "let") {
      if (tok.size() < 3) Fail(where, "let NAME VALUE");
      std::string value = tok[2];
      for (size_t k = 3; k < tok.size(); ++k) value += " " + tok[k];
      globals_[tok[1]] = value;
      continue;
    }
    if (tok[0] == "font") {
      if (tok.size() != 3) Fail(where, "font NAME FILE");
      impl_->fontFiles[tok[1]] = tok[2];
      continue;
    }
    if (tok.size() < 2) Fail(where, "block NAME expected");
    current = Block{};
    current.kind = tok[0];
    current.name = tok[1];
    current.where = where;
    current.args.assign(tok.begin() + 2, tok.end());
    if (current.kind == "shape" || current.kind == "image") {
      if (tok.size() < 4) Fail(where, current.kind + " NAME W H");
      current.width = static_cast<int>(EvalNumber(Substitute(tok[2], {&globals_}, where), where));
      current.height = static_cast<int>(EvalNumber(Substitute(tok[3], {&globals_}, where), where));
      for (size_t i = 4; i < tok.size(); ++i) {
        if (tok[i] == "alpha")
          current.alpha = true;
        else if (tok[i] == "opaque")
          current.alpha = false;
        else if (tok[i].rfind("frames=", 0) == 0)
          current.frames = static_cast<int>(EvalNumber(tok[i].substr(7), where));
        else
          Fail(where, "unknown image option " + tok[i]);
      }
    }
    open = &current;
    depth = 0;
  }
  if (open) Fail(current.where, "block " + current.name + " has no end");
}

cairo_font_face_t* ArtLibrary::FontFace(const std::string& name) const {
  return impl_->FontFace(name, "font " + name);
}

std::vector<const Block*> ArtLibrary::BlocksOfKind(const std::string& kind) const {
  std::vector<const Block*> out;
  for (const auto& b : others_)
    if (b.kind == kind) out.push_back(&b);
  return out;
}

const Block* ArtLibrary::FindShape(const std::string& name) const {
  auto it = shapes_.find(name);
  return it == shapes_.end() ? nullptr : &it->second;
}

// ---------------------------------------------------------------- renderer

namespace {

struct Op {
  std::vector<std::string> pos;  // positional tokens (op name first)
  std::map<std::string, std::string> kv;
  std::string where;
  bool Has(const std::string& k) const { return kv.count(k) != 0; }
  std::string Str(const std::string& k, const std::string& def = "") const {
    auto it = kv.find(k);
    return it == kv.end() ? def : it->second;
  }
  double Num(const std::string& k, double def) const {
    auto it = kv.find(k);
    return it == kv.end() ? def : EvalNumber(it->second, where);
  }
  double P(size_t i) const {
    if (i >= pos.size()) Fail(where, pos[0] + ": missing argument " + std::to_string(i));
    return EvalNumber(pos[i], where);
  }
};

Op ParseOp(const std::string& text, const std::string& where) {
  Op op;
  op.where = where;
  for (auto& t : Tokenize(text)) {
    size_t eq = t.find('=');
    bool isKv = eq != std::string::npos && eq > 0 && IsIdentChar(t[0]) &&
                std::all_of(t.begin(), t.begin() + static_cast<long>(eq), IsIdentChar) &&
                !(eq + 1 < t.size() && t[eq + 1] == '=');
    if (isKv && !op.pos.empty() && op.pos[0] != "if")
      op.kv[t.substr(0, eq)] = t.substr(eq + 1);
    else
      op.pos.push_back(t);
  }
  return op;
}

}  // namespace

class Painter {
 public:
  Painter(const ArtLibrary& lib, ArtLibrary::Impl& impl) : lib_(lib), impl_(impl) {}

  void Run(cairo_t* cr, const std::vector<SourceLine>& body, size_t from, size_t to,
           std::vector<Vars>& scopes) {
    for (size_t i = from; i < to; ++i) {
      const SourceLine& sl = body[i];
      auto first = Tokenize(sl.text);
      const std::string& name = first[0];
      if (name == "group" || name == "repeat" || name == "if") {
        size_t end = MatchingEnd(body, i);
        Op op = ParseOp(Expand(sl, scopes), sl.where);
        if (name == "repeat") {
          if (op.pos.size() < 4) Fail(sl.where, "repeat VAR FROM TO [STEP]");
          double a = op.P(2), b = op.P(3), step = op.pos.size() > 4 ? op.P(4) : 1;
          if (step == 0) Fail(sl.where, "repeat step 0");
          for (double v = a; step > 0 ? v <= b + 1e-9 : v >= b - 1e-9; v += step) {
            scopes.push_back({{op.pos[1], Num(v)}});
            Run(cr, body, i + 1, end, scopes);
            scopes.pop_back();
          }
        } else if (name == "if") {
          std::string cond;
          for (size_t k = 1; k < op.pos.size(); ++k) cond += op.pos[k];
          if (EvalNumber(cond, sl.where) != 0) {
            scopes.emplace_back();
            Run(cr, body, i + 1, end, scopes);
            scopes.pop_back();
          }
        } else {
          Group(cr, op, body, i + 1, end, scopes);
        }
        i = end;
        continue;
      }
      if (name == "let") {
        auto tok = Tokenize(Expand(sl, scopes));
        if (tok.size() < 3) Fail(sl.where, "let NAME VALUE");
        std::string v = tok[2];
        for (size_t k = 3; k < tok.size(); ++k) v += " " + tok[k];
        if (v.size() > 1 && v[0] == '=') v = Num(EvalNumber(v.substr(1), sl.where));
        scopes.back()[tok[1]] = v;
        continue;
      }
      Execute(cr, ParseOp(Expand(sl, scopes), sl.where), scopes);
    }
  }

 private:
  static std::string Num(double v) {
    std::ostringstream os;
    os.precision(10);
    os << v;
    return os.str();
  }

  std::string Expand(const SourceLine& sl, const std::vector<Vars>& scopes) const {
    std::vector<const Vars*> chain{&lib_.Globals()};
    for (const auto& s : scopes) chain.push_back(&s);
    return Substitute(sl.text, chain, sl.where);
  }

  static size_t MatchingEnd(const std::vector<SourceLine>& body, size_t start) {
    int depth = 0;
    for (size_t i = start + 1; i < body.size(); ++i) {
      auto t = Tokenize(body[i].text);
      if (t[0] == "group" || t[0] == "repeat" || t[0] == "if") ++depth;
      if (t[0] == "end") {
        if (depth == 0) return i;
        --depth;
      }
    }
    Fail(body[start].where, "missing end");
  }

  cairo_pattern_t* Paint(const std::string& spec, const std::string& where) {
    if (spec.rfind("lin(", 0) == 0 || spec.rfind("rad(", 0) == 0) {
      if (spec.back() != ')') Fail(where, "bad gradient " + spec);
      auto parts = SplitTop(spec.substr(4, spec.size() - 5), ',');
      std::vector<double> nums;
      size_t k = 0;
      for (; k < parts.size() && parts[k].find(':') == std::string::npos; ++k)
        nums.push_back(EvalNumber(parts[k], where));
      cairo_pattern_t* p = nullptr;
      if (spec[0] == 'l') {
        if (nums.size() != 4) Fail(where, "lin(x1,y1,x2,y2,stops)");
        p = cairo_pattern_create_linear(nums[0], nums[1], nums[2], nums[3]);
      } else if (nums.size() == 3) {
        p = cairo_pattern_create_radial(nums[0], nums[1], 0, nums[0], nums[1], nums[2]);
      } else if (nums.size() == 6) {
        p = cairo_pattern_create_radial(nums[0], nums[1], nums[2], nums[3], nums[4], nums[5]);
      } else {
        Fail(where, "rad(cx,cy,r,stops) or rad(fx,fy,fr,cx,cy,r,stops)");
      }
      for (; k < parts.size(); ++k) {
        size_t c = parts[k].find(':');
        if (c == std::string::npos) Fail(where, "gradient stop POS:COLOUR expected");
        Rgba col = ParseColor(parts[k].substr(c + 1), where);
        cairo_pattern_add_color_stop_rgba(p, EvalNumber(parts[k].substr(0, c), where), col.r, col.g,
                                          col.b, col.a);
      }
      return p;
    }
    if (spec.rfind("tile(", 0) == 0) {
      auto parts = SplitTop(spec.substr(5, spec.size() - 6), ',');
      if (parts.size() < 3) Fail(where, "tile(SHAPE,W,H)");
      const Block* shape = lib_.FindShape(parts[0]);
      if (!shape) Fail(where, "unknown shape " + parts[0]);
      int w = static_cast<int>(EvalNumber(parts[1], where));
      int h = static_cast<int>(EvalNumber(parts[2], where));
      cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
      cairo_t* c = cairo_create(s);
      cairo_scale(c, static_cast<double>(w) / shape->width, static_cast<double>(h) / shape->height);
      std::vector<Vars> sc{Vars{}};
      for (size_t k = 3; k < parts.size(); ++k) {
        size_t eq = parts[k].find('=');
        if (eq != std::string::npos) sc[0][parts[k].substr(0, eq)] = parts[k].substr(eq + 1);
      }
      Run(c, shape->body, 0, shape->body.size(), sc);
      cairo_destroy(c);
      cairo_pattern_t* p = cairo_pattern_create_for_surface(s);
      cairo_surface_destroy(s);
      cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
      return p;
    }
    Rgba c = ParseColor(spec, where);
    return cairo_pattern_create_rgba(c.r, c.g, c.b, c.a);
  }

  // Fills and strokes the current path as the op asks.
  void FillStroke(cairo_t* cr, const Op& op) {
    std::string fill = op.Str("fill"), stroke = op.Str("stroke");
    if (fill.empty() && stroke.empty()) fill = "#000";
    if (!fill.empty() && fill != "none") {
      cairo_pattern_t* p = Paint(fill, op.where);
      cairo_set_source(cr, p);
      cairo_pattern_destroy(p);
      cairo_set_fill_rule(
          cr, op.Str("rule") == "evenodd" ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
      if (!stroke.empty() && stroke != "none")
        cairo_fill_preserve(cr);
      else
        cairo_fill(cr);
    }
    if (!stroke.empty() && stroke != "none") {
      cairo_pattern_t* p = Paint(stroke, op.where);
      cairo_set_source(cr, p);
      cairo_pattern_destroy(p);
      cairo_set_line_width(cr, op.Num("lw", 1));
      cairo_set_line_join(
          cr, op.Str("join") == "miter" ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
      cairo_set_line_cap(cr, op.Str("cap") == "butt" ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
    }
    cairo_new_path(cr);
  }

  void Text(cairo_t* cr, const Op& op) {
    if (op.pos.size() < 4) Fail(op.where, "text X Y \"STRING\"");
    double x = op.P(1), y = op.P(2);
    const std::string& s = op.pos[3];
    cairo_set_font_face(cr, impl_.FontFace(op.Str("font", "sans-bold"), op.where));
    double size = op.Num("size", 12);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, s.c_str(), &ext);
    double spacing = op.Num("spacing", 0);
    double width = ext.x_advance + spacing * (static_cast<double>(s.size()) - 1);
    double sx = 1;
    if (op.Has("fit") && width > op.Num("fit", 0)) sx = op.Num("fit", 0) / width;
    std::string align = op.Str("align", "l"), valign = op.Str("valign", "base");
    double ox = align == "c" ? -width * sx / 2 : align == "r" ? -width * sx : 0;
    double oy = 0;
    if (valign == "mid")
      oy = -(ext.y_bearing + ext.height / 2);
    else if (valign == "top")
      oy = -ext.y_bearing;
    cairo_save(cr);
    cairo_translate(cr, x + ox, y + oy);
    cairo_scale(cr, sx, op.Num("sy", 1));
    if (spacing == 0) {
      cairo_move_to(cr, 0, 0);
      cairo_text_path(cr, s.c_str());
    } else {
      double pen = 0;
      for (char ch : s) {
        char one[2] = {ch, 0};
        cairo_move_to(cr, pen, 0);
        cairo_text_path(cr, one);
        cairo_text_extents_t e;
        cairo_text_extents(cr, one, &e);
        pen += e.x_advance + spacing;
      }
    }
    // the path outlives the transform, so paints and line widths are those of the caller
    cairo_restore(cr);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    std::string stroke = op.Str("stroke");
    if (!stroke.empty() && stroke != "none") {  // stroke under the fill keeps letters crisp
      Op s2 = op;
      s2.kv.erase("fill");
      cairo_append_path(cr, path);
      FillStroke(cr, s2);
    }
    Op f2 = op;
    f2.kv.erase("stroke");
    if (!f2.Has("fill")) f2.kv["fill"] = "#000";
    cairo_append_path(cr, path);
    FillStroke(cr, f2);
    cairo_path_destroy(path);
  }

  void Use(cairo_t* cr, const Op& op, std::vector<Vars>& scopes) {
    if (op.pos.size() < 6) Fail(op.where, "use SHAPE X Y W H");
    const Block* shape = lib_.FindShape(op.pos[1]);
    if (!shape) Fail(op.where, "unknown shape " + op.pos[1]);
    double x = op.P(2), y = op.P(3), w = op.P(4), h = op.P(5);
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    if (op.Has("rot")) cairo_rotate(cr, op.Num("rot", 0) * M_PI / 180);
    if (op.Num("flip", 0) != 0) cairo_rotate(cr, M_PI);
    if (op.Num("mirror", 0) != 0) cairo_scale(cr, -1, 1);
    if (op.Num("vmirror", 0) != 0) cairo_scale(cr, 1, -1);
    cairo_scale(cr, w / shape->width, h / shape->height);
    cairo_translate(cr, -shape->width / 2.0, -shape->height / 2.0);
    Vars local;
    for (const auto& [k, v] : op.kv)
      if (k != "rot" && k != "flip" && k != "mirror" && k != "vmirror" && k != "alpha")
        local[k] = v;
    scopes.push_back(local);
    if (op.Has("alpha")) {
      cairo_push_group(cr);
      Run(cr, shape->body, 0, shape->body.size(), scopes);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, op.Num("alpha", 1));
    } else {
      Run(cr, shape->body, 0, shape->body.size(), scopes);
    }
    scopes.pop_back();
    cairo_restore(cr);
  }

  // A pip table lists per rank the pip centres in percent of the pip area ("x,y", "!" after a
  // position turns that pip upside down). Each pip is the shape SUIT_<suit>.
  void Pips(cairo_t* cr, const Op& op, std::vector<Vars>& scopes) {
    std::string table = op.Str("table", "PIPS");
    const Block* pips = nullptr;
    for (const Block* b : lib_.BlocksOfKind("pips"))
      if (b->name == table) pips = b;
    if (!pips) Fail(op.where, "unknown pip table " + table);
    std::string rank = op.Str("rank", Expand({"$rank", op.where}, scopes));
    std::string suit = Expand({"$suit", op.where}, scopes);
    double x = op.P(1), y = op.P(2), w = op.P(3), h = op.P(4), size = op.P(5);
    for (const SourceLine& row : pips->body) {
      auto tok = Tokenize(row.text);
      if (tok[0] != rank) continue;
      for (size_t i = 1; i < tok.size(); ++i) {
        std::string t = tok[i];
        bool flip = !t.empty() && t.back() == '!';
        if (flip) t.pop_back();
        auto xy = SplitTop(t, ',');
        if (xy.size() != 2) Fail(row.where, "pip position x,y expected");
        double px = x + EvalNumber(xy[0], row.where) / 100 * w;
        double py = y + EvalNumber(xy[1], row.where) / 100 * h;
        Op use;
        use.where = row.where;
        use.pos = {"use",     "SUIT_" + suit, Num(px - size / 2), Num(py - size / 2),
                   Num(size), Num(size)};
        if (flip) use.kv["flip"] = "1";
        Use(cr, use, scopes);
      }
      return;
    }
    Fail(op.where, "pip table " + table + " has no row " + rank);
  }

  void Group(cairo_t* cr, const Op& op, const std::vector<SourceLine>& body, size_t from, size_t to,
             std::vector<Vars>& scopes) {
    cairo_save(cr);
    if (op.Has("at")) {
      auto p = SplitTop(op.Str("at"), ',');
      cairo_translate(cr, EvalNumber(p.at(0), op.where), EvalNumber(p.at(1), op.where));
    }
    if (op.Has("rot")) cairo_rotate(cr, op.Num("rot", 0) * M_PI / 180);
    if (op.Has("scale")) {
      auto p = SplitTop(op.Str("scale"), ',');
      double sx = EvalNumber(p[0], op.where);
      cairo_scale(cr, sx, p.size() > 1 ? EvalNumber(p[1], op.where) : sx);
    }
    scopes.emplace_back();
    bool offscreen = op.Has("shadow") || op.Has("glow");
    cairo_surface_t* target = cairo_get_target(cr);
    int W = cairo_image_surface_get_width(target), H = cairo_image_surface_get_height(target);
    cairo_t* inner = cr;
    cairo_surface_t* layer = nullptr;
    if (offscreen) {
      layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
      inner = cairo_create(layer);
      cairo_matrix_t m;
      cairo_get_matrix(cr, &m);
      cairo_set_matrix(inner, &m);
    } else {
      cairo_push_group(cr);
    }
    if (op.Has("clip")) {
      auto p = SplitTop(op.Str("clip"), ',');
      if (p.size() == 1) {
        AppendSvgPath(inner, p[0], op.where);
      } else {
        RoundedRect(inner, EvalNumber(p.at(0), op.where), EvalNumber(p.at(1), op.where),
                    EvalNumber(p.at(2), op.where), EvalNumber(p.at(3), op.where),
                    p.size() > 4 ? EvalNumber(p[4], op.where) : 0);
      }
      cairo_clip(inner);
    }
    Run(inner, body, from, to, scopes);
    double alpha = op.Num("alpha", 1);
    if (offscreen) {
      cairo_destroy(inner);
      cairo_save(cr);
      cairo_identity_matrix(cr);
      cairo_reset_clip(cr);
      for (const char* key : {"shadow", "glow"}) {
        if (!op.Has(key)) continue;
        auto p = SplitTop(op.Str(key), ',');
        // shadow=dx,dy,blur,colour[,spread]   glow=blur,colour[,spread]
        bool sh = std::string(key) == "shadow";
        size_t b = sh ? 2 : 0;
        if (p.size() < b + 2) Fail(op.where, sh ? "shadow=dx,dy,blur,colour" : "glow=blur,colour");
        double dx = sh ? EvalNumber(p[0], op.where) : 0, dy = sh ? EvalNumber(p[1], op.where) : 0;
        cairo_surface_t* s = ShadowOf(layer, static_cast<int>(EvalNumber(p[b], op.where)),
                                      ParseColor(p[b + 1], op.where),
                                      p.size() > b + 2 ? EvalNumber(p[b + 2], op.where) : 1.0);
        cairo_set_source_surface(cr, s, dx, dy);
        cairo_paint_with_alpha(cr, alpha);
        cairo_surface_destroy(s);
      }
      cairo_set_source_surface(cr, layer, 0, 0);
      cairo_paint_with_alpha(cr, alpha);
      cairo_restore(cr);
      cairo_surface_destroy(layer);
    } else {
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, alpha);
    }
    scopes.pop_back();
    cairo_restore(cr);
  }

  void Execute(cairo_t* cr, const Op& op, std::vector<Vars>& scopes) {
    const std::string& n = op.pos[0];
    if (n == "rect") {
      RoundedRect(cr, op.P(1), op.P(2), op.P(3), op.P(4), op.Num("r", 0));
      FillStroke(cr, op);
    } else if (n == "ellipse" || n == "circle") {
      double rx = op.P(3), ry = n == "circle" ? rx : op.P(4);
      if (rx <= 0 || ry <= 0) return;
      cairo_save(cr);
      cairo_translate(cr, op.P(1), op.P(2));
      cairo_scale(cr, rx, ry);
      cairo_new_path(cr);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_restore(cr);
      FillStroke(cr, op);
    } else if (n == "arc") {  // arc CX CY R FROM TO (degrees, clockwise from 3 o'clock)
      cairo_new_path(cr);
      cairo_arc(cr, op.P(1), op.P(2), op.P(3), op.P(4) * M_PI / 180, op.P(5) * M_PI / 180);
      if (op.Num("pie", 0) != 0) {
        cairo_line_to(cr, op.P(1), op.P(2));
        cairo_close_path(cr);
      }
      FillStroke(cr, op);
    } else if (n == "path") {
      if (op.pos.size() < 2) Fail(op.where, "path \"DATA\"");
      AppendSvgPath(cr, op.pos[1], op.where);
      FillStroke(cr, op);
    } else if (n == "line") {
      cairo_move_to(cr, op.P(1), op.P(2));
      cairo_line_to(cr, op.P(3), op.P(4));
      Op s = op;
      if (!s.Has("stroke")) s.kv["stroke"] = "#000";
      s.kv["fill"] = "none";
      FillStroke(cr, s);
    } else if (n == "star") {  // star CX CY R1 R2 POINTS [rot=]
      int points = static_cast<int>(op.P(5));
      double rot = op.Num("rot", -90) * M_PI / 180;
      for (int i = 0; i < 2 * points; ++i) {
        double r = i % 2 ? op.P(4) : op.P(3), a = rot + M_PI * i / points;
        double px = op.P(1) + r * std::cos(a), py = op.P(2) + r * std::sin(a);
        if (i == 0)
          cairo_move_to(cr, px, py);
        else
          cairo_line_to(cr, px, py);
      }
      cairo_close_path(cr);
      FillStroke(cr, op);
    } else if (n == "text") {
      Text(cr, op);
    } else if (n == "use") {
      Use(cr, op, scopes);
    } else if (n == "pips") {  // pips X Y W H SIZE [table=] [rank=]: suit pips from a pip table
      Pips(cr, op, scopes);
    } else if (n == "fill") {  // fill PAINT: the whole clip
      cairo_pattern_t* p = Paint(op.pos.at(1), op.where);
      cairo_set_source(cr, p);
      cairo_pattern_destroy(p);
      cairo_paint(cr);
    } else {
      Fail(op.where, "unknown operation " + n);
    }
  }

  const ArtLibrary& lib_;
  ArtLibrary::Impl& impl_;
};

void ArtLibrary::Draw(cairo_t* cr, const Block& block, const Vars& vars) const {
  Painter painter(*this, *impl_);
  std::vector<Vars> scopes{vars};
  painter.Run(cr, block.body, 0, block.body.size(), scopes);
}

cairo_surface_t* ArtLibrary::Render(const Block& image, int frame, const Vars& extra) const {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  cairo_t* cr = cairo_create(s);
  Vars vars = image.vars;
  for (const auto& [k, v] : extra) vars[k] = v;
  vars["frame"] = std::to_string(frame);
  vars["frames"] = std::to_string(image.frames);
  vars["W"] = std::to_string(image.width);
  vars["H"] = std::to_string(image.height);
  try {
    Draw(cr, image, vars);
  } catch (...) {
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    throw;
  }
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
    Fail(image.where, std::string("cairo: ") + cairo_status_to_string(cairo_status(cr)));
  cairo_destroy(cr);
  cairo_surface_flush(s);
  return s;
}

}  // namespace lx::assetgen

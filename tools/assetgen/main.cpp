// assetgen: draws the pictures, synthesises the sounds and writes the music of the game into a
// staging folder that lxrpack then packs into the archives.
//
//   assetgen --data DIR --out DIR --fonts DIR [--sheets DIR] [--icons DIR]
//
// DIR/art/*.art    pictures (see art.h); card sets are composed from "cardset" blocks
// DIR/sounds.txt   sound effects (see sound.cpp)
// DIR/music/*.mml  music pieces (see music.cpp), written as Sounds/music_<file name>.mid
// DIR/<SCENE>/theme.scn   copied as they are
// The records land in OUT/pak/ (wiped first); OUT/report.txt lists sizes and levels.
// With --icons, every "icon NAME W H SIZE..." block of the art files is drawn at each SIZE into
// ICONS/hicolor/<SIZE>x<SIZE>/apps/NAME.png, the desktop's icon theme layout.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "art.h"
#include "media.h"
#include "platform/lxfiles.h"
#include "sound.h"

namespace fs = std::filesystem;

namespace lx::assetgen {
namespace {

struct Options {
  std::string data, out, fonts, sheets, icons;
  std::vector<std::string> zoom;  // pictures drawn three times larger on sheets/zoom.png
};

void WriteOrThrow(const std::string& path, const std::string& bytes) {
  std::string folder = path.substr(0, path.find_last_of('/') + 1);
  if (!ForceDirectories(folder) || !WriteFileAtomic(path, bytes))
    throw std::runtime_error("cannot write " + path);
}

std::string ReadOrThrow(const std::string& path) {
  auto text = ReadWholeFile(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& ext) {
  std::vector<std::string> out;
  for (const auto& name : ListFiles(folder))
    if (name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0)
      out.push_back(folder + name);
  std::sort(out.begin(), out.end());
  return out;
}

// Card faces: every "cardset NAME" block lists its templates and colours as "key value" lines;
// each card becomes an image that draws the matching template with the card's variables.
void ComposeCards(ArtLibrary& lib) {
  static const char* kLabels[] = {"",  "A", "2", "3",  "4", "5", "6",
                                  "7", "8", "9", "10", "J", "Q", "K"};
  static const char* kSuitNames[] = {"", "CLUB", "DIAMOND", "HEART", "SPADE"};
  for (const Block* set : lib.BlocksOfKind("cardset")) {
    Vars base;
    for (const auto& line : set->body) {
      auto tok = Tokenize(line.text);
      std::string value;
      for (size_t k = 1; k < tok.size(); ++k) value += (k > 1 ? " " : "") + tok[k];
      base[tok[0]] = value;
    }
    auto need = [&](const std::string& key) {
      auto it = base.find(key);
      if (it == base.end()) throw ArtError(set->where + ": cardset needs '" + key + "'");
      return it->second;
    };
    std::istringstream size(need("size"));
    int w = 0, h = 0;
    size >> w >> h;
    std::vector<int> wild;
    std::istringstream wildRanks(base.count("wild") ? base["wild"] : "");
    for (int r; wildRanks >> r;) wild.push_back(r);
    auto add = [&](const std::string& name, const std::string& templ, Vars vars) {
      Block b;
      b.kind = "image";
      b.name = set->name + "/" + name;
      b.width = w;
      b.height = h;
      b.alpha = true;
      b.where = set->where;
      b.vars = std::move(vars);
      b.body.push_back(
          {"use " + templ + " 0 0 " + std::to_string(w) + " " + std::to_string(h), set->where});
      lib.AddImage(std::move(b));
    };
    for (int card = 1; card <= 54; ++card) {
      Vars v = base;
      int suit = card <= 52 ? (card - 1) / 13 + 1 : 0;
      int rank = card <= 52 ? (card - 1) % 13 + 1 : 99;
      v["card"] = std::to_string(card);
      v["suit"] = std::to_string(suit);
      v["rank"] = std::to_string(rank);
      v["suitname"] = suit ? kSuitNames[suit] : "JOKER";
      v["label"] = rank <= 13 ? kLabels[rank] : "JOKER";
      v["ink"] = suit == 2 || suit == 3 || card == 53 ? need("red") : need("black");
      v["figure"] = rank == 11 ? "JACK" : rank == 12 ? "QUEEN" : rank == 13 ? "KING" : "";
      v["wild"] = "0";
      // "robe_2 #..." gives the cards of suit 2 the variable $robe
      std::string suffix = "_" + std::to_string(suit);
      for (const auto& [k, val] : base)
        if (k.size() > suffix.size() &&
            k.compare(k.size() - suffix.size(), suffix.size(), suffix) == 0)
          v[k.substr(0, k.size() - suffix.size())] = val;
      std::string key = "card" + std::to_string(card);
      std::string templ = base.count(key) ? base[key]
                          : rank == 99    ? need("joker")
                          : rank == 1     ? need("ace")
                          : rank >= 11    ? need("court")
                                          : need("number");
      add("CARD_" + std::to_string(card), templ, v);
      if (std::find(wild.begin(), wild.end(), rank) != wild.end()) {
        v["wild"] = "1";
        add("CARD_" + std::to_string(card) + "_WILD", templ, v);
      }
    }
    add("CARD_BACK_1", need("back"), base);
  }
}

// The desktop icons: each block's W x H design scaled to every size it lists.
int WriteIcons(const ArtLibrary& lib, const std::string& folder) {
  fs::remove_all(folder + "/hicolor");
  int written = 0;
  for (const Block* icon : lib.BlocksOfKind("icon")) {
    if (icon->args.size() < 3) throw ArtError(icon->where + ": icon NAME W H SIZE...");
    const double w = EvalNumber(icon->args[0], icon->where);
    const double h = EvalNumber(icon->args[1], icon->where);
    for (size_t i = 2; i < icon->args.size(); ++i) {
      const int size = static_cast<int>(EvalNumber(icon->args[i], icon->where));
      cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
      cairo_t* cr = cairo_create(s);
      cairo_scale(cr, size / w, size / h);
      Vars vars = {{"W", icon->args[0]}, {"H", icon->args[1]}, {"size", std::to_string(size)}};
      try {
        lib.Draw(cr, *icon, vars);
      } catch (...) {
        cairo_destroy(cr);
        cairo_surface_destroy(s);
        throw;
      }
      cairo_destroy(cr);
      const std::string dir =
          folder + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/";
      ForceDirectories(dir);
      const cairo_status_t status =
          cairo_surface_write_to_png(s, (dir + icon->name + ".png").c_str());
      cairo_surface_destroy(s);
      if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + dir + icon->name + ".png");
      ++written;
    }
  }
  return written;
}

std::string FramePath(const std::string& name, int frame) {
  return frame < 2 ? name : name + "_" + std::to_string(frame);
}

int Run(const Options& opt) {
  const std::string pak = opt.out + "/pak/";
  if (fs::exists(pak)) fs::remove_all(pak);
  ForceDirectories(pak);
  std::ostringstream report;

  // Pictures.
  ArtLibrary lib(opt.fonts);
  for (const auto& file : FilesWithExtension(opt.data + "/art/", ".art")) lib.ParseFile(file);
  ComposeCards(lib);
  std::map<std::string, std::vector<std::pair<std::string, cairo_surface_t*>>> sheets;
  int pictures = 0;
  for (const Block& image : lib.Images()) {
    for (int frame = 1; frame <= image.frames; ++frame) {
      cairo_surface_t* s = lib.Render(image, frame);
      std::string rel = FramePath(image.name, frame) + ".bmp";
      WriteOrThrow(pak + rel, EncodeBmp(s, image.alpha));
      report << rel << " " << image.width << "x" << image.height << (image.alpha ? " 32" : " 24")
             << "\n";
      ++pictures;
      std::string group = image.name.substr(0, image.name.find_last_of('/'));
      if (!opt.sheets.empty() && std::find(opt.zoom.begin(), opt.zoom.end(),
                                           FramePath(image.name, frame)) != opt.zoom.end())
        sheets["zoom"].push_back({FramePath(image.name, frame), cairo_surface_reference(s)});
      if (!opt.sheets.empty())
        sheets[group].push_back({FramePath(image.name, frame), s});
      else
        cairo_surface_destroy(s);
    }
  }

  // Sound effects.
  auto sounds = SynthesiseSounds(ReadOrThrow(opt.data + "/sounds.txt"), "sounds.txt");
  for (const auto& snd : sounds) {
    WriteOrThrow(pak + "Sounds/" + snd.name + ".wav", EncodeWav(snd.samples, kSampleRate));
    char line[160];
    std::snprintf(line, sizeof line, "Sounds/%s.wav %.3f s peak %.1f dBFS loudness %.1f dBFS\n",
                  snd.name.c_str(), snd.levels.seconds, 20 * std::log10(snd.levels.peak),
                  20 * std::log10(snd.levels.loudness));
    report << line;
  }

  // Music.
  for (const auto& file : FilesWithExtension(opt.data + "/music/", ".mml")) {
    std::string base = file.substr(file.find_last_of('/') + 1);
    base = base.substr(0, base.size() - 4);
    MusicPiece piece = CompileMusic(ReadOrThrow(file), base + ".mml");
    WriteOrThrow(pak + "Sounds/music_" + base + ".mid", piece.smf);
    char line[160];
    std::snprintf(line, sizeof line, "Sounds/music_%s.mid %d bars %.1f s\n", base.c_str(),
                  piece.bars, piece.seconds);
    report << line;
  }

  // Theme files.
  for (const auto& scene : ListSubfolders(opt.data + "/")) {
    std::string theme = opt.data + "/" + scene + "/theme.scn";
    if (FileExists(theme)) WriteOrThrow(pak + scene + "/theme.scn", ReadOrThrow(theme));
  }

  // Contact sheets.
  for (auto& [group, items] : sheets) {
    std::vector<SheetItem> list;
    int maxW = 0, maxH = 0;
    for (auto& [label, s] : items) {
      list.push_back({label.substr(label.find_last_of('/') + 1), s});
      maxW = std::max(maxW, cairo_image_surface_get_width(s));
      maxH = std::max(maxH, cairo_image_surface_get_height(s));
    }
    double scale = group == "zoom" ? 3.0 : 1.0;
    int columns = std::clamp(static_cast<int>(1400 / (maxW * scale + 10)), 1, 14);
    std::string file = group;
    std::replace(file.begin(), file.end(), '/', '_');
    ForceDirectories(opt.sheets + "/");
    // A picture surface holds at most 32767 rows: a large group goes on several sheets.
    const int rowsPerSheet = std::max(1, 16000 / static_cast<int>(maxH * scale + 24));
    const size_t perSheet = static_cast<size_t>(rowsPerSheet * columns);
    for (size_t first = 0, page = 1; first < list.size(); first += perSheet, ++page) {
      const std::vector<SheetItem> part(
          list.begin() + static_cast<std::ptrdiff_t>(first),
          list.begin() + static_cast<std::ptrdiff_t>(std::min(list.size(), first + perSheet)));
      const std::string name = page == 1 ? file : file + "_" + std::to_string(page);
      WriteContactSheet(opt.sheets + "/" + name + ".png", group, part, columns, scale,
                        lib.FontFace("sans-bold"));
    }
    for (auto& [label, s] : items) cairo_surface_destroy(s);
  }

  if (!opt.icons.empty()) report << WriteIcons(lib, opt.icons) << " desktop icons\n";

  WriteOrThrow(opt.out + "/report.txt", report.str());
  std::cout << "assetgen: " << pictures << " pictures, " << sounds.size() << " sounds\n";
  return 0;
}

}  // namespace
}  // namespace lx::assetgen

int main(int argc, char** argv) {
  lx::assetgen::Options opt;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string k = argv[i], v = argv[i + 1];
    if (k == "--data")
      opt.data = v;
    else if (k == "--out")
      opt.out = v;
    else if (k == "--fonts")
      opt.fonts = v;
    else if (k == "--sheets")
      opt.sheets = v;
    else if (k == "--icons")
      opt.icons = v;
    else if (k == "--zoom") {
      std::stringstream ss(v);
      for (std::string name; std::getline(ss, name, ',');) opt.zoom.push_back(name);
    } else {
      std::cerr << "assetgen: unknown option " << k << "\n";
      return 2;
    }
  }
  if (opt.data.empty() || opt.out.empty() || opt.fonts.empty()) {
    std::cerr << "usage: assetgen --data DIR --out DIR --fonts DIR [--sheets DIR] [--icons DIR]\n";
    return 2;
  }
  try {
    return lx::assetgen::Run(opt);
  } catch (const std::exception& e) {
    std::cerr << "assetgen: " << e.what() << "\n";
    return 1;
  }
}

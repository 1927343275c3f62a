// lxrpack: builds and inspects resource archives and bakes bitmap fonts.
//
//   lxrpack pack <folder> <out.lxr>        every file below the folder becomes a record
//   lxrpack font <file.ttf> <pixel-size> <out.font>
//   lxrpack list <archive>
//   lxrpack check <archive>                every record inflates and matches its CRC
//   lxrpack extract <archive> <folder>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/lxfiles.h"
#include "shell/lxfontrecord.h"
#include "shell/lxresources.h"

namespace {

using namespace lx;

int Fail(const std::string& message) {
  std::fprintf(stderr, "lxrpack: %s\n", message.c_str());
  return 1;
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// Relative paths ('/'-separated) of every regular file below folder.
void CollectFiles(const std::string& root, const std::string& relative,
                  std::vector<std::string>& out) {
  const std::string folder = root + relative;
  for (const std::string& f : ListFiles(folder)) out.push_back(relative + f);
  for (const std::string& d : ListSubfolders(folder)) CollectFiles(root, relative + d + "/", out);
}

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

int Pack(const std::string& folderArg, const std::string& outPath) {
  const std::string root = WithSlash(folderArg);
  if (!DirectoryExists(root)) return Fail("no such folder: " + folderArg);
  std::vector<std::string> files;
  CollectFiles(root, std::string(), files);
  std::sort(files.begin(), files.end());  // bytewise
  std::vector<TLxArchiveSource> records;
  records.reserve(files.size());
  for (const std::string& rel : files) {
    auto bytes = ReadWholeFile(root + rel);
    if (!bytes) return Fail("cannot read " + root + rel);
    if (bytes->size() > static_cast<size_t>(arcMaxRecordSize))
      return Fail(rel + " is larger than a record may be");
    TLxArchiveSource r;
    r.Name = rel;
    std::replace(r.Name.begin(), r.Name.end(), '/', '\\');
    r.RecordType = EndsWith(rel, ".font") ? arcFontRecordType : 0;
    struct stat st {};
    if (stat((root + rel).c_str(), &st) == 0) r.Date = ArchiveDateOf(st.st_mtime);
    r.Data = std::move(*bytes);
    records.push_back(std::move(r));
  }
  const std::string image = EncodeArchive(records);
  if (image.empty()) return Fail("the archive would be too large");
  if (!WriteFileAtomic(outPath, image)) return Fail("cannot write " + outPath);
  return 0;
}

// Windows-1252 bytes 0x80..0x9F as Unicode; 0 where the code page defines no character.
constexpr uint32_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

uint32_t UnicodeOfByte(int code) {
  if (code == 0x7F) return 0;  // DEL has no glyph
  if (code >= 0x80 && code <= 0x9F) return Cp1252High[code - 0x80];
  return static_cast<uint32_t>(code);
}

struct TGlyph {
  int32_t Advance = 0;
  int32_t Left = 0;  // bitmap origin in the cell
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Rows = 0;
  std::vector<uint8_t> Coverage;
};

int Font(const std::string& ttf, const std::string& sizeArg, const std::string& outPath) {
  char* end = nullptr;
  const long pixelSize = std::strtol(sizeArg.c_str(), &end, 10);
  if (!end || *end || pixelSize < 4 || pixelSize > 128) return Fail("pixel size must be 4..128");
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library)) return Fail("cannot start FreeType");
  FT_Face face = nullptr;
  if (FT_New_Face(library, ttf.c_str(), 0, &face)) {
    FT_Done_FreeType(library);
    return Fail("cannot read font " + ttf);
  }
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
  const int32_t ascender = static_cast<int32_t>((face->size->metrics.ascender + 63) >> 6);
  const int32_t lineHeight = static_cast<int32_t>((face->size->metrics.height + 63) >> 6);

  constexpr int firstChar = 32;
  constexpr int glyphCount = 256 - firstChar;
  std::vector<TGlyph> glyphs(glyphCount);
  int32_t cellWidth = 1;
  int32_t cellHeight = std::max(lineHeight, 1);
  for (int i = 0; i < glyphCount; ++i) {
    const uint32_t cp = UnicodeOfByte(firstChar + i);
    TGlyph& g = glyphs[static_cast<size_t>(i)];
    if (cp == 0) continue;
    const FT_UInt index = FT_Get_Char_Index(face, cp);
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL)) continue;
    const FT_GlyphSlot slot = face->glyph;
    g.Advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
    // A glyph reaching left of its origin is moved right into the cell.
    g.Left = std::max(0, static_cast<int32_t>(slot->bitmap_left));
    g.Top = ascender - slot->bitmap_top;
    g.Width = static_cast<int32_t>(slot->bitmap.width);
    g.Rows = static_cast<int32_t>(slot->bitmap.rows);
    g.Coverage.resize(static_cast<size_t>(g.Width) * static_cast<size_t>(g.Rows));
    for (int32_t y = 0; y < g.Rows; ++y)
      for (int32_t x = 0; x < g.Width; ++x)
        g.Coverage[static_cast<size_t>(y * g.Width + x)] =
            slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    cellWidth = std::max({cellWidth, g.Advance, g.Left + g.Width});
    cellHeight = std::max(cellHeight, g.Top + g.Rows);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);

  constexpr int32_t textureSide = 256;
  if (cellWidth > textureSide || cellHeight > textureSide) return Fail("glyph cells exceed 256");
  const int32_t columns = textureSide / cellWidth;
  const int32_t perTexture = columns * (textureSide / cellHeight);
  const int32_t textureCount = (glyphCount + perTexture - 1) / perTexture;

  TLxFontRecord record;
  record.FirstChar = firstChar;
  record.Reserved1 = static_cast<int32_t>(pixelSize);
  TLxPatternImage& image = record.Image;
  image.PixelFormat = 5;
  image.PatternWidth = image.VisibleWidth = cellWidth;
  image.PatternHeight = image.VisibleHeight = cellHeight;
  image.PatternCount = glyphCount;
  image.TextureWidth = image.TextureHeight = textureSide;
  // White everywhere; the coverage is the alpha, so text takes the colour it is drawn with.
  image.Textures.assign(
      static_cast<size_t>(textureCount),
      std::vector<TLxColor>(textureSide * textureSide, ColorOf(255, 255, 255, 0)));
  for (int i = 0; i < glyphCount; ++i) {
    const TGlyph& g = glyphs[static_cast<size_t>(i)];
    record.GlyphWidths.push_back(g.Advance);
    record.GlyphHeights.push_back(lineHeight);
    auto& texture = image.Textures[static_cast<size_t>(i / perTexture)];
    const int32_t slot = i % perTexture;
    const int32_t cellX = (slot % columns) * cellWidth;
    const int32_t cellY = (slot / columns) * cellHeight;
    for (int32_t y = 0; y < g.Rows; ++y)
      for (int32_t x = 0; x < g.Width; ++x) {
        const int32_t tx = cellX + g.Left + x;
        const int32_t ty = cellY + g.Top + y;
        if (g.Top + y < 0 || g.Top + y >= cellHeight || g.Left + x >= cellWidth) continue;
        texture[static_cast<size_t>(ty * textureSide + tx)] =
            ColorOf(255, 255, 255, g.Coverage[static_cast<size_t>(y * g.Width + x)]);
      }
  }
  if (!WriteFileAtomic(outPath, EncodeFontRecord(record))) return Fail("cannot write " + outPath);
  return 0;
}

int OpenArchive(const std::string& path, TLxArchive& archive) {
  if (!FileExists(path)) return Fail("no such archive: " + path);
  archive.SetFileName(path);
  const int32_t rc = archive.Open();
  if (rc != arcOk)
    return Fail("cannot read the table of " + path + " (" + std::to_string(rc) + ")");
  return 0;
}

int List(const std::string& path) {
  TLxArchive archive;
  if (OpenArchive(path, archive)) return 1;
  for (int32_t i = 0; i < archive.Count(); ++i) {
    const TLxArchiveRecord& r = archive.Record(i);
    std::printf("%5u %10d %10d %08x %s\n", r.RecordType, r.UncompressedSize, r.StoredSize, r.Crc,
                r.Name.c_str());
  }
  return 0;
}

int Check(const std::string& path) {
  TLxArchive archive;
  if (OpenArchive(path, archive)) return 1;
  int bad = 0;
  for (int32_t i = 0; i < archive.Count(); ++i) {
    std::string data;
    const int32_t rc = archive.Read(archive.RecordName(i), data);
    if (rc != arcOk) {
      std::fprintf(stderr, "lxrpack: %s: error %d\n", archive.RecordName(i).c_str(), rc);
      ++bad;
    }
  }
  std::printf("%d records, %d bad\n", archive.Count(), bad);
  return bad ? 1 : 0;
}

int Extract(const std::string& path, const std::string& folderArg) {
  TLxArchive archive;
  if (OpenArchive(path, archive)) return 1;
  const std::string root = WithSlash(folderArg);
  if (!ForceDirectories(root)) return Fail("cannot create " + folderArg);
  int bad = 0;
  for (int32_t i = 0; i < archive.Count(); ++i) {
    const std::string& name = archive.RecordName(i);
    if (!IsSafeRecordName(name)) {
      std::fprintf(stderr, "lxrpack: refusing record name %s\n", name.c_str());
      ++bad;
      continue;
    }
    std::string rel = name;
    std::replace(rel.begin(), rel.end(), '\\', '/');
    std::string data;
    const int32_t rc = archive.Read(name, data);
    const size_t slash = rel.find_last_of('/');
    if (rc != arcOk ||
        (slash != std::string::npos && !ForceDirectories(root + rel.substr(0, slash + 1))) ||
        !WriteFileAtomic(root + rel, data)) {
      std::fprintf(stderr, "lxrpack: %s: not extracted (%d)\n", name.c_str(), rc);
      ++bad;
    }
  }
  return bad ? 1 : 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: lxrpack pack <folder> <out.lxr>\n"
               "       lxrpack font <file.ttf> <pixel-size> <out.font>\n"
               "       lxrpack list <archive>\n"
               "       lxrpack check <archive>\n"
               "       lxrpack extract <archive> <folder>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string& cmd = args[0];
  if (cmd == "pack" && args.size() == 3) return Pack(args[1], args[2]);
  if (cmd == "font" && args.size() == 4) return Font(args[1], args[2], args[3]);
  if (cmd == "list" && args.size() == 2) return List(args[1]);
  if (cmd == "check" && args.size() == 2) return Check(args[1]);
  if (cmd == "extract" && args.size() == 3) return Extract(args[1], args[2]);
  return Usage();
}

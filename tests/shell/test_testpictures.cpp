// The pictures tests write for people to look at, and the fixture over the real installation.
#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/lxpng.h"
#include "support/lxtestgame.h"

namespace lx {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t BE32(const std::string& s, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
         static_cast<uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

TEST(TestPictures, PngHoldsTheRowsAsRgbWithValidChunks) {
  test::TLxTestApp app;
  const std::string path = app.OutputPath("support/png-check.png");
  // 3 x 2: red, green, blue / white, black, grey (alpha is dropped).
  const std::vector<TLxColor> pixels = {ColorOf(255, 0, 0), ColorOf(0, 255, 0),
                                        ColorOf(0, 0, 255), ColorOf(255, 255, 255, 0),
                                        ColorOf(0, 0, 0),   ColorOf(128, 128, 128)};
  ASSERT_TRUE(test::WritePng(path, 3, 2, pixels));
  const std::string png = ReadAll(path);
  ASSERT_GT(png.size(), 57u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(BE32(png, 16), 3u);
  EXPECT_EQ(BE32(png, 20), 2u);
  // Every chunk's CRC covers its type and data.
  size_t at = 8;
  std::string idat;
  while (at + 12 <= png.size()) {
    const uint32_t len = BE32(png, at);
    const std::string body = png.substr(at + 4, 4 + len);
    EXPECT_EQ(BE32(png, at + 8 + len),
              crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())))
        << body.substr(0, 4);
    if (body.substr(0, 4) == "IDAT") idat += body.substr(4);
    at += 12 + len;
  }
  EXPECT_EQ(at, png.size());
  std::string raw(2 * (1 + 3 * 3), '\0');
  uLongf rawSize = static_cast<uLongf>(raw.size());
  ASSERT_EQ(
      uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                 reinterpret_cast<const Bytef*>(idat.data()), static_cast<uLong>(idat.size())),
      Z_OK);
  EXPECT_EQ(raw, std::string("\0\xFF\0\0\0\xFF\0\0\0\xFF"
                             "\0\xFF\xFF\xFF\0\0\0\x80\x80\x80",
                             20));
}

TEST(TestPictures, TheGameInstallationBringsTheGameFontsAndArchives) {
  test::TLxGameTestApp app;
  // The installation's fonts replace the test font; the archive holds the shared art.
  ASSERT_GT(Engine->FontList.size(), 1u);
  EXPECT_EQ(Engine->FontList.front()->Name, "ArialBlack.font");
  EXPECT_GT(ResourceManager->Archive.Count(), 100);
  EXPECT_EQ(Settings->ThemeName, "ZodazAreroDozada");
}

}  // namespace
}  // namespace lx

// The lxrpack tool as the data build calls it: pack, check, extract and font.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "shell/lxfontrecord.h"
#include "shell/lxresources.h"
#include "test_resources_fixture.h"

namespace lx {
namespace {

int Pack(const std::string& arguments) {
  const std::string tool = std::string(TESSARO_BUILD_DIR) + "/tools/lxrpack/lxrpack";
  const int status = std::system((tool + " " + arguments + " > /dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(PackToolTest, PacksAFolderInPathOrderAndChecksAndExtractsIt) {
  test::ScratchFolder dir;
  const std::string src = dir.Root + "src/";
  const std::pair<std::string, std::string> files[] = {
      {"b/theme.scn", "[b]\n"},      {"CARDSET1/CARD_1.bmp", std::string(5000, 'c')},
      {"a.font.txt", "text"},        {"Z.font", "font bytes"},
      {"CARDSET1/sub/deep.txt", ""},
  };
  for (const auto& [name, data] : files) dir.Put("src/" + name, data);
  ASSERT_EQ(Pack("pack " + src + " " + dir.Root + "out.lxr"), 0);

  TLxArchive archive(dir.Root + "out.lxr");
  ASSERT_EQ(archive.Open(), arcOk);
  const std::vector<std::pair<std::string, uint16_t>> expected = {{"CARDSET1\\CARD_1.bmp", 0},
                                                                  {"CARDSET1\\sub\\deep.txt", 0},
                                                                  {"Z.font", arcFontRecordType},
                                                                  {"a.font.txt", 0},
                                                                  {"b\\theme.scn", 0}};
  ASSERT_EQ(archive.Count(), static_cast<int32_t>(expected.size()));
  for (int32_t i = 0; i < archive.Count(); ++i) {
    EXPECT_EQ(archive.RecordName(i), expected[static_cast<size_t>(i)].first);
    EXPECT_EQ(archive.RecordType(i), expected[static_cast<size_t>(i)].second);
    EXPECT_GT(archive.Record(i).Date, 40000.0);  // a date after 2009
  }
  std::string data;
  ASSERT_EQ(archive.Read("cardset1\\card_1.bmp", data), arcOk);
  EXPECT_EQ(data, std::string(5000, 'c'));
  EXPECT_LT(archive.Record(0).StoredSize, 100);  // compressed

  EXPECT_EQ(Pack("list " + dir.Root + "out.lxr"), 0);
  EXPECT_EQ(Pack("check " + dir.Root + "out.lxr"), 0);
  ASSERT_EQ(Pack("extract " + dir.Root + "out.lxr " + dir.Root + "back"), 0);
  for (const auto& [name, bytes] : files)
    EXPECT_EQ(ReadWholeFile(dir.Root + "back/" + name).value_or("missing"), bytes) << name;

  // A damaged record fails the check.
  std::string image = *ReadWholeFile(dir.Root + "out.lxr");
  image[static_cast<size_t>(archive.Record(4).Offset) + 10] ^= 1;
  ASSERT_TRUE(WriteFileAtomic(dir.Root + "bad.lxr", image));
  EXPECT_NE(Pack("check " + dir.Root + "bad.lxr"), 0);
  EXPECT_NE(Pack("check " + dir.Root + "none.lxr"), 0);
  EXPECT_NE(Pack("pack " + dir.Root + "nofolder " + dir.Root + "x.lxr"), 0);
  EXPECT_NE(Pack("unknown"), 0);

  // Extraction never writes outside its folder.
  ASSERT_TRUE(WriteFileAtomic(
      dir.Root + "evil.lxr",
      EncodeArchive({test::Rec("..\\..\\evil.txt", "x"), test::Rec("fine.txt", "ok")})));
  EXPECT_NE(Pack("extract " + dir.Root + "evil.lxr " + dir.Root + "x/y"), 0);
  EXPECT_EQ(ReadWholeFile(dir.Root + "x/y/fine.txt").value_or(""), "ok");
  EXPECT_FALSE(FileExists(dir.Root + "evil.txt"));
}

TEST(PackToolTest, BakesWhiteGlyphsWithCoverageAsAlpha) {
  test::ScratchFolder dir;
  ASSERT_EQ(Pack("font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf 20 " + dir.Root + "f.font"),
            0);
  TLxFontRecord font;
  ASSERT_TRUE(ParseFontRecord(ReadWholeFile(dir.Root + "f.font").value_or(""), font));
  EXPECT_EQ(font.FirstChar, 32);
  ASSERT_EQ(font.GlyphWidths.size(), 224u);
  const TLxPatternImage& image = font.Image;
  EXPECT_EQ(image.PixelFormat, 5);
  EXPECT_EQ(image.TextureWidth, 256);
  EXPECT_EQ(image.TextureHeight, 256);
  EXPECT_EQ(image.PatternCount, 224);
  EXPECT_EQ(image.VisibleWidth, image.PatternWidth);
  const int32_t lineHeight = font.GlyphHeights[0];
  EXPECT_GE(lineHeight, 20);
  for (int32_t h : font.GlyphHeights) EXPECT_EQ(h, lineHeight);
  auto width = [&](unsigned char c) { return font.GlyphWidths[c - 32u]; };
  EXPECT_GT(width('W'), width('i'));
  EXPECT_GT(width(' '), 0);
  EXPECT_GT(width(0x80), 0);  // the euro sign of Windows-1252
  EXPECT_EQ(width(0x81), 0);  // a byte the code page leaves undefined

  // Glyph i is pattern i: sum the coverage of a pattern's cell.
  const int32_t across = image.TextureWidth / image.PatternWidth;
  const int32_t perTexture = across * (image.TextureHeight / image.PatternHeight);
  auto coverage = [&](int32_t glyph) {
    const auto& texture = image.Textures[static_cast<size_t>(glyph / perTexture)];
    const int32_t cell = glyph % perTexture;
    const int32_t left = (cell % across) * image.PatternWidth;
    const int32_t top = (cell / across) * image.PatternHeight;
    int64_t sum = 0;
    for (int32_t y = top; y < top + image.PatternHeight; ++y)
      for (int32_t x = left; x < left + image.PatternWidth; ++x) {
        const TLxColor c = texture[static_cast<size_t>(y * image.TextureWidth + x)];
        EXPECT_EQ(c & 0xFFFFFF, 0xFFFFFFu);
        sum += c >> 24;
      }
    return sum;
  };
  EXPECT_EQ(coverage(0), 0);  // space
  EXPECT_GT(coverage('M' - 32), coverage('.' - 32));
  EXPECT_GT(coverage('.' - 32), 0);
}

}  // namespace
}  // namespace lx

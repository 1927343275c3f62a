// Textures and bitmap fonts loaded through the engine from the test archives.
#include <gtest/gtest.h>

#include "base/lxlog.h"
#include "platform/lxplatform.h"
#include "shell/lxcore.h"
#include "shell/lxfontrecord.h"
#include "shell/lxtextures.h"
#include "test_resources_fixture.h"

namespace lx {
namespace {

using test::Rec;
using test::ScratchFolder;

constexpr TLxColor White = ColorOf(255, 255, 255);
constexpr TLxColor Black = ColorOf(0, 0, 0);
const TLxColor4 WhiteCorners = {White, White, White, White};

class EngineResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearLog();
    dir.InstallFixtures();
  }
  void Start() {
    resources = std::make_unique<TLxResourceManager>(dir.Data, dir.Pak, dir.Temp);
    engine = std::make_unique<TLxEngine>(&window, false);
    engine->ResourceManager = resources.get();
    ASSERT_TRUE(engine->Initialize());
    Engine = engine.get();
    engine->Clear(Black);
    engine->BeginScene();
  }
  void TearDown() override {
    Engine = nullptr;
    engine.reset();
  }
  TLxDUDTexture* Texture(const std::string& group, const std::string& name, int32_t frame = 1,
                         const std::string& prefix = "theme/") {
    TLxTextureInfo info;
    info.SetPrefix(prefix);
    info.SetGroup(group);
    info.SetName(name);
    info.SetFrameIndex(frame);
    return engine->Textures->Get(info);
  }
  void Draw(const TLxEngineTexture* t, int32_t pattern, int32_t x, int32_t y, int32_t w, int32_t h,
            TLxColor tint = White) {
    const TLxQuad quad = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    const TLxColor4 colors = {tint, tint, tint, tint};
    engine->TexMap(t, quad, pattern, colors, DrawOpBlendModulate);
    engine->EndScene();
    engine->BeginScene();
  }
  TLxColor At(int32_t x, int32_t y) { return window.Device().PixelAt(x, y); }

  ScratchFolder dir;
  TLxHeadlessWindow window;
  std::unique_ptr<TLxResourceManager> resources;
  std::unique_ptr<TLxEngine> engine;
};

TEST_F(EngineResourcesTest, LargeImagesBecomeWhole256Blocks) {
  Start();
  struct Case {
    const char* group;
    const char* name;
    int32_t width, height, patterns;
  } cases[] = {
      {"COMMON", "wide", 512, 256, 2},
      {"COMMON", "square", 256, 256, 1},
      {"MAINROOM", "background", 1024, 768, 12},
      {"MAINROOM", "background", 64, 64, 1},  // frame 2, below
  };
  for (size_t i = 0; i < 4; ++i) {
    const Case& c = cases[i];
    TLxDUDTexture* t = Texture(c.group, c.name, i == 3 ? 2 : 1);
    ASSERT_NE(t, nullptr) << c.name;
    EXPECT_EQ(t->ImageWidth, c.width) << c.name;
    EXPECT_EQ(t->ImageHeight, c.height) << c.name;
    EXPECT_EQ(t->PatternCount, c.patterns) << c.name;
    EXPECT_TRUE(t->Loaded());
  }

  // Pattern k of the background is block (k div 4, k mod 4): each block has its own colour,
  // and the blocks past the image are transparent black.
  TLxDUDTexture* bg = Texture("MAINROOM", "background");
  for (int32_t k : {0, 3, 5, 9}) {
    Draw(bg, k, 0, 0, 256, 256);
    const int32_t row = k / 4, column = k % 4;
    EXPECT_EQ(At(10, 10), ColorOf(static_cast<uint8_t>(40 * column + 20),
                                  static_cast<uint8_t>(60 * row + 30), 100))
        << k;
  }
  // Block 3 holds 32 columns of the image (768..799); block 11 only 88 rows of the last 32.
  engine->Clear(Black);
  Draw(bg, 3, 0, 0, 256, 256);
  EXPECT_EQ(At(31, 100), ColorOf(140, 30, 100));
  EXPECT_EQ(At(40, 100), Black);
  Draw(bg, 11, 300, 0, 256, 256);
  EXPECT_EQ(At(310, 87), ColorOf(140, 150, 100));
  EXPECT_EQ(At(310, 90), Black);

  // The 300 x 100 image: red in its first block, green (columns 256..299) in the second.
  TLxDUDTexture* wide = Texture("COMMON", "wide");
  Draw(wide, 1, 0, 300, 256, 256);
  EXPECT_EQ(At(20, 320), ColorOf(0, 255, 0));
  EXPECT_EQ(At(50, 320), Black);
  Draw(wide, 0, 0, 300, 256, 256);
  EXPECT_EQ(At(255, 399), ColorOf(255, 0, 0));
}

TEST_F(EngineResourcesTest, TwentyFourBitImagesAreOpaqueAndThirtyTwoBitOnesKeepTheirAlpha) {
  Start();
  const TLxColor4 blue = {ColorOf(0, 0, 255), ColorOf(0, 0, 255), ColorOf(0, 0, 255),
                          ColorOf(0, 0, 255)};
  engine->FillRect({0, 0, 200, 100}, blue, DrawOpBlend);
  // opaque.bmp was written with alpha 0 in every pixel, which a 24-bit file cannot keep.
  Draw(Texture("COMMON", "opaque"), 0, 0, 0, 32, 32);
  EXPECT_EQ(At(5, 5), ColorOf(255, 0, 0));
  EXPECT_EQ(At(30, 30), ColorOf(255, 0, 0));
  Draw(Texture("COMMON", "alpha"), 0, 100, 0, 32, 32);
  EXPECT_EQ(At(105, 5), ColorOf(255, 0, 0));  // alpha 255
  const TLxColor mixed = At(125, 5);          // red at alpha 64 over blue
  EXPECT_NEAR(static_cast<int>(mixed & 0xFF), 64, 3);
  EXPECT_NEAR(static_cast<int>((mixed >> 16) & 0xFF), 191, 3);
  // The corner colours tint the texture.
  Draw(Texture("COMMON", "square"), 0, 0, 200, 50, 50, ColorOf(255, 0, 0));
  EXPECT_EQ(At(20, 220), ColorOf(0, 0, 0));
  Draw(Texture("COMMON", "square"), 0, 0, 200, 50, 50, ColorOf(255, 255, 0));
  EXPECT_EQ(At(20, 220), ColorOf(0, 128, 0));
}

TEST_F(EngineResourcesTest, TexturesAreSharedByKey) {
  Start();
  TLxDUDTexture* a = Texture("COMMON", "square");
  EXPECT_EQ(Texture("COMMON", "square"), a);
  EXPECT_EQ(a->Name, "theme/:COMMON:square.bmp");
  // Another theme loads the same image again; a missing image gives nothing and is not listed.
  TLxDUDTexture* b = Texture("COMMON", "square", 1, "other/");
  EXPECT_NE(b, a);
  EXPECT_EQ(b->ImageWidth, 256);
  EXPECT_EQ(Texture("COMMON", "nothing"), nullptr);
  EXPECT_EQ(engine->Textures->Count(), 2);

  TLxDUDTexture direct;
  EXPECT_EQ(engine->LoadTexture(&direct, "COMMON\\nothing.bmp"), 1);
  EXPECT_EQ(engine->LoadTexture(nullptr, "COMMON\\square.bmp"), 1);
  EXPECT_EQ(LogLines().back(), "ERROR: AGFTEXTURE NIL");
}

TEST_F(EngineResourcesTest, FontsLoadInArchiveOrderAndDrawInTheirColour) {
  Start();
  ASSERT_EQ(engine->FontList.size(), 2u);  // the text record is not a font
  EXPECT_EQ(engine->FontList[0]->Name, "ArialBlack.font");
  EXPECT_EQ(engine->FontList[1]->Name, "DejaVuSans.font");
  const auto& log = LogLines();
  EXPECT_NE(std::find(log.begin(), log.end(), "2 FONTS LOADED"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "ArialBlack.font FONT"), log.end());
  EXPECT_EQ(engine->FindFont("arialblack"), engine->FontList[0].get());
  EXPECT_EQ(engine->FindFont("dejavusans"), engine->FontList[1].get());

  const TLxBitmapFont* font = engine->FontList[0]->Font.get();
  ASSERT_TRUE(font->Loaded());
  EXPECT_EQ(font->FirstChar, 32);
  EXPECT_EQ(font->GlyphCount, 224);
  EXPECT_GT(engine->TextWidth(font, "W"), engine->TextWidth(font, "i"));
  EXPECT_EQ(engine->TextWidth(font, "  "), 2 * engine->TextWidth(font, " "));
  EXPECT_GE(engine->TextHeight(font, "Ag"), 16);

  // Glyphs are white with coverage as alpha: the text takes the colour it is drawn in.
  engine->TextOut(font, "#####", 10, 10, ColorOf(255, 0, 0), DrawOpBlendModulate);
  engine->EndScene();
  int red = 0, other = 0;
  for (int32_t y = 10; y < 30; ++y)
    for (int32_t x = 10; x < 10 + engine->TextWidth(font, "#####"); ++x) {
      const TLxColor c = At(x, y);
      if (c == ColorOf(255, 0, 0))
        ++red;
      else if (c != Black && ((c >> 8) & 0xFFFF) != 0)
        ++other;  // any green or blue
    }
  EXPECT_GT(red, 20);
  EXPECT_EQ(other, 0);
}

TEST_F(EngineResourcesTest, ABrokenFontRecordEndsTheLoading) {
  const std::string good = *ReadWholeFile(dir.Data + "fonts.lxr");
  std::string first, second;
  ASSERT_EQ(ReadArchiveRecord(good, "ArialBlack.font", first), arcOk);
  ASSERT_EQ(ReadArchiveRecord(good, "DejaVuSans.font", second), arcOk);
  struct Case {
    const char* what;
    std::string broken;
  } cases[] = {
      {"unparsable", first.substr(0, 100)},
      {"bad glyph count", std::string("\x20\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\x7f", 16)},
  };
  for (const Case& c : cases) {
    std::string image = EncodeArchive(
        {Rec("A.font", first, arcFontRecordType), Rec("note.txt", "x"),
         Rec("B.font", c.broken, arcFontRecordType), Rec("C.font", second, arcFontRecordType)});
    ASSERT_TRUE(WriteFileAtomic(dir.Data + "fonts.lxr", image));
    ClearLog();
    Start();
    ASSERT_EQ(engine->FontList.size(), 2u) << c.what;
    EXPECT_EQ(engine->FontList[1]->Name, "B.font");
    EXPECT_TRUE(engine->FontList[0]->Font->Loaded());
    EXPECT_FALSE(engine->FontList[1]->Font->Loaded());
    EXPECT_EQ(engine->TextWidth(engine->FontList[1]->Font.get(), "abc"), 0);
    EXPECT_EQ(engine->FindFont("C"), engine->FontList[0].get());  // C was never loaded
    const auto& log = LogLines();
    EXPECT_NE(std::find(log.begin(), log.end(), "2 FONTS LOADED"), log.end());
    TearDown();
  }
  // A record whose CRC does not match is as broken as one that does not parse.
  std::string image = EncodeArchive(
      {Rec("A.font", first, arcFontRecordType), Rec("B.font", second, arcFontRecordType)});
  std::vector<TLxArchiveRecord> records;
  ASSERT_EQ(ParseArchiveTable(image, records), arcOk);
  image[static_cast<size_t>(records[0].Offset) + 10] ^= 1;
  ASSERT_TRUE(WriteFileAtomic(dir.Data + "fonts.lxr", image));
  ClearLog();
  Start();
  ASSERT_EQ(engine->FontList.size(), 1u);
  EXPECT_FALSE(engine->FontList[0]->Font->Loaded());
  EXPECT_EQ(LogLines().back(), "A.font FONT");
}

// Pattern images of one 1 x 1 pattern in each pixel format: the stored bytes and the colour.
TEST(FontRecordTest, DecodesAllTenPixelFormats) {
  struct Case {
    int32_t code;
    std::string pixel;
    TLxColor expected;
  } cases[] = {
      {0, "\xC5", ColorOf(255, 0, 182)},  // red 11, green 000, blue 101
      {1, std::string("\xE0\x07", 2), ColorOf(0, 255, 0)},
      {1, std::string("\x1F\xF8", 2), ColorOf(255, 0, 255)},
      {2, "\x10\x20\x30\x40", ColorOf(0x30, 0x20, 0x10, 0x40)},
      {3, std::string("\x1F\x7C", 2), ColorOf(255, 0, 255)},
      {3, std::string("\xE0\x83", 2), ColorOf(0, 255, 0)},  // the top bit is not alpha
      {4, std::string("\x0F\x0F", 2), ColorOf(255, 0, 255)},
      {5, "\x01\x02\x03\x04", ColorOf(3, 2, 1, 4)},
      {6, std::string("\x1F\x80", 2), ColorOf(0, 0, 255, 255)},
      {6, std::string("\x1F\x00", 2), ColorOf(0, 0, 255, 0)},
      {7, std::string("\x21\x43", 2), ColorOf(51, 34, 17, 68)},
      {8, std::string("\xE7\x80", 2), ColorOf(255, 145, 255, 128)},  // b 111, g 100, r 11
      {9, "\x1B", ColorOf(85, 170, 255, 0)},                         // b 11, g 10, r 01, a 00
      {9, "\xE4", ColorOf(170, 85, 0, 255)},                         // b 00, g 01, r 10, a 11
  };
  for (const Case& c : cases) {
    std::string data(1, static_cast<char>(c.code));
    for (int32_t v : {1, 1, 1, 1, 1, 1, 1, 1}) data += std::string(reinterpret_cast<char*>(&v), 4);
    data += c.pixel;
    TLxPatternImage image;
    ASSERT_TRUE(ParsePatternImage(data, image)) << c.code;
    ASSERT_EQ(image.Textures.size(), 1u);
    EXPECT_EQ(image.Textures[0][0], c.expected) << "format " << c.code;
  }
}

TEST(FontRecordTest, RefusesMalformedImagesAndRecords) {
  auto image = [](int32_t code, std::vector<int32_t> fields, size_t pixelBytes) {
    std::string data(1, static_cast<char>(code));
    for (int32_t v : fields) data += std::string(reinterpret_cast<char*>(&v), 4);
    return data + std::string(pixelBytes, '\0');
  };
  // pattern w, h, visible w, h, pattern count, texture w, h, texture count
  const std::vector<int32_t> ok = {8, 8, 8, 8, 4, 16, 16, 1};
  TLxPatternImage parsed;
  ASSERT_TRUE(ParsePatternImage(image(5, ok, 16 * 16 * 4), parsed));
  EXPECT_EQ(parsed.PatternCount, 4);
  struct Case {
    const char* what;
    std::string data;
  } cases[] = {
      {"unknown format", image(10, ok, 16 * 16 * 4)},
      {"pixels missing", image(5, ok, 16 * 16 * 4 - 1)},
      {"more patterns than fit", image(5, {8, 8, 8, 8, 5, 16, 16, 1}, 16 * 16 * 4)},
      {"visible part larger", image(5, {8, 8, 9, 8, 4, 16, 16, 1}, 16 * 16 * 4)},
      {"pattern larger than texture", image(5, {32, 8, 8, 8, 1, 16, 16, 1}, 16 * 16 * 4)},
      {"zero pattern", image(5, {0, 8, 0, 8, 0, 16, 16, 1}, 16 * 16 * 4)},
      {"negative texture count", image(5, {8, 8, 8, 8, 0, 16, 16, -1}, 0)},
      {"huge textures", image(5, {8, 8, 8, 8, 4, 4096, 4096, 100000}, 64)},
      {"texture side too large", image(5, {8, 8, 8, 8, 4, 65536, 16, 1}, 64)},
      {"header cut off", image(5, ok, 0).substr(0, 20)},
  };
  for (const Case& c : cases) EXPECT_FALSE(ParsePatternImage(c.data, parsed)) << c.what;

  TLxFontRecord record;
  record.FirstChar = 0x141;  // only the low byte counts when loaded
  record.GlyphWidths = {3, 4};
  record.GlyphHeights = {8, 8};
  record.Image = parsed;
  const std::string stored = EncodeFontRecord(record);
  TLxFontRecord back;
  ASSERT_TRUE(ParseFontRecord(stored, back));
  EXPECT_EQ(back.GlyphWidths, record.GlyphWidths);
  EXPECT_EQ(back.Image.PatternWidth, 8);
  EXPECT_FALSE(ParseFontRecord(stored.substr(0, 30), back));
  std::string negative = stored;
  negative[16] = '\xff', negative[17] = '\xff', negative[18] = '\xff', negative[19] = '\xff';
  EXPECT_FALSE(ParseFontRecord(negative, back));  // a glyph width of -1
  std::string count = stored;
  count[15] = '\x40';  // a glyph count far beyond the data
  EXPECT_FALSE(ParseFontRecord(count, back));
}

}  // namespace
}  // namespace lx

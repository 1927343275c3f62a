// The archive reader, the resource manager and the BMP reader.
#include <gtest/gtest.h>

#include <cstring>

#include "base/lxlog.h"
#include "shell/lxbitmap.h"
#include "shell/lxresources.h"
#include "test_resources_fixture.h"

namespace lx {
namespace {

using test::Rec;
using test::ScratchFolder;

void PatchU32(std::string& image, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) image[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
}

// Offset of the record header of the named record in an archive image.
size_t RecordAt(const std::string& image, const std::string& name) {
  std::vector<TLxArchiveRecord> records;
  EXPECT_EQ(ParseArchiveTable(image, records), arcOk);
  for (const auto& r : records)
    if (r.Name == name) return static_cast<size_t>(r.Offset);
  ADD_FAILURE() << name;
  return 0;
}

TEST(ArchiveTest, WritesTheDocumentedLayoutAndReadsItBack) {
  ScratchFolder dir;
  auto a = Rec("MAINROOM\\theme.scn", "[MAINROOM]\n");
  a.Date = ArchiveDateOf(0);
  const std::string image = EncodeArchive(
      {a, Rec("Fonts\\A.font", std::string(1000, 'x'), arcFontRecordType), Rec("empty.txt", "")});
  ASSERT_TRUE(WriteFileAtomic(dir.Root + "a.lxr", image));

  // Header: signature, count, table offset 32, twenty zero bytes; the first table entry follows.
  EXPECT_EQ(image.substr(0, 4), "vovi");
  EXPECT_EQ(image.substr(4, 8), std::string("\x03\0\0\0\x20\0\0\0", 8));
  EXPECT_EQ(image.substr(12, 20), std::string(20, '\0'));
  EXPECT_EQ(image.substr(32, 4), std::string("\x12\0\0\0", 4));
  EXPECT_EQ(image.substr(36, 18), "MAINROOM\\theme.scn");
  const size_t at = RecordAt(image, "MAINROOM\\theme.scn");
  EXPECT_EQ(image.substr(at, 6), std::string("\0\0\x0b\0\0\0", 6));  // type 0, 11 bytes
  double date = 0;
  std::memcpy(&date, image.data() + at + 14, 8);
  EXPECT_EQ(date, 25569.0);                               // 1970-01-01
  EXPECT_EQ(static_cast<uint8_t>(image[at + 22]), 0x78);  // a zlib header

  TLxArchive archive(dir.Root + "a.lxr");
  ASSERT_EQ(archive.Open(), arcOk);
  ASSERT_EQ(archive.Count(), 3);
  EXPECT_EQ(archive.RecordName(1), "Fonts\\A.font");
  EXPECT_EQ(archive.RecordType(1), arcFontRecordType);
  EXPECT_EQ(archive.Record(0).Crc, ArchiveCrc32("[MAINROOM]\n"));
  EXPECT_EQ(archive.Record(2).Crc, 0u);  // the CRC of nothing

  std::string out = "kept:";
  EXPECT_EQ(archive.Read("mainroom\\THEME.SCN", out), arcOk);
  EXPECT_EQ(out, "kept:[MAINROOM]\n");
  out.clear();
  EXPECT_EQ(archive.Read("Empty.TXT", out), arcOk);
  EXPECT_EQ(out, "");
  EXPECT_EQ(archive.Read("MAINROOM\\theme.sc", out), arcNotFound);
  EXPECT_EQ(archive.Find("fonts\\a.FONT"), 1);
  EXPECT_EQ(archive.Find("A.font"), -1);
}

TEST(ArchiveTest, FindsTheFirstOfTwoEqualNames) {
  const std::string image = EncodeArchive({Rec("a\\x", "first"), Rec("A\\X", "second")});
  std::string out;
  EXPECT_EQ(ReadArchiveRecord(image, "a\\X", out), arcOk);
  EXPECT_EQ(out, "first");
}

TEST(ArchiveTest, MissingArchiveIsCreatedEmptyAndUnusableOnesReportTheirCode) {
  ScratchFolder dir;
  TLxArchive fresh(dir.Root + "new.lxr");
  EXPECT_EQ(fresh.Open(), arcOk);
  EXPECT_EQ(fresh.Count(), 0);
  std::string expected = "vovi";
  expected += std::string("\0\0\0\0\x20\0\0\0", 8) + std::string(20, '\0');
  EXPECT_EQ(ReadWholeFile(dir.Root + "new.lxr").value_or(""), expected);
  std::string out;
  EXPECT_EQ(fresh.Read("x", out), arcNotFound);

  TLxArchive noFolder(dir.Root + "missing/new.lxr");
  EXPECT_EQ(noFolder.Open(), arcCreateError);
  ForceDirectories(dir.Root + "folder.lxr/");
  TLxArchive notAFile(dir.Root + "folder.lxr");
  EXPECT_EQ(notAFile.Open(), arcOpenError);
  EXPECT_EQ(notAFile.Read("x", out), arcOpenError);
}

TEST(ArchiveTest, EveryReadOpensTheFileAnew) {
  ScratchFolder dir;
  const std::string path = dir.Root + "a.lxr";
  ASSERT_TRUE(WriteFileAtomic(path, EncodeArchive({Rec("x", "old")})));
  TLxArchive archive(path);
  ASSERT_EQ(archive.Open(), arcOk);
  ASSERT_TRUE(WriteFileAtomic(path, EncodeArchive({Rec("y", "pad"), Rec("x", "new")})));
  std::string out;
  EXPECT_EQ(archive.Read("x", out), arcOk);
  EXPECT_EQ(out, "new");
}

TEST(ArchiveTest, DamagedRecordsAreNotDelivered) {
  const std::string good = EncodeArchive({Rec("a", "the data of a"), Rec("b", "bee")});
  const size_t a = RecordAt(good, "a");
  struct Case {
    const char* what;
    std::function<void(std::string&)> damage;
    int32_t code;
  } cases[] = {
      {"stored CRC", [&](std::string& s) { s[a + 10] ^= 1; }, arcCrcError},
      {"deflate data", [&](std::string& s) { s[a + 24] ^= 0x55; }, arcInflateError},
      {"stated size larger", [&](std::string& s) { PatchU32(s, a + 2, 14); }, arcInflateError},
      {"stated size smaller", [&](std::string& s) { PatchU32(s, a + 2, 12); }, arcInflateError},
      {"negative size", [&](std::string& s) { PatchU32(s, a + 2, 0xFFFFFFFF); }, arcInflateError},
      {"size over the cap", [&](std::string& s) { PatchU32(s, a + 2, 0x7FFFFFFF); },
       arcInflateError},
      {"stored size past the end", [&](std::string& s) { PatchU32(s, a + 6, 0x40000000); },
       arcInflateError},
      {"negative stored size", [&](std::string& s) { PatchU32(s, a + 6, 0x80000000); },
       arcInflateError},
      {"stream cut short", [&](std::string& s) { PatchU32(s, a + 6, 5); }, arcInflateError},
  };
  for (const Case& c : cases) {
    std::string image = good;
    c.damage(image);
    std::string out = "untouched";
    EXPECT_EQ(ReadArchiveRecord(image, "a", out), c.code) << c.what;
    EXPECT_EQ(out, "untouched") << c.what;
    out.clear();
    EXPECT_EQ(ReadArchiveRecord(image, "b", out), arcOk) << c.what;  // its neighbour is fine
    EXPECT_EQ(out, "bee");
  }
}

TEST(ArchiveTest, BrokenTablesLeaveNoRecords) {
  const std::string good = EncodeArchive({Rec("name", "data")});
  const size_t entry = arcHeaderSize;
  struct Case {
    const char* what;
    std::function<void(std::string&)> damage;
  } cases[] = {
      {"shorter than a header", [](std::string& s) { s.resize(20); }},
      {"count the file cannot hold", [](std::string& s) { PatchU32(s, 4, 0xFFFFFFFF); }},
      {"table past the end", [](std::string& s) { PatchU32(s, 8, 0x7FFFFFF0); }},
      {"negative name length", [&](std::string& s) { PatchU32(s, entry, 0x80000000); }},
      {"name past the end", [&](std::string& s) { PatchU32(s, entry, 0x01000000); }},
      {"record offset past the end", [&](std::string& s) { PatchU32(s, entry + 8, 0x00FFFFFF); }},
      {"negative record offset", [&](std::string& s) { PatchU32(s, entry + 8, 0xFFFFFFF0); }},
      {"record header cut off", [](std::string& s) { s.resize(s.size() - 30); }},
  };
  for (const Case& c : cases) {
    std::string image = good;
    c.damage(image);
    std::vector<TLxArchiveRecord> records = {TLxArchiveRecord{}};
    EXPECT_EQ(ParseArchiveTable(image, records), arcReadError) << c.what;
    EXPECT_TRUE(records.empty()) << c.what;
    std::string out;
    EXPECT_EQ(ReadArchiveRecord(image, "name", out), arcReadError) << c.what;
  }
}

TEST(ArchiveTest, RecordNamesThatCouldLeaveAFolderAreUnsafe) {
  for (const char* name : {"MAINROOM\\theme.scn", "Sounds\\SND_DEAL.wav", "a..b", "x\\.hidden"})
    EXPECT_TRUE(IsSafeRecordName(name)) << name;
  for (const std::string& name :
       {std::string(), std::string("."), std::string(".."), std::string("..\\x"),
        std::string("x\\..\\y"), std::string("x\\.."), std::string("a/b"),
        std::string("/etc/passwd"), std::string("a\0b", 3)})
    EXPECT_FALSE(IsSafeRecordName(name)) << name;
}

class ResourceManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearLog();
    dir.InstallFixtures();
  }
  std::unique_ptr<TLxResourceManager> Open() {
    return std::make_unique<TLxResourceManager>(dir.Data, dir.Pak, dir.Temp);
  }
  ScratchFolder dir;
};

TEST_F(ResourceManagerTest, LooseFileInThePakFolderBeatsTheRecord) {
  auto rm = Open();
  EXPECT_EQ(rm->OverrideFolder, dir.Pak);
  const std::string fromArchive = rm->ExtractFile("MAINROOM\\theme.scn");
  EXPECT_EQ(fromArchive, dir.Temp + "MAINROOM_theme.scn");
  EXPECT_EQ(ReadWholeFile(fromArchive).value_or(""), "[MAINROOM]\nSource=archive\n");

  dir.Put("Data/Pak/MAINROOM/theme.scn", "[MAINROOM]\nSource=loose\n");
  EXPECT_EQ(rm->ExtractFile("MAINROOM\\theme.scn"), dir.Pak + "MAINROOM/theme.scn");
  EXPECT_TRUE(rm->FileExists("MAINROOM\\theme.scn"));
  // Archive lookups ignore case; the loose file follows the file system, so a name in other
  // letters falls through to the record.
  EXPECT_TRUE(rm->FileExists("mainroom\\THEME.SCN"));
  EXPECT_EQ(rm->ExtractFile("mainroom\\THEME.SCN"), dir.Temp + "mainroom_THEME.SCN");
  // A loose file exists even without a record.
  dir.Put("Data/Pak/EXTRA/only.txt", "x");
  EXPECT_TRUE(rm->FileExists("EXTRA\\only.txt"));
  EXPECT_FALSE(rm->FileExists("EXTRA\\other.txt"));
  EXPECT_EQ(rm->ExtractFile("EXTRA\\other.txt"), "");

  // A loose image is loaded in place of the record.
  TLxBitmap b;
  ASSERT_TRUE(rm->LoadBitmap("COMMON\\square.bmp", b));
  EXPECT_EQ(b.Pixels[0], ColorOf(0, 128, 255));
  dir.Put("Data/Pak/COMMON/square.bmp", EncodeBmp(test::SolidBitmap(2, 2, ColorOf(9, 9, 9)), 24));
  ASSERT_TRUE(rm->LoadBitmap("COMMON\\square.bmp", b));
  EXPECT_EQ(b.Width, 2);
  EXPECT_EQ(b.Pixels[0], ColorOf(9, 9, 9));
  // A loose file that is not a bitmap is not one, whatever the record holds.
  dir.Put("Data/Pak/COMMON/wide.bmp", "garbage");
  EXPECT_FALSE(rm->LoadBitmap("COMMON\\wide.bmp", b));
}

TEST_F(ResourceManagerTest, CorruptOrUnsafeRecordsCountAsMissing) {
  std::string image =
      EncodeArchive({Rec("ok.txt", "fine"), Rec("bad.txt", "crc will not match"), Rec("..", "up"),
                     Rec("..\\escape.txt", "up"), Rec("sub/dir.txt", "slash"),
                     Rec(std::string("n\0ul", 4), "nul"), Rec("pic.bmp", "not a bitmap")});
  image[RecordAt(image, "bad.txt") + 10] ^= 0x20;
  ASSERT_TRUE(WriteFileAtomic(dir.Pak + "default.lxr", image));
  auto rm = Open();
  EXPECT_EQ(rm->ExtractFile("ok.txt"), dir.Temp + "ok.txt");
  EXPECT_TRUE(rm->FileExists("bad.txt"));  // listed, yet never delivered
  EXPECT_EQ(rm->ExtractFile("bad.txt"), "");
  EXPECT_FALSE(FileExists(dir.Temp + "bad.txt"));
  for (const std::string& name : {std::string(".."), std::string("..\\escape.txt"),
                                  std::string("sub/dir.txt"), std::string("n\0ul", 4)})
    EXPECT_EQ(rm->ExtractFile(name), "") << name;
  EXPECT_FALSE(FileExists(dir.Root + "escape.txt"));
  EXPECT_FALSE(FileExists(dir.Root + "Temp/sub/dir.txt"));
  TLxBitmap b;
  EXPECT_FALSE(rm->LoadBitmap("pic.bmp", b));
  EXPECT_FALSE(rm->LoadBitmap("nothing.bmp", b));
  EXPECT_FALSE(rm->FileExists("nothing.bmp"));
  // A loose-file lookup never leaves the pak folder either.
  dir.Put("Data/secret.txt", "s");
  EXPECT_FALSE(rm->FileExists("..\\secret.txt"));
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(ResourceManagerTest, ArchivesThatCannotBeOpenedAreLoggedAndFindNothing) {
  ScratchFolder bare;  // no Data/Pak: default.lxr cannot be created; fonts.lxr is created
  std::filesystem::remove_all(bare.Pak);
  TLxResourceManager rm(bare.Data, bare.Pak, bare.Temp);
  EXPECT_EQ(rm.OverrideFolder, "");
  EXPECT_EQ(LogLines(), std::vector<std::string>{"RARO: FATAL ERROR"});
  EXPECT_TRUE(FileExists(bare.Data + "fonts.lxr"));
  EXPECT_EQ(rm.FontArchive.Count(), 0);
  EXPECT_FALSE(rm.FileExists("MAINROOM\\theme.scn"));
  EXPECT_EQ(rm.ExtractFile("MAINROOM\\theme.scn"), "");

  ClearLog();
  ASSERT_TRUE(WriteFileAtomic(dir.Data + "fonts.lxr", "vovi\x05"));
  auto broken = Open();
  EXPECT_EQ(LogLines(), std::vector<std::string>{"RARO: FATAL ERROR"});
  EXPECT_EQ(broken->FontArchive.Count(), 0);
  EXPECT_TRUE(broken->FileExists("MAINROOM\\theme.scn"));
}

// A BMP file assembled by hand: a 40-byte info header, an optional palette or masks, the rows.
std::string Bmp(int32_t w, int32_t h, uint16_t bits, uint32_t compression, const std::string& extra,
                const std::string& rows) {
  std::string s = "BM";
  auto put = [&s](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  const uint32_t offset = 54 + static_cast<uint32_t>(extra.size());
  put(offset + static_cast<uint32_t>(rows.size()), 4);
  put(0, 4);
  put(offset, 4);
  put(40, 4);
  put(static_cast<uint32_t>(w), 4);
  put(static_cast<uint32_t>(h), 4);
  put(1, 2);
  put(bits, 2);
  put(compression, 4);
  for (int i = 0; i < 4; ++i) put(0, 4);  // image size, resolution
  put(0, 4);
  return s + extra + rows;
}

TEST(BitmapTest, DecodesEveryDepthAndRowOrder) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<TLxColor> expected;  // top row first
  } cases[] = {
      // 2 x 2, bottom-up: the first stored row is the bottom one; rows padded to 4 bytes.
      {"24-bit bottom-up",
       Bmp(2, 2, 24, 0, "",
           std::string("\x00\x00\xff\x00\xff\x00\0\0"
                       "\xff\x00\x00\x10\x20\x30\0\0",
                       16)),
       {ColorOf(0, 0, 255), ColorOf(0x30, 0x20, 0x10), ColorOf(255, 0, 0), ColorOf(0, 255, 0)}},
      {"24-bit top-down",
       Bmp(1, -2, 24, 0, "", std::string("\x01\x02\x03\0\x04\x05\x06\0", 8)),
       {ColorOf(3, 2, 1), ColorOf(6, 5, 4)}},
      {"32-bit keeps its fourth byte",
       Bmp(2, 1, 32, 0, "", std::string("\x01\x02\x03\x00\x04\x05\x06\x80", 8)),
       {ColorOf(3, 2, 1, 0), ColorOf(6, 5, 4, 0x80)}},
      {"8-bit palette",
       Bmp(3, 1, 8, 0, std::string("\x10\x20\x30\0\x40\x50\x60\0", 8) + std::string(254 * 4, '\0'),
           std::string("\x01\x00\x01\0", 4)),
       {ColorOf(0x60, 0x50, 0x40), ColorOf(0x30, 0x20, 0x10), ColorOf(0x60, 0x50, 0x40)}},
      {"1-bit palette",
       Bmp(3, 1, 1, 0, std::string("\0\0\0\0\xff\xff\xff\0", 8), std::string("\xa0\0\0\0", 4)),
       {ColorOf(255, 255, 255), ColorOf(0, 0, 0), ColorOf(255, 255, 255)}},
      {"4-bit palette",
       Bmp(2, 1, 4, 0, std::string("\0\0\0\0\x00\x00\xff\0", 8) + std::string(14 * 4, '\0'),
           std::string("\x10\0\0\0", 4)),
       {ColorOf(255, 0, 0), ColorOf(0, 0, 0)}},
      {"16-bit 5-5-5",
       Bmp(1, 1, 16, 0, "", std::string("\x1f\x7c\0\0", 4)),
       {ColorOf(255, 0, 255)}},
      {"16-bit 5-6-5 masks",
       Bmp(1, 1, 16, 3, std::string("\x00\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12),
           std::string("\xe0\x07\0\0", 4)),
       {ColorOf(0, 255, 0)}},
  };
  for (const Case& c : cases) {
    TLxBitmap b;
    ASSERT_TRUE(DecodeBmp(c.file, b)) << c.what;
    EXPECT_EQ(b.Pixels, c.expected) << c.what;
  }
}

TEST(BitmapTest, RefusesAbsurdOrTruncatedFiles) {
  const std::string row = std::string("\1\2\3\0", 4);
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"not a BMP", "PNG....................................................."},
      {"zero width", Bmp(0, 1, 24, 0, "", row)},
      {"zero height", Bmp(1, 0, 24, 0, "", row)},
      {"huge width", Bmp(100000, 1, 24, 0, "", row)},
      {"huge area", Bmp(16000, 16000, 24, 0, "", row)},
      {"most negative height", Bmp(1, INT32_MIN, 24, 0, "", row)},
      {"rows missing", Bmp(1, 2, 24, 0, "", row)},
      {"run-length data", Bmp(1, 1, 8, 1, std::string(1024, '\0'), row)},
      {"odd depth", Bmp(1, 1, 7, 0, "", row)},
      {"palette cut off", Bmp(1, 1, 8, 0, "", "")},
      {"header only", Bmp(1, 1, 24, 0, "", "").substr(0, 30)},
  };
  TLxBitmap b = test::SolidBitmap(1, 1, 7);
  for (const Case& c : cases) {
    EXPECT_FALSE(DecodeBmp(c.file, b)) << c.what;
    EXPECT_EQ(b.Pixels, std::vector<TLxColor>{7}) << c.what;  // unchanged
  }
}

TEST(BitmapTest, EncodedFilesDecodeToTheSamePixels) {
  TLxBitmap b = test::SolidBitmap(3, 2, ColorOf(1, 2, 3, 4));
  b.Pixels[5] = ColorOf(200, 100, 50, 25);
  TLxBitmap back;
  ASSERT_TRUE(DecodeBmp(EncodeBmp(b, 32), back));
  EXPECT_EQ(back.Pixels, b.Pixels);
  EXPECT_EQ(back.SourceBitCount, 32);
  ASSERT_TRUE(DecodeBmp(EncodeBmp(b, 24), back));
  EXPECT_EQ(back.Pixels[5], ColorOf(200, 100, 50, 255));
  EXPECT_EQ(back.Pixels[0], ColorOf(1, 2, 3, 255));
}

}  // namespace
}  // namespace lx

#include <gtest/gtest.h>

#include "base/lxrandom.h"
#include "base/lxutils.h"

namespace lx {

TEST(Utils, RoundUpGoesTowardsPlusInfinity) {
  EXPECT_EQ(RoundUp(2.1), 3);
  EXPECT_EQ(RoundUp(2.5), 3);
  EXPECT_EQ(RoundUp(-2.9), -2);
  EXPECT_EQ(RoundUp(4.0), 4);
  EXPECT_EQ(CeilDiv(300, 256), 2);
  EXPECT_EQ(CeilDiv(256, 256), 1);
  EXPECT_EQ(CeilDiv(-29, 10), -2);
}

TEST(Utils, CaseRulesCoverAsciiOnly) {
  EXPECT_TRUE(SameText("ArialBlack.font", "arialblack.FONT"));
  EXPECT_FALSE(SameText("\xC4", "\xE4"));  // Latin-1 letters are not folded
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_LT(CompareStr("a", "\xE4"), 0);  // bytes compare unsigned
}

TEST(Utils, IntegerText) {
  struct Row {
    const char* Text;
    bool Ok;
    int64_t Value;
  };
  const Row rows[] = {
      {"$FF", true, 255},
      {"0x10", true, 16},
      {"-42", true, -42},
      {"12a", false, 0},
      {"", false, 0},
      {"9223372036854775807", true, INT64_MAX},
      {"-9223372036854775808", true, INT64_MIN},
      {"9223372036854775808", false, 0},
      // Beyond 64 bits: out of range, not wrapped to a small value.
      {"18446744073709551616", false, 0},
      {"18446744073709551617", false, 0},
      {"18446744073709552616", false, 0},
      {"-18446744073709551617", false, 0},
      {"$10000000000000005", false, 0},
      {"0x10000000000000000", false, 0},
      {"99999999999999999999999999", false, 0},
  };
  for (const Row& row : rows) {
    int64_t v = 0;
    EXPECT_EQ(TryStrToInt(row.Text, v), row.Ok) << row.Text;
    if (row.Ok) {
      EXPECT_EQ(v, row.Value) << row.Text;
    }
    EXPECT_EQ(StrToIntDef(row.Text, 7), row.Ok ? row.Value : 7) << row.Text;
  }
  EXPECT_EQ(Trim("  x y \r\n"), "x y");
}

TEST(Random, IsTheDocumentedGenerator) {
  RandSeed = 0;
  // seed 1 after one step: upper 32 bits of 1 * 100 is 0
  EXPECT_EQ(Random(100), 0u);
  EXPECT_EQ(RandSeed, 1u);
  EXPECT_EQ(Random(0x80000000u), static_cast<uint32_t>((134775814ull * 0x80000000ull) >> 32));
  RandSeed = 0xFFFFFFFFu;
  Random(10);
  EXPECT_EQ(RandSeed, 0xFFFFFFFFu * 134775813u + 1u);
  RandSeed = 7;
  for (int i = 0; i < 1000; ++i) {
    const int32_t r = RandomRange(-3, 4);
    EXPECT_GE(r, -3);
    EXPECT_LT(r, 4);
  }
}

}  // namespace lx

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
  int64_t v = 0;
  EXPECT_TRUE(TryStrToInt("$FF", v));
  EXPECT_EQ(v, 255);
  EXPECT_TRUE(TryStrToInt("0x10", v));
  EXPECT_EQ(v, 16);
  EXPECT_TRUE(TryStrToInt("-42", v));
  EXPECT_EQ(v, -42);
  EXPECT_FALSE(TryStrToInt("12a", v));
  EXPECT_FALSE(TryStrToInt("", v));
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

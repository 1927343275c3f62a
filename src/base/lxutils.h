// Small helpers every layer shares: ASCII case rules, the rounding rules and number text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lx {

// Case-insensitive comparison covers ASCII letters only; other bytes compare as unsigned char.
unsigned char AsciiLower(unsigned char c);
unsigned char AsciiUpper(unsigned char c);
std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, ignoring ASCII case.
int CompareText(std::string_view a, std::string_view b);
// Byte-wise comparison as unsigned char.
int CompareStr(std::string_view a, std::string_view b);

// Rounding towards +infinity: 2.1 -> 3, 2.5 -> 3, -2.9 -> -2.
int32_t RoundUp(double value);
// Integer division truncating towards zero (C++ already does; named so call sites say so).
inline int32_t TruncDiv(int32_t a, int32_t b) {
  return a / b;
}
// a / b rounded towards +infinity for b > 0.
int32_t CeilDiv(int32_t a, int32_t b);

std::string IntToStr(int64_t value);
// Leading and trailing bytes <= ' ' removed.
std::string Trim(std::string_view s);

// Decimal or hexadecimal ("$1F", "0x1F") integer text; false when it is not one.
bool TryStrToInt(std::string_view s, int64_t& value);
int64_t StrToIntDef(std::string_view s, int64_t fallback);

}  // namespace lx

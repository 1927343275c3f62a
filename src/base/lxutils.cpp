#include "base/lxutils.h"

#include <cmath>

namespace lx {

unsigned char AsciiLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

unsigned char AsciiUpper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

std::string LowerCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
  return r;
}

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(AsciiUpper(static_cast<unsigned char>(c)));
  return r;
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const int ca = AsciiLower(static_cast<unsigned char>(a[i]));
    const int cb = AsciiLower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

int CompareStr(std::string_view a, std::string_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const int ca = static_cast<unsigned char>(a[i]);
    const int cb = static_cast<unsigned char>(b[i]);
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int32_t RoundUp(double value) {
  return static_cast<int32_t>(std::ceil(value));
}

int32_t CeilDiv(int32_t a, int32_t b) {
  const int32_t q = a / b;
  return (a % b != 0 && ((a > 0) == (b > 0))) ? q + 1 : q;
}

std::string IntToStr(int64_t value) {
  return std::to_string(value);
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

bool TryStrToInt(std::string_view s, int64_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  uint64_t v = 0;
  for (; i < s.size(); ++i) {
    const unsigned char c = AsciiLower(static_cast<unsigned char>(s[i]));
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else {
      return false;
    }
    // Checked before the step: the magnitude stays within 2^63 and never wraps.
    if (v > ((1ull << 63) - static_cast<uint64_t>(d)) / static_cast<uint64_t>(base)) return false;
    v = v * base + d;
  }
  if (!negative && v > static_cast<uint64_t>(INT64_MAX)) return false;
  value = negative ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
  return true;
}

int64_t StrToIntDef(std::string_view s, int64_t fallback) {
  int64_t v;
  return TryStrToInt(s, v) ? v : fallback;
}

}  // namespace lx

// Windows BMP files as 32-bit colour images.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lxdevice.h"

namespace lx {

struct TLxBitmap {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t SourceBitCount = 0;  // bits per pixel of the file it was read from
  // Width x Height colours, top row first.
  std::vector<TLxColor> Pixels;
};

// Largest side and pixel total a file may state; anything larger is refused unread.
constexpr int32_t MaxBitmapSide = 16384;
constexpr int64_t MaxBitmapPixels = 16 * 1024 * 1024;

// Decodes a BMP file (1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or with bit-field
// masks, bottom-up or top-down). Pixels of a file of fewer than 32 bits are opaque; a 32-bit file
// keeps its fourth byte (or its alpha mask) as alpha. False, with the bitmap unchanged, when the
// file is not such a BMP or is truncated.
bool DecodeBmp(std::string_view file, TLxBitmap& bitmap);
// A bottom-up BMP file of the bitmap: bitCount 24 (alpha dropped) or 32 (alpha kept as the fourth
// byte); empty for other bit counts or an empty bitmap.
std::string EncodeBmp(const TLxBitmap& bitmap, int32_t bitCount);

}  // namespace lx

// Bitmap font records and the pattern image format they carry.
//
// Font record (little-endian): first character code (int32, low byte used), two unused int32,
// glyph count G (int32), G pairs of width and height (int32 each), then a pattern image.
// Pattern image: pixel format code (1 byte), pattern width and height, visible width and height,
// pattern count, texture width and height, texture count T (int32 each), then T textures of
// texture-height rows of texture-width pixels, top row first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lxdevice.h"

namespace lx {

// Pixel formats of the pattern image: bytes per pixel and channel widths, packed from the least
// significant bit in the order blue, green, red, alpha.
struct TLxPixelFormat {
  uint8_t Bytes;
  uint8_t BlueBits;
  uint8_t GreenBits;
  uint8_t RedBits;
  uint8_t AlphaBits;
};
constexpr int32_t PixelFormatCount = 10;
// The format of a code 0..9; false for any other code.
bool PixelFormatOf(int32_t code, TLxPixelFormat& format);
// One stored pixel (little-endian, format's size) as a colour. Codes 2 and 5 keep the fourth
// byte as alpha; formats without alpha bits give 255.
TLxColor DecodePixel(int32_t code, const uint8_t* pixel);

struct TLxPatternImage {
  int32_t PixelFormat = 5;
  int32_t PatternWidth = 0;
  int32_t PatternHeight = 0;
  int32_t VisibleWidth = 0;
  int32_t VisibleHeight = 0;
  int32_t PatternCount = 0;
  int32_t TextureWidth = 0;
  int32_t TextureHeight = 0;
  // TextureCount images of TextureWidth x TextureHeight colours, top row first.
  std::vector<std::vector<TLxColor>> Textures;
};

struct TLxFontRecord {
  int32_t FirstChar = 32;
  int32_t Reserved1 = 0;
  int32_t Reserved2 = 0;
  std::vector<int32_t> GlyphWidths;
  std::vector<int32_t> GlyphHeights;
  TLxPatternImage Image;
};

// Largest texture side and pixel total the parser accepts.
constexpr int32_t MaxPatternTextureSide = 4096;
constexpr int64_t MaxPatternImagePixels = 16 * 1024 * 1024;

// Parses a pattern image; false (and the image unchanged) when it is malformed or truncated.
bool ParsePatternImage(std::string_view data, TLxPatternImage& image);
bool ParseFontRecord(std::string_view data, TLxFontRecord& record);

// The stored forms, with the pixels written as format 5 (blue, green, red, alpha bytes).
std::string EncodePatternImage(const TLxPatternImage& image);
std::string EncodeFontRecord(const TLxFontRecord& record);

}  // namespace lx

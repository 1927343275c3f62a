#include "shell/lxfontrecord.h"

namespace lx {

namespace {

constexpr TLxPixelFormat Formats[PixelFormatCount] = {
    {1, 3, 3, 2, 0}, {2, 5, 6, 5, 0}, {4, 8, 8, 8, 8}, {2, 5, 5, 5, 0}, {2, 4, 4, 4, 0},
    {4, 8, 8, 8, 8}, {2, 5, 5, 5, 1}, {2, 4, 4, 4, 4}, {2, 3, 3, 2, 8}, {1, 2, 2, 2, 2},
};

constexpr size_t patternHeaderSize = 33;
constexpr size_t fontHeaderSize = 16;

int32_t I32At(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                              (static_cast<uint32_t>(p[2]) << 16) |
                              (static_cast<uint32_t>(p[3]) << 24));
}

void PutI32(std::string& out, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

// Takes the next channel of the given width off the low end of the packed value, widened to
// eight bits.
uint32_t TakeChannel(uint32_t& packed, uint8_t bits) {
  const uint32_t max = (1u << bits) - 1;
  const uint32_t value = packed & max;
  packed >>= bits;
  return value * 255 / max;
}

}  // namespace

bool PixelFormatOf(int32_t code, TLxPixelFormat& format) {
  if (code < 0 || code >= PixelFormatCount) return false;
  format = Formats[code];
  return true;
}

TLxColor DecodePixel(int32_t code, const uint8_t* pixel) {
  TLxPixelFormat f{};
  if (!PixelFormatOf(code, f)) return 0;
  uint32_t packed = 0;
  for (int i = 0; i < f.Bytes; ++i) packed |= static_cast<uint32_t>(pixel[i]) << (8 * i);
  const uint32_t b = TakeChannel(packed, f.BlueBits);
  const uint32_t g = TakeChannel(packed, f.GreenBits);
  const uint32_t r = TakeChannel(packed, f.RedBits);
  const uint32_t a = f.AlphaBits ? TakeChannel(packed, f.AlphaBits) : 255;
  return ColorOf(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
                 static_cast<uint8_t>(a));
}

bool ParsePatternImage(std::string_view data, TLxPatternImage& image) {
  if (data.size() < patternHeaderSize) return false;
  const auto* p = reinterpret_cast<const uint8_t*>(data.data());
  TLxPixelFormat f{};
  const int32_t code = p[0];
  if (!PixelFormatOf(code, f)) return false;
  TLxPatternImage out;
  out.PixelFormat = code;
  out.PatternWidth = I32At(p + 1);
  out.PatternHeight = I32At(p + 5);
  out.VisibleWidth = I32At(p + 9);
  out.VisibleHeight = I32At(p + 13);
  out.PatternCount = I32At(p + 17);
  out.TextureWidth = I32At(p + 21);
  out.TextureHeight = I32At(p + 25);
  const int32_t textureCount = I32At(p + 29);
  if (out.TextureWidth <= 0 || out.TextureHeight <= 0 || out.TextureWidth > MaxPatternTextureSide ||
      out.TextureHeight > MaxPatternTextureSide)
    return false;
  if (out.PatternWidth <= 0 || out.PatternHeight <= 0 || out.PatternWidth > out.TextureWidth ||
      out.PatternHeight > out.TextureHeight)
    return false;
  if (out.VisibleWidth <= 0 || out.VisibleHeight <= 0 || out.VisibleWidth > out.PatternWidth ||
      out.VisibleHeight > out.PatternHeight)
    return false;
  if (textureCount < 0 || out.PatternCount < 0) return false;
  const int64_t perTexture = static_cast<int64_t>(out.TextureWidth / out.PatternWidth) *
                             (out.TextureHeight / out.PatternHeight);
  if (out.PatternCount > perTexture * textureCount) return false;
  const int64_t texturePixels = static_cast<int64_t>(out.TextureWidth) * out.TextureHeight;
  if (texturePixels * textureCount > MaxPatternImagePixels) return false;
  const int64_t needed = texturePixels * textureCount * f.Bytes;
  if (needed > static_cast<int64_t>(data.size() - patternHeaderSize)) return false;
  const uint8_t* px = p + patternHeaderSize;
  out.Textures.resize(static_cast<size_t>(textureCount));
  for (auto& texture : out.Textures) {
    texture.resize(static_cast<size_t>(texturePixels));
    for (auto& c : texture) {
      c = DecodePixel(code, px);
      px += f.Bytes;
    }
  }
  image = std::move(out);
  return true;
}

bool ParseFontRecord(std::string_view data, TLxFontRecord& record) {
  if (data.size() < fontHeaderSize) return false;
  const auto* p = reinterpret_cast<const uint8_t*>(data.data());
  TLxFontRecord out;
  out.FirstChar = I32At(p);
  out.Reserved1 = I32At(p + 4);
  out.Reserved2 = I32At(p + 8);
  const int32_t glyphs = I32At(p + 12);
  if (glyphs < 0 || static_cast<int64_t>(glyphs) * 8 > static_cast<int64_t>(data.size()) - 16)
    return false;
  out.GlyphWidths.resize(static_cast<size_t>(glyphs));
  out.GlyphHeights.resize(static_cast<size_t>(glyphs));
  for (int32_t i = 0; i < glyphs; ++i) {
    const int32_t w = I32At(p + fontHeaderSize + 8 * static_cast<size_t>(i));
    const int32_t h = I32At(p + fontHeaderSize + 8 * static_cast<size_t>(i) + 4);
    if (w < 0 || h < 0 || w > MaxPatternTextureSide || h > MaxPatternTextureSide) return false;
    out.GlyphWidths[static_cast<size_t>(i)] = w;
    out.GlyphHeights[static_cast<size_t>(i)] = h;
  }
  if (!ParsePatternImage(data.substr(fontHeaderSize + 8 * static_cast<size_t>(glyphs)), out.Image))
    return false;
  record = std::move(out);
  return true;
}

std::string EncodePatternImage(const TLxPatternImage& image) {
  std::string out;
  out.push_back(5);
  PutI32(out, image.PatternWidth);
  PutI32(out, image.PatternHeight);
  PutI32(out, image.VisibleWidth);
  PutI32(out, image.VisibleHeight);
  PutI32(out, image.PatternCount);
  PutI32(out, image.TextureWidth);
  PutI32(out, image.TextureHeight);
  PutI32(out, static_cast<int32_t>(image.Textures.size()));
  for (const auto& texture : image.Textures)
    for (TLxColor c : texture) {
      out.push_back(static_cast<char>((c >> 16) & 0xFF));  // blue
      out.push_back(static_cast<char>((c >> 8) & 0xFF));   // green
      out.push_back(static_cast<char>(c & 0xFF));          // red
      out.push_back(static_cast<char>(c >> 24));           // alpha
    }
  return out;
}

std::string EncodeFontRecord(const TLxFontRecord& record) {
  std::string out;
  PutI32(out, record.FirstChar);
  PutI32(out, record.Reserved1);
  PutI32(out, record.Reserved2);
  PutI32(out, static_cast<int32_t>(record.GlyphWidths.size()));
  for (size_t i = 0; i < record.GlyphWidths.size(); ++i) {
    PutI32(out, record.GlyphWidths[i]);
    PutI32(out, i < record.GlyphHeights.size() ? record.GlyphHeights[i] : 0);
  }
  out += EncodePatternImage(record.Image);
  return out;
}

}  // namespace lx

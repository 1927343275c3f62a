#include "shell/lxbitmap.h"

#include <bit>

namespace lx {

namespace {

uint32_t U16At(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8);
}

uint32_t U32At(const uint8_t* p) {
  return U16At(p) | (U16At(p + 2) << 16);
}

// One channel described by a bit mask of a packed pixel.
struct TChannel {
  uint32_t Mask = 0;
  int Shift = 0;
  uint32_t Max = 0;

  explicit TChannel(uint32_t mask) : Mask(mask) {
    if (!mask) return;
    Shift = std::countr_zero(mask);
    Max = mask >> Shift;
  }
  uint8_t Of(uint32_t pixel) const {
    if (!Max) return 0;
    const uint64_t v = (pixel & Mask) >> Shift;
    return static_cast<uint8_t>(v * 255 / Max);
  }
};

}  // namespace

bool DecodeBmp(std::string_view file, TLxBitmap& bitmap) {
  const size_t size = file.size();
  const auto* p = reinterpret_cast<const uint8_t*>(file.data());
  if (size < 26 || p[0] != 'B' || p[1] != 'M') return false;
  const uint32_t dataOffset = U32At(p + 10);
  const uint32_t headerSize = U32At(p + 14);
  if (headerSize < 12 || headerSize > size - 14) return false;
  const uint8_t* h = p + 14;
  int64_t width = 0;
  int64_t height = 0;
  uint32_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  size_t paletteEntrySize = 4;
  if (headerSize == 12) {
    width = static_cast<int16_t>(U16At(h + 4));
    height = static_cast<int16_t>(U16At(h + 6));
    bitCount = U16At(h + 10);
    paletteEntrySize = 3;
  } else {
    if (headerSize < 40) return false;
    width = static_cast<int32_t>(U32At(h + 4));
    height = static_cast<int32_t>(U32At(h + 8));
    bitCount = U16At(h + 14);
    compression = U32At(h + 16);
    colorsUsed = U32At(h + 32);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide ||
      width * height > MaxBitmapPixels)
    return false;

  // Bit-field masks: inside a V2 header or larger, after a plain 40-byte one.
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  const bool bitFields = compression == 3 || compression == 6;
  if (compression != 0 && !bitFields) return false;  // run-length, JPEG and PNG are not read
  if (bitFields) {
    if (bitCount != 16 && bitCount != 32) return false;
    const size_t count = compression == 6 ? 4 : 3;
    const size_t at = headerSize >= 52 ? 14 + 40 : 14 + headerSize;
    if (at + 4 * count > size) return false;
    for (size_t i = 0; i < count; ++i) masks[i] = U32At(p + at + 4 * i);
    if (headerSize >= 56) masks[3] = U32At(p + 14 + 52);
  } else if (bitCount == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  } else if (bitCount == 32) {
    masks[0] = 0x00FF0000;
    masks[1] = 0x0000FF00;
    masks[2] = 0x000000FF;
    masks[3] = 0xFF000000;
  }
  // A 32-bit image keeps its fourth byte as alpha when no mask claims it.
  if (bitCount == 32 && masks[3] == 0 && ((masks[0] | masks[1] | masks[2]) & 0xFF000000) == 0)
    masks[3] = 0xFF000000;
  if (bitCount < 32) masks[3] = 0;

  std::vector<TLxColor> palette;
  if (bitCount == 1 || bitCount == 4 || bitCount == 8) {
    const uint32_t full = 1u << bitCount;
    const uint32_t entries = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    const size_t at = 14 + static_cast<size_t>(headerSize);
    if (at + entries * paletteEntrySize > size) return false;
    palette.resize(full, ColorOf(0, 0, 0));
    for (uint32_t i = 0; i < entries; ++i) {
      const uint8_t* e = p + at + i * paletteEntrySize;
      palette[i] = ColorOf(e[2], e[1], e[0]);
    }
  } else if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
    return false;
  }

  const int64_t stride = (width * bitCount + 31) / 32 * 4;
  if (dataOffset > size || stride * height > static_cast<int64_t>(size - dataOffset)) return false;

  const TChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
  TLxBitmap out;
  out.Width = static_cast<int32_t>(width);
  out.Height = static_cast<int32_t>(height);
  out.SourceBitCount = static_cast<int32_t>(bitCount);
  out.Pixels.resize(static_cast<size_t>(width * height));
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = p + dataOffset + row * stride;
    const int64_t y = topDown ? row : height - 1 - row;
    TLxColor* dst = out.Pixels.data() + y * width;
    for (int64_t x = 0; x < width; ++x) {
      switch (bitCount) {
        case 1:
          dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
          break;
        case 8:
          dst[x] = palette[src[x]];
          break;
        case 24:
          dst[x] = ColorOf(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
        default: {
          const uint32_t v = bitCount == 16 ? U16At(src + 2 * x) : U32At(src + 4 * x);
          dst[x] = ColorOf(red.Of(v), green.Of(v), blue.Of(v), masks[3] ? alpha.Of(v) : 255);
        }
      }
    }
  }
  bitmap = std::move(out);
  return true;
}

std::string EncodeBmp(const TLxBitmap& bitmap, int32_t bitCount) {
  if ((bitCount != 24 && bitCount != 32) || bitmap.Width <= 0 || bitmap.Height <= 0 ||
      bitmap.Pixels.size() !=
          static_cast<size_t>(bitmap.Width) * static_cast<size_t>(bitmap.Height))
    return std::string();
  const size_t bytes = static_cast<size_t>(bitCount / 8);
  const size_t stride = (static_cast<size_t>(bitmap.Width) * bytes + 3) / 4 * 4;
  const size_t dataSize = stride * static_cast<size_t>(bitmap.Height);
  std::string out;
  auto put = [&out](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  out += "BM";
  put(static_cast<uint32_t>(54 + dataSize), 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(static_cast<uint32_t>(bitmap.Width), 4);
  put(static_cast<uint32_t>(bitmap.Height), 4);
  put(1, 2);
  put(static_cast<uint32_t>(bitCount), 2);
  put(0, 4);
  put(static_cast<uint32_t>(dataSize), 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (int32_t y = bitmap.Height - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int32_t x = 0; x < bitmap.Width; ++x) {
      const TLxColor c = bitmap.Pixels[static_cast<size_t>(y) * static_cast<size_t>(bitmap.Width) +
                                       static_cast<size_t>(x)];
      out.push_back(static_cast<char>((c >> 16) & 0xFF));
      out.push_back(static_cast<char>((c >> 8) & 0xFF));
      out.push_back(static_cast<char>(c & 0xFF));
      if (bitCount == 32) out.push_back(static_cast<char>(c >> 24));
    }
    out.append(stride - (out.size() - rowStart), '\0');
  }
  return out;
}

}  // namespace lx

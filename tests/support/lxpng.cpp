#include "support/lxpng.h"

#include <zlib.h>

#include "platform/lxfiles.h"

namespace lx::test {

namespace {

void PutBE32(std::string& out, uint32_t v) {
  out += static_cast<char>(v >> 24 & 0xFF);
  out += static_cast<char>(v >> 16 & 0xFF);
  out += static_cast<char>(v >> 8 & 0xFF);
  out += static_cast<char>(v & 0xFF);
}

// Length, type, data and the CRC-32 of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBE32(out, static_cast<uint32_t>(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  PutBE32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                           static_cast<uInt>(body.size()))));
}

}  // namespace

bool WritePng(const std::string& path, int32_t width, int32_t height,
              const std::vector<TLxColor>& pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
    return false;
  // Each row: filter byte 0 (none), then RGB triples.
  std::string raw;
  raw.reserve(static_cast<size_t>(height) * (1 + static_cast<size_t>(width) * 3));
  for (int32_t y = 0; y < height; ++y) {
    raw += '\0';
    for (int32_t x = 0; x < width; ++x) {
      const TLxColor c = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x];
      raw += static_cast<char>(c & 0xFF);
      raw += static_cast<char>(c >> 8 & 0xFF);
      raw += static_cast<char>(c >> 16 & 0xFF);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                6) != Z_OK)
    return false;
  packed.resize(packedSize);

  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  PutBE32(header, static_cast<uint32_t>(width));
  PutBE32(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit depth, RGB, deflate, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", "");
  return WriteFileAtomic(path, png);
}

}  // namespace lx::test

// A font record and, on its own, a pattern image.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/lxfontrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lx::TLxFontRecord record;
  if (lx::ParseFontRecord(bytes, record)) {
    const auto& image = record.Image;
    for (const auto& texture : image.Textures)
      if (texture.size() !=
          static_cast<size_t>(image.TextureWidth) * static_cast<size_t>(image.TextureHeight))
        __builtin_trap();
  }
  lx::TLxPatternImage image;
  lx::ParsePatternImage(bytes, image);
  return 0;
}

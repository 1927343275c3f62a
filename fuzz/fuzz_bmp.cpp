// A BMP file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/lxbitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lx::TLxBitmap bitmap;
  if (lx::DecodeBmp(std::string_view(reinterpret_cast<const char*>(data), size), bitmap) &&
      bitmap.Pixels.size() !=
          static_cast<size_t>(bitmap.Width) * static_cast<size_t>(bitmap.Height))
    __builtin_trap();
  return 0;
}

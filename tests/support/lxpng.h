// PNG pictures of test renders, so that a person (or a file viewer) can look at them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/lxdevice.h"

namespace lx::test {

// Writes width x height pixels (top row first, colours as the engine keeps them: red in bits
// 0-7) as an 8-bit RGB PNG; alpha is dropped. False when the file cannot be written.
bool WritePng(const std::string& path, int32_t width, int32_t height,
              const std::vector<TLxColor>& pixels);

}  // namespace lx::test

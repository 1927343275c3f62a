// Bitmap fonts and textures built from pixels in memory, for tests that draw text and quads.
#pragma once

#include <memory>
#include <vector>

#include "shell/lxcore.h"

namespace lx::test {

// A font of glyphs 32..127, each glyphWidth x glyphHeight of opaque white (so text shows the
// colour it is drawn in), in 8 x 8-pattern textures.
std::unique_ptr<TLxBitmapFont> MakeSolidFont(TLxRenderDevice& device, int32_t glyphWidth = 6,
                                             int32_t glyphHeight = 10);

// A texture of `patterns` patterns of size w x h, pattern i filled with colors[i % size].
std::unique_ptr<TLxEngineTexture> MakePatternTexture(TLxRenderDevice& device, int32_t w, int32_t h,
                                                     int32_t patterns,
                                                     const std::vector<TLxColor>& colors,
                                                     int32_t textureWidth, int32_t textureHeight);

}  // namespace lx::test

#include "support/lxtestfonts.h"

namespace lx::test {

std::unique_ptr<TLxEngineTexture> MakePatternTexture(TLxRenderDevice& device, int32_t w, int32_t h,
                                                     int32_t patterns,
                                                     const std::vector<TLxColor>& colors,
                                                     int32_t textureWidth, int32_t textureHeight) {
  const int32_t across = textureWidth / w;
  const int32_t perTexture = across * (textureHeight / h);
  const int32_t count = (patterns + perTexture - 1) / perTexture;
  std::vector<std::vector<TLxColor>> images(
      static_cast<size_t>(count),
      std::vector<TLxColor>(static_cast<size_t>(textureWidth * textureHeight), 0));
  for (int32_t p = 0; p < patterns; ++p) {
    auto& img = images[static_cast<size_t>(p / perTexture)];
    const int32_t cell = p % perTexture;
    const int32_t x0 = (cell % across) * w, y0 = (cell / across) * h;
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x)
        img[static_cast<size_t>((y0 + y) * textureWidth + x0 + x)] =
            colors[static_cast<size_t>(p) % colors.size()];
  }
  auto texture = std::make_unique<TLxEngineTexture>();
  texture->Create(device, w, h, w, h, patterns, textureWidth, textureHeight, images);
  return texture;
}

std::unique_ptr<TLxBitmapFont> MakeSolidFont(TLxRenderDevice& device, int32_t glyphWidth,
                                             int32_t glyphHeight) {
  auto font = std::make_unique<TLxBitmapFont>();
  font->FirstChar = 32;
  font->GlyphCount = 96;
  font->GlyphWidths.assign(96, glyphWidth);
  font->GlyphHeights.assign(96, glyphHeight);
  auto image = MakePatternTexture(device, glyphWidth, glyphHeight, 96, {0xFFFFFFFFu},
                                  glyphWidth * 8, glyphHeight * 8);
  font->Image = std::move(*image);
  return font;
}

}  // namespace lx::test

// Loading archive images into textures.
#include "base/lxlog.h"
#include "base/lxutils.h"
#include "shell/lxbitmap.h"
#include "shell/lxcore.h"
#include "shell/lxresources.h"
#include "shell/lxtextures.h"

namespace lx {

namespace {

constexpr int32_t blockSide = 256;

// The block of the image at (left, top), blockSide square; pixels beyond the image are
// transparent black.
std::vector<TLxColor> BlockOf(const TLxBitmap& bitmap, int32_t left, int32_t top) {
  std::vector<TLxColor> block(static_cast<size_t>(blockSide) * blockSide, 0);
  for (int32_t y = 0; y < blockSide && top + y < bitmap.Height; ++y)
    for (int32_t x = 0; x < blockSide && left + x < bitmap.Width; ++x)
      block[static_cast<size_t>(y) * blockSide + static_cast<size_t>(x)] =
          bitmap.Pixels[static_cast<size_t>(top + y) * static_cast<size_t>(bitmap.Width) +
                        static_cast<size_t>(left + x)];
  return block;
}

}  // namespace

int32_t TLxEngine::LoadTexture(TLxDUDTexture* texture, const std::string& name) {
  if (!texture) {
    Log("ERROR: AGFTEXTURE NIL");
    return 1;
  }
  const TLxResourceManager* resources = ResourceManager ? ResourceManager : lx::ResourceManager;
  TLxBitmap bitmap;
  if (!resources || !resources->LoadBitmap(name, bitmap)) return 1;
  LoadTextureFromBitmap(texture, bitmap, name);
  return 0;
}

bool TLxEngine::LoadTextureFromBitmap(TLxDUDTexture* texture, const TLxBitmap& bitmap,
                                      const std::string& name) {
  if (!texture) {
    Log("ERROR: AGFTEXTURE NIL");
    return false;
  }
  bool created = false;
  if (bitmap.Width <= blockSide && bitmap.Height <= blockSide) {
    // One pattern of the image's size at the top left of one block.
    texture->ImageWidth = bitmap.Width;
    texture->ImageHeight = bitmap.Height;
    created = RenderDevice &&
              texture->Create(*RenderDevice, bitmap.Width, bitmap.Height, bitmap.Width,
                              bitmap.Height, 1, blockSide, blockSide, {BlockOf(bitmap, 0, 0)});
  } else {
    // Whole blocks, row by row: pattern k is block (k div columns, k mod columns).
    const int32_t columns = CeilDiv(bitmap.Width, blockSide);
    const int32_t rows = CeilDiv(bitmap.Height, blockSide);
    texture->ImageWidth = columns * blockSide;
    texture->ImageHeight = rows * blockSide;
    std::vector<std::vector<TLxColor>> blocks;
    blocks.reserve(static_cast<size_t>(columns * rows));
    for (int32_t row = 0; row < rows; ++row)
      for (int32_t column = 0; column < columns; ++column)
        blocks.push_back(BlockOf(bitmap, column * blockSide, row * blockSide));
    created =
        RenderDevice && texture->Create(*RenderDevice, blockSide, blockSide, blockSide, blockSide,
                                        columns * rows, blockSide, blockSide, blocks);
  }
  if (!created)
    Log("ERROR: " + name + " " + (RenderDevice ? RenderDevice->LastError() : "no device"));
  return created;
}

}  // namespace lx

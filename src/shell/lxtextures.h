// Textures by name: the texture of one control (TLxTextureInfo), a loaded texture
// (TLxDUDTexture) and the list that shares loaded textures between controls (TLxTextureList).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/lxcore.h"

namespace lx {

class TLxDUDTexture : public TLxEngineTexture {
 public:
  std::string Name;         // the key it was loaded for
  int32_t ImageWidth = 0;   // source image size after extension to whole 256-pixel blocks
  int32_t ImageHeight = 0;  // (the plain size for images of at most 256 x 256)
};

class TLxTextureInfo {
 public:
  TLxTextureInfo();

  const std::string& Name() const { return FName; }
  const std::string& Group() const { return FGroup; }
  const std::string& Prefix() const { return FPrefix; }
  int32_t FrameIndex() const { return FFrameIndex; }
  const std::string& Key() const { return FKey; }
  const std::string& ArchiveName() const { return FArchiveName; }
  const std::string& Extension() const { return FExtension; }

  // These only recompute Key and ArchiveName.
  void SetName(const std::string& name);
  void SetGroup(const std::string& group);
  void SetPrefix(const std::string& prefix);
  void SetFrameIndex(int32_t index);
  // These recompute and then raise OnChange.
  void SetFileName(const std::string& name);
  void SetFrame(int32_t index);

  TLxDUDTexture* Texture = nullptr;
  std::function<void(TLxTextureInfo* sender)> OnChange;

 private:
  void Recompute();
  std::string FName;
  std::string FGroup;
  std::string FPrefix;
  int32_t FFrameIndex = 1;
  std::string FExtension = "bmp";
  std::string FKey;
  std::string FArchiveName;
};

// Every texture loaded, in load order; owns them until the engine goes.
class TLxTextureList {
 public:
  // The loaded texture of the info's key, loading it through the engine on first use;
  // nullptr when it cannot be loaded.
  TLxDUDTexture* Get(const TLxTextureInfo& info);
  int32_t Count() const { return static_cast<int32_t>(Items.size()); }
  TLxDUDTexture* Texture(int32_t index) const { return Items[static_cast<size_t>(index)].get(); }
  void Clear() { Items.clear(); }

 private:
  std::vector<std::unique_ptr<TLxDUDTexture>> Items;
};

}  // namespace lx

#include "shell/lxtextures.h"

namespace lx {

TLxTextureInfo::TLxTextureInfo() {
  Recompute();
}

void TLxTextureInfo::Recompute() {
  const std::string suffix = FFrameIndex < 2 ? std::string() : "_" + std::to_string(FFrameIndex);
  FKey = FPrefix + ":" + FGroup + ":" + FName + suffix + "." + FExtension;
  FArchiveName = FGroup + "\\" + FName + suffix + "." + FExtension;
}

void TLxTextureInfo::SetName(const std::string& name) {
  FName = name;
  Recompute();
}

void TLxTextureInfo::SetGroup(const std::string& group) {
  FGroup = group;
  Recompute();
}

void TLxTextureInfo::SetPrefix(const std::string& prefix) {
  FPrefix = prefix;
  Recompute();
}

void TLxTextureInfo::SetFrameIndex(int32_t index) {
  FFrameIndex = index;
  Recompute();
}

void TLxTextureInfo::SetFileName(const std::string& name) {
  SetName(name);
  if (OnChange) OnChange(this);
}

void TLxTextureInfo::SetFrame(int32_t index) {
  SetFrameIndex(index);
  if (OnChange) OnChange(this);
}

TLxDUDTexture* TLxTextureList::Get(const TLxTextureInfo& info) {
  for (const auto& t : Items)
    if (t->Name == info.Key()) return t.get();
  if (!Engine) return nullptr;
  auto texture = std::make_unique<TLxDUDTexture>();
  if (Engine->LoadTexture(texture.get(), info.ArchiveName()) != 0) return nullptr;
  texture->Name = info.Key();
  Items.push_back(std::move(texture));
  return Items.back().get();
}

}  // namespace lx

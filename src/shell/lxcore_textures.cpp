// Loading archive images into textures. (Replaced when the resource manager lands.)
#include "base/lxlog.h"
#include "shell/lxcore.h"
#include "shell/lxtextures.h"

namespace lx {

int32_t TLxEngine::LoadTexture(TLxDUDTexture* texture, const std::string&) {
  if (!texture) Log("ERROR: AGFTEXTURE NIL");
  return 1;
}

}  // namespace lx

// Loading the font records of the font archive. (Replaced when the resource manager lands.)
#include "shell/lxcore.h"

namespace lx {

void TLxEngine::LoadFonts() {}

}  // namespace lx

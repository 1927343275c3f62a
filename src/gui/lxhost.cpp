#include "gui/lxhost.h"

namespace lx {

TLxHost* Host = nullptr;

}  // namespace lx

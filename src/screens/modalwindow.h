// Opening a window of the screens: created over the main scene, shown modally, freed.
#pragma once

#include <cstdint>
#include <utility>

#include "gui/lxframe.h"
#include "gui/lxhost.h"

namespace lx {

// The window's modal result; mrNone without a main scene. The window may be freed inside its
// own loop (the program ends); it is then not freed twice.
template <class TWindow, class... TArgs>
int32_t ShowModalWindow(TArgs&&... args) {
  if (!Host || !Host->GetMainScene()) return mrNone;
  auto* window = new TWindow(Host->GetMainScene(), std::forward<TArgs>(args)...);
  const TLxComponentGuard guard(window);
  const int32_t result = window->ShowModal();
  if (guard.Alive()) delete window;
  return result;
}

}  // namespace lx

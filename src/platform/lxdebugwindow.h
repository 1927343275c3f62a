// The developer's debug window: a second operating-system window beside the game showing the
// log lines above and the two forcing lists below. Its events are taken out of the game
// window's queue before the game sees them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lx {

class TLxDebugWindow {
 public:
  // A hidden window of the given place and size; nullptr (and the reason) when SDL cannot make
  // one. lists: the entries of the left and the right list.
  static std::unique_ptr<TLxDebugWindow> Create(int32_t left, int32_t top, int32_t width,
                                                int32_t height, int32_t panelHeight,
                                                const std::vector<std::string>& leftList,
                                                const std::vector<std::string>& rightList,
                                                std::string& error);
  virtual ~TLxDebugWindow() = default;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Shown() const = 0;
  // The lines to show (kept by the caller); drawn again soon after a change.
  virtual void SetLines(const std::vector<std::string>* lines) = 0;
  virtual void Invalidate() = 0;
  // list 0 left, 1 right; index -1 selects nothing.
  virtual void SetSelected(int32_t list, int32_t index) = 0;

  // A click on an entry: list 0 or 1 and the entry's index.
  std::function<void(int32_t list, int32_t index)> OnSelect;
};

// Called by the game window for every event it takes from the queue: true when the event
// belonged to a debug window (the game then ignores it). Closing the game window while a debug
// window is open ends the program as closing the last window would.
bool DebugWindowEvent(const void* sdlEvent);

}  // namespace lx

// The headless window: scripted events, a virtual clock and a software renderer.
#include "platform/lxplatform.h"

namespace lx {

TLxHeadlessWindow::TLxHeadlessWindow() : RenderDevice(TLxRenderDevice::Software(800, 600)) {}

TLxHeadlessWindow::~TLxHeadlessWindow() = default;

void TLxHeadlessWindow::PushKey(uint16_t key, uint8_t shift) {
  TLxEvent e;
  e.Kind = TLxEventKind::KeyDown;
  e.Key = key;
  e.Shift = shift;
  Push(e);
}

void TLxHeadlessWindow::PushMouse(TLxEventKind kind, int32_t x, int32_t y, TLxMouseButton button) {
  TLxEvent e;
  e.Kind = kind;
  e.X = x;
  e.Y = y;
  e.Button = button;
  Push(e);
}

void TLxHeadlessWindow::PushClick(int32_t x, int32_t y) {
  PushMouse(TLxEventKind::MouseDown, x, y);
  PushMouse(TLxEventKind::MouseUp, x, y);
}

bool TLxHeadlessWindow::PollEvent(TLxEvent& event) {
  if (Events.empty()) return false;
  event = Events.front();
  Events.pop_front();
  return true;
}

void TLxHeadlessWindow::WaitEvent(TLxEvent& event) {
  if (PollEvent(event)) return;
  // Nothing will ever arrive in a scripted run: wake up as if the user came back, or quit.
  event = TLxEvent{};
  event.Kind = ActivateWhenIdle ? TLxEventKind::Activate : TLxEventKind::Quit;
}

bool TLxHeadlessWindow::SetFullScreen(bool fullScreen) {
  FullScreen = fullScreen;
  ++FullScreenSwitches;
  return true;
}

void TLxHeadlessWindow::ShowError(const std::string& title, const std::string& text) {
  Errors.push_back(title + ": " + text);
}

}  // namespace lx

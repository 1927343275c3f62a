#include "support/lxtestapp.h"

#include <filesystem>

#include "base/lxlog.h"
#include "platform/lxfiles.h"
#include "scenes/lxscene.h"
#include "support/lxpng.h"
#include "support/lxtestfonts.h"

namespace lx::test {

TLxTestApp::TLxTestApp() {
  TheEngine = std::make_unique<TLxEngine>(&Window, false);
  Engine = TheEngine.get();
  Engine->Initialize();
  auto font = std::make_unique<TLxEngineFont>();
  font->Name = "ArialBlack.font";
  font->Font = MakeSolidFont(Window.Device());
  Engine->FontList.push_back(std::move(font));
  Main = std::make_unique<TfrmMain>(&Window);
  frmMain = Main.get();
  Host = Main.get();
  ClearLog();
}

TLxTestApp::~TLxTestApp() {
  Main.reset();
  frmMain = nullptr;
  Host = nullptr;
  TheEngine.reset();
  Engine = nullptr;
}

void TLxTestApp::Frames(int n) {
  for (int i = 0; i < n; ++i) Main->RenderNow();
}

void TLxTestApp::Pump() {
  while (Window.PendingEvents() > 0 && Main->HandleMessage()) {
  }
  Main->HandleMessage();  // the idle pass: one frame
}

void TLxTestApp::Click(int32_t x, int32_t y) {
  Window.PushClick(x, y);
  Pump();
}

void TLxTestApp::Press(int32_t x, int32_t y) {
  Window.PushMouse(TLxEventKind::MouseDown, x, y);
  Pump();
}

void TLxTestApp::Release(int32_t x, int32_t y) {
  Window.PushMouse(TLxEventKind::MouseUp, x, y);
  Pump();
}

void TLxTestApp::MoveTo(int32_t x, int32_t y) {
  Window.PushMouse(TLxEventKind::MouseMove, x, y);
  Pump();
}

void TLxTestApp::Key(uint16_t key, uint8_t shift) {
  Window.PushKey(key, shift);
  Pump();
}

TLxColor TLxTestApp::Pixel(int32_t x, int32_t y) {
  return Window.Device().PixelAt(x, y);
}

std::string TLxTestApp::SaveScreen(const std::string& name) {
  const std::string path = OutputPath(name);
  Engine->SaveBackBuffer(path);
  return path;
}

std::string TLxTestApp::SavePng(const std::string& name) {
  const std::string path = OutputPath(name);
  std::vector<TLxColor> pixels;
  if (Window.Device().ReadPixels(pixels))
    WritePng(path, Window.Device().Width(), Window.Device().Height(), pixels);
  return path;
}

std::string TLxTestApp::OutputPath(const std::string& name) {
  // The name may hold sub-folders ("poker/vp01.png"): they are made too.
  const std::string path = std::string(TESSARO_TEST_OUTPUT_DIR) + "/" + name;
  ForceDirectories(path.substr(0, path.find_last_of('/') + 1));
  return path;
}

}  // namespace lx::test

// The program: opens the window, builds the engine and the main window, runs the message loop
// and shuts down in reverse order.
#include <memory>
#include <string>

#include "app/mainform.h"
#include "base/lxlog.h"
#include "base/lxrandom.h"
#include "gui/lxhost.h"
#include "platform/lxplatform.h"
#include "shell/lxcore.h"

int main() {
  using namespace lx;
  std::string error;
  std::unique_ptr<TLxWindow> window = CreateSdlWindow("Tessaro Casino", true, error);
  if (!window) {
    Log(error);
    return 1;
  }
  RandSeed = static_cast<uint32_t>(window->PerformanceCounter());
  auto engine = std::make_unique<TLxEngine>(window.get(), true);
  Engine = engine.get();
  if (!Engine->Initialize()) {
    window->ShowError("Error", "Cannot initialize DirectX.");
    return 1;
  }
  auto mainForm = std::make_unique<TfrmMain>(window.get());
  frmMain = mainForm.get();
  Host = mainForm.get();
  frmMain->Run();
  Host = nullptr;
  frmMain = nullptr;
  mainForm.reset();
  Engine = nullptr;
  engine.reset();
  window.reset();
  return 0;
}

// The program: the real window over SDL, and the start-up, message loop and shut-down of the
// main window.
#include <memory>
#include <string>

#include "app/startup.h"
#include "platform/lxplatform.h"

int main() {
  using namespace lx;
  // Before SDL starts: SDL then keeps these handlers instead of installing its own.
  InstallTerminationSignals();
  TLxStartupOptions options;
  options.OpenWindow = [](const std::string& caption, bool vsync, bool centred,
                          std::string& error) {
    return CreateSdlWindow(caption, vsync, error, centred);
  };
  options.ShowError = ShowStandaloneError;
  TLxStartup program(std::move(options));
  return program.Run();
}

#include "support/lxtestgame.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/lxfiles.h"

namespace lx::test {

TLxGameInstall::TLxGameInstall(const std::string& theme) {
  char pattern[] = "/tmp/lxgame-XXXXXX";
  const char* made = mkdtemp(pattern);
  Root = std::string(made ? made : "/tmp/lxgame-failed") + "/";
  ForceDirectories(Root + "systmp/");
  namespace fs = std::filesystem;
  const fs::path dist = TESSARO_DIST_DIR;
  std::error_code ec;
  // Everything the build installed but the program itself.
  for (const auto& entry : fs::directory_iterator(dist, ec))
    if (entry.is_directory())
      fs::copy(entry.path(), Root + entry.path().filename().string(), fs::copy_options::recursive,
               ec);
  TheSettings = std::make_unique<TLxSetting>(Root, Root + "systmp");
  TheSettings->SetTheme(theme);
  Settings = TheSettings.get();
  TheResources = std::make_unique<TLxResourceManager>();
  ResourceManager = TheResources.get();
  TheSounds = std::make_unique<TLxSounds>(true);
  Sounds = TheSounds.get();
}

TLxGameInstall::~TLxGameInstall() {
  Sounds = nullptr;
  TheSounds.reset();
  ResourceManager = nullptr;
  TheResources.reset();
  Settings = nullptr;
  TheSettings.reset();
  std::error_code ec;
  std::filesystem::remove_all(Root, ec);
}

TLxGameTestApp::TLxGameTestApp(const std::string& theme) : TLxGameInstall(theme) {
  // The engine loaded the installation's fonts (the resources came first); the test app then
  // added its solid test font last, which only stands in when there are none.
  if (Engine->FontList.size() > 1) Engine->FontList.pop_back();
}

}  // namespace lx::test

// The headless main window over a scratch copy of the real installation (build/dist): the
// game's own archives, fonts, casinos and help, so tests see what a player sees. Settings,
// resources and sounds (on SDL's dummy driver) are installed as the globals; the casino's folder
// name is the theme. Nothing is written into build/dist.
#pragma once

#include <memory>
#include <string>

#include "persistence/lxsettings.h"
#include "shell/lxaudio.h"
#include "shell/lxresources.h"
#include "support/lxtestapp.h"

namespace lx::test {

class TLxGameInstall {
 public:
  explicit TLxGameInstall(const std::string& theme = "ZodazAreroDozada");
  ~TLxGameInstall();
  TLxGameInstall(const TLxGameInstall&) = delete;
  TLxGameInstall& operator=(const TLxGameInstall&) = delete;

  // The scratch application folder (ends in '/'); the stored files of the play appear here.
  std::string Root;
  std::unique_ptr<TLxSetting> TheSettings;
  std::unique_ptr<TLxResourceManager> TheResources;
  std::unique_ptr<TLxSounds> TheSounds;
};

// The engine draws with the installation's bitmap fonts in place of the test font.
class TLxGameTestApp : public TLxGameInstall, public TLxTestApp {
 public:
  explicit TLxGameTestApp(const std::string& theme = "ZodazAreroDozada");
};

}  // namespace lx::test

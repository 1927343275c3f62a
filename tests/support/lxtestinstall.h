// A scratch installation for tests that need themes, textures, fonts and music: an application
// folder in a fresh temporary folder with Data/, Data/Pak/ and a private temporary folder, the
// theme test archives copied there, Settings over it and a ResourceManager on its archives.
// Loose files written with PutPak override archive records, as in the real game.
#pragma once

#include <memory>
#include <string>

#include "persistence/lxsettings.h"
#include "shell/lxaudio.h"
#include "shell/lxresources.h"
#include "support/lxtestapp.h"

namespace lx::test {

class TLxTestInstall {
 public:
  // Settings (theme "TESTCASINO") and the resource manager are installed as the globals.
  TLxTestInstall();
  ~TLxTestInstall();
  TLxTestInstall(const TLxTestInstall&) = delete;
  TLxTestInstall& operator=(const TLxTestInstall&) = delete;

  // Writes a loose file under Data/Pak/; a record name's backslashes become folders.
  void PutPak(const std::string& recordName, const std::string& bytes) const;
  void RemovePak(const std::string& recordName) const;
  // A loose one-colour 24-bit picture (opaque) or 32-bit one (alpha kept).
  void PutPicture(const std::string& recordName, int32_t w, int32_t h, TLxColor color,
                  int32_t bits = 24) const;
  // Creates Sounds on SDL's dummy driver with music enabled; freed with the installation.
  void StartSounds();

  std::string Root, Pak;
  std::unique_ptr<TLxSetting> TheSettings;
  std::unique_ptr<TLxResourceManager> TheResources;
  std::unique_ptr<TLxSounds> TheSounds;
};

// The headless main window over a scratch installation: the engine's fonts come from the
// installation's font archive ("ArialBlack" and "Small"), textures and themes from its archive.
class TLxThemedTestApp : public TLxTestInstall, public TLxTestApp {
 public:
  TLxThemedTestApp() = default;
};

}  // namespace lx::test

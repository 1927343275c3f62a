#include "persistence/lxsettings.h"

#include <cstdlib>

#include "platform/lxfiles.h"

namespace lx {

TLxSetting* Settings = nullptr;

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

void TLxSetting::DeclareProperties(TXMLPropertiesOf<TLxSetting>& p) {
  p.Boolean("optFullScreen", &TLxSetting::optFullScreen)
      .Boolean("optMouseTrail", &TLxSetting::optMouseTrail)
      .Boolean("optSoundEnabled", &TLxSetting::optSoundEnabled)
      .Integer("optSoundVolume", &TLxSetting::optSoundVolume)
      .Boolean("optMusicEnabled", &TLxSetting::optMusicEnabled)
      .Integer("optMusicVolume", &TLxSetting::optMusicVolume)
      .Boolean("optAntialias", &TLxSetting::optAntialias)
      .Boolean("optVSync", &TLxSetting::optVSync)
      .Boolean("optParticleEffects", &TLxSetting::optParticleEffects)
      .Boolean("optCardEffects", &TLxSetting::optCardEffects)
      .Boolean("optSceneEffects", &TLxSetting::optSceneEffects)
      .String("optAutoLoginPlayerName", &TLxSetting::optAutoLoginPlayerName)
      .String("optAutoLoginPlayerPassword", &TLxSetting::optAutoLoginPlayerPassword);
}

TLxSetting::TLxSetting() {
  const char* tmp = std::getenv("TMPDIR");
  Init(ProgramFolder(), tmp ? tmp : "");
}

TLxSetting::TLxSetting(const std::string& appFolder, const std::string& systemTempFolder) {
  Init(appFolder, systemTempFolder);
}

void TLxSetting::Init(const std::string& appFolder, const std::string& systemTempFolder) {
  AppFolder = WithSlash(appFolder);
  SettingsFile = AppFolder + "settings.xml";
  // The temporary folder must be the user's own: a name planted by someone else (a link, a file,
  // another user's folder) is refused, never written through.
  TempFolder = PrivateTempFolder(systemTempFolder);
  if (TempFolder.empty()) {
    const std::string fallback = AppFolder + "Temp/_lxvptmp/";
    if (EnsurePrivateFolder(fallback)) TempFolder = fallback;
  }
  PlayersFile = AppFolder + "Players/players.xml";
  DataFolder = AppFolder + "Data/";
  PakFolder = AppFolder + "Data/Pak/";
  CasinosFolder = AppFolder + "Casinos/";
  SetTheme("MakeDefault");
  Load();
}

void TLxSetting::Load() {
  // After a fault, what was read before it stays and nothing is forced.
  if (!LoadStoredFile(*this, SettingsFile)) return;
  optAntialias = true;
  optVSync = true;
  optSceneEffects = false;
  optParticleEffects = false;
}

void TLxSetting::Save() {
  SaveStoredFile(*this, SettingsFile);
}

void TLxSetting::SetTheme(const std::string& name) {
  ThemeName = name;
  ThemeFolder = CasinosFolder + name + "/";
}

}  // namespace lx

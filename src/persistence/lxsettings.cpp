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

#ifndef TESSARO_INSTALL_DATA_FROM_PROGRAM
#define TESSARO_INSTALL_DATA_FROM_PROGRAM "../share/tessaro/"
#endif
const char* const TLxSetting::InstallDataFromProgram = TESSARO_INSTALL_DATA_FROM_PROGRAM;

TLxSetting::TLxSetting() {
  const char* tmp = std::getenv("TMPDIR");
  // Without a home folder (empty) the player data can only stay beside the program.
  Init(ProgramFolder(), tmp ? tmp : "", UserDataHome());
}

TLxSetting::TLxSetting(const std::string& appFolder, const std::string& systemTempFolder) {
  Init(appFolder, systemTempFolder, std::string());
}

TLxSetting::TLxSetting(const std::string& appFolder, const std::string& systemTempFolder,
                       const std::string& userDataHome) {
  Init(appFolder, systemTempFolder, userDataHome);
}

void TLxSetting::Init(const std::string& appFolder, const std::string& systemTempFolder,
                      const std::string& userDataHome) {
  AppFolder = WithSlash(appFolder);
  InstallFolder = AppFolder;
  UserFolder = AppFolder;
  OutputFolder = WorkingFolder();
  if (!userDataHome.empty()) {
    // build/dist keeps its data beside the program; an installed program finds it in its prefix.
    if (!DirectoryExists(AppFolder + "Data/")) {
      const std::string installed = RealFolder(AppFolder + InstallDataFromProgram);
      if (!installed.empty() && DirectoryExists(installed + "Data/")) {
        InstallFolder = installed;
        Installed = true;
      }
    }
    if (Installed || !UserMayWrite(AppFolder)) {
      UserFolder = WithSlash(userDataHome) + "tessaro/";
      OutputFolder = UserFolder;
      // Private to the user, as the desktop's rules for this folder ask.
      ForceDirectories(UserFolder + "Players/", 0700);
      ForceDirectories(UserFolder + "Casinos/", 0700);
    }
  }
  SettingsFile = UserFolder + "settings.xml";
  // The temporary folder must be the user's own: a name planted by someone else (a link, a file,
  // another user's folder) is refused, never written through.
  TempFolder = PrivateTempFolder(systemTempFolder);
  if (TempFolder.empty()) {
    const std::string fallback = UserFolder + "Temp/_lxvptmp/";
    if (EnsurePrivateFolder(fallback)) TempFolder = fallback;
  }
  PlayersFile = UserFolder + "Players/players.xml";
  DataFolder = InstallFolder + "Data/";
  PakFolder = InstallFolder + "Data/Pak/";
  CasinosFolder = InstallFolder + "Casinos/";
  UserCasinosFolder = UserFolder + "Casinos/";
  HelpFolder = InstallFolder + "Help/";
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

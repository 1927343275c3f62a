// The user's options (stored in "settings.xml" beside the program) and the folder layout of the
// installation. Every folder string ends in '/'.
#pragma once

#include <cstdint>
#include <string>

#include "persistence/pelxml.h"

namespace lx {

class TLxSetting : public TPelXMLObject {
  LX_XML_CLASS(TLxSetting, TPelXMLObject)

 public:
  // Folders of the program file's folder and of the system's temporary folder.
  TLxSetting();
  // Folders under appFolder; systemTempFolder stands for the system's temporary folder
  // ($TMPDIR or /tmp). Both may be given with or without a trailing '/'.
  TLxSetting(const std::string& appFolder, const std::string& systemTempFolder);

  static void DeclareProperties(TXMLPropertiesOf<TLxSetting>& p);

  // Reads SettingsFile, then forces the options that are fixed at every start.
  void Load();
  // Writes SettingsFile; errors are ignored.
  void Save();
  // ThemeName := name; ThemeFolder := CasinosFolder + name + "/".
  void SetTheme(const std::string& name);

  // Stored options.
  bool optFullScreen = false;
  bool optMouseTrail = false;
  bool optSoundEnabled = false;
  int32_t optSoundVolume = 0;
  bool optMusicEnabled = false;
  int32_t optMusicVolume = 0;
  bool optAntialias = false;
  bool optVSync = false;
  bool optParticleEffects = false;
  bool optCardEffects = false;
  bool optSceneEffects = false;
  std::string optAutoLoginPlayerName;
  std::string optAutoLoginPlayerPassword;

  // Folders and files (not stored).
  std::string AppFolder;     // the program file's folder
  std::string SettingsFile;  // AppFolder + "settings.xml"
  // Private to the user: <tmp>/_lxvptmp-<uid>/, else AppFolder + "Temp/_lxvptmp/"; empty when
  // neither is a folder of the user's own (nothing may then be extracted).
  std::string TempFolder;
  std::string PlayersFile;    // AppFolder + "Players/players.xml"
  std::string DataFolder;     // AppFolder + "Data/"
  std::string PakFolder;      // AppFolder + "Data/Pak/"
  std::string CasinosFolder;  // AppFolder + "Casinos/"
  std::string ThemeName;      // "MakeDefault" until a casino is entered
  std::string ThemeFolder;    // CasinosFolder + ThemeName + "/"

 private:
  void Init(const std::string& appFolder, const std::string& systemTempFolder);
};

// The settings of the running program; set and cleared by start-up and shut-down.
extern TLxSetting* Settings;

}  // namespace lx

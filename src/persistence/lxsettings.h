// The user's options (stored in "settings.xml") and the folder layout: the installation data
// (beside the program in build/dist, or in the data folder of an installed program's prefix) and
// the player data (beside the program, or in the user's data folder when the program is
// installed or its folder is not writable). Every folder string ends in '/'.
#pragma once

#include <cstdint>
#include <string>

#include "persistence/pelxml.h"

namespace lx {

class TLxSetting : public TPelXMLObject {
  LX_XML_CLASS(TLxSetting, TPelXMLObject)

 public:
  // The folders of the running program: its own folder, $TMPDIR and the user's data folder.
  TLxSetting();
  // Everything under appFolder, installation data and player data alike; systemTempFolder
  // stands for the system's temporary folder ($TMPDIR or /tmp). Both may be given with or
  // without a trailing '/'.
  TLxSetting(const std::string& appFolder, const std::string& systemTempFolder);
  // The folders a program in appFolder uses: the installation data beside it, or at
  // appFolder + InstallDataFromProgram for an installed program; the player data beside it
  // when that folder is writable and not an installation, else in userDataHome + "tessaro/"
  // (made when missing, private to the user).
  TLxSetting(const std::string& appFolder, const std::string& systemTempFolder,
             const std::string& userDataHome);

  // Where an installed program finds its data, relative to the program's folder.
  static const char* const InstallDataFromProgram;

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
  std::string AppFolder;  // the program file's folder
  // The installation data (read only): AppFolder, or the data folder of the prefix.
  std::string InstallFolder;
  // The player data: AppFolder, or userDataHome + "tessaro/".
  std::string UserFolder;
  bool Installed = false;    // the installation data is not beside the program
  std::string SettingsFile;  // UserFolder + "settings.xml"
  // Private to the user: <tmp>/_lxvptmp-<uid>/, else UserFolder + "Temp/_lxvptmp/"; empty when
  // neither is a folder of the user's own (nothing may then be extracted).
  std::string TempFolder;
  std::string PlayersFile;    // UserFolder + "Players/players.xml"
  std::string DataFolder;     // InstallFolder + "Data/"
  std::string PakFolder;      // InstallFolder + "Data/Pak/"
  std::string CasinosFolder;  // InstallFolder + "Casinos/": each casino's "casino.dat" and art
  // UserFolder + "Casinos/": each casino's "casino.xml" and the machines' data files
  // (UserCasinosFolder + casino + "/" + game + ".dat").
  std::string UserCasinosFolder;
  std::string HelpFolder;  // InstallFolder + "Help/"
  // Screenshots, the debug log and the developer dumps: the working folder, or UserFolder
  // when the player data is not beside the program.
  std::string OutputFolder;
  std::string ThemeName;    // "MakeDefault" until a casino is entered
  std::string ThemeFolder;  // CasinosFolder + ThemeName + "/"

 private:
  // userDataHome empty: everything under appFolder.
  void Init(const std::string& appFolder, const std::string& systemTempFolder,
            const std::string& userDataHome);
};

// The settings of the running program; set and cleared by start-up and shut-down.
extern TLxSetting* Settings;

}  // namespace lx

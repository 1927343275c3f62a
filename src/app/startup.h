// Start-up and shut-down of the program: the global managers built in their fixed order (each
// relies on the ones before it) and freed in reverse dependency order after saving what must
// survive; the start timer with the intro and the sign-in; the path taken when no display works.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lx {

class TLxWindow;
class TLxSetting;
class TLxApplicationInfo;
class TLxGameManager;
class TLxCasinoManager;
class TLxResourceManager;
class TLxEngine;
class TLxSounds;
class TfrmMain;
class TLxPlayers;
class TLxCity;
class TMainRoom;
class TNavigation;
class TfrmDebug;

// The window caption of a run: the application title, in developer mode with the build suffix.
std::string MainCaption(const std::string& title, bool devMode);

struct TLxStartupOptions {
  std::string AppFolder;         // empty: the program file's folder
  std::string SystemTempFolder;  // with AppFolder: the system's temporary folder
  std::string WorkingFolder;     // where "dev.id" is looked for; empty: the current folder
  // Opens the window and its display device; nullptr and the reason when none works.
  std::function<std::unique_ptr<TLxWindow>(const std::string& caption, bool vsync, bool centred,
                                           std::string& error)>
      OpenWindow;
  // The error box shown when not even a window could be opened.
  std::function<void(const std::string& title, const std::string& text)> ShowError;
  bool DummyAudio = false;  // SDL's silent audio driver (tests)
};

class TLxStartup {
 public:
  explicit TLxStartup(TLxStartupOptions options);
  // Runs the shut-down when Run has not.
  ~TLxStartup();
  TLxStartup(const TLxStartup&) = delete;
  TLxStartup& operator=(const TLxStartup&) = delete;

  // The whole life of the program: create, show, the message loop, destroy. The exit code.
  int Run();

  // The create handler: the managers in their order. An exception stops it at its step (logged);
  // the later managers are then missing and the window stays open without them.
  void Create();
  // The show handler: without a working engine the error message, and the program ends.
  // False in that case.
  bool Show();
  // The start timer: the intro outside developer mode, then the sign-in with auto-login unless
  // somebody is signed in already.
  void StartTimer();
  // Signs a player in (automatically when allowed and set up) and enters the default casino;
  // when nobody signs in the main window closes.
  void SignIn(bool autoLogin);
  // The destroy handler: a machine still open is left first (its credit and pending win to the
  // bank, its data and the visit statistics saved), then everything is freed in order, the
  // players, casinos and settings saved.
  void Destroy();

  TLxWindow* Window() const { return FWindow.get(); }
  TfrmMain* Main() const { return FMain.get(); }
  bool Destroyed() const { return FDestroyed; }

  // Shows the login window modally; true when a player signed in through it.
  std::function<bool()> ShowLogin;
  // Runs the intro picture (blocking) in place of the installation's intro.
  std::function<void()> RunIntro;

 private:
  void CreateManagers();
  void ShowMainRoom();

  TLxStartupOptions FOptions;
  // In creation order: freed in reverse when a step of the shut-down did not get to them.
  std::unique_ptr<TLxSetting> FSettings;
  std::unique_ptr<TLxApplicationInfo> FAppInfo;
  std::unique_ptr<TfrmDebug> FDebug;
  std::unique_ptr<TLxGameManager> FGameManager;
  std::unique_ptr<TLxCasinoManager> FCasinoManager;
  std::unique_ptr<TLxResourceManager> FResourceManager;
  std::unique_ptr<TLxWindow> FWindow;
  std::unique_ptr<TLxEngine> FEngine;
  std::unique_ptr<TLxSounds> FSounds;
  std::unique_ptr<TfrmMain> FMain;
  std::unique_ptr<TLxPlayers> FPlayers;
  std::unique_ptr<TLxCity> FCity;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TMainRoom> FMainRoom;
  std::string FCaption;
  bool FCreated = false;
  bool FDestroyed = false;
};

}  // namespace lx

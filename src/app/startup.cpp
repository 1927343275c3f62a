#include "app/startup.h"

#include <chrono>
#include <exception>
#include <utility>

#include "app/mainform.h"
#include "app/windowservices.h"
#include "base/lxerror.h"
#include "base/lxlog.h"
#include "base/lxrandom.h"
#include "gamecore/lxgamemanager.h"
#include "gui/lxpopup.h"
#include "persistence/lxapplication.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/lxcityunit.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "platform/lxfiles.h"
#include "platform/lxplatform.h"
#include "poker/poker.h"
#include "scenes/lxscene.h"
#include "screens/aboutform.h"
#include "screens/debugform.h"
#include "screens/highscoreform.h"
#include "screens/loaderunit.h"
#include "screens/loginform.h"
#include "screens/mainroomunit.h"
#include "screens/modalwindow.h"
#include "screens/navigationscene.h"
#include "screens/navigationunit.h"
#include "screens/optionsform.h"
#include "screens/profileform.h"
#include "screens/statisticsform.h"
#include "shell/lxaudio.h"
#include "shell/lxcore.h"
#include "shell/lxresources.h"
#include "slots/slots.h"
#include "slots/slotsetup.h"

namespace lx {

namespace {

// The statistics of the casino entered and of the machine open, as the window shows them.
void ShowCurrentStatistics() {
  ShowStatisticsWindow(frmMain ? frmMain->CurrentCasino : nullptr,
                       frmMain ? frmMain->CurrentGame : nullptr);
}

}  // namespace

namespace {

constexpr uint32_t StartTimerMs = 200;

// Runs one step of the shut-down; an exception ends the handler there, as in the create handler.
void LogError(const std::exception& e) {
  Log(std::string("ERROR: ") + e.what());
}

}  // namespace

std::string MainCaption(const std::string& title, bool devMode) {
  if (!devMode) return title;
  return title + " BETA - X$%^@*(@^%{}@<>?@# - Fear and Loathing in Las Vegas" + " (" +
         "2005/05/06 01:00:05" + ")";
}

TLxStartup::TLxStartup(TLxStartupOptions options) : FOptions(std::move(options)) {}

TLxStartup::~TLxStartup() {
  if (FCreated && !FDestroyed) Destroy();
}

int TLxStartup::Run() {
  Create();
  const bool shown = Show();
  if (shown && FMain) FMain->Run();
  Destroy();
  return shown ? 0 : 1;
}

void TLxStartup::Create() {
  FCreated = true;
  try {
    CreateManagers();
  } catch (const std::exception& e) {
    LogError(e);
  } catch (const ELxTerminated&) {
    // A termination request while starting: the loop ends at once and the shut-down runs.
  }
}

void TLxStartup::CreateManagers() {
  FSettings = FOptions.AppFolder.empty()
                  ? std::make_unique<TLxSetting>()
                  : std::make_unique<TLxSetting>(FOptions.AppFolder, FOptions.SystemTempFolder);
  Settings = FSettings.get();
  // The players file's folder is not part of the installation: a first start makes it.
  ForceDirectories(Settings->PlayersFile.substr(0, Settings->PlayersFile.find_last_of('/') + 1));

  FAppInfo = FOptions.WorkingFolder.empty()
                 ? std::make_unique<TLxApplicationInfo>()
                 : std::make_unique<TLxApplicationInfo>(FOptions.WorkingFolder);
  AppInfo = FAppInfo.get();
  FCaption = MainCaption(AppInfo->Title, AppInfo->DevMode);
  FDebug = std::make_unique<TfrmDebug>(AppInfo->DevMode);

  // One seeding for the whole run, from the high-resolution clock.
  RandSeed =
      static_cast<uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());

  FGameManager = std::make_unique<TLxGameManager>();
  GameManager = FGameManager.get();
  FCasinoManager = std::make_unique<TLxCasinoManager>(
      Settings->CasinosFolder, Settings->UserCasinosFolder,
      [](const std::string& id) { return GameManager ? GameManager->FindByIDStr(id) : nullptr; });
  CasinoManager = FCasinoManager.get();
  FResourceManager = std::make_unique<TLxResourceManager>();
  ResourceManager = FResourceManager.get();

  // The window keeps its designed position in developer mode and full screen.
  const bool centred = !AppInfo->DevMode && !Settings->optFullScreen;
  std::string error;
  if (FOptions.OpenWindow)
    FWindow = FOptions.OpenWindow(FCaption, Settings->optVSync, centred, error);
  if (!FWindow && !error.empty()) Log("ERROR: " + error);
  if (FWindow) FWindow->SetCaption(FCaption);

  FEngine = std::make_unique<TLxEngine>(FWindow.get(), Settings->optVSync);
  Engine = FEngine.get();
  Engine->Width = 800;
  Engine->Height = 600;
  Engine->SetFullScreen(Settings->optFullScreen);
  Engine->ResourceManager = ResourceManager;
  Engine->Initialize();
  if (!Engine->Initialized) return;

  try {
    FSounds = std::make_unique<TLxSounds>(FOptions.DummyAudio);
  } catch (const ELxError& e) {
    // No audio device: the game goes on silent rather than without a screen.
    LogError(e);
    FSounds = std::make_unique<TLxSounds>(true);
  }
  Sounds = FSounds.get();

  FMain = std::make_unique<TfrmMain>(FWindow.get());
  frmMain = FMain.get();
  Host = frmMain;
  frmMain->DevMode = AppInfo->DevMode;
  InstallWindowServices(*frmMain, FDebug.get());
  frmMain->MainScene->SetName("MAINSCENE");

  FPlayers = std::make_unique<TLxPlayers>();
  Players = FPlayers.get();
  Players->FileName = Settings->PlayersFile;
  Players->Load();

  FCity = std::make_unique<TLxCity>();
  City = FCity.get();
  City->OnSetCurrentCasino = [](TLxCasino* casino) {
    if (frmMain) frmMain->CurrentCasino = casino;
  };
  City->OnShowMainRoom = [this] { ShowMainRoom(); };

  FNavigation = std::make_unique<TNavigation>();
  Navigation = FNavigation.get();
  TNavigation::TServices& bar = Navigation->Services;
  bar.CurrentGame = [] { return MainRoom ? MainRoom->CurrentGame() : nullptr; };
  bar.LeaveGame = [] {
    if (MainRoom) MainRoom->LeaveGame();
  };
  bar.ShowAbout = [] { ShowModalWindow<TfrmAbout>(); };
  bar.ShowProfile = [] { ShowProfileWindow(); };
  bar.ShowOptions = [] { ShowOptionsWindow(); };
  bar.ShowHallOfFame = [] { ShowHighScoreWindow(); };
  bar.ShowStatistics = [] { ShowCurrentStatistics(); };
  // Menus and drop-down lists close through their own pop-up interface.
  frmMain->OnClosePopup = [](TLxCustomControl* popup) { ClosePopup(popup); };
  bar.CloseProgram = [] {
    if (frmMain) frmMain->Terminate();
  };
  frmMain->OnHint = [](const std::string& hint) {
    if (Navigation) Navigation->ShowHint(hint);
  };
  Navigation->Scene->LoadTheme(Settings->ThemeName);
  Navigation->Show();

  frmMain->Services.SignIn = [this](bool autoLogin) { SignIn(autoLogin); };
  frmMain->EnableStartTimer(StartTimerMs, [this] { StartTimer(); });
}

bool TLxStartup::Show() {
  if (!Engine || !Engine->Initialized) {
    const std::string text = "Cannot initialize DirectX.";
    if (FWindow) {
      FWindow->ShowError(FCaption, text);
    } else if (FOptions.ShowError) {
      FOptions.ShowError(FCaption.empty() ? std::string("Tessaro Casino") : FCaption, text);
    }
    return false;
  }
  if (AppInfo && AppInfo->DevMode && !Engine->IsFullScreen() && FDebug) FDebug->Show();
  return FMain != nullptr;
}

void TLxStartup::StartTimer() {
  if (AppInfo && !AppInfo->DevMode) {
    if (RunIntro) {
      RunIntro();
    } else {
      lx::RunIntro();
    }
  }
  if (Players && !Players->CurrentPlayer) SignIn(true);
}

void TLxStartup::SignIn(bool autoLogin) {
  if (!Players || !Settings) return;
  const std::function<bool()> showLogin =
      ShowLogin ? ShowLogin : [] { return ShowLoginWindow() != nullptr; };
  const bool signedIn = SignInPlayer(*Players, *Settings, autoLogin, showLogin, [] {
    if (City) City->EnterDefaultCasino();
  });
  if (!signedIn && frmMain) frmMain->Terminate();
}

void TLxStartup::ShowMainRoom() {
  if (!FMainRoom) {
    FMainRoom = std::make_unique<TMainRoom>(frmMain ? frmMain->CurrentCasino : nullptr);
    MainRoom = FMainRoom.get();
    TMainRoom::TServices& services = MainRoom->Services;
    services.CreateMachine = [](TGameInfo& info) -> std::unique_ptr<TLxGame> {
      if (info.Group && info.Group->GroupID == 1) return std::make_unique<TPoker>(&info);
      if (info.Group && info.Group->GroupID == 2) return std::make_unique<TSlots>(&info);
      return nullptr;
    };
    services.ShowAbout = [] { ShowModalWindow<TfrmAbout>(); };
    services.ShowProfile = [] { ShowProfileWindow(); };
    services.ShowOptions = [] { ShowOptionsWindow(); };
    services.ShowStatistics = [] { ShowCurrentStatistics(); };
    services.EnterDefaultCasino = [] {
      if (City) City->EnterDefaultCasino();
    };
    services.OnCurrentGame = [](TLxGame* game) {
      if (frmMain) frmMain->CurrentGame = game;
    };
    services.UpdateNavigation = [](bool reloadTheme) {
      if (!Navigation) return;
      if (reloadTheme && Settings) Navigation->Scene->LoadTheme(Settings->ThemeName);
      Navigation->UpdateButtons();
    };
  }
  MainRoom->EnterRoom();
}

void TLxStartup::Destroy() {
  if (FDestroyed) return;
  FDestroyed = true;
  try {
    if (Engine && Engine->Initialized) {
      if (MainRoom) {
        MainRoom->LeaveGameAtExit();
        MainRoom = nullptr;
        FMainRoom.reset();
      }
      FCity.reset();
      City = nullptr;
      if (frmMain) frmMain->OnHint = nullptr;
      Navigation = nullptr;
      FNavigation.reset();
      if (Players) {
        Players->Logout();
        Players->Save();
      }
      FPlayers.reset();
      Players = nullptr;
      FCasinoManager.reset();  // saves every casino
      CasinoManager = nullptr;
      FGameManager.reset();
      GameManager = nullptr;
      Host = nullptr;
      frmMain = nullptr;
      FMain.reset();  // the main scene, every scene and control, the animation list
      Sounds = nullptr;
      FSounds.reset();
    }
    Engine = nullptr;
    FEngine.reset();
    FWindow.reset();
    ResourceManager = nullptr;
    FResourceManager.reset();
    AppInfo = nullptr;
    FAppInfo.reset();
    FDebug.reset();  // writes the log file in developer mode
    if (Settings) Settings->Save();
    Settings = nullptr;
    FSettings.reset();
  } catch (const std::exception& e) {
    LogError(e);
  }
  // Whatever a failed step left is freed in reverse creation order; the globals must not
  // outlive their objects.
  MainRoom = nullptr;
  Navigation = nullptr;
  City = nullptr;
  Players = nullptr;
  CasinoManager = nullptr;
  GameManager = nullptr;
  Host = nullptr;
  frmMain = nullptr;
  Sounds = nullptr;
  Engine = nullptr;
  ResourceManager = nullptr;
  AppInfo = nullptr;
  Settings = nullptr;
}

}  // namespace lx

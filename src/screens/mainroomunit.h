// The main room's controller: enters the lobby of the current casino through the loading screen,
// shows the preview of the game under the mouse, opens a machine and brings the player back when
// it is left.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lx {

class TLxCasino;
class TLxCustomControl;
class TLxGame;
class TLxScene;
class TGameInfo;
class TMainRoomScene;

class TMainRoom {
 public:
  // The scene for the casino (a child of the main scene), with its events set and the preview
  // hidden.
  explicit TMainRoom(TLxCasino* casino);
  // Frees an open machine as it stands (the shut-down leaves it first with LeaveGameAtExit).
  ~TMainRoom();
  TMainRoom(const TMainRoom&) = delete;
  TMainRoom& operator=(const TMainRoom&) = delete;

  // The theme through the loading screen, the player, the scene shown; the navigation bar
  // follows.
  void EnterRoom();
  // Saves the casino and hides the scene.
  void LeaveRoom();
  void ShowPlayer();
  // The preview of the game whose picture or menu item the mouse entered.
  void ShowPreview(TLxCustomControl* sender);
  // Opens the machine of the type; ignored while the room is hidden (a second click while a
  // machine loads).
  void StartGame(int32_t gameType);
  // Leaves the open machine after its questions, then the room again.
  void LeaveGame();
  // The program is ending with a machine open: the machine is left without any question. A
  // shown win not yet taken goes into the credit, the credit into the bank; a round in progress
  // keeps its stake as it is and pays nothing more. The data file, the visit statistics, the
  // casino and the players are saved, and the machine is freed.
  void LeaveGameAtExit();

  TLxGame* CurrentGame() const { return FGame.get(); }

  TMainRoomScene* Scene = nullptr;  // owned
  TLxCasino* Casino = nullptr;

  // What the room needs of other screens and of the program; unset entries do nothing.
  struct TServices {
    // A machine object of the catalog entry (video poker or slots).
    std::function<std::unique_ptr<TLxGame>(TGameInfo& info)> CreateMachine;
    // The profile, statistics, options and about windows, each shown modally and freed.
    std::function<void()> ShowProfile, ShowStatistics, ShowOptions, ShowAbout;
    // The EXIT button: the casino entered again after the room was left.
    std::function<void()> EnterDefaultCasino;
    // The navigation bar after the room or a machine showed: its theme (EnterRoom only) and
    // its machine buttons, brought to the front.
    std::function<void(bool reloadTheme)> UpdateNavigation;
    // The machine opened or left (nullptr).
    std::function<void(TLxGame* game)> OnCurrentGame;
  };
  TServices Services;

 private:
  // Loads the scene's theme, behind the loading screen when there is one, titled caption.
  void LoadWithLoader(TLxScene* scene, const std::string& caption);
  void SetCurrentGame(std::unique_ptr<TLxGame> game);

  std::unique_ptr<TLxGame> FGame;
};

// The room of the running program; created when a casino is first entered.
extern TMainRoom* MainRoom;

}  // namespace lx

// The navigation bar's controller: what its menus and buttons do, the machine buttons that
// follow the open machine, and the hint line.
#pragma once

#include <functional>
#include <string>

namespace lx {

class TLxGame;
class TNavigationScene;

class TNavigation {
 public:
  // The scene (a child of the main scene) with its events set; it ignores keys.
  TNavigation();
  ~TNavigation();
  TNavigation(const TNavigation&) = delete;
  TNavigation& operator=(const TNavigation&) = delete;

  // Shown once at start-up, for the whole run.
  void Show();
  // The credit and cash-out buttons show exactly while a machine is open; the bar is brought in
  // front of every other scene.
  void UpdateButtons();
  // The hint line: the text, shown exactly when it is not empty.
  void ShowHint(const std::string& hint);
  // Refused while a machine is open; otherwise after a yes, the player signs out and the
  // login window follows.
  void SignOut();
  // Without a machine the program ends; with one, the machine is left (after its questions).
  void ExitGame();

  TNavigationScene* Scene = nullptr;  // owned

  // What the bar needs of the program and the other screens; unset entries do nothing.
  struct TServices {
    std::function<TLxGame*()> CurrentGame;
    std::function<void()> LeaveGame;  // the main room's LeaveGame
    std::function<void()> CloseProgram;
    std::function<void()> ShowProfile, ShowStatistics, ShowHallOfFame, ShowOptions, ShowAbout;
  };
  TServices Services;

 private:
  TLxGame* Game() const { return Services.CurrentGame ? Services.CurrentGame() : nullptr; }
};

// The bar of the running program; set and cleared by start-up and shut-down.
extern TNavigation* Navigation;

}  // namespace lx

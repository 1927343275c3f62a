// The city drives entering a casino: the player's record there, the theme of every scene and the
// main room.
#pragma once

#include <functional>
#include <string>

namespace lx {

class TLxCasino;

class TLxCity {
 public:
  // Enters the casino in folder name: the signed-in player's record there becomes its
  // CasinoStats, the casino becomes current, its folder the theme, and the main room is shown.
  void EnterCasino(const std::string& name);
  // Enters "ZodazAreroDozada" when that casino exists.
  void EnterDefaultCasino();

  // Installed by the main window: records the casino being visited.
  std::function<void(TLxCasino*)> OnSetCurrentCasino;
  // Installed by the main window: creates the main room if needed and shows it.
  std::function<void()> OnShowMainRoom;
};

// The city of the running program; set and cleared by start-up and shut-down.
extern TLxCity* City;

}  // namespace lx

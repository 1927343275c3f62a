// The login window: pick or type a player name, give the password and sign in; create a new
// player through the profile window, delete a player, or end the program.
#pragma once

#include <cstdint>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxComboBox;
class TLxEdit;
class TLxLabel;
class TLxPlayer;

class TfrmLogin : public TLxFrame {
 public:
  // The window over the main scene, themed from "LOGIN", the player names in the combo box.
  // With no players at all the profile window opens at once, before this window is shown, to
  // create the first one.
  explicit TfrmLogin(TLxComponent* mainScene);

  // LOGIN (or Enter): signs the named player in and closes with mrOk, or says that it failed.
  void LoginClick();
  // NEW PLAYER: the profile window; a created player's name and password are filled in.
  void NewPlayerClick();
  // DELETE PLAYER: after a question, deletes the player named in the combo box.
  void DeletePlayerClick();
  // EXIT: asks, and closes with mrCancel on yes.
  void ExitClick();
  // Every player's name into the combo box.
  void FillPlayers();

  TLxButton* BtnLogin = nullptr;
  TLxButton* BtnNewPlayer = nullptr;
  TLxButton* BtnDeletePlayer = nullptr;
  TLxButton* BtnClose = nullptr;
  TLxLabel* LblPlayerName = nullptr;
  TLxComboBox* CboPlayerName = nullptr;
  TLxLabel* LblPassword = nullptr;
  TLxEdit* EdtPassword = nullptr;
};

// The sign-in: shows the login window modally over the main scene and frees it. Returns the
// signed-in player, or nullptr when the window was left without signing in (the program then
// ends).
TLxPlayer* ShowLoginWindow();

}  // namespace lx

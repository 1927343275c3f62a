// The profile window: creates a player (when nobody is signed in) or edits the signed-in one:
// names, password, picture and the automatic sign-in at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxCheckBox;
class TLxEdit;
class TLxImage;
class TLxLabel;

class TfrmProfile : public TLxFrame {
 public:
  // The window over the main scene, themed from "PROFILE", its fields filled from the signed-in
  // player (or empty for a new one).
  explicit TfrmProfile(TLxComponent* mainScene);

  // Checks and stores what the window holds; false (after telling why) when it refuses.
  bool Save();
  // OK: saves and closes with mrOk when that succeeds.
  void OkClick();
  // The picture number: the image's texture pattern.
  int32_t PictureID() const;

  bool NewPlayer = false;  // nobody was signed in when the window was made
  TLxButton* BtnClose = nullptr;
  TLxButton* BtnCancel = nullptr;
  TLxLabel* LblFirstName = nullptr;
  TLxLabel* LblLastName = nullptr;
  TLxLabel* LblUserName = nullptr;
  TLxEdit* EdtFirstName = nullptr;
  TLxEdit* EdtLastName = nullptr;
  TLxEdit* EdtUserName = nullptr;
  TLxLabel* LblPassword = nullptr;
  TLxLabel* LblPassword2 = nullptr;
  TLxEdit* EdtPassword = nullptr;
  TLxEdit* EdtPassword2 = nullptr;
  TLxImage* ImgPlayer = nullptr;
  TLxButton* BtnNext = nullptr;
  TLxCheckBox* CbAutoLogin = nullptr;
};

// Shows the profile window modally over the main scene and frees it; its result (mrOk when the
// player was saved, mrNone when cancelled).
int32_t ShowProfileWindow();

}  // namespace lx

// Modal frames: dialogs drawn inside the one drawing area as scenes on top of everything else,
// with a window picture, a title bar, an animated logo and a caption. While a frame is shown it
// is the main window's input root and runs a nested message loop until one of its controls
// closes it; the rest of the screen keeps being drawn and animated underneath.
#pragma once

#include <cstdint>

#include "scenes/lxscene.h"

namespace lx {

class TLxImage;
class TLxLabel;

// Modal results.
constexpr int32_t mrNone = 0;    // closed without a result
constexpr int32_t mrOk = 1;      // OK, or a dialog that succeeded
constexpr int32_t mrCancel = 2;  // dismissed
constexpr int32_t mrYes = 6;
constexpr int32_t mrNo = 7;

class TLxFrame : public TLxScene {
 public:
  // A visible scene "COMMON" under the main scene (its owner) holding the background, the
  // window "IMG_FRAME", the title bar "IMG_TASKBAR", the logo "IMG_WINDOWLOGO" and the caption
  // "LBL_WINDOWCAPTION". The first four start hidden and fade in when the frame is shown. The
  // window becomes the Container: controls added afterwards without a parent are its children,
  // so they appear, and can be clicked, only once the window has faded in.
  explicit TLxFrame(TLxComponent* mainScene);

  // Shows the hidden parts, makes the frame the input root and handles messages until the
  // frame is closed; then restores the input root and returns ModalResult. The frame stays in
  // the tree until its creator frees it. When the program ends inside the loop it returns
  // what ModalResult holds then.
  virtual int32_t ShowModal();
  void Close() { Closed = true; }
  void CloseWith(int32_t result) {
    ModalResult = result;
    Close();
  }

  int32_t ModalResult = mrNone;
  bool Closed = false;
  TLxCustomControl* SavedInputRoot = nullptr;  // the input root before ShowModal
  TLxImage* WindowLogo = nullptr;
  TLxImage* TaskBar = nullptr;
  TLxImage* Window = nullptr;
  TLxLabel* Caption = nullptr;
};

}  // namespace lx

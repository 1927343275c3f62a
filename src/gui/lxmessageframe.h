// The themed message dialog: a text and a chosen set of the buttons YES, NO, OK and CANCEL,
// answered with the mouse. The main window's MessageBox shows it modally and returns the
// result of the button clicked.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;

// Bits of the button set.
constexpr int32_t mbYes = 1;
constexpr int32_t mbNo = 2;
constexpr int32_t mbOk = 4;
constexpr int32_t mbCancel = 8;

class TframeMessage : public TLxFrame {
 public:
  // A frame of scene "DIALOGS" with the message label "LBL_MESSAGE" and the requested buttons,
  // in the order YES, NO, OK, CANCEL, each closing the frame with its result; then the theme
  // places and styles them. kind and helpContext are accepted and not used.
  TframeMessage(TLxComponent* mainScene, int32_t kind, int32_t buttons, int32_t helpContext,
                const std::string& text);

  TLxLabel* MessageLabel = nullptr;
  // nullptr for a button that was not requested.
  TLxButton* BtnYes = nullptr;
  TLxButton* BtnNo = nullptr;
  TLxButton* BtnOk = nullptr;
  TLxButton* BtnCancel = nullptr;
};

}  // namespace lx

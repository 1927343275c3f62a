// The about window: the program's title, version and home page.
#pragma once

#include <cstdint>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxLabel;

class TfrmAbout : public TLxFrame {
 public:
  explicit TfrmAbout(TLxComponent* mainScene);

  TLxLabel* LblAppTitle = nullptr;
  TLxLabel* LblAppVersion = nullptr;
  TLxLabel* LblAppHomePage = nullptr;
  TLxButton* BtnClose = nullptr;
};

// Shows the about window modally over the main scene and frees it; its modal result.
int32_t ShowAboutWindow();

}  // namespace lx

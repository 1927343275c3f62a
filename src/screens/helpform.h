// The help window: the installation's help pages laid out off screen by the page viewer and
// shown as the texture of a 768 x 512 panel, with scroll buttons and working links.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxPanel;
class TLxHtmlViewer;

// Size of the captured part of the page (three by two texture blocks of 256).
constexpr int32_t HelpCaptureWidth = 768;
constexpr int32_t HelpCaptureHeight = 512;
// Pixels one press of a scroll button moves the page.
constexpr int32_t HelpScrollStep = 50;

class TfrmHelp : public TLxFrame {
 public:
  // Opens the help start page, Help/index.html of the installation.
  explicit TfrmHelp(TLxComponent* mainScene);
  ~TfrmHelp() override;

  // Paints the viewer's visible area into the panel's texture.
  void CapturePage();
  // Moves the page by delta pixels (the viewer clamps) and captures it again.
  void ScrollBy(int32_t delta);

  TLxButton* BtnClose = nullptr;
  TLxButton* BtnScrollUp = nullptr;
  TLxButton* BtnScrollDown = nullptr;
  TLxPanel* PnlHtmlView = nullptr;
  std::unique_ptr<TLxHtmlViewer> Viewer;

 private:
  bool FThemeLoaded = false;
};

// The address of the help start page of the installation (a file:// address).
std::string HelpStartPage();

// Shows the help window modally over the main scene and frees it; its modal result.
int32_t ShowHelpWindow();

}  // namespace lx

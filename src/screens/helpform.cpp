#include "screens/helpform.h"

#include <utility>
#include <vector>

#include "base/lxlog.h"
#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "persistence/lxsettings.h"
#include "platform/lxhtmlview.h"
#include "screens/modalwindow.h"
#include "shell/lxcore.h"

namespace lx {

namespace {

std::string HelpIndexPath() {
  return (Settings ? Settings->AppFolder : std::string()) + "Help/index.html";
}

}  // namespace

std::string HelpStartPage() {
  return "file://" + HelpIndexPath();
}

TfrmHelp::TfrmHelp(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("HELP");
  Caption->SetCaption("HELP");

  auto button = [this](const char* name, const char* caption, TLxNotifyEvent onClick) {
    auto* b = new TLxButton(this);
    b->SetName(name);
    b->SetCaption(caption);
    b->OnClick = std::move(onClick);
    AddControl(b);
    return b;
  };
  BtnClose = button("BTN_CLOSE", "CLOSE", [this](TLxCustomControl*) { CloseWith(mrCancel); });
  BtnScrollUp =
      button("BTN_SCROLLUP", "U", [this](TLxCustomControl*) { ScrollBy(-HelpScrollStep); });
  BtnScrollDown =
      button("BTN_SCROLLDOWN", "D", [this](TLxCustomControl*) { ScrollBy(HelpScrollStep); });

  PnlHtmlView = new TLxPanel(this);
  PnlHtmlView->SetName("PNL_HTMLVIEW");
  PnlHtmlView->SetAutosize(true);
  AddControl(PnlHtmlView);

  Viewer = std::make_unique<TLxHtmlViewer>();
  const int32_t width = Engine ? Engine->Width : 800;
  const int32_t height = (Engine ? Engine->Height : 600) - 70;
  Viewer->SetSize(width, height);
  Viewer->Visible = false;
  Viewer->Border = false;
  Viewer->ScrollBars = false;
  Viewer->DefaultFontColor = 0xFFFFFF;
  Viewer->OnHotSpotClick = [this](const std::string&, bool& handled) {
    Log("INFO: URL: " + Viewer->CurrentFile());
    handled = false;
  };
  Viewer->OnProcessing = [this](bool processing) {
    if (!processing) CapturePage();
  };
  Viewer->LoadFromFile(HelpIndexPath());

  LoadTheme(Settings ? Settings->ThemeName : std::string());

  FThemeLoaded = true;
  CapturePage();
  Viewer->Left = PnlHtmlView->Left();
  Viewer->Top = PnlHtmlView->Top();
  // The viewer sees positions relative to the panel's corner, so a link is hit where it shows.
  auto local = [this](int32_t& x, int32_t& y) {
    x -= PnlHtmlView->Left();
    y -= PnlHtmlView->Top();
  };
  PnlHtmlView->OnMouseMove = [this, local](TLxCustomControl*, uint8_t, int32_t x, int32_t y) {
    local(x, y);
    Viewer->MouseMove(x, y);
  };
  PnlHtmlView->OnMouseDown = [this, local](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t x,
                                           int32_t y) {
    local(x, y);
    Viewer->MouseDown(x, y);
  };
  PnlHtmlView->OnMouseUp = [this, local](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t x,
                                         int32_t y) {
    local(x, y);
    Viewer->MouseUp(x, y);
  };
}

TfrmHelp::~TfrmHelp() {
  // The panel's handlers use the viewer: the controls go first.
  DestroyComponents();
  Viewer.reset();
}

void TfrmHelp::CapturePage() {
  // The first page is laid out before the theme gives the panel its texture; it is captured
  // once the theme is there.
  if (!FThemeLoaded) return;
  TLxDUDTexture* texture = PnlHtmlView->Texture.Texture;
  if (!texture || !Engine || !Engine->Device()) {
    Log("ERROR: AGFTEXTURE NIL");
    return;
  }
  std::vector<TLxColor> pixels(static_cast<size_t>(HelpCaptureWidth) * HelpCaptureHeight);
  Viewer->PaintTo(pixels.data(), HelpCaptureWidth, HelpCaptureHeight);
  // The large-image rule: whole 256-pixel blocks, row by row.
  constexpr int32_t side = TilePieceSize;
  std::vector<std::vector<TLxColor>> blocks;
  for (int32_t by = 0; by < HelpCaptureHeight; by += side)
    for (int32_t bx = 0; bx < HelpCaptureWidth; bx += side) {
      std::vector<TLxColor> block(static_cast<size_t>(side) * side);
      for (int32_t y = 0; y < side; ++y)
        for (int32_t x = 0; x < side; ++x)
          block[static_cast<size_t>(y * side + x)] =
              pixels[static_cast<size_t>((by + y) * HelpCaptureWidth + bx + x)];
      blocks.push_back(std::move(block));
    }
  texture->Release();
  if (!texture->Create(*Engine->Device(), side, side, side, side,
                       static_cast<int32_t>(blocks.size()), side, side, blocks)) {
    Log("ERROR: PNL_HTMLVIEW " + Engine->Device()->LastError());
    return;
  }
  texture->ImageWidth = HelpCaptureWidth;
  texture->ImageHeight = HelpCaptureHeight;
  PnlHtmlView->LoadTexture();
}

void TfrmHelp::ScrollBy(int32_t delta) {
  Viewer->SetVScrollPos(Viewer->VScrollPos() + delta);
  CapturePage();
}

int32_t ShowHelpWindow() {
  return ShowModalWindow<TfrmHelp>();
}

}  // namespace lx

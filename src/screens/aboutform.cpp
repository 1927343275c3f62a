#include "screens/aboutform.h"

#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "screens/modalwindow.h"
#include "screens/windowcontrols.h"

namespace lx {

TfrmAbout::TfrmAbout(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("ABOUT");
  UseOwnWindowPicture(*this);
  Caption->SetCaption("ABOUT...");
  LblAppTitle = AddLabel(*this, "LBL_APPTITLE", AppInfo ? AppInfo->Title : std::string());
  LblAppVersion = AddLabel(*this, "LBL_APPVERSION", AppInfo ? AppInfo->Version : std::string());
  LblAppHomePage = AddLabel(*this, "LBL_APPHOMEPAGE", AppInfo ? AppInfo->HomePage : std::string());
  // The address opens with the desktop's browser, as a link would.
  LblAppHomePage->OnClick = [this](TLxCustomControl*) {
    if (Host) Host->OpenDocument(LblAppHomePage->Caption());
  };
  BtnClose =
      AddButton(*this, "BTN_CLOSE", "CLOSE", [this](TLxCustomControl*) { CloseWith(mrCancel); });
  LoadTheme(Settings ? Settings->ThemeName : std::string());
}

int32_t ShowAboutWindow() {
  return ShowModalWindow<TfrmAbout>();
}

}  // namespace lx

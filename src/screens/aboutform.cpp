#include "screens/aboutform.h"

#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "screens/modalwindow.h"

namespace lx {

TfrmAbout::TfrmAbout(TLxComponent* mainScene) : TLxFrame(mainScene) {
  SetSceneName("ABOUT");
  Caption->SetCaption("ABOUT...");
  auto label = [this](const char* name, const std::string& text) {
    auto* l = new TLxLabel(this);
    l->SetName(name);
    l->SetCaption(text);
    AddControl(l);
    return l;
  };
  LblAppTitle = label("LBL_APPTITLE", AppInfo ? AppInfo->Title : std::string());
  LblAppVersion = label("LBL_APPVERSION", AppInfo ? AppInfo->Version : std::string());
  LblAppHomePage = label("LBL_APPHOMEPAGE", AppInfo ? AppInfo->HomePage : std::string());
  // The address opens with the desktop's browser, as a link would.
  LblAppHomePage->OnClick = [this](TLxCustomControl*) {
    if (Host) Host->OpenDocument(LblAppHomePage->Caption());
  };
  BtnClose = new TLxButton(this);
  BtnClose->SetName("BTN_CLOSE");
  BtnClose->SetCaption("CLOSE");
  BtnClose->OnClick = [this](TLxCustomControl*) { CloseWith(mrCancel); };
  AddControl(BtnClose);
  LoadTheme(Settings ? Settings->ThemeName : std::string());
}

int32_t ShowAboutWindow() {
  return ShowModalWindow<TfrmAbout>();
}

}  // namespace lx

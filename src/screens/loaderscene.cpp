#include "screens/loaderscene.h"

#include "gui/lxcontrols.h"
#include "gui/lxprogressbar.h"
#include "persistence/lxsettings.h"
#include "screens/windowcontrols.h"

namespace lx {

TLoaderScene::TLoaderScene(TLxComponent* owner) : TLxScene(owner, "LOADER") {
  Background->Texture.SetName("loader");
  Background->Texture.SetGroup("LOGO");
  LblGameName = AddLabel(*this, "LBL_GAMENAME", "...");
  LblProgress = AddLabel(*this, "LBL_PROGRESS", "PROGRESS: ");
  LblProgressV = AddLabel(*this, "LBL_PROGRESSV", "0%");
  LblObjectName = AddLabel(*this, "LBL_OBJECTNAME", "OBJECTNAME");
  PbLoad = new TLxProgressBar(this);
  PbLoad->SetName("PB_LOAD");
  AddControl(PbLoad);
  BtnOk = AddButton(*this, "BTN_OK", "OK");
  BtnOk->SetVisible(false);
  LoadTheme(Settings ? Settings->ThemeName : std::string());
}

}  // namespace lx

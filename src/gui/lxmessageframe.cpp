#include "gui/lxmessageframe.h"

#include "gui/lxcontrols.h"
#include "persistence/lxsettings.h"

namespace lx {

TframeMessage::TframeMessage(TLxComponent* mainScene, int32_t kind, int32_t buttons,
                             int32_t helpContext, const std::string& text)
    : TLxFrame(mainScene) {
  (void)kind;
  (void)helpContext;
  SetSceneName("DIALOGS");
  MessageLabel = new TLxLabel(this);
  MessageLabel->SetName("LBL_MESSAGE");
  MessageLabel->SetCaption(text);
  AddControl(MessageLabel);

  struct TButtonKind {
    int32_t Bit;
    const char* Name;
    const char* Caption;
    int32_t Result;
    TLxButton* TframeMessage::*Field;
  };
  static constexpr TButtonKind kinds[] = {
      {mbYes, "BTN_YES", "YES", mrYes, &TframeMessage::BtnYes},
      {mbNo, "BTN_NO", "NO", mrNo, &TframeMessage::BtnNo},
      {mbOk, "BTN_OK", "OK", mrOk, &TframeMessage::BtnOk},
      {mbCancel, "BTN_CANCEL", "CANCEL", mrCancel, &TframeMessage::BtnCancel},
  };
  for (const TButtonKind& k : kinds) {
    if (!(buttons & k.Bit)) continue;
    auto* button = new TLxButton(this);
    button->SetCaption(k.Caption);
    const int32_t result = k.Result;
    button->OnClick = [this, result](TLxCustomControl*) { CloseWith(result); };
    button->SetName(k.Name);
    AddControl(button);
    this->*k.Field = button;
  }
  LoadTheme(Settings ? Settings->ThemeName : std::string());
}

}  // namespace lx

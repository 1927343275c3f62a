#include "screens/windowcontrols.h"

#include <utility>

#include "gui/lxcheckbox.h"
#include "gui/lxcontrols.h"
#include "gui/lxframe.h"
#include "scenes/lxscene.h"

namespace lx {

void UseOwnWindowPicture(TLxFrame& frame) {
  frame.Window->Texture.SetGroup(frame.SceneName());
}

TLxButton* AddButton(TLxScene& scene, const std::string& name, const std::string& caption,
                     TLxNotifyEvent onClick) {
  auto* button = new TLxButton(&scene);
  button->SetName(name);
  button->SetCaption(caption);
  button->OnClick = std::move(onClick);
  scene.AddControl(button);
  return button;
}

TLxLabel* AddLabel(TLxScene& scene, const std::string& name, const std::string& caption) {
  auto* label = new TLxLabel(&scene);
  label->SetName(name);
  label->SetCaption(caption);
  scene.AddControl(label);
  return label;
}

TLxCheckBox* AddCheckBox(TLxScene& scene, const std::string& name, const std::string& caption,
                         TLxNotifyEvent onClick) {
  auto* box = new TLxCheckBox(&scene);
  box->SetName(name);
  box->SetCaption(caption);
  box->OnClick = std::move(onClick);
  scene.AddControl(box);
  return box;
}

}  // namespace lx

#include "screens/lxformcontrols.h"

#include "gui/lxcombobox.h"
#include "gui/lxedit.h"
#include "gui/lxframe.h"
#include "gui/lxhost.h"

namespace lx {

int32_t AskUser(const std::string& text, int32_t buttons) {
  return Host ? Host->MessageBox(text, 0, buttons) : mrNone;
}

template <typename T>
T* TFormControls::Add(const std::string& name) {
  auto* c = new T(&Frame);
  c->SetName(name);
  Frame.AddControl(c);
  return c;
}

TLxButton* TFormControls::Button(const std::string& name, const std::string& caption) {
  auto* b = Add<TLxButton>(name);
  b->SetCaption(caption);
  return b;
}

TLxLabel* TFormControls::Label(const std::string& name, const std::string& caption) {
  auto* l = Add<TLxLabel>(name);
  l->SetCaption(caption);
  return l;
}

TLxEdit* TFormControls::Edit(const std::string& name) {
  return Add<TLxEdit>(name);
}

TLxComboBox* TFormControls::ComboBox(const std::string& name) {
  return Add<TLxComboBox>(name);
}

}  // namespace lx

// Making the named, captioned controls of a dialog: each is created with the frame as owner,
// named and added to the frame's themed controls in the order of the calls.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

class TLxButton;
class TLxComboBox;
class TLxEdit;
class TLxFrame;
class TLxLabel;

// The message dialog with the buttons (mbYes, mbNo, mbOk ...); its result, mrNone without a
// main window.
int32_t AskUser(const std::string& text, int32_t buttons);

class TFormControls {
 public:
  explicit TFormControls(TLxFrame& frame) : Frame(frame) {}

  TLxButton* Button(const std::string& name, const std::string& caption);
  TLxLabel* Label(const std::string& name, const std::string& caption);
  TLxEdit* Edit(const std::string& name);
  TLxComboBox* ComboBox(const std::string& name);

 private:
  template <typename T>
  T* Add(const std::string& name);

  TLxFrame& Frame;
};

}  // namespace lx

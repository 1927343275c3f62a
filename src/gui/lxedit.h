// The single-line edit box: a label whose text is typed at a blinking caret. Keys reach it while
// it is the main window's active control (a click focuses it).
#pragma once

#include <cstdint>

#include <string>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"

namespace lx {

// Virtual key codes of the number pad and the punctuation keys as the window system sends them.
namespace vk {
constexpr uint16_t Numpad0 = 96, Numpad9 = 105, Oem1 = 186, OemPlus = 187, OemComma = 188,
                   OemMinus = 189, OemPeriod = 190, Oem2 = 191, Oem3 = 192, Oem4 = 219, Oem5 = 220,
                   Oem6 = 221, Oem7 = 222;
}

// The character a key types into an edit box, or 0 for a key that stands for none: letters as
// capitals, the digits of the top row and the number pad, space, and the punctuation keys as
// their unshifted character. A key held with Ctrl or Alt is a command, not a character.
char EditKeyChar(uint16_t key, uint8_t shift);

class TLxEdit : public TLxLabel, public TLxThemeExtras {
 public:
  explicit TLxEdit(TLxComponent* owner);

  // A frame at once; then an enabled edit box takes the focus.
  void DoMouseDown() override;
  // OnKeyDown; then backspace, left, right and delete edit at the caret and a character key
  // inserts its character there.
  void KeyDown(uint16_t& key, uint8_t shift) override;
  // The label; then, while focused, the blinking caret.
  void Paint() override;
  // The class picture of edit boxes in "COMMON".
  std::string FallbackTexture() const override { return "EDT_ALL"; }
  // "TextIndent".
  void ReadThemeKeys(const TLxStore& theme, const std::string& section) override;

  // Characters before the caret. The caption set from code leaves it where it is.
  void SetCaretPos(int32_t value) { FCaretPos = value; }
  int32_t CaretPos() const { return FCaretPos; }
  bool CaretShown() const { return FCaretShown; }

  // Pixels between the field's left edge and a left-aligned text (and its caret), so that the
  // text clears the field's rim; 0 draws it at the label's place.
  int32_t TextIndent = 0;

 private:
  int32_t FCaretPos = 0;
  int32_t FCaretCounter = 0;
  bool FCaretShown = false;
};

}  // namespace lx

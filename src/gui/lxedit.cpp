#include "gui/lxedit.h"

#include <algorithm>

#include "persistence/lxstore.h"
#include "shell/lxcore.h"

namespace lx {

char EditKeyChar(uint16_t key, uint8_t shift) {
  if (shift & (ssCtrl | ssAlt)) return 0;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == vk::Space)
    return static_cast<char>(key);
  if (key >= vk::Numpad0 && key <= vk::Numpad9) return static_cast<char>('0' + (key - vk::Numpad0));
  struct TPunctuation {
    uint16_t Key;
    char Char;
  };
  static constexpr TPunctuation punctuation[] = {
      {vk::Oem1, ';'},      {vk::OemPlus, '='}, {vk::OemComma, ','}, {vk::OemMinus, '-'},
      {vk::OemPeriod, '.'}, {vk::Oem2, '/'},    {vk::Oem3, '`'},     {vk::Oem4, '['},
      {vk::Oem5, '\\'},     {vk::Oem6, ']'},    {vk::Oem7, '\''},
  };
  for (const TPunctuation& p : punctuation)
    if (p.Key == key) return p.Char;
  return 0;
}

TLxEdit::TLxEdit(TLxComponent* owner) : TLxLabel(owner) {
  SetFocused(false);
  SetAutosize(false);
}

void TLxEdit::DoMouseDown() {
  TLxLabel::DoMouseDown();
  if (Enabled) SetFocused(true);
}

void TLxEdit::KeyDown(uint16_t& key, uint8_t shift) {
  TLxLabel::KeyDown(key, shift);
  std::string text = Caption();
  // The caption may have been shortened from code since the caret was placed.
  const auto length = static_cast<int32_t>(text.size());
  int32_t caret = std::clamp(FCaretPos, 0, length);
  switch (key) {
    case vk::Back:
      if (caret > 0) {
        text.erase(static_cast<size_t>(caret - 1), 1);
        --caret;
      }
      break;
    case vk::Left:
      if (caret > 0) --caret;
      break;
    case vk::Right:
      if (caret < length) ++caret;
      break;
    case vk::Delete:
      if (caret < length) text.erase(static_cast<size_t>(caret), 1);
      break;
    default:
      if (const char c = EditKeyChar(key, shift)) {
        text.insert(static_cast<size_t>(caret), 1, c);
        ++caret;
      }
      break;
  }
  FCaretPos = caret;
  SetCaption(text);
}

void TLxEdit::ReadThemeKeys(const TLxStore& theme, const std::string& section) {
  TextIndent = theme.ReadInteger(section, "TextIndent", TextIndent);
}

void TLxEdit::Paint() {
  // A left-aligned single line starts at X = 1; the indent moves it (the lines are laid out
  // again whenever the caption changes).
  if (Alignment() == 0 && TextIndent != 0 && Lines().size() == 1 &&
      Lines().front().X != 1 + TextIndent)
    SetTextOffset(1 + TextIndent);
  TLxLabel::Paint();
  if (!Focused()) return;
  const int32_t blink = Engine ? Engine->CaretBlinkFrames : 30;
  if (++FCaretCounter > blink) {
    FCaretCounter = 0;
    FCaretShown = !FCaretShown;
  }
  const TLxEngineFont* f = Font.EngineFont();
  if (!FCaretShown || !Engine || !f || !f->Font) return;
  const std::string before = Caption().substr(0, static_cast<size_t>(std::max(FCaretPos, 0)));
  const int32_t indent = Alignment() == 0 ? TextIndent : 0;
  const int32_t x = Left() + indent + Engine->TextWidth(f->Font.get(), before) + 1;
  const TLxColor color = Font.Color() | 0xFF000000u;
  for (int32_t dx = 0; dx < 2; ++dx)
    Engine->DrawLine({x + dx, Top() + 1}, {x + dx, Top() + Height() - 2}, color, color,
                     DrawOpOpaque);
}

}  // namespace lx

#include "gui/lxcheckbox.h"

namespace lx {

namespace {
constexpr const char* CheckedSuffix = "_checked";
constexpr size_t CheckedSuffixLength = 8;
}  // namespace

TLxCheckBox::TLxCheckBox(TLxComponent* owner) : TLxImage(owner) {
  SetAutosize(true);
  CaptionLabel = new TLxLabel(this);
  CaptionLabel->SetWordWrap(false);
  CaptionLabel->SetAutosize(true);
  CaptionLabel->SetAlignment(0);
  CaptionLabel->SetLayout(1);
  CaptionLabel->Font.SetColor(0xFFFFFF);
  CaptionLabel->SetTransparent(true);
  CaptionLabel->Font.SetName("");
}

void TLxCheckBox::SetCaption(const std::string& value) {
  FCaption = value;
  CaptionLabel->SetCaption(value);
}

void TLxCheckBox::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  std::string name = Texture.Name();
  if (value) {
    name += CheckedSuffix;
  } else {
    name.erase(name.size() >= CheckedSuffixLength ? name.size() - CheckedSuffixLength : 0);
  }
  Texture.SetFileName(name);
}

void TLxCheckBox::DoMouseUp() {
  TLxImage::DoMouseUp();
  if (Enabled) SetChecked(!FChecked);
}

void TLxCheckBox::Paint() {
  if (!PaintControl()) return;
  CaptionLabel->SetLeft(Left() + Width());
  CaptionLabel->SetTop(Top() + Height() - CaptionLabel->Height());
  CaptionLabel->SetHeight(50);
  CaptionLabel->SetWidth(200);
  CaptionLabel->Render();
}

}  // namespace lx

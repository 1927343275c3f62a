#include "gui/lxpagecontrol.h"

namespace lx {

TLxPageControl::TLxPageControl(TLxComponent* owner) : TLxControl(owner) {
  // The sheets and the tab buttons are painted by the page control itself, the active sheet
  // only.
  PaintChildren = false;
  Font.OnChange = [this](TLxFont*) { CopyFont(); };
  Font.OnColorChange = [this](TLxFont*) { CopyFont(); };
}

void TLxPageControl::CopyFont() {
  for (TLxTabSheetButton* b : TabButtons) {
    b->Font.SetName(Font.Name());
    b->Font.SetColor(Font.Color());
  }
}

TLxTabSheet* TLxPageControl::AddPage(const std::string& caption) {
  auto* sheet = new TLxTabSheet(this);
  sheet->SetParent(this);
  sheet->PageIndex = PageCount();
  sheet->SetVisible(false);
  auto* button = new TLxTabSheetButton(this);
  button->SetParent(this);
  button->SetCaption(caption);
  button->OnClick = [this, sheet](TLxCustomControl*) { SetActivePage(sheet); };
  Pages.push_back(sheet);
  TabButtons.push_back(button);
  CopyFont();
  Resized();
  return sheet;
}

void TLxPageControl::SetActivePage(TLxTabSheet* sheet) {
  if (sheet == FActivePage) return;
  FActivePage = sheet;
  for (TLxTabSheet* s : Pages) s->SetVisible(false);
  if (sheet) {
    sheet->SetVisible(true);
    FActivePageIndex = sheet->PageIndex;
  } else {
    FActivePageIndex = -1;
  }
  if (OnChange) OnChange(this);
}

void TLxPageControl::Resized() {
  TLxControl::Resized();
  for (size_t i = 0; i < Pages.size(); ++i) {
    TLxTabSheet* sheet = Pages[i];
    sheet->SetTop(Top() + TabHeight);
    sheet->SetLeft(Left());
    sheet->SetWidth(Width());
    sheet->SetHeight(Height() - TabHeight);
    TLxTabSheetButton* button = TabButtons[i];
    button->SetTop(Top());
    button->SetLeft(Left() + static_cast<int32_t>(i) * TabWidth);
    button->SetWidth(TabWidth);
    button->SetHeight(TabHeight);
  }
}

void TLxPageControl::Paint() {
  if (!PaintControl()) return;
  for (size_t i = 0; i < Pages.size(); ++i) {
    if (Pages[i] == FActivePage) Pages[i]->Render();
    TabButtons[i]->Render();
  }
}

void TLxPageControl::ApplySubTextures(TLxScene& scene) {
  for (TLxTabSheetButton* b : TabButtons) {
    b->Texture.SetGroup(Texture.Group());
    scene.ApplyTexture(b);
  }
}

}  // namespace lx

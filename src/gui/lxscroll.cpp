#include "gui/lxscroll.h"

#include <algorithm>

#include "shell/lxcore.h"

namespace lx {

namespace {

constexpr const char* CommonGroup = "COMMON";
constexpr int32_t ScrollStep = 2;   // pixels per frame while a button is held
constexpr int32_t Overscroll = 30;  // how far the content may be pulled below the top

void ApplyCommonTexture(TLxScene& scene, TLxControl* part, const std::string& name) {
  part->Texture.SetGroup(CommonGroup);
  part->Texture.SetName(name);
  scene.ApplyTexture(part);
}

}  // namespace

// ---- TLxScrollBar ----

TLxScrollBar::TLxScrollBar(TLxComponent* owner, TLxScrollControl* scrollControl)
    : TLxControl(owner), ScrollControl(scrollControl) {
  UpButton = new TLxButton(this);
  UpButton->SetParent(this);
  DownButton = new TLxButton(this);
  DownButton->SetParent(this);
  Thumb = new TLxImage(this);
  Thumb->SetParent(this);
  Thumb->HitTest = false;
  Thumb->SetVisible(false);
  LayoutButtons();
}

void TLxScrollBar::LayoutButtons() {
  if (!UpButton || !DownButton) return;
  for (TLxButton* b : {UpButton, DownButton}) {
    b->SetWidth(Width());
    b->SetHeight(Width());
  }
  UpButton->SetLeft(Left());
  UpButton->SetTop(Top());
  DownButton->SetLeft(Left());
  DownButton->SetTop(Top() + Height() - DownButton->Height());
  LayoutThumb();
}

void TLxScrollBar::LayoutThumb() {
  if (!Thumb || !ScrollControl || !ScrollControl->ClientPanel) return;
  const TLxScrollControl& s = *ScrollControl;
  const int32_t home = s.ContentHomeTop(), end = s.ContentEndTop();
  const int32_t track = Height() - 2 * Width();
  if (end >= home || track <= 4) {
    Thumb->SetVisible(false);
    return;
  }
  const int32_t content = s.ClientPanel->Height();
  const int32_t view = s.Height() - s.ClientOffset - 1;
  const int32_t length = std::clamp(
      static_cast<int32_t>(static_cast<int64_t>(track) * view / content), Width(), track);
  const int32_t offset = std::clamp(home - s.ClientPanel->Top(), 0, home - end);
  const int32_t pos =
      static_cast<int32_t>(static_cast<int64_t>(track - length) * offset / (home - end));
  Thumb->SetLeft(Left());
  Thumb->SetWidth(Width());
  Thumb->SetTop(Top() + Width() + pos);
  Thumb->SetHeight(length);
  Thumb->SetVisible(true);
}

void TLxScrollBar::Paint() {
  if (!PaintControl()) return;
  if (ScrollControl) {
    if (UpButton->Pressed()) ScrollControl->ScrollUp();
    if (DownButton->Pressed()) ScrollControl->ScrollDown();
  }
  LayoutThumb();
}

void TLxScrollBar::DoMouseDown() {
  TLxControl::DoMouseDown();
  if (!ScrollControl || !Engine || !Thumb->Visible()) return;
  const int32_t y = Engine->MouseDownY;
  if (y < Thumb->Top()) {
    ScrollControl->ScrollPage(-1);
  } else if (y > Thumb->Top() + Thumb->Height()) {
    ScrollControl->ScrollPage(1);
  }
  LayoutThumb();
}

// ---- TLxScrollControl ----

TLxScrollControl::TLxScrollControl(TLxComponent* owner) : TLxPanel(owner) {
  PaintChildren = false;
  Border = true;
  SetBorderColor4({0x000000FFu, 0x000000FFu, 0x000000FFu, 0x000000FFu});
  ClientPanel = new TLxPanel(this);
  ClientPanel->SetParent(this);
  ClientPanel->HitTest = false;
  ClientPanel->SetAlpha(0);
  ScrollBar = new TLxScrollBar(this, this);
  ScrollBar->SetParent(this);
  LayoutClient();
}

int32_t TLxScrollControl::ContentEndTop() const {
  return std::min(ContentHomeTop(), Top() + Height() - ClientPanel->Height());
}

void TLxScrollControl::LayoutClient() {
  if (!ClientPanel || !ScrollBar) return;
  ScrollBar->SetWidth(FScrollBarWidth);
  ClientPanel->SetLeft(Left() + 1);
  ClientPanel->SetTop(Top() + 1 + ClientOffset);
  ClientPanel->SetWidth(Width() - ScrollBar->Width() - 3);
  ScrollBar->SetLeft(Left() + ClientPanel->Width() + 2);
  ScrollBar->SetTop(Top() + 2 + ClientOffset);
  ScrollBar->SetHeight(Height() - (ClientOffset + 2));
  ScrollBar->SetWidth(FScrollBarWidth);
}

void TLxScrollControl::SetScrollBarWidth(int32_t value) {
  if (value <= 0 || value == FScrollBarWidth) return;
  FScrollBarWidth = value;
  SetWidth(Width());  // lays the client out again (a list's rows follow)
}

void TLxScrollControl::ScrollUp() {
  if (ClientPanel->Top() < Top() + Overscroll) ClientPanel->SetTop(ClientPanel->Top() + ScrollStep);
}

void TLxScrollControl::ScrollDown() {
  if (ClientPanel->Top() + ClientPanel->Height() > Top() + Height())
    ClientPanel->SetTop(ClientPanel->Top() - ScrollStep);
}

void TLxScrollControl::ScrollPage(int32_t direction) {
  const int32_t view = Height() - ClientOffset - 2;
  const int32_t top = ClientPanel->Top() - (direction < 0 ? -view : view);
  ClientPanel->SetTop(std::clamp(top, ContentEndTop(), ContentHomeTop()));
}

void TLxScrollControl::Paint() {
  if (!PaintControl()) return;
  if (Engine) {
    const int32_t top = Top() + ClientOffset + 1;
    Engine->SetClipRect({Left() + 1, top, Left() + Width() - 1, top + Height() - ClientOffset});
  }
  ClientPanel->Render();
  if (Engine) Engine->ResetClipRect();
  ScrollBar->Render();
}

void TLxScrollControl::ApplySubTextures(TLxScene& scene) {
  ApplyCommonTexture(scene, ScrollBar, "IMG_SCROLLBAR");
  ApplyCommonTexture(scene, ScrollBar->UpButton, "BTN_SCROLLUP");
  ApplyCommonTexture(scene, ScrollBar->DownButton, "BTN_SCROLLDOWN");
  ApplyCommonTexture(scene, ScrollBar->Thumb, "IMG_SCROLLTHUMB");
}

}  // namespace lx

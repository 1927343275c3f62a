#include "gui/lxlistbox.h"

#include <algorithm>

#include "base/lxutils.h"
#include "persistence/lxstore.h"
#include "persistence/playersunit.h"
#include "shell/lxcore.h"

namespace lx {

namespace {

const TLxBitmapFont* BitmapFontOf(const TLxFont& font) {
  const TLxEngineFont* f = font.EngineFont();
  return f ? f->Font.get() : nullptr;
}

}  // namespace

// ---- TLxListBoxItem ----

TLxListBoxItem::TLxListBoxItem(TLxComponent* owner, TLxListBox* listBox)
    : TLxPanel(owner), ListBox(listBox) {
  const int32_t columns = listBox ? listBox->ColumnCount() : 1;
  SubItems.assign(static_cast<size_t>(columns > 1 ? columns - 1 : 0), std::string());
}

void TLxListBoxItem::Paint() {
  if (!PaintControl()) return;
  Font.SetColor(ListTextColor);
  const TLxBitmapFont* font = BitmapFontOf(Font);
  if (!font || !Engine) return;
  Engine->TextOut(font, Caption, Left() + 1, Top() + 1, ListTextColor, DrawOpBlendModulate);
  if (!ListBox) return;
  int32_t x = Left();
  for (int32_t i = 1; i < ListBox->ColumnCount(); ++i) {
    x += ListBox->Column(i - 1)->Width;
    const auto sub = static_cast<size_t>(i - 1);
    if (sub < SubItems.size())
      Engine->TextOut(font, SubItems[sub], x + 1, Top() + 1, ListTextColor, DrawOpBlendModulate);
  }
}

void TLxListBoxItem::DoMouseUp() {
  TLxPanel::DoMouseUp();
  if (ListBox && ListBox->Enabled) ListBox->SetItemIndex(Index);
}

bool TLxListBoxItem::IsShowing() const {
  if (!TLxPanel::IsShowing()) return false;
  if (!ListBox) return true;
  const int32_t top = ListBox->Top() + ListBox->ClientOffset + 1;
  const int32_t bottom = ListBox->Top() + ListBox->Height();
  return Top() + Height() > top && Top() < bottom;
}

// ---- TLxListBoxItems ----

TLxListBoxItem* TLxListBoxItems::Add(const std::string& caption) {
  TLxListBox& list = *ListBox;
  TLxPanel& client = *list.ClientPanel;
  auto* row = new TLxListBoxItem(&list, &list);
  row->Caption = caption;
  row->SetParent(&client);
  row->SetLeft(client.Left() + 1);
  row->SetTop(client.Top() + Count() * list.ItemHeight() + 1);
  row->SetWidth(client.Width());
  row->SetHeight(list.ItemHeight());
  row->SetColor4(list.SelectionColor4());
  row->Font.SetName(list.Font.Name());
  row->Font.SetColor(list.Font.Color());
  row->SetAlpha(0);
  client.SetHeight(client.Height() + row->Height());
  Rows.push_back(row);
  row->Index = Count() - 1;
  row->SetName("ITEM_" + list.Name() + "_" + IntToStr(row->Index));
  return row;
}

void TLxListBoxItems::Clear() {
  while (!Rows.empty()) {
    TLxListBoxItem* row = Rows.back();
    Rows.pop_back();
    delete row;
  }
}

void TLxListBoxItems::Assign(const std::vector<TLxListEntry>& entries) {
  Clear();
  for (const TLxListEntry& e : entries) Add(e.Text)->Data = e.Data;
}

// ---- TLxListBox ----

TLxListBox::TLxListBox(TLxComponent* owner) : TLxScrollControl(owner), Items(this) {
  auto column = std::make_unique<TLxListColumn>();
  column->ListBox = this;
  FColumns.push_back(std::move(column));
  HeaderImage = new TLxImage(this);
  HeaderImage->SetParent(this);
  HeaderImage->HitTest = false;
  SetColor(0xFFFFFF);
}

TLxListBox::~TLxListBox() {
  // The rows point back at this list while they die.
  Items.Clear();
}

TLxListColumn* TLxListBox::AddColumn(const std::string& caption) {
  auto column = std::make_unique<TLxListColumn>();
  column->Caption = caption;
  column->ListBox = this;
  FColumns.push_back(std::move(column));
  for (int32_t i = 0; i < Items.Count(); ++i) Items[i]->SubItems.emplace_back();
  return FColumns.back().get();
}

void TLxListBox::SetShowHeader(bool value) {
  FShowHeader = value;
  ClientOffset = value ? FColumnHeaderHeight : 0;
  LayoutClient();
}

void TLxListBox::SetColumnHeaderHeight(int32_t value) {
  FColumnHeaderHeight = value;
  ClientOffset = value;
  LayoutClient();
}

void TLxListBox::SetItemIndex(int32_t index) {
  if (index > Count() - 1 || index < -1) return;
  FItemIndex = index;
  for (int32_t i = 0; i < Count(); ++i) Items[i]->SetAlpha(0);
  if (index != -1) Items[index]->SetAlpha(255);
  if (OnSelect) OnSelect(this);
}

void TLxListBox::SetSelectionColor4(const TLxColors4& value) {
  FSelectionColor4 = value;
  for (int32_t i = 0; i < Count(); ++i) Items[i]->SetColor4(value);
}

void TLxListBox::SetWidth(int32_t value) {
  TLxScrollControl::SetWidth(value);
  for (int32_t i = 0; i < Count(); ++i) Items[i]->SetWidth(ClientPanel->Width());
}

void TLxListBox::ReadThemeKeys(const TLxStore& theme, const std::string& section) {
  TLxColors4 colors;
  theme.ReadColor4(section, "SelectionColor4", colors, FSelectionColor4);
  SetSelectionColor4(colors);
  ScrollBar->SetColor4(colors);
  // Only a key that changes the height moves the rows: a list without a header keeps its rows
  // at the top.
  const int32_t header = theme.ReadInteger(section, "ColumnHeaderHeight", FColumnHeaderHeight);
  if (header != FColumnHeaderHeight) SetColumnHeaderHeight(header);
  SetItemHeight(theme.ReadInteger(section, "ItemHeight", FItemHeight));
  SetScrollBarWidth(theme.ReadInteger(section, "ScrollBarWidth", ScrollBarWidth()));
}

void TLxListBox::ApplySubTextures(TLxScene& scene) {
  TLxScrollControl::ApplySubTextures(scene);
  HeaderImage->Texture.SetGroup("COMMON");
  HeaderImage->Texture.SetName("IMG_LISTHEADER");
  scene.ApplyTexture(HeaderImage);
}

void TLxListBox::Paint() {
  TLxScrollControl::Paint();
  if (!FShowHeader) return;
  HeaderImage->SetLeft(Left() + 1);
  HeaderImage->SetTop(Top() + 1);
  HeaderImage->SetWidth(Width() - 2);
  HeaderImage->SetHeight(ClientOffset);
  if (HeaderImage->TextureLoaded()) HeaderImage->Render();
  const TLxBitmapFont* font = BitmapFontOf(Font);
  if (!font || !Engine) return;
  // Centred in the header band (a band of the text's height puts them at Top + 1).
  const int32_t y = Top() + 1 + std::max(0, (ClientOffset - Engine->TextHeight(font, "A")) / 2);
  int32_t x = Left() + 1;
  for (const auto& column : FColumns) {
    Engine->TextOut(font, column->Caption, x + 2, y, ListTextColor, DrawOpBlendModulate);
    x += column->Width;
  }
}

}  // namespace lx

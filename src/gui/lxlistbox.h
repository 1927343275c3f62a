// The list box: rows of text in columns on a scrolling client panel, one row selectable, with an
// optional header of column captions. List text is always drawn almost black ($FF000005),
// whatever the font colour says, so lists sit on a light background.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/lxscroll.h"

namespace lx {

class TLxListBox;
struct TLxListEntry;

// The colour of every column caption and row text.
constexpr TLxColor ListTextColor = 0xFF000005u;

struct TLxListColumn {
  std::string Caption;
  int32_t Width = 100;
  TLxListBox* ListBox = nullptr;
};

// One row: its caption in the first column and one sub-item per further column. Data (of the
// component) is free for the screen: the player or game the row stands for.
class TLxListBoxItem : public TLxPanel {
 public:
  TLxListBoxItem(TLxComponent* owner, TLxListBox* listBox);

  // The selection background, then the texts of the columns.
  void Paint() override;
  // A click on the row selects it (when the list is enabled).
  void DoMouseUp() override;
  // A row scrolled out of the list's view cannot be pointed at.
  bool IsShowing() const override;

  std::vector<std::string> SubItems;
  std::string Caption;
  int32_t Index = 0;
  TLxListBox* ListBox;
};

// The rows of a list box, in order. The rows are owned by the list box; Clear frees them.
class TLxListBoxItems {
 public:
  explicit TLxListBoxItems(TLxListBox* listBox) : ListBox(listBox) {}

  // A new row below the last, of the list's current ItemHeight.
  TLxListBoxItem* Add(const std::string& caption);
  // Frees every row, last first. The client panel keeps its height and position.
  void Clear();
  // Clear, then one row per entry with the entry's object as the row's Data.
  void Assign(const std::vector<TLxListEntry>& entries);
  int32_t Count() const { return static_cast<int32_t>(Rows.size()); }
  TLxListBoxItem* Items(int32_t index) const { return Rows.at(static_cast<size_t>(index)); }
  TLxListBoxItem* operator[](int32_t index) const { return Items(index); }

  TLxListBox* ListBox;

 private:
  std::vector<TLxListBoxItem*> Rows;
};

class TLxListBox : public TLxScrollControl {
 public:
  // One column with an empty caption, no header, a white background.
  explicit TLxListBox(TLxComponent* owner);
  ~TLxListBox() override;

  // The scroll control paint, then the header band and the column captions.
  void Paint() override;
  // Rows take the new client width.
  void SetWidth(int32_t value) override;
  bool ThemeFontKeys() const override { return true; }
  // "SelectionColor4" (also the scroll bar's colours), "ColumnHeaderHeight", "ItemHeight",
  // "ScrollBarWidth".
  void ReadThemeKeys(const TLxStore& theme, const std::string& section) override;
  std::string FallbackTexture() const override { return "LB_ALL"; }
  void ApplySubTextures(TLxScene& scene) override;

  // A column of width 100; every row gets one more empty sub-item.
  TLxListColumn* AddColumn(const std::string& caption);
  TLxListColumn* Column(int32_t index) const {
    return FColumns.at(static_cast<size_t>(index)).get();
  }
  int32_t ColumnCount() const { return static_cast<int32_t>(FColumns.size()); }
  // Rows added from now on; rows already there keep their height.
  void SetItemHeight(int32_t value) { FItemHeight = value; }
  int32_t ItemHeight() const { return FItemHeight; }
  void SetShowHeader(bool value);
  bool ShowHeader() const { return FShowHeader; }
  // Also the room kept above the rows, whether or not the header is shown.
  void SetColumnHeaderHeight(int32_t value);
  int32_t ColumnHeaderHeight() const { return FColumnHeaderHeight; }
  // Selects row index (-1: none) and raises OnSelect; an index past the last row is ignored.
  void SetItemIndex(int32_t index);
  int32_t ItemIndex() const { return FItemIndex; }
  // The background of a selected row; given to every row.
  void SetSelectionColor4(const TLxColors4& value);
  const TLxColors4& SelectionColor4() const { return FSelectionColor4; }
  int32_t Count() const { return Items.Count(); }

  TLxListBoxItems Items;
  TLxNotifyEvent OnSelect;
  // The band behind the column captions (COMMON "IMG_LISTHEADER"), drawn while the header shows.
  TLxImage* HeaderImage = nullptr;

 private:
  int32_t FItemIndex = -1;
  int32_t FItemHeight = 15;
  std::vector<std::unique_ptr<TLxListColumn>> FColumns;
  bool FShowHeader = false;
  TLxColors4 FSelectionColor4 = {0, 0, 0, 0};
  int32_t FColumnHeaderHeight = 25;
};

}  // namespace lx

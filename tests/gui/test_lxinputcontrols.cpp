// Edit, combo, check box, list and scroll controls on the headless main window, driven by
// injected keys and clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/lxcheckbox.h"
#include "gui/lxcombobox.h"
#include "gui/lxedit.h"
#include "gui/lxlistbox.h"
#include "gui/lxpopup.h"
#include "gui/test_lxcontrols_fixture.h"

namespace lx::test {
namespace {

class InputControlsTest : public ControlsTest {
 protected:
  InputControlsTest() {
    App.Main->OnClosePopup = [](TLxCustomControl* p) { ClosePopup(p); };
  }

  // An edit box that has been clicked (and so is the active control).
  TLxEdit* FocusedEdit() {
    auto* edit = Make<TLxEdit>(100, 100, 200, 24);
    App.Click(150, 110);
    EXPECT_EQ(App.Main->ActiveControl, edit);
    return edit;
  }
  void Type(const std::vector<uint16_t>& keys) {
    for (uint16_t k : keys) App.Key(k);
  }
  // A list of n rows of the default item height (15) inside 100 x 90 at (100, 100).
  TLxListBox* ListOf(int32_t n) {
    auto* list = Make<TLxListBox>(100, 100, 120, 90);
    for (int32_t i = 0; i < n; ++i) list->Items.Add("ROW " + std::to_string(i));
    return list;
  }
};

// ---- edit box ----

TEST_F(InputControlsTest, TypingEditsAtTheCaret) {
  TLxEdit* edit = FocusedEdit();
  Type({'A', 'B', vk::Back, 'D'});
  EXPECT_EQ(edit->Caption(), "AD");
  EXPECT_EQ(edit->CaretPos(), 2);
  Type({vk::Right, vk::Delete});  // at the end: nothing
  EXPECT_EQ(edit->Caption(), "AD");
  EXPECT_EQ(edit->CaretPos(), 2);
  Type({vk::Left, vk::Left, vk::Left, 'X'});  // the caret stops at 0
  EXPECT_EQ(edit->Caption(), "XAD");
  EXPECT_EQ(edit->CaretPos(), 1);
  Type({vk::Delete, vk::Back});
  EXPECT_EQ(edit->Caption(), "D");
  EXPECT_EQ(edit->CaretPos(), 0);
  Type({vk::Back});
  EXPECT_EQ(edit->Caption(), "D");
}

TEST_F(InputControlsTest, OnlyKeysThatStandForACharacterInsertOne) {
  struct Case {
    uint16_t Key;
    uint8_t Shift;
    const char* Typed;
  };
  const Case cases[] = {
      {'A', 0, "A"},      {'Z', ssShift, "Z"}, {'0', 0, "0"},       {'9', ssShift, "9"},
      {96, 0, "0"},       {105, 0, "9"},       {vk::Space, 0, " "}, {186, 0, ";"},
      {187, 0, "="},      {188, 0, ","},       {189, 0, "-"},       {190, 0, "."},
      {191, 0, "/"},      {192, 0, "`"},       {219, 0, "["},       {220, 0, "\\"},
      {221, 0, "]"},      {222, ssShift, "'"}, {vk::Shift, 0, ""},  {vk::Control, 0, ""},
      {vk::Menu, 0, ""},  {vk::Return, 0, ""}, {vk::Tab, 0, ""},    {vk::Escape, 0, ""},
      {vk::Up, 0, ""},    {vk::Down, 0, ""},   {vk::Home, 0, ""},   {vk::End, 0, ""},
      {vk::Prior, 0, ""}, {vk::Insert, 0, ""}, {vk::F1, 0, ""},     {vk::F5, 0, ""},
      {vk::F12, 0, ""},   {106, 0, ""},        {111, 0, ""},        {0, 0, ""},
      {1, 0, ""},         {127, 0, ""},        {255, 0, ""},        {'A', ssCtrl, ""},
      {'X', ssAlt, ""},   {0xFFFF, 0, ""},
  };
  TLxEdit* edit = FocusedEdit();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    edit->SetCaption("");
    edit->SetCaretPos(0);
    App.Key(c.Key, c.Shift);
    EXPECT_EQ(edit->Caption(), c.Typed);
    EXPECT_EQ(edit->CaretPos(), static_cast<int32_t>(std::string(c.Typed).size()));
  }
}

TEST_F(InputControlsTest, AStormOfRandomKeysLeavesOnlyPrintableCapitalsDigitsAndPunctuation) {
  TLxEdit* edit = FocusedEdit();
  const std::string allowed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ;=,-./`[\\]'";
  uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 134775813u + 1u;  // wraps modulo 2^32
    return seed >> 8;
  };
  for (int i = 0; i < 3000; ++i) {
    uint16_t key = static_cast<uint16_t>(next() % (i % 3 == 0 ? 65536 : 256));
    edit->KeyDown(key, static_cast<uint8_t>(next() % 8));
    ASSERT_GE(edit->CaretPos(), 0);
    ASSERT_LE(edit->CaretPos(), static_cast<int32_t>(edit->Caption().size()));
  }
  EXPECT_FALSE(edit->Caption().empty());
  for (char c : edit->Caption()) EXPECT_NE(allowed.find(c), std::string::npos) << int(c);
}

TEST_F(InputControlsTest, KeysReachTheActiveEditOnlyAndACaptionShortenedFromCodeIsSafe) {
  auto* other = Make<TLxEdit>(100, 200, 200, 24);
  TLxEdit* edit = FocusedEdit();
  Type({'H', 'I'});
  EXPECT_EQ(other->Caption(), "");
  edit->SetCaption("");  // the caret stays at 2 from code
  Type({'Q', vk::Back, 'R'});
  EXPECT_EQ(edit->Caption(), "R");
  App.Click(150, 210);
  EXPECT_FALSE(edit->Focused());
  Type({'K'});
  EXPECT_EQ(edit->Caption(), "R");
  EXPECT_EQ(other->Caption(), "K");
}

TEST_F(InputControlsTest, TheCaretBlinksAfterTheTypedTextWhileFocused) {
  TLxEdit* edit = FocusedEdit();
  edit->Font.SetColor(0x0000FF);
  Type({'A', 'B'});  // 12 pixels of text: the caret lines are at x = 113 and 114
  bool seen = false, gone = false;
  for (int i = 0; i < 70; ++i) {
    App.Frames(1);
    const bool on = Rgb(113, 110) == Red && Rgb(114, 110) == Red;
    if (edit->CaretShown()) {
      EXPECT_TRUE(on) << "frame " << i;
      seen = true;
    } else if (seen) {
      EXPECT_FALSE(on);
      gone = true;
    }
  }
  EXPECT_TRUE(seen && gone);
  App.Click(500, 500);  // nothing there: the edit box keeps the keys but loses nothing
  edit->SetFocused(false);
  App.Frames(40);
  EXPECT_NE(Rgb(113, 110), Red);
}

// ---- check box ----

TEST_F(InputControlsTest, ACheckBoxSwapsItsTextureNameWhenClicked) {
  PutSolidTexture("CB_ALL", 24, 24, 0xFF0000FFu);
  PutSolidTexture("CB_ALL_checked", 24, 24, 0xFF00FF00u);
  auto* box = Make<TLxCheckBox>(100, 100, 0, 0);
  UseTexture(box, "CB_ALL");
  EXPECT_EQ(box->Width(), 24);  // autosized
  box->SetCaption("REMEMBER ME");
  std::vector<bool> seenByClick;
  box->OnClick = [&](TLxCustomControl*) { seenByClick.push_back(box->Checked()); };
  App.Click(110, 110);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(box->Texture.Name(), "CB_ALL_checked");
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Green);
  EXPECT_EQ(Rgb(128, 118), White);  // the caption, bottom-aligned at the box's right
  App.Click(110, 110);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(box->Texture.Name(), "CB_ALL");
  App.Frames(1);
  EXPECT_EQ(Rgb(110, 110), Red);
  EXPECT_EQ(seenByClick, (std::vector<bool>{true, false}));
  box->Enabled = false;
  App.Click(110, 110);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(box->FallbackTexture(), "CB_ALL");
  box->SetChecked(true);
  EXPECT_EQ(box->FallbackTexture(), "CB_ALL_checked");
}

// ---- list box ----

TEST_F(InputControlsTest, RowsAreStackedAndAClickSelectsOne) {
  TLxListBox* list = ListOf(3);
  list->SetSelectionColor4({0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu});
  const int32_t top = list->ClientPanel->Top();
  EXPECT_EQ(list->Items[2]->Top(), top + 31);
  EXPECT_EQ(list->Items[2]->Name(), "ITEM__2");
  EXPECT_EQ(list->ClientPanel->Height(), 45);
  int selects = 0;
  list->OnSelect = [&](TLxCustomControl*) { ++selects; };
  App.Click(150, list->Items[1]->Top() + 7);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items[1]->Alpha(), 255);
  EXPECT_EQ(list->Items[0]->Alpha(), 0);
  EXPECT_EQ(Rgb(180, list->Items[1]->Top() + 12), Red);
  EXPECT_EQ(Rgb(180, list->Items[0]->Top() + 12), White);
  App.Click(150, list->Items[1]->Top() + 7);
  EXPECT_EQ(selects, 2);
  list->SetItemIndex(3);  // past the last row: ignored
  list->SetItemIndex(-2);
  EXPECT_EQ(list->ItemIndex(), 1);
  list->SetItemIndex(-1);
  EXPECT_EQ(list->Items[1]->Alpha(), 0);
  EXPECT_EQ(selects, 3);
  list->Enabled = false;
  App.Click(150, list->Items[2]->Top() + 7);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(InputControlsTest, RowTextIsAlmostBlackInColumnsWithAHeader) {
  auto* list = Make<TLxListBox>(100, 100, 300, 100);
  list->Font.SetColor(0xFFFFFF);
  list->AddColumn("BANK")->Width = 100;
  list->Items.Add("ANNA")->SubItems[0] = "1000";
  list->SetShowHeader(true);
  EXPECT_EQ(list->ClientOffset, 25);
  EXPECT_EQ(list->ClientPanel->Top(), 126);
  list->Column(0)->Caption = "NAME";
  // A column added later gives the rows one more sub-item.
  list->AddColumn("RANK");
  ASSERT_EQ(list->Items[0]->SubItems.size(), 2u);
  App.Frames(1);
  // The captions are centred in the header band: 10-pixel text from y = 108.
  EXPECT_EQ(App.Pixel(104, 109) & 0xFFFFFF, 0x000005u);  // "NAME"
  EXPECT_EQ(App.Pixel(204, 109) & 0xFFFFFF, 0x000005u);  // "BANK" 100 pixels on
  EXPECT_NE(App.Pixel(104, 104) & 0xFFFFFF, 0x000005u);
  const int32_t rowTop = list->Items[0]->Top();
  EXPECT_EQ(App.Pixel(103, rowTop + 3) & 0xFFFFFF, 0x000005u);
  EXPECT_EQ(App.Pixel(203, rowTop + 3) & 0xFFFFFF, 0x000005u);  // "1000"
  EXPECT_EQ(Rgb(303, rowTop + 3), White);                       // empty third column
}

TEST_F(InputControlsTest, ClearFreesTheRowsAndNewOnesStartAtTheTopAgain) {
  TLxListBox* list = ListOf(4);
  const int32_t top = list->ClientPanel->Top();
  list->Items.Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->ClientPanel->Height(), 60);
  for (int i = 0; i < 3; ++i) list->Items.Add("NEW");
  EXPECT_EQ(list->Items[0]->Top(), top + 1);
  EXPECT_EQ(list->ClientPanel->Height(), 105);
}

TEST_F(InputControlsTest, HoldingTheDownButtonScrollsTwoPixelsAFrameToTheEnd) {
  TLxListBox* list = ListOf(20);  // 300 pixels of rows in a list 90 high
  const TLxButton* down = list->ScrollBar->DownButton;
  EXPECT_EQ(down->Width(), 10);
  EXPECT_EQ(down->Top() + down->Height(), list->Top() + list->Height());
  const int32_t start = list->ClientPanel->Top();
  App.Press(down->Left() + 5, down->Top() + 5);  // the press and one frame
  const int32_t afterPress = list->ClientPanel->Top();
  App.Frames(10);
  EXPECT_EQ(list->ClientPanel->Top(), afterPress - 20);
  EXPECT_LT(afterPress, start);
  App.Frames(200);
  const int32_t bottom = list->ClientPanel->Top() + list->ClientPanel->Height();
  EXPECT_LE(bottom, list->Top() + list->Height());
  EXPECT_GT(bottom, list->Top() + list->Height() - 2);
  App.Release(down->Left() + 5, down->Top() + 5);
  const int32_t end = list->ClientPanel->Top();
  App.Frames(5);
  EXPECT_EQ(list->ClientPanel->Top(), end);
  // Up again, in steps of 2 from 101, until the content's top is at least 30 pixels below the
  // list's top.
  const TLxButton* up = list->ScrollBar->UpButton;
  App.Press(up->Left() + 5, up->Top() + 5);
  App.Frames(300);
  EXPECT_EQ(list->ClientPanel->Top(), list->Top() + 31);
  App.Release(up->Left() + 5, up->Top() + 5);
}

TEST_F(InputControlsTest, AClickOnTheTrackPagesAndRowsOutOfViewCannotBeClicked) {
  TLxListBox* list = ListOf(20);
  App.Frames(1);
  TLxImage* thumb = list->ScrollBar->Thumb;
  ASSERT_TRUE(thumb->Visible());
  EXPECT_EQ(thumb->Top(), list->ScrollBar->Top() + 10);  // at the start
  // Row 7 lies below the list's bottom: a click there reaches nothing.
  ASSERT_GT(list->Items[7]->Top(), list->Top() + list->Height());
  App.Click(150, list->Items[7]->Top() + 5);
  EXPECT_EQ(list->ItemIndex(), -1);
  const int32_t home = list->ClientPanel->Top();
  App.Click(list->ScrollBar->Left() + 5, list->ScrollBar->Top() + list->ScrollBar->Height() - 15);
  EXPECT_EQ(list->ClientPanel->Top(), home - 88);  // one view down
  EXPECT_GT(thumb->Top(), list->ScrollBar->Top() + 10);
  App.Click(150, list->Top() + 10);  // rows start at 14 now: row 6 spans 104..118
  EXPECT_EQ(list->ItemIndex(), 6);
  for (int i = 0; i < 5; ++i)
    App.Click(list->ScrollBar->Left() + 5, list->ScrollBar->Top() + list->ScrollBar->Height() - 15);
  EXPECT_EQ(list->ClientPanel->Top() + list->ClientPanel->Height(), list->Top() + list->Height());
  App.Click(list->ScrollBar->Left() + 5, list->ScrollBar->Top() + 12);
  EXPECT_EQ(list->ClientPanel->Top() + list->ClientPanel->Height(),
            list->Top() + list->Height() + 88);
  for (int i = 0; i < 5; ++i) App.Click(list->ScrollBar->Left() + 5, list->ScrollBar->Top() + 12);
  EXPECT_EQ(list->ClientPanel->Top(), home);
}

TEST_F(InputControlsTest, AShortListHasNoThumb) {
  TLxListBox* list = ListOf(3);
  App.Frames(1);
  EXPECT_FALSE(list->ScrollBar->Thumb->Visible());
  App.Click(list->ScrollBar->Left() + 5, list->Top() + 50);
  EXPECT_EQ(list->ClientPanel->Top(), list->Top() + 1);
}

// ---- combo box ----

TEST_F(InputControlsTest, ChoosingARowPutsItIntoTheBoxAndClosesTheList) {
  auto* combo = Make<TLxComboBox>(100, 100, 200, 24);
  for (const char* name : {"ANNA", "BEN", "CLARA"}) combo->Items().Add(name);
  int changes = 0, drops = 0, closes = 0;
  combo->OnChange = [&](TLxCustomControl*) { ++changes; };
  combo->OnDropDown = [&](TLxCustomControl*) { ++drops; };
  combo->OnCloseUp = [&](TLxCustomControl*) { ++closes; };
  EXPECT_EQ(combo->DropButton->Left(), 276);
  EXPECT_EQ(combo->DropDownList->Top(), 124);
  EXPECT_EQ(combo->DropDownList->Height(), 200);
  EXPECT_FALSE(combo->DropDownList->Visible());

  App.Click(288, 112);  // the drop button
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(App.Main->OpenPopup, combo);
  EXPECT_EQ(drops, 1);
  const TLxListBoxItem* ben = combo->Items()[1];
  EXPECT_EQ(ben->Top(), 125 + 1 + 20);  // rows of the combo's item height
  App.Click(150, ben->Top() + 10);
  EXPECT_EQ(combo->Caption(), "BEN");
  EXPECT_EQ(combo->ItemIndex, 1);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(combo->DropDownList->Visible());
  EXPECT_EQ(App.Main->OpenPopup, nullptr);
  EXPECT_EQ(changes, 1);

  // A press anywhere else closes the open list without choosing.
  App.Click(288, 112);
  EXPECT_TRUE(combo->DroppedDown());
  App.Click(600, 500);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Caption(), "BEN");
  EXPECT_EQ(changes, 1);
  // The drop button closes what it opened.
  App.Click(288, 112);
  App.Click(288, 112);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(App.Main->OpenPopup, nullptr);
  App.Click(288, 112);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(drops, 4);
  EXPECT_GE(closes, 3);
}

TEST_F(InputControlsTest, AComboBoxIsTypedIntoLikeAnEditBox) {
  auto* combo = Make<TLxComboBox>(100, 100, 200, 24);
  App.Click(150, 112);
  EXPECT_EQ(App.Main->ActiveControl, combo);
  for (uint16_t k : std::vector<uint16_t>{'J', 'O', vk::F1, 'E'}) App.Key(k);
  EXPECT_EQ(combo->Caption(), "JOE");
  EXPECT_EQ(combo->Alpha(), 255);
}

}  // namespace
}  // namespace lx::test

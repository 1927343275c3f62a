#include "screens/statisticsform.h"

#include <vector>

#include "gamecore/lxgame.h"
#include "gamecore/lxgamedata.h"
#include "gamecore/lxgamemanager.h"
#include "gui/lxcheckbox.h"
#include "gui/lxcontrols.h"
#include "gui/lxlistbox.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "screens/modalwindow.h"
#include "screens/windowcontrols.h"

namespace lx {

std::string ReturnPercent(uint32_t creditIn, uint32_t creditOut) {
  if (creditIn == 0) return "-";
  return std::to_string(static_cast<uint64_t>(creditOut) * 100u / creditIn);
}

std::string HandPercent(int64_t value, int64_t total) {
  if (total == 0) return "0";
  return std::to_string(value * 100 / total);
}

namespace {

TLxListBox* AddList(TfrmStatistics& window, const char* name, const char* firstColumn,
                    int32_t firstWidth, const std::vector<std::pair<const char*, int32_t>>& more) {
  auto* list = new TLxListBox(&window);
  list->SetName(name);
  list->Column(0)->Caption = firstColumn;
  if (firstWidth > 0) list->Column(0)->Width = firstWidth;
  for (const auto& [caption, width] : more) list->AddColumn(caption)->Width = width;
  list->SetShowHeader(true);
  window.AddControl(list);
  return list;
}

TLxListBoxItem* AddRow(TLxListBox& list, const std::string& caption,
                       const std::vector<std::string>& subItems, void* data = nullptr) {
  TLxListBoxItem* row = list.Items.Add(caption);
  for (size_t i = 0; i < subItems.size() && i < row->SubItems.size(); ++i)
    row->SubItems[i] = subItems[i];
  row->Data = data;
  return row;
}

}  // namespace

TfrmStatistics::TfrmStatistics(TLxComponent* mainScene, TLxCasino* casino, TLxGame* game)
    : TLxFrame(mainScene), CurrentGame(game) {
  SetSceneName("STATISTICS");
  UseOwnWindowPicture(*this);
  Caption->SetCaption("STATISTICS");
  BtnClose = AddButton(*this, "BTN_CLOSE", "CLOSE");
  LbPlayers = AddList(*this, "LB_PLAYERS", "PLAYERS", 0, {});
  LbGames = AddList(*this, "LB_GAMES", "GAME", 300,
                    {{"CREDIT IN", 110}, {"CREDIT OUT", 110}, {"%", 100}});
  LbHands = AddList(*this, "LB_HANDS", "HAND", 300, {{"COUNT", 110}, {"%", 110}});
  LbHands->Enabled = false;
  CbCurrentSession = AddCheckBox(*this, "CB_CURRENTSESSION", "Show only the current game");

  LoadTheme(Settings ? Settings->ThemeName : std::string());

  BtnClose->OnClick = [this](TLxCustomControl*) { Close(); };
  LbPlayers->OnSelect = [this](TLxCustomControl*) {
    const int32_t i = LbPlayers->ItemIndex();
    if (i < 0 || i >= LbPlayers->Count()) return;
    SelectedPlayer = static_cast<TLxPlayer*>(LbPlayers->Items[i]->Data);
    FillGames();
  };
  LbGames->OnSelect = [this](TLxCustomControl*) {
    const int32_t i = LbGames->ItemIndex();
    if (i < 0 || i >= LbGames->Count()) return;
    SelectedGame = static_cast<TGameInfo*>(LbGames->Items[i]->Data);
    FillHands();
  };
  SelectedPlayer = nullptr;
  SelectedGame = nullptr;
  Casino = casino;
  if (CurrentGame) {
    CbCurrentSession->OnClick = [this](TLxCustomControl*) { FillPlayers(); };
    CbCurrentSession->SetChecked(true);
    CbCurrentSession->SetVisible(true);
  } else {
    CbCurrentSession->SetChecked(false);
    CbCurrentSession->SetVisible(false);
  }
  FillPlayers();
}

bool TfrmStatistics::CurrentVisitMode() const {
  return CurrentGame && CbCurrentSession->Checked();
}

void TfrmStatistics::FillPlayers() {
  TLxPlayer* current = Players ? Players->CurrentPlayer : nullptr;
  if (CurrentVisitMode()) {
    LbPlayers->Items.Clear();
    if (current) AddRow(*LbPlayers, "* " + current->PlayerName, {}, current);
  } else {
    std::vector<TLxListEntry> entries;
    if (Players) Players->FillList(entries, true);
    LbPlayers->Items.Assign(entries);
  }
  if (LbPlayers->Count() > 0) {
    LbPlayers->SetItemIndex(0);
    SelectedPlayer = static_cast<TLxPlayer*>(LbPlayers->Items[0]->Data);
  }
  FillGames();
}

TGameStatictics* TfrmStatistics::CountersOf(const TGameInfo& game) {
  if (CurrentVisitMode()) {
    const TLxGameData* data = CurrentGame->GetGameData();
    return data ? data->VisitStats : nullptr;
  }
  if (!Casino || !SelectedPlayer) return nullptr;
  TPlayerStatistics* record = Casino->FindOrAddPlayer(SelectedPlayer->PlayerName, true);
  return record ? record->FindOrAddGame(game.IDStr, true) : nullptr;
}

void TfrmStatistics::FillGames() {
  LbGames->Items.Clear();
  if (!Casino || !SelectedPlayer) return;
  // Looking at a player makes his record, as every find-or-add below makes what it misses.
  Casino->FindOrAddPlayer(SelectedPlayer->PlayerName, true);
  for (TGameInfo* game : Casino->Games) {
    if (CurrentVisitMode() && game != CurrentGame->GameInfo) continue;
    const TGameStatictics* counters = CountersOf(*game);
    if (!counters) continue;
    AddRow(*LbGames, game->Title,
           {std::to_string(counters->CreditIn), std::to_string(counters->CreditOut),
            ReturnPercent(counters->CreditIn, counters->CreditOut)},
           game);
  }
  LbGames->SetItemIndex(0);
}

void TfrmStatistics::FillHands() {
  LbHands->Items.Clear();
  if (!SelectedGame) return;
  TGameStatictics* counters = CountersOf(*SelectedGame);
  if (!counters) return;
  std::vector<TGameHand*> hands;
  const TGameHands& pays = SelectedGame->PayTable;
  for (int32_t i = 0; i < pays.Count(); ++i)
    hands.push_back(counters->FindOrAddHand(pays.Items(i)->HandIDStr, true));
  hands.push_back(counters->FindOrAddHand("HAND_NOTHING", true));
  // 64 bits: the sum of every count, and each count times 100, always fit.
  int64_t total = 0;
  for (const TGameHand* hand : hands) total += hand->Value;
  for (const TGameHand* hand : hands)
    AddRow(*LbHands, HandTitle(hand->HandIDStr),
           {std::to_string(hand->Value), HandPercent(hand->Value, total)});
  AddRow(*LbHands, "------------------", {"", ""});
  AddRow(*LbHands, "ALL HANDS", {std::to_string(total), "100"});
}

int32_t ShowStatisticsWindow(TLxCasino* casino, TLxGame* game) {
  return ShowModalWindow<TfrmStatistics>(casino, game);
}

}  // namespace lx

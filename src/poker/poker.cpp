#include "poker/poker.h"

#include <algorithm>

#include "base/lxlog.h"
#include "base/lxutils.h"
#include "gamecore/lxcard.h"
#include "gamecore/lxdoubleup.h"
#include "gui/lxhost.h"
#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "poker/pokeranims.h"
#include "poker/pokerdata.h"
#include "poker/pokerdeck.h"
#include "poker/pokerdemounit.h"
#include "poker/pokerhint.h"
#include "poker/pokerscene.h"
#include "shell/lxaudio.h"

namespace lx {

namespace {

bool DevMode() {
  return AppInfo && AppInfo->DevMode;
}

bool CardEffects() {
  return Settings && Settings->optCardEffects;
}

}  // namespace

TPoker::TPoker(TGameInfo* gameInfo) : TLxGame(gameInfo) {
  Data = new TPokerData();
  // The data file lives with the player data (beside casino.xml), not in the installation.
  Data->FileName =
      (Settings ? Settings->UserCasinosFolder + Settings->ThemeName + "/" : std::string()) +
      gameInfo->IDStr + ".dat";
  Data->Load();

  Config = PokerConfigOf(gameInfo->GameType);
  static constexpr TPokerConfig kNone{0, "VPC01", "CardSet1", 0x8802, "10;", 0, 10, 0, 3};
  if (!Config) Config = &kNone;
  Features = Config->Features;
  CardSet = Config->CardSet;
  const TBetLadder ladder = BetLadderOf(*Config);
  if (ladder.FromList) {
    Data->SetBetLevels(std::vector<int32_t>(ladder.Levels.begin() + 1, ladder.Levels.end()));
  } else {
    Data->BetFromList = false;
    Data->BetStep = ladder.Step;
    Data->MinBet = ladder.MinBet;
    Data->MaxBet = ladder.MaxBet;
  }
  Data->DoubleUpKind = Config->DoubleUpKind;
  Data->DoubleUpLimit = Config->DoubleUpLimit;
  Data->WildRank = Config->WildRank;

  Scene = new TPokerScene(nullptr, Config->SceneName, *gameInfo, Features);
  SetScene(Scene);
  Scene->ShowMusic = static_cast<uint8_t>(Config->MusicTrack);
  for (TLxCard* card : Scene->MainCards) {
    card->Texture.SetGroup(CardSet);
    card->WildRank = Data->WildRank;
    card->UpdateImage();
  }
  Scene->SetCardSet(CardSet);
  Scene->SetWildRank(Data->WildRank);
  Scene->ShowDoubleUpView(false);
  DoubleUp = new TLxDoubleUp(this);
  Anims = new TPokerAnims(Scene);
  ConnectCommands();
  Scene->OnThemeLoaded = [this] { RefreshMarks(); };
  if (Has(fMultiColumnPays)) FillPayValues();

  ShowLumioNumber();
  ShowLumioBonusValue();
  ShowLumioMeter(false, false);
  ShowMiniBonus();
  ShowJackpot();
  ResetTable();
  SetDealStage(0);
  if (Players && Players->CurrentPlayer && Players->CurrentPlayer->Bank >= 100) OpenCredit(false);
  delete PokerDemo;
  PokerDemo = new TPokerDemo(this);
  PokerDemo->Start();
  State = GameStateIdle;
}

TPoker::~TPoker() {
  delete PokerDemo;
  PokerDemo = nullptr;
  delete Anims;
  delete DoubleUp;
  SetScene(nullptr);
  delete Scene;
  delete Data;
}

TLxGameData* TPoker::GetGameData() const {
  return Data;
}

TLxCard* TPoker::MainCard(int32_t position) const {
  return Scene->MainCard(position);
}

void TPoker::Pause(uint32_t ms) {
  if (Host) Host->WaitMs(ms);
}

void TPoker::Play(const char* sound) {
  if (Sounds) Sounds->PlaySound(sound);
}

void TPoker::BlinkFor(TLxControl* a, TLxControl* b, uint32_t ms) {
  if (a) a->SetBlink(true);
  if (b) b->SetBlink(true);
  Pause(ms);
  if (a) a->SetBlink(false);
  if (b) b->SetBlink(false);
}

// The machine's commands: buttons, card clicks and keys. Keys are one table, so a machine key is
// added in one place.
void TPoker::ConnectCommands() {
  Scene->btnDeal->OnClick = [this](TLxCustomControl*) { HandleKey('M'); };
  Scene->btnBet->OnClick = [this](TLxCustomControl*) { HandleKey('A'); };
  Scene->btnCashAll->OnClick = [this](TLxCustomControl*) { HandleKey('N'); };
  for (int32_t i = 1; i <= 5; ++i) {
    auto hold = [this, i](TLxCustomControl*) { HoldOrChoose(i); };
    Scene->btnHold[static_cast<size_t>(i - 1)]->OnClick = hold;
    MainCard(i)->OnClick = hold;
  }
  Scene->OnKeyDown = [this](TLxCustomControl*, uint16_t& key, uint8_t shift) {
    if (shift == 0 && HandleKey(key)) key = 0;
  };
}

bool TPoker::HandleKey(uint16_t key) {
  struct TKeyCommand {
    uint16_t Key;
    bool Developer;
    void (*Run)(TPoker& poker);
  };
  static constexpr TKeyCommand kKeys[] = {
      {'M', false,
       [](TPoker& p) {
         if (p.State == PokerStateDoubleUp && p.BeatTheDealerAsking()) {
           p.DoubleUp->DealDealer();
         } else {
           p.DealOrDraw();
         }
       }},
      {'A', false,
       [](TPoker& p) {
         p.Play("SND_BET");
         p.ChangeBet(false);
       }},
      {'N', false, [](TPoker& p) { p.CollectOrClear(); }},
      {'Z', false, [](TPoker& p) { p.HoldOrChoose(1); }},
      {'X', false, [](TPoker& p) { p.HoldOrChoose(2); }},
      {'C', false, [](TPoker& p) { p.HoldOrChoose(3); }},
      {'V', false, [](TPoker& p) { p.HoldOrChoose(4); }},
      {'B', false, [](TPoker& p) { p.HoldOrChoose(5); }},
      {'O', false, [](TPoker& p) { ShowBestHold(p); }},
      {'H', true, [](TPoker& p) { p.Scene->SetNormalView(!p.Scene->NormalView); }},
      {'J', true,
       [](TPoker& p) {
         for (int32_t i = 1; i <= 5; ++i) {
           Log("CardIndex " + IntToStr(i) + " " + IntToStr(p.MainCard(i)->Value()));
         }
       }},
  };
  for (const TKeyCommand& command : kKeys) {
    if (command.Key != key) continue;
    if (command.Developer && !DevMode()) return false;
    command.Run(*this);
    return true;
  }
  return false;
}

bool TPoker::BeatTheDealerAsking() const {
  return Data->DoubleUpKind == DupBeatTheDealer && DoubleUp->Asking;
}

void TPoker::ShowCredit() {
  TLxGame::ShowCredit();
  ChangeBet(true);
}

void TPoker::ShowMessage(const std::string& text) {
  Scene->ShowMessage(text);
}

// --- the deck and the cards on the table ---

void TPoker::DrawCards(int32_t count, bool forDoubleUp, int32_t preset) {
  const std::vector<int32_t> cards = DrawPokerCards(count, Features, forDoubleUp, preset);
  for (size_t i = 0; i < cards.size(); ++i) {
    if (forDoubleUp) {
      if (i + 1 < Data->DoubleUpCards.size()) Data->DoubleUpCards[i + 1] = cards[i];
    } else if (i + 1 < Data->DealCards.size()) {
      Data->DealCards[i + 1] = cards[i];
    }
  }
}

void TPoker::LiftDealCards(bool together) {
  const uint32_t pause = CardEffects() ? 100 : 70;
  for (TLxCard* card : Scene->MainCards) {
    if (card->Held) continue;
    card->SetVisible(true);
    card->FaceDown = true;
    card->UpdateImage();
    if (!together) Pause(pause);
  }
  if (together && Host) Host->RenderNow();
}

void TPoker::RevealDealCards(int32_t offset, bool together) {
  const uint32_t pause = CardEffects() ? 100 : 70;
  for (int32_t i = 1; i <= 5; ++i) {
    TLxCard* card = MainCard(i);
    if (card->Held) continue;
    card->SetValue(Data->DealCards[static_cast<size_t>(offset + i)]);
    card->FaceDown = false;
    Play("SND_DEAL");
    card->UpdateImage();
    if (!together) Pause(pause);
  }
}

void TPoker::EvaluateTable() {
  std::array<int32_t, 5> ranks{};
  std::array<int32_t, 5> suits{};
  for (size_t i = 0; i < 5; ++i) {
    ranks[i] = Scene->MainCards[i]->Rank();
    suits[i] = Scene->MainCards[i]->Suit();
  }
  THandDetails details;
  const int32_t lumio = Has(fLumioBonus) ? Data->LumioNumber : -1;
  Data->Hand = std::string(EvaluateHand(ranks, suits, Data->WildRank, lumio, details));
  MainRank = details.MainRank;
  SecondRank = details.SecondRank;
  Data->LumioThree = details.LumioThree;
  Data->LumioFour = details.LumioFour;
  Data->PairRank = details.PairRank;
}

uint32_t TPoker::PriceHand() const {
  if (Data->Hand == "HAND_NOTHING") return 0;
  const int32_t pay = GameInfo->PayOf(Data->Hand);
  if (pay <= 0 || Data->GetBet() <= 0) return 0;
  return static_cast<uint32_t>(Data->GetBet()) * static_cast<uint32_t>(pay);
}

void TPoker::ShowHeld(TLxCard* card, bool noToggle) {
  if (!card) return;
  if (!noToggle) {
    Play("SND_HOLD");
    card->Held = !card->Held;
  }
  if (TLxLabel* held = Scene->HeldLabel(card->Tag)) held->SetVisible(card->Held);
}

void TPoker::ClearHolds() {
  for (TLxCard* card : Scene->MainCards) card->Held = false;
  for (TLxLabel* held : Scene->HeldLabels) held->SetVisible(false);
}

int32_t TPoker::HeldCount() const {
  return static_cast<int32_t>(std::count_if(Scene->MainCards.begin(), Scene->MainCards.end(),
                                            [](const TLxCard* c) { return c->Held; }));
}

void TPoker::AutoHold(bool withSound) {
  std::array<int32_t, 5> cards{};
  for (size_t i = 0; i < 5; ++i) cards[i] = Scene->MainCards[i]->Value();
  THandDetails details;
  details.MainRank = MainRank;
  details.SecondRank = SecondRank;
  const THoldMask mask =
      AutoHoldMask(cards, HandCodeOf(Data->Hand), details, Data->WildRank, Features);
  for (size_t i = 0; i < 5; ++i) {
    TLxCard* card = Scene->MainCards[i];
    card->Held = (mask >> i) & 1u;
    ShowHeld(card, true);
    if (card->Held && withSound) {
      Play("SND_AUTOHOLD");
      Pause(100);
    }
  }
}

void TPoker::SetDealStage(int32_t stage) {
  const bool changed = stage != Data->DealStage;
  Data->DealStage = stage;
  if (Has(fThreeDeal) && changed) ShowDealStageLamps();
  switch (stage) {
    case 0:
      Data->CanDeal = true;
      Data->HoldPhase = false;
      Data->CanTakeHalf = false;
      Data->CanCollect = false;
      break;
    case 1:
      Data->CanDeal = true;
      Data->HoldPhase = true;
      Data->CanTakeHalf = false;
      Data->CanCollect = false;
      break;
    case 3:
      Data->CanDeal = true;
      Data->HoldPhase = false;
      Data->CanTakeHalf = true;
      Data->CanCollect = true;
      break;
    default:
      break;
  }
}

void TPoker::ShowDealStageLamps() {
  for (int32_t n = 1; n <= 3; ++n) {
    SetLamp(Scene->DealStageLamp(true, n), false);
    SetLamp(Scene->DealStageLamp(false, n), false);
  }
  for (int32_t n = 1; n <= std::min(Data->DealStage, 3); ++n) {
    SetLamp(Scene->DealStageLamp(true, n), true);
    SetLamp(Scene->DealStageLamp(false, n), true);
  }
}

void TPoker::RefreshMarks() {
  if (Has(fThreeDeal)) ShowDealStageLamps();
  MarkBetColumn();
  if (Has(fLumioBonus)) {
    const int32_t lit = Data->LumioCount(Data->GetBet());
    for (int32_t i = 1; i <= 10; ++i)
      SetLamp(Scene->imgLumioStage[static_cast<size_t>(i - 1)], i <= lit);
  }
}

void TPoker::SetDealMode(int32_t mode) {
  Data->DealMode = mode;
  if (mode == 1) {
    Data->CanDeal = true;
    Data->HoldPhase = false;
    Data->CanTakeHalf = true;
    Data->CanCollect = true;
  } else if (mode == 2) {
    Data->CanDeal = true;
    Data->HoldPhase = true;
    Data->CanTakeHalf = false;
    Data->CanCollect = false;
  }
}

// --- the bet ---

int32_t TPoker::ChangeBet(bool normalise) {
  if (State != GameStateIdle) return Data->GetBet();
  const int32_t bet = Data->GetBet();
  int32_t candidate = 0;
  if (normalise) {
    candidate = bet == 0 ? Data->MinBet : std::max(bet, Data->MinBet);
  } else if (!Data->BetFromList) {
    candidate = bet + Data->BetStep;
  } else {
    const std::vector<int32_t>& levels = Data->BetLevels;
    int32_t k = -1;
    for (int32_t i = static_cast<int32_t>(levels.size()) - 1; i >= 0; --i) {
      if (levels[static_cast<size_t>(i)] == bet) {
        k = i;
        break;
      }
    }
    const int32_t last = static_cast<int32_t>(levels.size()) - 1;
    const int32_t next = k == last ? 1 : k + 1;
    candidate = next <= last ? levels[static_cast<size_t>(next)] : Data->MinBet;
  }
  const uint32_t credit = Data->Credit;
  int32_t newBet = 0;
  if (candidate >= 0 && credit >= static_cast<uint32_t>(candidate)) {
    newBet = candidate;
  } else {
    newBet = static_cast<int32_t>(std::min<int64_t>(Data->MinBet, credit));
  }
  if (newBet > Data->MaxBet) newBet = Data->MinBet;
  if (credit == 0) newBet = 1;
  Data->SetBet(newBet);

  Scene->lblBetV->SetCaption(IntToStr(newBet));
  if (Has(fMultiColumnPays)) {
    MarkBetColumn();
  } else {
    FillPayValues();
  }
  ShowLumioBonusValue();
  ShowLumioMeter(false, false);
  ShowMiniBonus();
  TLxGame::ShowCredit();
  return newBet;
}

// --- the pay table ---

void TPoker::FillPayValues() {
  TPayoutList& list = *Scene->PayoutList;
  for (int32_t k = 1; k <= list.Columns; ++k) {
    int64_t amount = Data->GetBet();
    if (Has(fMultiColumnPays)) {
      amount = k < static_cast<int32_t>(Data->BetLevels.size())
                   ? Data->BetLevels[static_cast<size_t>(k)]
                   : 0;
    }
    for (int32_t r = 1; r <= list.RowCount; ++r) {
      const int64_t value = GameInfo->PayTable.Items(r - 1)->Value;
      list.PayLabel(k, r)->SetCaption(IntToStr(value * amount));
    }
  }
}

void TPoker::MarkBetColumn() {
  if (!Has(fMultiColumnPays)) return;
  TPayoutList& list = *Scene->PayoutList;
  for (int32_t k = 1; k <= list.Columns; ++k) {
    const bool marked = k < static_cast<int32_t>(Data->BetLevels.size()) &&
                        Data->BetLevels[static_cast<size_t>(k)] == Data->GetBet();
    for (int32_t r = 1; r <= list.RowCount; ++r) {
      TLxLabel* label = list.PayLabel(k, r);
      label->StopCustomEffect(2, true);
      if (marked) label->StartCustomEffect(2);
    }
  }
}

void TPoker::ClearPayRow() {
  TPayoutList& list = *Scene->PayoutList;
  for (int32_t r = 1; r <= list.RowCount; ++r) {
    if (Has(fMultiColumnPays)) {
      list.PayLabel(0, r)->StopCustomEffect(2, true);
      for (int32_t k = 1; k <= list.Columns; ++k) list.PayLabel(k, r)->Border = false;
    } else {
      list.PayLabel(0, r)->StopCustomEffect(1, true);
      list.PayLabel(1, r)->StopCustomEffect(1, true);
    }
  }
}

void TPoker::MarkPayRow(bool final, const std::string& hand) {
  const std::string& shown = hand == "HAND_NOTHING" ? Data->Hand : hand;
  ClearPayRow();
  if (shown == "HAND_NOTHING") return;
  const int32_t index = GameInfo->IndexOfHand(shown);
  if (index < 0) return;
  Play(!final ? "SND_WINPRE" : index < 4 ? "SND_WINBIG" : "SND_WIN");
  TPayoutList& list = *Scene->PayoutList;
  const int32_t row = index + 1;
  if (Has(fMultiColumnPays)) {
    list.PayLabel(0, row)->StartCustomEffect(2);
    for (int32_t k = 1; k <= list.Columns; ++k) {
      if (k < static_cast<int32_t>(Data->BetLevels.size()) &&
          Data->BetLevels[static_cast<size_t>(k)] == Data->GetBet()) {
        list.PayLabel(k, row)->Border = true;
      }
    }
    return;
  }
  if (Has(fLumioBonus) && Data->LumioFour) {
    BlinkFor(Scene->lblLumioV, Scene->lblLumioCard, 3000);
  }
  TLxLabel* title = list.PayLabel(0, row);
  TLxLabel* value = list.PayLabel(1, row);
  title->SetBlink(true);
  value->SetBlink(true);
  Pause(100);
  title->SetBlink(false);
  value->SetBlink(false);
  title->StartCustomEffect(1);
  value->StartCustomEffect(1);
}

// --- the table between rounds ---

void TPoker::ResetTable() {
  Scene->imgAdv->SetVisible(false);
  for (TLxLabel* held : Scene->HeldLabels) held->SetVisible(false);
  ShowMessage("TESSARO");
  Data->Hand = "HAND_NOTHING";
  Data->Win = 0;
  Scene->lblWinV->SetCaption("0");
  ClearPayRow();
  Scene->ShowDoubleUpView(false);
  Data->DoubleUpStarted = false;
}

void TPoker::DemoDeal(int32_t preset) {
  // Busy while the demonstration hand is dealt, so that a DEAL pressed during its pauses waits
  // for the table instead of dealing under it.
  if (State != GameStateIdle) return;
  State = GameStateBusy;
  ResetTable();
  for (TLxCard* card : Scene->MainCards) {
    card->SetVisible(true);
    card->Held = false;
  }
  DrawCards(15, false, preset);
  RevealDealCards(0, false);
  EvaluateTable();
  Data->Win = PriceHand();
  ShowWin();
  MarkPayRow(true);
  AutoHold(true);
  State = GameStateIdle;
}

// --- the round ---

void TPoker::DealOrDraw() {
  if (State != GameStateIdle && State != PokerStateHolding && State != PokerStateThreeDealWin) {
    return;
  }
  if (!Data->CanDeal) return;
  const uint8_t before = State;
  State = GameStateBusy;
  switch (Data->DealStage) {
    case 0:
      Deal();
      break;
    case 1:
      FirstDraw();
      break;
    case 2:
      ThreeDealStage(before);
      break;
    default:
      State = before;
      break;
  }
}

void TPoker::Deal() {
  if (!TakeBet()) {
    State = GameStateIdle;
    return;
  }
  if (PokerDemo) PokerDemo->Stop();
  ResetTable();
  for (TLxCard* card : Scene->MainCards) {
    card->SetVisible(true);
    card->Held = false;
  }
  DrawCards(15, false, -1);
  LiftDealCards(true);
  if (CardEffects()) Anims->SlideCards();
  RevealDealCards(0, false);
  EvaluateTable();
  Data->Win = PriceHand();
  ShowWin();
  CountLumio();
  MarkPayRow(false);
  AutoHold(true);
  ShowMessage("HOLD AND DRAW CARDS");
  SetDealStage(1);
  State = PokerStateHolding;
}

// Stage 1 step 2 and its twin of the second draw: clear the provisional result, replace the
// cards that are not held from the given offset and name the new hand.
void TPoker::DrawAndReveal(int32_t offset) {
  ShowMessage("");
  UndoLumio();
  ClearPayRow();
  Data->Win = 0;
  ShowWin();
  ShowLumioBonusValue();
  for (TLxLabel* held : Scene->HeldLabels) held->SetVisible(false);
  LiftDealCards(false);
  RevealDealCards(offset, false);
  EvaluateTable();
}

void TPoker::FirstDraw() {
  if (Has(fDrawCostsBet)) {
    const int32_t held = HeldCount();
    if (Data->Hand == "HAND_NOTHING" && held == 0) {
      SetDealStage(0);
      ClearPayRow();
      State = GameStateIdle;
      DealOrDraw();
      return;
    }
    if (Data->Hand != "HAND_NOTHING" && held == 0) {
      for (TLxCard* card : Scene->MainCards) card->Held = true;
    }
    if (HeldCount() < 5 && !TakeBet()) {
      State = PokerStateHolding;
      return;
    }
  }
  DrawAndReveal(5);
  bool miniPaid = false;
  if (Has(fAmericanJackpot) && Data->Hand == "HAND_NOTHING") miniPaid = CheckMiniBonus();
  if (Data->Hand == "HAND_NOTHING" && !miniPaid) {
    ShowMessage("GAME OVER");
    EndRound();
    return;
  }
  if (Data->Hand != "HAND_NOTHING") {
    const int32_t index = GameInfo->IndexOfHand(Data->Hand);
    if (Has(fAmericanJackpot) && index >= 0 && index < 3) PayAmericanJackpot();
    Data->Win = PriceHand();
    ShowWin();
    CountLumio();
    MarkPayRow(true);
    AutoHold(true);
  }
  Pause(1000);
  if (Has(fDoubleUp)) {
    OfferDoubleUp(Has(fThreeDeal));
  } else {
    State = PokerStateWinShown;
    Data->CanCollect = true;
  }
  ShowMessage("WIN");
}

void TPoker::OfferDoubleUp(bool threeDeal) {
  Scene->ShowDoubleUpView(true);
  // The row starts empty: BEAT THE DEALER shows five of its ten places, the other games turn
  // their cards up one by one.
  for (int32_t i = 1; i <= DoubleUpCardCount; ++i) Scene->DupCard(i)->SetVisible(false);
  DrawCards(10, true, -1);
  DoubleUp->StartDoubleUp(HandCodeOf(Data->Hand), Has(fAmericanJackpot));
  SetDealStage(2);
  SetDealMode(1);
  if (threeDeal) {
    State = PokerStateThreeDealWin;
    Data->DoubleUpStarted = false;
  } else {
    State = PokerStateDoubleUp;
    Data->DoubleUpStarted = true;
  }
}

void TPoker::ThreeDealStage(uint8_t before) {
  if (Data->DoubleUpStarted) {
    State = before;
    return;
  }
  if (Data->DealMode == 1) {
    ShowMessage("");
    Scene->ShowDoubleUpView(false);
    DoubleUp->ShowActive(false);
    SetDealMode(2);
    ShowMessage("HOLD AND DRAW CARDS");
    State = PokerStateHolding;
    return;
  }
  if (HeldCount() < 5 && !TakeBet()) {
    State = PokerStateHolding;
    return;
  }
  DrawAndReveal(10);
  Data->Win = PriceHand();
  ShowWin();
  CountLumio();
  MarkPayRow(true);
  if (Data->Hand == "HAND_NOTHING") {
    ShowMessage("GAME OVER");
    EndRound();
    return;
  }
  AutoHold(true);
  Pause(1000);
  Scene->ShowDoubleUpView(true);
  DoubleUp->StartDoubleUp(HandCodeOf(Data->Hand), Has(fAmericanJackpot));
  Data->DoubleUpStarted = true;
  SetDealStage(3);
  ShowMessage("WIN");
  State = PokerStateDoubleUp;
}

void TPoker::HoldOrChoose(int32_t position) {
  if (position < 1 || position > 5) return;
  if (State == PokerStateHolding) {
    ShowHeld(MainCard(position), false);
    return;
  }
  if (State != PokerStateThreeDealWin && State != PokerStateDoubleUp) return;
  if (Data->DoubleUpKind == DupBeatTheDealer) {
    if (position >= 2) {
      DoubleUp->PickCard(position);
    }
    return;
  }
  switch (position) {
    case 2:
    case 4:
      DoubleUp->CallCard(position == 2 ? 0 : 1);
      break;
    case 5:
      TakeHalf();
      break;
    case 3:
      // As the machine always did: in developer mode HOLD 3 makes the winning call.
      if (DevMode()) {
        DoubleUp->CallCard(DoubleUp->RightChoice());
      }
      break;
    default:
      break;
  }
}

void TPoker::CollectOrClear() {
  if (State == GameStateBusy) return;
  if (State == PokerStateDoubleUp && Data->DoubleUpKind == DupBeatTheDealer && !DoubleUp->Asking) {
    return;
  }
  if (Data->CanCollect) TakeWin();
  if (Data->HoldPhase) {
    for (TLxCard* card : Scene->MainCards) card->Held = false;
    for (TLxLabel* held : Scene->HeldLabels) held->SetVisible(false);
  }
}

void TPoker::TakeWin() {
  if (!Data->CanCollect) return;
  State = GameStateBusy;
  DoubleUp->ShowActive(false);
  const uint32_t win = Data->Win;
  Data->Credit += win;
  Data->Win = 0;
  CountUp(Scene->lblWinV, Scene->lblCreditV, -1);
  EndRound();
}

void TPoker::TakeHalf() {
  if (State == GameStateBusy || Has(fAmericanJackpot) || !Data->CanTakeHalf) return;
  State = GameStateBusy;
  Data->DoubleUpStarted = true;
  DoubleUp->ShowActive(false);
  const uint32_t half = Data->Win / 2 + Data->Win % 2;  // half rounded up
  Data->Win -= half;
  Data->Credit += half;
  CountUp(Scene->lblWinV, Scene->lblCreditV, half);
  if (Data->Win > 0) {
    DoubleUp->ShowActive(true);
    State = PokerStateDoubleUp;
  } else {
    EndRound();
  }
}

void TPoker::EndRound() {
  SetDealStage(0);
  Data->CountHand(Data->Hand);
  Data->Hand = "HAND_NOTHING";
  AdvanceLumio();
  ShowLumioBonusValue();
  ShowMiniBonus();
  if (PokerDemo) PokerDemo->Start();
  State = GameStateIdle;
}

}  // namespace lx

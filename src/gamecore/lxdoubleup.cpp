#include "gamecore/lxdoubleup.h"

#include "base/lxrandom.h"
#include "base/lxutils.h"
#include "gamecore/lxcard.h"
#include "gamecore/lxgame.h"
#include "gamecore/lxgamedata.h"
#include "gamecore/lxgamescene.h"
#include "gamecore/lxhandeval.h"
#include "gui/lxhost.h"
#include "shell/lxaudio.h"

namespace lx {

namespace {

const char* const kTitles[] = {"BIG/SMALL", "RED/BLACK", "BEAT THE DEALER"};

bool IsRed(int32_t suit) {
  return suit == 2 || suit == 3;
}

void TurnUp(TLxCard* card) {
  if (!card) return;
  card->FaceDown = false;
  card->UpdateImage();
}

void TurnDown(TLxCard* card) {
  if (!card) return;
  card->FaceDown = true;
  card->UpdateImage();
}

}  // namespace

TLxDoubleUp::TLxDoubleUp(TLxGame* game)
    : Game(game),
      Data(game ? game->GetGameData() : nullptr),
      Scene(game ? game->GetScene() : nullptr) {}

int32_t TLxDoubleUp::BarStartLevel(int32_t handCode) {
  switch (handCode) {
    case 1:
    case 2:
    case 4:
    case 21:
      return 5;
    case 3:
    case 20:
      return 6;
    case 5:
      return 4;
    case 6:
      return 3;
    case 7:
    case 8:
      return 2;
    case 9:
      return 1;
    default:
      return 0;
  }
}

TLxCard* TLxDoubleUp::CurrentCard() const {
  return Scene ? Scene->DupCard(DupIndex) : nullptr;
}

void TLxDoubleUp::Pause(uint32_t ms) {
  if (Host) Host->WaitMs(ms);
}

void TLxDoubleUp::Play(const char* sound) {
  if (Sounds) Sounds->PlaySound(sound);
}

void TLxDoubleUp::LightLamp(int32_t index, bool on) {
  SetLamp(dynamic_cast<TLxControl*>(Scene->FindControl("IMG_DUPBAR_" + IntToStr(index))), on);
}

void TLxDoubleUp::BarLamps(int32_t lit) {
  for (int32_t i = 1; i <= BarLength; ++i) {
    auto* lamp = dynamic_cast<TLxControl*>(Scene->FindControl("IMG_DUPBAR_" + IntToStr(i)));
    if (!lamp) break;  // a missing lamp ends the row
    SetLamp(lamp, i <= lit);
  }
}

void TLxDoubleUp::PlaceHitMarker() {
  // The marker's pictures mark places 64 pixels apart, each centred under a card: the row
  // starts under the middle of the first card, wherever the theme put the cards.
  TLxCard* first = Scene->DupCard(1);
  TLxImage* marker = Scene->imgDupHit;
  if (!first || !marker) return;
  marker->SetLeft(first->Left() + first->Width() / 2 - HitMarkerPlace / 2);
  marker->SetTop(first->Top() + first->Height() + 2);
}

void TLxDoubleUp::StepHitMarker() {
  if (Scene && Scene->imgDupHit) Scene->imgDupHit->NextPattern();
}

void TLxDoubleUp::ShowOutcome(const std::string& word) {
  Scene->lblDupHit->SetCaption(word);
  Scene->lblDupHit->SetVisible(true);
}

void TLxDoubleUp::StartDoubleUp(int32_t handCode, bool barActive) {
  if (!Game || !Data || !Scene) return;
  BarActive = barActive;
  DupIndex = 0;
  BarLevel = 0;
  Started = false;
  const uint8_t kind = Data->DoubleUpKind <= DupBeatTheDealer ? Data->DoubleUpKind : DupBigSmall;
  Scene->lblDupTitle->SetCaption(kTitles[kind]);
  Scene->lblDupHit->SetVisible(false);

  if (kind != DupBeatTheDealer) ShowActive(true);
  // The marker belongs to the row games; BEAT THE DEALER uses five cards only.
  if (Scene->imgDupHit) Scene->imgDupHit->SetVisible(kind != DupBeatTheDealer);
  if (kind == DupBeatTheDealer) {
    for (int32_t i = 1; i <= DoubleUpCardCount; ++i) {
      TLxCard* card = Scene->DupCard(i);
      TurnDown(card);
      card->SetVisible(i <= 5);
    }
    Game->State = GameStateDoubleUp;
    SetAsking(true);
    return;
  }

  if (BarActive) {
    BarLamps(0);
    BarLevel = BarStartLevel(handCode);
    BarLamps(BarLevel);
    BarPrize = Data->Win;
    // Unsigned: a huge prize wraps around like the stored values.
    for (int32_t i = BarLevel; i <= BarLength; ++i) BarPrize *= 2;
    if (auto* prize = dynamic_cast<TLxLabel*>(Scene->FindControl("LBL_DUPBARWINV")))
      prize->SetCaption(IntToStr(BarPrize));
  }

  for (int32_t i = 1; i <= DoubleUpCardCount; ++i) {
    TLxCard* card = Scene->DupCard(i);
    card->SetValue(Data->DoubleUpCards[static_cast<size_t>(i)]);
    card->SetVisible(false);
  }
  NextDupCard();
  // The marker starts again at the row's first card: a row left early would otherwise leave it
  // pointing further along in the next double-up.
  PlaceHitMarker();
  if (Scene->imgDupHit) Scene->imgDupHit->SetPattern(1);
  StepHitMarker();
}

void TLxDoubleUp::NextDupCard() {
  const int32_t previous = DupIndex;
  ++DupIndex;
  if (previous == Data->DoubleUpLimit) return;
  if (TLxCard* card = CurrentCard()) {
    TurnDown(card);
    card->SetVisible(true);
  }
}

void TLxDoubleUp::ShowActive(bool on) {
  Active = on;
  if (!Data || !Scene) return;
  if (Data->DoubleUpKind != DupBeatTheDealer) {
    if (Scene->imgDupHitUp->Blink() != on) Scene->imgDupHitUp->SetBlink(on);
    return;
  }
  if (!on) Scene->lblDupHit->SetVisible(false);
  for (int32_t i = 2; i <= 5; ++i) {
    TLxCard* card = Scene->DupCard(i);
    if (on) {
      card->StartCustomEffect(1);
    } else {
      card->StopCustomEffect(1, true);
    }
  }
}

void TLxDoubleUp::SetAsking(bool on) {
  Asking = on;
  if (!Scene) return;
  if (on) Scene->lblDupHit->SetCaption("DOUBLE UP?");
  Scene->lblDupHit->SetVisible(on);
}

void TLxDoubleUp::DealDealer() {
  if (!Data || !Scene) return;
  SetAsking(false);
  for (int32_t i = 1; i <= 5; ++i) {
    int32_t card = 0;
    bool repeated = true;
    while (repeated) {
      card = static_cast<int32_t>(Random(52)) + 1;
      repeated = false;
      for (int32_t j = 1; j < i; ++j)
        if (Data->DoubleUpCards[static_cast<size_t>(j)] == card) repeated = true;
    }
    Data->DoubleUpCards[static_cast<size_t>(i)] = card;
    TLxCard* shown = Scene->DupCard(i);
    shown->SetValue(card);
    shown->FaceDown = i != 1;
    shown->UpdateImage();
    shown->SetVisible(true);
  }
  ShowActive(true);
}

int32_t TLxDoubleUp::JudgeChoice(int32_t choice, std::string& word) const {
  const TLxCard* card = CurrentCard();
  if (!card) {
    word.clear();
    return 0;
  }
  const int32_t rank = card->Rank(), suit = card->Suit();
  if (rank == kJokerRank) {
    word = "JOKER";
    return 4;
  }
  if (Data->DoubleUpKind == DupRedBlack) {
    if (choice == 0) {
      word = IsRed(suit) ? "RED" : "BLACK";
      return IsRed(suit) ? 2 : 0;
    }
    word = IsRed(suit) ? "RED" : "BLACK";
    return IsRed(suit) ? 0 : 2;
  }
  // BIG/SMALL: the ace is small, the seven a draw.
  if (rank == 7) {
    word = "DRAW";
    return 1;
  }
  word = rank < 7 ? "SMALL" : "BIG";
  if (choice == 0) return rank < 7 ? 2 : 0;
  return rank > 7 ? 2 : 0;
}

int32_t TLxDoubleUp::RightChoice() const {
  if (!Data || Data->DoubleUpKind == DupBeatTheDealer) return 0;
  const TLxCard* card = CurrentCard();
  if (!card) return 0;
  if (Data->DoubleUpKind == DupRedBlack) return IsRed(card->Suit()) ? 0 : 1;
  return card->Rank() > 6 ? 1 : 0;
}

void TLxDoubleUp::CallCard(int32_t choice) {
  if (!Game || !Data || !Scene || Data->DoubleUpKind == DupBeatTheDealer) return;
  TLxCard* card = CurrentCard();
  if (!card) return;
  Started = true;
  Game->State = GameStateBusy;
  ShowActive(false);

  std::string word;
  const int32_t m = JudgeChoice(choice, word);
  TLxLabel* result = Scene->lblDupHit;
  result->SetCaption(word);
  result->SetLeft(card->Left() + card->Width() + 2);

  if (m == 0) {
    Data->Win = 0;
    Game->ShowWin();
    Play("SND_DUPLOSE");
    result->SetVisible(true);
    TurnUp(card);
    Scene->ShowMessage("GAME OVER");
    Game->EndRound();
    if (OnFinished) OnFinished(this);
    return;
  }

  TurnUp(card);
  // Unsigned: the win wraps around like the stored value.
  Data->Win *= static_cast<uint32_t>(m);
  Game->ShowWin();
  Play(m > 2 ? "SND_DUPWINSPECIAL" : "SND_DUPWIN");
  result->SetVisible(true);
  Pause(500);
  result->SetVisible(false);

  if (BarActive && BarLevel + 1 == BarLength) {
    CompleteBar();
    return;
  }
  if (!BarActive && DupIndex == Data->DoubleUpLimit) {
    FinishDoubleUp();
    return;
  }
  NextDupCard();
  if (!CurrentCard()) {
    // The row is used up (a limit beyond the ten cards, or a bar longer than the row).
    FinishDoubleUp();
    return;
  }
  if (BarActive) {
    ++BarLevel;
    LightLamp(BarLevel, true);
  }
  StepHitMarker();
  ShowActive(true);
  Game->State = GameStateDoubleUp;
}

void TLxDoubleUp::CompleteBar() {
  Data->Win = 0;
  Game->ShowWin();
  auto* prize = dynamic_cast<TLxLabel*>(Scene->FindControl("LBL_DUPBARWINV"));
  if (prize) prize->SetBlink(true);
  Pause(3000);
  for (int32_t round = 0; round < 3; ++round) {
    BarLamps(0);
    for (int32_t i = 1; i <= BarLength; ++i) {
      LightLamp(i, true);
      Pause(500);
    }
  }
  if (prize) {
    prize->SetBlink(false);
    Game->CountUp(prize, Scene->lblWinV, -1);
  }
  Data->Win = BarPrize;
  FinishDoubleUp();
}

void TLxDoubleUp::PickCard(int32_t index) {
  if (!Game || !Data || !Scene || Asking || Data->DoubleUpKind != DupBeatTheDealer) return;
  if (index < 2 || index > 5) return;
  Started = true;
  Game->State = GameStateBusy;
  ShowActive(false);
  TLxCard* picked = Scene->DupCard(index);
  TurnUp(picked);

  const int32_t dealer = Scene->DupCard(1)->Rank(), player = picked->Rank();
  int32_t outcome;  // -1 lost, 0 draw, 1 won
  if (player == dealer) {
    outcome = 0;
  } else if (dealer == 1) {
    outcome = -1;
  } else if (player == 1) {
    outcome = 1;
  } else {
    outcome = player > dealer ? 1 : -1;
  }
  const char* word = outcome < 0 ? "GAME OVER" : outcome > 0 ? "WIN" : "DRAW";
  ShowOutcome(word);
  Pause(500);
  for (int32_t i = 2; i <= 5; ++i) TurnUp(Scene->DupCard(i));

  if (outcome < 0) {
    Data->Win = 0;
    Game->ShowWin();
    Play("SND_DUPLOSE");
    ShowOutcome(word);
    Scene->ShowMessage("GAME OVER");
    Pause(500);
    Game->EndRound();
    if (OnFinished) OnFinished(this);
    return;
  }
  if (outcome > 0) {
    Data->Win *= 2;
    Game->ShowWin();
    Play("SND_DUPWIN");
    ShowOutcome(word);
    Pause(500);
    Scene->lblDupHit->SetVisible(false);
  } else {
    Play("SND_DRAW");
    ShowOutcome(word);
    Pause(500);
  }
  SetAsking(true);
  Game->State = GameStateDoubleUp;
}

void TLxDoubleUp::FinishDoubleUp() {
  if (!Game || !Scene) return;
  Game->State = GameStateBusy;
  Pause(500);
  Scene->ShowMessage("CONGRATULATIONS");
  Play("SND_DUPWINEND");
  Game->TakeWin();
  Scene->ShowMessage("GAME OVER");
  Pause(2000);
  if (OnFinished) OnFinished(this);
}

}  // namespace lx

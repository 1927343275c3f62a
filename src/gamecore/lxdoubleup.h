// The double-up games a win may be gambled in, on the double-up panel of the game scene:
// BIG/SMALL and RED/BLACK (call the next card of a face-down row of up to ten), and BEAT THE
// DEALER (pick one of four face-down cards against the dealer's open card). The American poker
// games add the double-up bar: a prize for a long series of won calls.
//
// Owned by the game, created after the game's data object and scene. While the player may act
// the game's State is 7 (the game class may set 6 for its own reasons); during a call it is 1.
// The game's DEAL command calls DealDealer while Asking in BEAT THE DEALER; its TakeWin stops
// the display with ShowActive(false).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lx {

class TLxGame;
class TLxGameData;
class TLxGameScene;
class TLxCard;

constexpr uint8_t GameStateDoubleUp = 7;
// Distance of the hit marker's places (one per card of the row).
constexpr int32_t HitMarkerPlace = 64;

class TLxDoubleUp {
 public:
  // Takes the game's data object and scene as they are now.
  explicit TLxDoubleUp(TLxGame* game);
  virtual ~TLxDoubleUp() = default;
  TLxDoubleUp(const TLxDoubleUp&) = delete;
  TLxDoubleUp& operator=(const TLxDoubleUp&) = delete;

  // After a win: the title, the bar (with barActive) from the hand code, the row of cards from
  // the data object's DoubleUpCards (BEAT THE DEALER: four face-down cards and "DOUBLE UP?").
  // The hit marker goes 2 pixels under the first card, its places centred under cards that
  // the theme puts HitMarkerPlace pixels apart, and marks the first card.
  void StartDoubleUp(int32_t handCode, bool barActive);
  // Waiting for the player: the up arrow blinks (BEAT THE DEALER: custom effect 1 of cards
  // 2..5; off also hides the result label).
  void ShowActive(bool on);
  // "DOUBLE UP?" in the result label, which is visible exactly while asking.
  void SetAsking(bool on);
  // BEAT THE DEALER: five new distinct cards without jokers, the dealer's open.
  void DealDealer();
  // BIG/SMALL and RED/BLACK: 0 SMALL or RED, 1 BIG or BLACK.
  void CallCard(int32_t choice);
  // BEAT THE DEALER: the card picked, 2..5; ignored while asking.
  void PickCard(int32_t index);
  // The call that wins on the current card (BEAT THE DEALER: 0).
  int32_t RightChoice() const;
  // Collects the win: "CONGRATULATIONS", the game's TakeWin, "GAME OVER".
  void FinishDoubleUp();
  // The next card of the row turns face down and shows, unless the limit was reached.
  void NextDupCard();
  // The multiplier of the call on the current card (0 lost, 1 draw, 2 won, 4 joker) and the
  // word the result label shows.
  int32_t JudgeChoice(int32_t choice, std::string& word) const;
  // The bar's starting level for a hand code.
  static int32_t BarStartLevel(int32_t handCode);

  // The card at DupIndex; nullptr outside the row.
  TLxCard* CurrentCard() const;

  TLxGame* Game = nullptr;
  TLxGameData* Data = nullptr;
  TLxGameScene* Scene = nullptr;
  std::function<void(TLxDoubleUp* sender)> OnFinished;  // a loss or FinishDoubleUp
  bool Active = false;
  bool Asking = false;
  bool Started = false;
  int32_t DupIndex = 0;
  bool BarActive = false;
  int32_t BarLength = 8;
  int32_t BarLevel = 0;
  uint32_t BarPrize = 0;

 private:
  void CompleteBar();
  void BarLamps(int32_t lit);  // lamps 1..lit on, the rest dark
  void LightLamp(int32_t index, bool on);
  void PlaceHitMarker();
  void StepHitMarker();
  void ShowOutcome(const std::string& word);
  void Pause(uint32_t ms);
  void Play(const char* sound);
};

}  // namespace lx

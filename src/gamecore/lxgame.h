// The base of the two machine classes (video poker and slots): the catalog entry played, the
// scene, the player's statistics record, the round state, and moving money between the player's
// bank and the machine: credit in, bets, the animated count-up, cash-out and leaving.
//
// What a machine class provides:
// - GetGameData (its own data object), EndRound and TakeWin;
// - in its constructor: CardSet when not "CardSet1", the data object (with FileName, then Load),
//   the scene (SetScene), and its double-up and other parts;
// - its own State values above 1 (0 no round, 1 busy; anything else a round in progress);
// - it frees its scene and data object itself.
// The main room sets Statistics right after construction and calls ConfirmLeave and Leave when
// the player leaves; the navigation bar calls AddCredit and AskCashOut.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "gamecore/lxgamemanager.h"
#include "gamecore/lxhandeval.h"

namespace lx {

class TLxGame;
class TLxGameData;
class TLxGameScene;
class TLxLabel;
class TLxCasino;
class TGameStatictics;

// Round states every machine shares.
constexpr uint8_t GameStateIdle = 0;
constexpr uint8_t GameStateBusy = 1;

// The credit window, implemented by the screens layer and installed at start-up (CreditWindow).
class TLxCreditWindow {
 public:
  virtual ~TLxCreditWindow() = default;
  // Creates the credit window over the main scene for the game, shows it modally (its add
  // buttons call game.TransferCredit with their amount) and frees it.
  virtual void ShowModal(TLxGame& game) = 0;
};

extern TLxCreditWindow* CreditWindow;

class TLxGame {
 public:
  // Stores the entry; CardSet "CardSet1"; the evaluator takes the entry's pay table.
  explicit TLxGame(TGameInfo* gameInfo);
  virtual ~TLxGame();
  TLxGame(const TLxGame&) = delete;
  TLxGame& operator=(const TLxGame&) = delete;

  // The virtual slots, in their order.
  virtual TLxGameScene* GetScene() const { return FScene; }
  virtual void SetScene(TLxGameScene* scene) { FScene = scene; }
  // Nothing with no credit; refused with a message during a round; unless noConfirm asks
  // "Cash out N?"; then counts the credit label down and moves the credit into the bank.
  virtual void CashOut(bool noConfirm);
  virtual TLxGameData* GetGameData() const = 0;
  // Win in decimal into the scene's win value label.
  virtual void ShowWin();
  virtual void EndRound() = 0;
  // Credit in decimal into the scene's credit value label, blinking exactly while
  // Credit < Bet (with Bet not negative).
  virtual void ShowCredit();
  // Adds the pending win to the credit and ends the round.
  virtual void TakeWin() = 0;

  // The navigation bar's credit button: the credit window, modal.
  void AddCredit();
  // The navigation bar's cash-out button: CashOut with confirmation.
  void AskCashOut();
  // Modal: the credit window (through CreditWindow). Silent: the window's 100 transfer once.
  // Then ShowCredit.
  void OpenCredit(bool modal);
  // Moves amount from the signed-in player's bank into Credit and the visit's CreditIn, then
  // ShowCredit. When the bank holds less, shows "You don't have enought money to add <amount>!"
  // and moves nothing. False when nothing moved (also without a signed-in player).
  bool TransferCredit(uint32_t amount);
  // False (and ShowCredit) when Bet is 0 or the credit is less; otherwise takes the bet from
  // the credit, ShowCredit, true.
  bool TakeBet();
  // Moves amount from the number fromLabel shows to the number toLabel shows (0 without one),
  // 10 per step while more than 100 remain, then 1, one frame per step. amount -1: all that
  // fromLabel shows. Nothing moves when a label does not read as a number or reads negative,
  // or when amount is negative otherwise. The labels are the only source of the numbers:
  // callers set the true values in the data object themselves.
  void CountUp(TLxLabel* fromLabel, TLxLabel* toLabel, int64_t amount);

  // Leaving the machine, first half (the main room's question): false while busy (silently),
  // during a round (with a message), or when the player does not confirm (developer mode asks
  // nothing).
  bool ConfirmLeave();
  // Second half: cashes out what is left without asking, saves the data file, adds the visit
  // to Statistics, saves the casino (when given) and the players. The main room then hides the
  // scene and frees the game.
  void Leave(TLxCasino* casino);

  // The poker hand of five cards for this game (see TLxHandEvaluator).
  std::string_view EvaluateHand(const std::array<int32_t, 5>& ranks,
                                const std::array<int32_t, 5>& suits, int32_t wildRank,
                                int32_t lumioNumber, THandDetails& details) const {
    return Evaluator.EvaluateHand(ranks, suits, wildRank, lumioNumber, details);
  }
  std::string_view EvaluateCards(int32_t c1, int32_t c2, int32_t c3, int32_t c4, int32_t c5,
                                 int32_t wildRank, int32_t lumioNumber) const {
    return Evaluator.EvaluateCards(c1, c2, c3, c4, c5, wildRank, lumioNumber);
  }

  TGameInfo* GameInfo = nullptr;          // not owned
  TGameStatictics* Statistics = nullptr;  // set by the main room; not owned
  std::string CardSet = "CardSet1";
  uint8_t State = GameStateIdle;
  TLxHandEvaluator Evaluator;

 private:
  TLxGameScene* FScene = nullptr;
};

}  // namespace lx

// The video poker machine: one class plays all sixteen poker games. The game type's
// configuration row (lxpokerrules) turns the common round into jacks-or-better, deuces wild,
// joker poker, the 3-deal Lumio games or American poker.
//
// A round is a state machine driven by the player's commands (DEAL/DRAW, BET, CASH, HOLD 1..5 on
// buttons and keys). Every command checks State itself; the pauses inside a command are WaitMs,
// so frames keep rendering while State 1 keeps other commands out.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gamecore/lxgame.h"
#include "gamecore/lxpokerrules.h"

namespace lx {

class TLxCard;
class TLxControl;
class TLxDoubleUp;
class TLxLabel;
class TPokerAnims;
class TPokerData;
class TPokerScene;

// Round states of the poker machine (0 idle and 1 busy are shared with every machine).
constexpr uint8_t PokerStateHolding = 3;
constexpr uint8_t PokerStateWinShown = 5;
constexpr uint8_t PokerStateThreeDealWin = 6;
constexpr uint8_t PokerStateDoubleUp = 7;

class TPoker : public TLxGame {
 public:
  // Opens the machine: data file, configuration, scene, double-up, card slide, displays, the
  // silent credit of 100 when the bank holds it, and the attract-mode demo.
  explicit TPoker(TGameInfo* gameInfo);
  ~TPoker() override;

  TLxGameData* GetGameData() const override;
  void EndRound() override;
  // The base display, then the bet normalised to what the credit allows.
  void ShowCredit() override;
  void TakeWin() override;

  // Player commands.
  void DealOrDraw();
  int32_t ChangeBet(bool normalise);
  void HoldOrChoose(int32_t position);
  void CollectOrClear();
  void TakeHalf();
  // A machine key (letters as upper-case virtual key codes); false when the key is not one.
  bool HandleKey(uint16_t key);

  void ResetTable();
  void ShowMessage(const std::string& text);
  // The demo's deal: a preset hand evaluated, priced and marked, never paid.
  void DemoDeal(int32_t preset);

  // Parts of the round.
  void DrawCards(int32_t count, bool forDoubleUp, int32_t preset);
  void LiftDealCards(bool together);
  void RevealDealCards(int32_t offset, bool together);
  void EvaluateTable();
  uint32_t PriceHand() const;
  void AutoHold(bool withSound);
  void ShowHeld(TLxCard* card, bool noToggle);
  void ClearHolds();
  void SetDealStage(int32_t stage);
  void SetDealMode(int32_t mode);

  // Pay table writing.
  void FillPayValues();
  void MarkBetColumn();
  void MarkPayRow(bool final, const std::string& hand = "HAND_NOTHING");
  void ClearPayRow();

  // Bonus displays and rules (each does nothing when its feature is off).
  void ShowLumioNumber();
  void ShowLumioBonusValue();
  void ShowLumioMeter(bool animate, bool full);
  void ShowMiniBonus();
  void ShowJackpot();
  void CountLumio();
  void UndoLumio();
  void AdvanceLumio();
  // The mini bonus of a final hand that pays nothing; true when the pool was paid as the win.
  bool CheckMiniBonus();
  void PayAmericanJackpot();

  bool Has(uint16_t feature) const { return (Features & feature) != 0; }
  TLxCard* MainCard(int32_t position) const;

  TPokerScene* Scene = nullptr;
  TPokerAnims* Anims = nullptr;
  TPokerData* Data = nullptr;
  TLxDoubleUp* DoubleUp = nullptr;
  const TPokerConfig* Config = nullptr;
  uint16_t Features = 0;
  int32_t MainRank = 0;
  int32_t SecondRank = 0;

 private:
  void Deal();
  void FirstDraw();
  void ThreeDealStage();
  void DrawAndReveal(int32_t offset);
  void OfferDoubleUp(bool threeDeal);
  bool BeatTheDealerAsking() const;
  int32_t HeldCount() const;
  void Pause(uint32_t ms);
  void Play(const char* sound);
  void BlinkFor(TLxControl* a, TLxControl* b, uint32_t ms);
  void ConnectCommands();
};

}  // namespace lx

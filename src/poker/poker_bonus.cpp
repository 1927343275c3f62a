// The bonuses of the poker machine: the Lumio number, meter and bonus of the Lumio games, and the
// mini bonus pools and jackpot of the American games, with their displays.
#include <algorithm>

#include "base/lxutils.h"
#include "gamecore/lxcard.h"
#include "poker/poker.h"
#include "poker/pokerdata.h"
#include "poker/pokerscene.h"
#include "shell/lxaudio.h"

namespace lx {

void TPoker::ShowLumioNumber() {
  if (!Has(fLumioBonus) || !Scene->lblLumioCard) return;
  Scene->lblLumioCard->SetCaption(IntToStr(Data->LumioNumber));
}

void TPoker::ShowLumioBonusValue() {
  if (!Has(fLumioBonus)) return;
  Data->LumioBonusValue = Data->GetBet() * Data->LumioNumber * 100;
  if (Scene->lblLumioV) Scene->lblLumioV->SetCaption(IntToStr(Data->LumioBonusValue));
}

void TPoker::ShowLumioMeter(bool animate, bool full) {
  if (!Has(fLumioBonus)) return;
  const int32_t lit = full ? 10 : Data->LumioCount(Data->GetBet());
  for (TLxImage* lamp : Scene->imgLumioStage) SetLamp(lamp, false);
  for (int32_t i = 1; i <= std::min(lit, 10); ++i) {
    SetLamp(Scene->imgLumioStage[static_cast<size_t>(i - 1)], true);
    if (animate) Pause(500);
  }
  if (lit == 10) {
    Play("SND_WINJACKPOT");
    for (TLxImage* lamp : Scene->imgLumioStage) lamp->SetBlink(true);
    Pause(3000);
    for (TLxImage* lamp : Scene->imgLumioStage) lamp->SetBlink(false);
  }
}

void TPoker::ShowMiniBonus() {
  if (!Has(fAmericanJackpot) || !Scene->lblAmericanMiniBonusV) return;
  const int32_t bet = Data->GetBet();
  Scene->lblAmericanMiniBonusV->SetCaption(IntToStr(Data->MiniBonus(bet)));
  if (static_cast<int64_t>(Data->MiniBonus(bet)) >=
      static_cast<int64_t>(bet) * Data->MiniBonusFactor) {
    BlinkFor(Scene->lblAmericanMiniBonusV, nullptr, 3000);
  }
}

void TPoker::ShowJackpot() {
  if (!Has(fAmericanJackpot) || !Scene->lblAmericanJackpotV) return;
  Scene->lblAmericanJackpotV->SetCaption(IntToStr(Data->AmericanJackpot));
}

void TPoker::CountLumio() {
  if (!Has(fLumioBonus)) return;
  const int32_t bet = Data->GetBet();
  if (Data->LumioThree) {
    Data->AddLumioCount(bet, 1);
    ShowLumioMeter(true, false);
  }
  if (Data->LumioFour) ShowLumioMeter(false, true);
  if (Data->LumioFour || Data->LumioCount(bet) == 10) {
    Play("SND_WINJACKPOT");
    CountUp(Scene->lblLumioV, Scene->lblWinV, Data->LumioBonusValue);
    Data->Win += static_cast<uint32_t>(Data->LumioBonusValue);
  }
}

void TPoker::UndoLumio() {
  if (!Has(fLumioBonus)) return;
  if (Data->LumioThree) {
    Data->AddLumioCount(Data->GetBet(), -1);
    ShowLumioMeter(false, false);
  }
  if (Data->LumioFour) {
    ShowLumioBonusValue();
    ShowLumioMeter(false, false);
  }
}

void TPoker::AdvanceLumio() {
  if (!Has(fLumioBonus)) return;
  if (Data->AdvanceLumio(Data->GetBet())) {
    ShowLumioNumber();
    ShowLumioMeter(false, false);
  }
}

bool TPoker::CheckMiniBonus() {
  if (!Has(fAmericanJackpot)) return false;
  const int32_t pair = Data->PairRank;
  if (!(pair == 1 || (pair >= 11 && pair <= 13))) return false;
  AutoHold(true);
  const int32_t bet = Data->GetBet();
  Data->AddMiniBonus(bet, bet);
  Play("SND_JACKPOTADD");
  ShowMiniBonus();
  if (static_cast<int64_t>(Data->MiniBonus(bet)) < static_cast<int64_t>(bet) * 100) return false;
  const int32_t pool = Data->MiniBonus(bet);
  Data->AmericanJackpot += pool / 2;
  ShowJackpot();
  Play("SND_WINJACKPOT");
  CountUp(Scene->lblAmericanMiniBonusV, Scene->lblWinV, pool);
  Data->Win = static_cast<uint32_t>(pool);
  Data->SetMiniBonus(bet, bet);
  ShowWin();
  ShowMiniBonus();
  return true;
}

void TPoker::PayAmericanJackpot() {
  if (!Has(fAmericanJackpot)) return;
  Play("SND_WINJACKPOT");
  BlinkFor(Scene->lblAmericanJackpotV, nullptr, 3000);
  CountUp(Scene->lblAmericanJackpotV, Scene->lblCreditV, -1);
  Data->Credit += static_cast<uint32_t>(std::max(Data->AmericanJackpot, 0));
  Data->AmericanJackpot = 1;
  ShowJackpot();
}

}  // namespace lx

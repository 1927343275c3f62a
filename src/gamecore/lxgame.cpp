#include "gamecore/lxgame.h"

#include <charconv>

#include "base/lxutils.h"
#include "gamecore/lxgamedata.h"
#include "gamecore/lxgamescene.h"
#include "gui/lxframe.h"
#include "gui/lxhost.h"
#include "gui/lxmessageframe.h"
#include "persistence/lxapplication.h"
#include "persistence/lxcasinomanager.h"
#include "persistence/playersunit.h"

namespace lx {

TLxCreditWindow* CreditWindow = nullptr;

namespace {

// Dialog kinds (the dialog accepts them and shows every kind alike).
constexpr int32_t kMessageInformation = 2;
constexpr int32_t kMessageConfirmation = 3;

constexpr uint32_t kSilentTransfer = 100;

int32_t Ask(const std::string& text, int32_t kind, int32_t buttons) {
  return Host ? Host->MessageBox(text, kind, buttons) : mrNone;
}

// A label's caption as a whole decimal number (optional sign, digits only); false otherwise.
bool ReadNumber(const TLxLabel* label, int64_t& value) {
  if (!label) return false;
  const std::string text = Trim(label->Caption());
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

}  // namespace

TLxGame::TLxGame(TGameInfo* gameInfo)
    : GameInfo(gameInfo), Evaluator(gameInfo ? TLxHandEvaluator(*gameInfo) : TLxHandEvaluator()) {}

TLxGame::~TLxGame() = default;

void TLxGame::ShowWin() {
  TLxGameScene* scene = GetScene();
  TLxGameData* data = GetGameData();
  if (scene && data && scene->lblWinV) scene->lblWinV->SetCaption(IntToStr(data->Win));
}

void TLxGame::ShowCredit() {
  TLxGameScene* scene = GetScene();
  TLxGameData* data = GetGameData();
  if (!scene || !data || !scene->lblCreditV) return;
  TLxLabel* label = scene->lblCreditV;
  label->SetCaption(IntToStr(data->Credit));
  const int32_t bet = data->GetBet();
  const bool blink = bet >= 0 && data->Credit < static_cast<uint32_t>(bet);
  // Setting the blink restarts its period: only a change may touch it.
  if (label->Blink() != blink) label->SetBlink(blink);
}

void TLxGame::AddCredit() {
  OpenCredit(true);
}

void TLxGame::AskCashOut() {
  CashOut(false);
}

void TLxGame::OpenCredit(bool modal) {
  if (modal) {
    if (CreditWindow) CreditWindow->ShowModal(*this);
  } else {
    TransferCredit(kSilentTransfer);
  }
  ShowCredit();
}

bool TLxGame::TransferCredit(uint32_t amount) {
  TLxGameData* data = GetGameData();
  TLxPlayer* player = Players ? Players->CurrentPlayer : nullptr;
  if (!data || !player) return false;
  if (player->Bank < amount) {
    Ask("You don't have enought money to add " + IntToStr(amount) + "!", kMessageInformation, mbOk);
    return false;
  }
  player->Bank -= amount;
  // Unsigned: the credit and the counters wrap around at 2^32 as stored.
  data->Credit += amount;
  data->SetCreditIn(data->CreditIn() + amount);
  ShowCredit();
  return true;
}

bool TLxGame::TakeBet() {
  TLxGameData* data = GetGameData();
  if (!data) return false;
  const int32_t bet = data->GetBet();
  if (bet <= 0 || data->Credit < static_cast<uint32_t>(bet)) {
    ShowCredit();
    return false;
  }
  data->Credit -= static_cast<uint32_t>(bet);
  ShowCredit();
  return true;
}

void TLxGame::CountUp(TLxLabel* fromLabel, TLxLabel* toLabel, int64_t amount) {
  if (amount == -1 && !ReadNumber(fromLabel, amount)) return;
  int64_t from = 0, to = 0;
  if (!ReadNumber(fromLabel, from)) return;
  if (toLabel && !ReadNumber(toLabel, to)) return;
  // A negative amount or number would count away from zero and never end.
  if (amount < 0 || from < 0 || to < 0) return;
  while (amount != 0) {
    const int64_t step = amount <= 100 ? 1 : 10;
    from -= step;
    to += step;
    amount -= step;
    fromLabel->SetCaption(IntToStr(from));
    if (toLabel) toLabel->SetCaption(IntToStr(to));
    // Once the program is ending the rest is written at once: nested loops must return.
    if (!Host || Host->Terminated()) continue;
    Host->RenderNow();
    Host->HandleMessage();
  }
}

void TLxGame::CashOut(bool noConfirm) {
  TLxGameData* data = GetGameData();
  if (!data || data->Credit == 0) return;
  if (State != GameStateIdle) {
    Ask("You have a game in progress. You cannot cash out now.", kMessageInformation, mbOk);
    return;
  }
  if (!noConfirm &&
      Ask("Cash out " + IntToStr(data->Credit) + "?", kMessageConfirmation, mbYes | mbNo) != mrYes)
    return;
  State = GameStateBusy;
  if (TLxGameScene* scene = GetScene()) CountUp(scene->lblCreditV, nullptr, -1);
  const uint32_t credit = data->Credit;
  if (TLxPlayer* player = Players ? Players->CurrentPlayer : nullptr) player->Bank += credit;
  data->SetCreditOut(data->CreditOut() + credit);
  data->Credit = 0;
  ShowCredit();
  State = GameStateIdle;
}

bool TLxGame::ConfirmLeave() {
  if (State == GameStateBusy) return false;
  if (State != GameStateIdle) {
    Ask("You have a game in progress. You cannot exit now.", kMessageInformation, mbOk);
    return false;
  }
  if (AppInfo && AppInfo->DevMode) return true;
  return Ask("Are you sure you want to exit this game ?", kMessageConfirmation, mbYes | mbNo) ==
         mrYes;
}

void TLxGame::Leave(TLxCasino* casino) {
  TLxGameData* data = GetGameData();
  if (!data) return;
  if (data->Credit != 0) CashOut(true);
  data->Save();
  if (Statistics) data->AddStatisticsTo(*Statistics);
  if (casino) casino->Save();
  if (Players) Players->Save();
}

}  // namespace lx

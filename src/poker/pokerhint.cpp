#include "poker/pokerhint.h"

#include <cstdio>
#include <memory>

#include "gamecore/lxcard.h"
#include "gui/lxhost.h"
#include "odds/lxadvisor.h"
#include "odds/lxcardtext.h"
#include "poker/poker.h"
#include "poker/pokerdata.h"

namespace lx {

namespace {

constexpr uint32_t kBlinkMs = 1500;
constexpr int32_t kHintBlinkSpeed = 2;

// The draw table of the last machine asked: building one takes a moment, a hint then none.
struct THintTable {
  const TGameInfo* Info = nullptr;
  int32_t Lumio = 0;
  std::unique_ptr<TOddsGame> Game;
  std::unique_ptr<TDrawTable> Table;
};

const TDrawTable& TableFor(const TGameInfo& info, int32_t lumio) {
  static std::unique_ptr<THintTable> cached;
  if (!cached || cached->Info != &info || cached->Lumio != lumio) {
    auto fresh = std::make_unique<THintTable>();
    fresh->Info = &info;
    fresh->Lumio = lumio;
    fresh->Game = std::make_unique<TOddsGame>(info, lumio);
    fresh->Table = std::make_unique<TDrawTable>(*fresh->Game);
    cached = std::move(fresh);
  }
  return *cached->Table;
}

std::string HintText(const std::array<int32_t, 5>& cards, const THoldValue& best) {
  std::string held;
  for (size_t i = 0; i < 5; ++i) {
    if (best.Mask & (1u << i)) held += " " + CardText(cards[i]);
  }
  char value[32];
  std::snprintf(value, sizeof value, "%.4f", best.Value());
  if (best.Kind == THoldKind::Redeal) return std::string("BEST: A NEW DEAL ") + value;
  if (held.empty()) return std::string("BEST: DRAW FIVE ") + value;
  return "BEST:" + held + " " + value;
}

}  // namespace

void ShowBestHold(TPoker& poker) {
  if (poker.State != PokerStateHolding || !poker.GameInfo) return;
  std::array<int32_t, 5> cards{};
  for (int32_t i = 1; i <= 5; ++i) cards[static_cast<size_t>(i - 1)] = poker.MainCard(i)->Value();
  const int32_t lumio = poker.Data ? poker.Data->LumioNumber : 5;
  std::array<THoldValue, 32> holds{};
  try {
    holds = AdviseHolds(TableFor(*poker.GameInfo, lumio), cards);
  } catch (const std::exception&) {
    return;  // not five cards of the deck: no hint
  }
  const THoldValue& best = holds[0];
  poker.ShowMessage(HintText(cards, best));
  // busy while the cards blink, so that no command runs in between
  poker.State = GameStateBusy;
  std::array<int32_t, 5> speeds{};
  for (int32_t i = 1; i <= 5; ++i) {
    TLxCard* card = poker.MainCard(i);
    speeds[static_cast<size_t>(i - 1)] = card->BlinkSpeed();
    if (best.Mask & (1u << (i - 1))) {
      card->SetBlinkSpeed(kHintBlinkSpeed);
      card->SetBlink(true);
    }
  }
  if (Host) Host->WaitMs(kBlinkMs);
  for (int32_t i = 1; i <= 5; ++i) {
    TLxCard* card = poker.MainCard(i);
    card->SetBlink(false);
    card->SetBlinkSpeed(speeds[static_cast<size_t>(i - 1)]);
  }
  poker.State = PokerStateHolding;
}

}  // namespace lx

#include "gamecore/lxgamedata.h"

#include "persistence/lxgamehands.h"

namespace lx {

TLxGameData::TLxGameData() : FVisitCollection(std::make_unique<TGamesStatictics>()) {
  VisitStats = FVisitCollection->Add();
}

TLxGameData::~TLxGameData() = default;

void TLxGameData::Load() {
  LoadStoredFile(*this, FileName);
}

void TLxGameData::Save() {
  SaveStoredFile(*this, FileName);
}

void TLxGameData::CountHand(std::string_view handId) {
  if (TGameHand* row = VisitStats->FindOrAddHand(handId, true))
    row->Value = static_cast<int32_t>(static_cast<uint32_t>(row->Value) + 1u);
}

void TLxGameData::AddStatisticsTo(TGameStatictics& record) const {
  // Unsigned: the counters wrap around at 2^32 as the stored ones do.
  record.CreditIn += VisitStats->CreditIn;
  record.CreditOut += VisitStats->CreditOut;
  const TGameHands& hands = *VisitStats->GameHands;
  for (int32_t i = 0; i < hands.Count(); ++i) {
    const TGameHand* visit = hands.Items(i);
    if (TGameHand* row = record.FindOrAddHand(visit->HandIDStr, true))
      row->Value = static_cast<int32_t>(static_cast<uint32_t>(row->Value) +
                                        static_cast<uint32_t>(visit->Value));
  }
}

uint32_t TLxGameData::CreditIn() const {
  return VisitStats->CreditIn;
}

void TLxGameData::SetCreditIn(uint32_t value) {
  VisitStats->CreditIn = value;
}

uint32_t TLxGameData::CreditOut() const {
  return VisitStats->CreditOut;
}

void TLxGameData::SetCreditOut(uint32_t value) {
  VisitStats->CreditOut = value;
}

void TLxGameData::SetBetLevels(const std::vector<int32_t>& levels) {
  if (levels.empty()) return;
  BetLevels.assign(1, 0);
  BetLevels.insert(BetLevels.end(), levels.begin(), levels.end());
  MinBet = levels.front();
  MaxBet = levels.back();
  BetFromList = true;
}

}  // namespace lx

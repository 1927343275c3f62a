#include "poker/pokerdata.h"

namespace lx {

namespace {

// Hands the visit statistics list even when they never come up.
constexpr const char* kListedHands[] = {"HAND_FIVEOFAKIND", "HAND_ROYALFLUSH", "HAND_ROYALFLUSH_N",
                                        "HAND_STREETFLUSH", "HAND_POKER",      "HAND_FULLHOUSE",
                                        "HAND_FLUSH",       "HAND_STREET",     "HAND_THREEOFAKIND",
                                        "HAND_TWOPAIRS",    "HAND_HIGHPAIR",   "HAND_3XLUMIO"};

}  // namespace

TPokerData::TPokerData() {
  MiniBonusFactor = 100;
  DoubleUpLimit = 10;
  for (const char* hand : kListedHands) VisitStats->FindOrAddHand(hand, true);
}

void TPokerData::DeclareProperties(TXMLPropertiesOf<TPokerData>& p) {
  p.Integer("LumioNumber", &TPokerData::LumioNumber)
      .Object("LumioStats", &TPokerData::LumioStats)
      .Object("AmericanMiniBonusStats", &TPokerData::AmericanMiniBonusStats)
      .Integer("AmericanJackpot", &TPokerData::AmericanJackpot)
      .Integer("DupWinJackpot", &TPokerData::DupWinJackpot);
}

void TPokerData::Load() {
  TLxGameData::Load();
  if (LumioNumber < 5 || LumioNumber > 10) LumioNumber = 5;
  // As the machine always did: a meter that was saved comes back one lamp short of full.
  if (LumioStats->Count() > 0) LumioStats->Items(0)->DataInt2 = 9;
  if (AmericanJackpot == 0) AmericanJackpot = 1;
  if (DupWinJackpot == 0) DupWinJackpot = 1;
}

TLxStoreItem* TPokerData::ItemOf(const TLxStoreItems& items, int32_t bet) const {
  for (int32_t i = 0; i < items.Count(); ++i) {
    if (items.Items(i)->DataInt == bet) return items.Items(i);
  }
  return nullptr;
}

TLxStoreItem* TPokerData::ItemOrAdd(TLxStoreItems& items, int32_t bet) {
  if (TLxStoreItem* item = ItemOf(items, bet)) return item;
  TLxStoreItem* item = items.Add();
  item->DataInt = bet;
  return item;
}

int32_t TPokerData::LumioCount(int32_t bet) const {
  const TLxStoreItem* item = ItemOf(*LumioStats, bet);
  return item ? item->DataInt2 : 0;
}

void TPokerData::SetLumioCount(int32_t bet, int32_t value) {
  ItemOrAdd(*LumioStats, bet)->DataInt2 = value;
}

void TPokerData::AddLumioCount(int32_t bet, int32_t delta) {
  ItemOrAdd(*LumioStats, bet)->DataInt2 += delta;
}

int32_t TPokerData::MiniBonus(int32_t bet) const {
  const TLxStoreItem* item = ItemOf(*AmericanMiniBonusStats, bet);
  return item && item->DataInt2 != 0 ? item->DataInt2 : bet;
}

void TPokerData::SetMiniBonus(int32_t bet, int32_t value) {
  ItemOrAdd(*AmericanMiniBonusStats, bet)->DataInt2 = value;
}

void TPokerData::AddMiniBonus(int32_t bet, int32_t amount) {
  TLxStoreItem* item = ItemOf(*AmericanMiniBonusStats, bet);
  if (!item) {
    item = AmericanMiniBonusStats->Add();
    item->DataInt = bet;
    item->DataInt2 = bet;
  } else if (item->DataInt2 == 0) {
    item->DataInt2 = bet;
  }
  item->DataInt2 += amount;
}

bool TPokerData::AdvanceLumio(int32_t bet) {
  if (!LumioFour && !(LumioThree && LumioCount(bet) == 10)) return false;
  SetLumioCount(bet, 0);
  LumioNumber += 1;
  if (LumioNumber > 10) LumioNumber = 7;
  return true;
}

}  // namespace lx

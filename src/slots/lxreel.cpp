#include "slots/lxreel.h"

#include "base/lxrandom.h"
#include "base/lxutils.h"

namespace lx {

std::function<int32_t()> ForcedReelPattern;

namespace {

struct TSymbolRange {
  int32_t FirstSlot, Count, FirstID;
  uint8_t Group;
  const char* Texture;
  int32_t FirstHand, Weight;
};

// Slots, identifiers and hand codes of the symbol groups.
constexpr TSymbolRange kRanges[] = {
    {1, 6, 1, grNormal, "REELITEM_NORMAL_", 31, 100},
    {11, 3, 11, grCherry, "REELITEM_CHERRY_", 41, 100},
    {21, 2, 21, grBar, "REELITEM_BAR_", 71, 100},
    {23, 4, 23, grBar, "REELITEM_BAR_", 73, 30},
    {31, 3, 31, grSeven, "REELITEM_SEVEN_", 51, 10},
    {41, 3, 41, grEmpty, "REELITEM_EMPTY_", 0, 100},
};

// First slot of each counted group: NORMAL, CHERRY, BAR, SEVEN, EMPTY.
constexpr int32_t kGroupFirstSlot[5] = {1, 11, 21, 31, 41};
constexpr uint8_t kGroupBit[5] = {grNormal, grCherry, grBar, grSeven, grEmpty};
constexpr int32_t BonusSlot = 51;

std::array<TReelSymbolDef, SymbolSlotCount + 1> BuildTable() {
  std::array<TReelSymbolDef, SymbolSlotCount + 1> table{};
  for (const TSymbolRange& r : kRanges) {
    for (int32_t k = 0; k < r.Count; ++k) {
      TReelSymbolDef& d = table[static_cast<size_t>(r.FirstSlot + k)];
      d.SymbolID = r.FirstID + k;
      d.Group = r.Group;
      // The name's number counts within the group of ten slots (BAR_3 is slot 23).
      d.TextureName = r.Texture + IntToStr((r.FirstSlot + k) % 10);
      d.LineHandCode = r.FirstHand == 0 ? 0 : r.FirstHand + k;
      d.Weight = r.Weight;
    }
  }
  TReelSymbolDef& bonus = table[BonusSlot];
  bonus.SymbolID = 50;
  bonus.Group = grBonus;
  bonus.TextureName = "REELITEM_BONUS_1";
  bonus.LineHandCode = 91;
  bonus.Weight = 100;
  return table;
}

struct TForcedRow {
  const char* Text;
  uint16_t Cells;  // bit c set: cell c is forced (bit 0 unused); 0xFFFE: every cell
  int32_t Slot;    // or one of the machine's symbols below
};

constexpr uint16_t Middle = (1 << 4) | (1 << 5) | (1 << 6);
constexpr uint16_t AllCells = 0xFFFE;
constexpr int32_t PoolSlot = -1;
constexpr int32_t BellSlot = -2;
constexpr int32_t CollectSlot = -3;

constexpr TForcedRow kForced[ForcedPatternCount] = {
    {"-", 0, 0},
    {"1 BAR", Middle, 21},
    {"2 BAR", Middle, 22},
    {"3 BAR", Middle, 23},
    {"CHERRY LINE", Middle, 11},
    {"7 LINE", Middle, 31},
    {"POOL LINE", Middle, PoolSlot},
    {"POOL O", (1 << 2) | (1 << 4) | (1 << 6) | (1 << 8), PoolSlot},
    {"POOL CROSS", (1 << 1) | (1 << 3) | (1 << 5) | (1 << 7) | (1 << 9), PoolSlot},
    {"BELL LINE", Middle, BellSlot},
    {"COLLECT BAR", Middle, CollectSlot},
    {"ALL FRUIT", AllCells, 1},
    {"ALL CHERRY", AllCells, 11},
    {"ALL BAR", AllCells, 21},
    {"ALL 7", AllCells, 31},
};

}  // namespace

const std::array<TReelSymbolDef, SymbolSlotCount + 1>& ReelSymbolTable() {
  static const std::array<TReelSymbolDef, SymbolSlotCount + 1> table = BuildTable();
  return table;
}

std::array<uint8_t, SymbolSlotCount + 1> SymbolGroupMasks(const TSymbolCounts& counts) {
  std::array<uint8_t, SymbolSlotCount + 1> masks{};
  const auto& table = ReelSymbolTable();
  for (size_t g = 0; g < 5; ++g) {
    for (int32_t k = 0; k < counts[g]; ++k) {
      const int32_t slot = kGroupFirstSlot[g] + k;
      // Never beyond the slots the group has.
      if (slot > SymbolSlotCount || table[static_cast<size_t>(slot)].Group != kGroupBit[g]) break;
      masks[static_cast<size_t>(slot)] = kGroupBit[g];
    }
  }
  masks[BonusSlot] = grBonus;
  return masks;
}

int32_t StripAcceptWeight(int32_t kind, int32_t slot, int32_t weight) {
  if (kind == 0 || slot == 41) return weight;
  if (kind == 3 && (slot == 11 || (slot >= 31 && slot <= 33))) return 30;
  return 10;
}

double StripAcceptChance(int32_t weight) {
  if (weight >= 100) return 1.0;
  if (weight <= 1) return 0.0;
  return static_cast<double>(weight - 1) / 98.0;
}

bool StripCanFill(const std::array<uint8_t, SymbolSlotCount + 1>& masks, uint8_t kindMask) {
  // Slot 60 is never drawn (1..59).
  for (int32_t n = 1; n < SymbolSlotCount; ++n)
    if ((masks[static_cast<size_t>(n)] & kindMask) != 0) return true;
  return false;
}

int32_t DrawStripSlot(int32_t kind, uint8_t kindMask,
                      const std::array<uint8_t, SymbolSlotCount + 1>& masks,
                      const std::array<int32_t, SymbolSlotCount + 1>& weights) {
  if (!StripCanFill(masks, kindMask)) return 0;
  for (;;) {
    const int32_t n = RandomRange(1, 60);
    if ((masks[static_cast<size_t>(n)] & kindMask) == 0) continue;
    const int32_t w = StripAcceptWeight(kind, n, weights[static_cast<size_t>(n)]);
    if (w >= 100) return n;
    const int32_t r = RandomRange(1, 99);
    if (r < w) return n;
  }
}

std::array<double, SymbolSlotCount + 1> StripDistribution(
    int32_t kind, uint8_t kindMask, const std::array<uint8_t, SymbolSlotCount + 1>& masks,
    const std::array<int32_t, SymbolSlotCount + 1>& weights) {
  std::array<double, SymbolSlotCount + 1> p{};
  double total = 0;
  for (int32_t n = 1; n < SymbolSlotCount; ++n) {
    const auto i = static_cast<size_t>(n);
    if ((masks[i] & kindMask) == 0) continue;
    p[i] = StripAcceptChance(StripAcceptWeight(kind, n, weights[i]));
    total += p[i];
  }
  if (total > 0)
    for (double& v : p) v /= total;
  return p;
}

const char* ForcedPatternText(int32_t entry) {
  return entry >= 0 && entry < ForcedPatternCount ? kForced[entry].Text : "";
}

int32_t ForcedPatternSlot(int32_t entry, int32_t cell, int32_t poolSymbol, int32_t bellSymbol,
                          int32_t collectStage) {
  if (entry <= 0 || entry >= ForcedPatternCount || cell < 1 || cell > 15) return 0;
  const TForcedRow& row = kForced[entry];
  if ((row.Cells & (1u << cell)) == 0) return 0;
  if (entry == 11) return cell == 1 ? 11 : 1;   // ALL FRUIT
  if (entry == 13) return cell == 4 ? 22 : 21;  // ALL BAR
  if (row.Slot == PoolSlot) return poolSymbol;
  if (row.Slot == BellSlot) return bellSymbol;
  if (row.Slot == CollectSlot) return collectStage;
  return row.Slot;
}

int32_t CurrentForcedPattern() {
  return ForcedReelPattern ? ForcedReelPattern() : 0;
}

// ---- TLxReelItemInfo ----

TLxReelItemInfo::TLxReelItemInfo(TLxComponent* owner) : TLxImage(owner) {
  HitTest = false;
}

// ---- TLxReel ----

TLxReel::TLxReel(TLxComponent* owner) : TLxImage(owner) {
  Clip = true;
}

void TLxReel::ResetReel() {
  // At rest at once: a reset during a spin must not leave a reel that waits for nothing.
  Spinning = false;
  Settling = false;
  Speed = 0;
  Position = 0;
  Target = TruncDiv(Height() - ItemHeight, 2);
  Threshold = TruncDiv(Height(), 2);
  Offset = Target;
}

void TLxReel::StartSpin() {
  ResetReel();
  Speed = 80;
  Spinning = true;
  Settling = false;
  SpinFrames = 0;
}

void TLxReel::HurryStop() {
  if (Speed > 30) Speed = 30;
}

TLxReelItemInfo* TLxReel::CurrentSymbol() const {
  if (Position < 0 || Position >= static_cast<int32_t>(Strip.size())) return nullptr;
  return Strip[static_cast<size_t>(Position)];
}

void TLxReel::SetSymbolBlink(bool value) {
  SymbolBlink = value;
  FBlinkCounter = 0;
  FCurrentVisible = !value;
}

void TLxReel::ForceRest() {
  Spinning = false;
  Settling = false;
  Speed = 0;
  Offset = Target;
}

void TLxReel::StepMotion() {
  if (Spinning) ++SpinFrames;
  if (Speed > 0) {
    if (!Settling) --Speed;
    if (Spinning && Speed < 1) Settling = true;
    if (Settling) {
      if (Offset == Target) {
        Spinning = false;
        Settling = false;
        Speed = 0;
      } else if (Offset + 1 == Target) {
        Speed = 1;
      } else if (Offset + 2 == Target) {
        Speed = 2;
      } else if (Offset + 3 == Target) {
        Speed = 3;
      } else {
        Speed = 4;
      }
    }
    Offset += Speed;
  }
  if (Offset > Threshold && ItemHeight > 0) {
    const int32_t count = static_cast<int32_t>(Strip.size());
    Position = Position == 0 ? count - 1 : Position - 1;
    if (Position < 0) Position = 0;
    Offset -= ItemHeight;
  }
}

void TLxReel::DrawSymbol(TLxReelItemInfo* symbol, int32_t top) {
  if (!symbol) return;
  symbol->SetLeft(Left());
  symbol->SetTop(top);
  symbol->Paint();
}

void TLxReel::Paint() {
  TLxImage::Paint();
  StepMotion();
  const int32_t count = static_cast<int32_t>(Strip.size());
  if (count == 0) return;
  const auto at = [this](int32_t i) { return Strip[static_cast<size_t>(i)]; };
  DrawSymbol(at(Position == 0 ? count - 1 : Position - 1), Top() + Offset - ItemHeight);
  if (SymbolBlink && ++FBlinkCounter >= FBlinkPeriod) {
    FBlinkCounter = 0;
    FCurrentVisible = !FCurrentVisible;
  }
  if (FCurrentVisible) DrawSymbol(at(Position), Top() + Offset);
  DrawSymbol(at(Position + 1 >= count ? 0 : Position + 1), Top() + Offset + ItemHeight);
}

}  // namespace lx

// Reels and reel symbols: the 60 shared symbol pictures of a slot machine (TLxReelItemInfo),
// the strip acceptance rules that make a spin random, the developer's forced first symbols, and
// the reel control (TLxReel) that scrolls its strip down, decelerates and creeps to rest with
// one symbol centred.
//
// The strip rules are plain functions over the symbol table so that a return analysis can use
// them without any control or scene.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/lxcontrols.h"

namespace lx {

// Group bits of the symbols.
constexpr uint8_t grNormal = 2;
constexpr uint8_t grCherry = 4;
constexpr uint8_t grBar = 8;
constexpr uint8_t grSeven = 16;
constexpr uint8_t grEmpty = 32;
constexpr uint8_t grBonus = 64;

constexpr int32_t SymbolSlotCount = 60;
constexpr int32_t StripLength = 100;

// One slot of the symbol table.
struct TReelSymbolDef {
  int32_t SymbolID = 0;  // 0: the slot is empty
  uint8_t Group = 0;     // the group bit the slot belongs to (set on a machine that uses it)
  std::string TextureName;
  int32_t LineHandCode = 0;
  int32_t Weight = 100;
};

// The table by slot number 1..60 (index 0 unused).
const std::array<TReelSymbolDef, SymbolSlotCount + 1>& ReelSymbolTable();

// The group masks a machine gives its symbols: the first counts[g] slots of each of the groups
// NORMAL, CHERRY, BAR, SEVEN, EMPTY get their bit; the BONUS slot always has it. Index = slot.
using TSymbolCounts = std::array<int32_t, 5>;
std::array<uint8_t, SymbolSlotCount + 1> SymbolGroupMasks(const TSymbolCounts& counts);

// The acceptance weight of slot n in a strip of the spin kind (weight = the slot's Weight).
int32_t StripAcceptWeight(int32_t kind, int32_t slot, int32_t weight);
// The chance that a drawn slot of that weight is accepted: 1 from 100 on, else (w - 1) / 98.
double StripAcceptChance(int32_t weight);
// Whether some slot can be placed at all with the kind's mask.
bool StripCanFill(const std::array<uint8_t, SymbolSlotCount + 1>& masks, uint8_t kindMask);
// One accepted slot number drawn from the program's generator: a uniform slot 1..59 sharing a
// bit with kindMask, accepted with its weight, else drawn again. 0 when nothing can be placed.
int32_t DrawStripSlot(int32_t kind, uint8_t kindMask,
                      const std::array<uint8_t, SymbolSlotCount + 1>& masks,
                      const std::array<int32_t, SymbolSlotCount + 1>& weights);
// The probability of each slot as one strip entry (what DrawStripSlot yields in the long run):
// proportional to the acceptance chance over the placeable slots. All 0 when none is placeable.
std::array<double, SymbolSlotCount + 1> StripDistribution(
    int32_t kind, uint8_t kindMask, const std::array<uint8_t, SymbolSlotCount + 1>& masks,
    const std::array<int32_t, SymbolSlotCount + 1>& weights);

// Developer forcing of the first strip symbol of a normal spin. The entries of the forcing list,
// 0 "-" forcing nothing.
constexpr int32_t ForcedPatternCount = 15;
const char* ForcedPatternText(int32_t entry);
// The slot placed in the cell (1-based) for the entry, or 0 when the entry leaves the cell alone.
// Symbol numbers of the machine equal their slot numbers for the symbols these name.
int32_t ForcedPatternSlot(int32_t entry, int32_t cell, int32_t poolSymbol, int32_t bellSymbol,
                          int32_t collectStage);
// Where the reels read the selected forcing entry (the debug window's list installs it in
// developer mode). Unset or returning 0: nothing is forced.
extern std::function<int32_t()> ForcedReelPattern;
int32_t CurrentForcedPattern();

// One symbol picture, shared by every strip that refers to it; a reel moves it where it needs
// it and paints it.
class TLxReelItemInfo : public TLxImage {
 public:
  explicit TLxReelItemInfo(TLxComponent* owner);

  int32_t SymbolID = 0;
  uint8_t GroupMask = 0;
  std::string TextureName;
  int32_t LineHandCode = 0;
  int32_t Weight = 100;
};

class TLxReel : public TLxImage {
 public:
  explicit TLxReel(TLxComponent* owner);

  // The inherited paint (the reel's own picture), then one motion step and the three symbols.
  void Paint() override;

  // At rest with strip position 0 centred.
  void ResetReel();
  void StartSpin();
  void HurryStop();
  TLxReelItemInfo* CurrentSymbol() const;
  void SetSymbolBlink(bool value);
  // The motion of one frame (what Paint does before drawing).
  void StepMotion();
  // Brings a spinning reel to rest where it stands, the current symbol centred.
  void ForceRest();
  bool CurrentVisible() const { return FCurrentVisible; }

  std::vector<TLxReelItemInfo*> Strip;  // not owning
  int32_t Position = 0;
  int32_t Offset = 0;
  int32_t Speed = 0;
  int32_t Target = 0;
  int32_t Threshold = 0;
  int32_t ItemHeight = 0;
  bool Spinning = false;
  bool Settling = false;
  bool SymbolBlink = false;
  bool WinMark = false;
  bool PoolMark = false;
  int32_t SpinFrames = 0;  // motion steps since the spin started

 private:
  void DrawSymbol(TLxReelItemInfo* symbol, int32_t top);

  int32_t FBlinkCounter = 0;
  int32_t FBlinkPeriod = 30;
  bool FCurrentVisible = true;
};

}  // namespace lx

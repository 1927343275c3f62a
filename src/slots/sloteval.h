// Line and screen evaluation of a slot spin: what the screen pays, which lines won, which cells
// the result animation highlights, and the bonus triggers tied to particular lines. It works on
// the symbols showing in the cells and the machine's bonus state, so it runs with or without a
// scene; what it shows and plays goes through TSlotEvalEvents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "slots/slotsdata.h"
#include "slots/slotsetup.h"

namespace lx {

class TGameInfo;

// What a cell shows.
struct TSlotCell {
  int32_t SymbolID = 0;
  uint8_t GroupMask = 0;
  int32_t LineHandCode = 0;
};

// What the evaluation asks of the machine besides its result. Every hook does nothing here.
class TSlotEvalEvents {
 public:
  virtual ~TSlotEvalEvents() = default;
  virtual void PlaySound(const std::string& name) { (void)name; }
  // The image blinks for ms milliseconds (the machine waits meanwhile).
  virtual void BlinkImage(const std::string& name, uint32_t ms) {
    (void)name;
    (void)ms;
  }
  // The image and the symbols of the line (index into the lines) blink together for ms.
  virtual void BlinkWithLine(const std::string& name, int32_t line, uint32_t ms) {
    (void)name;
    (void)line;
    (void)ms;
  }
  virtual void CountHand(const std::string& handId) { (void)handId; }
  // The bar sum pot is paid to the credit by a line (index); the machine resets the pot.
  virtual void PayBarSum(int32_t line) { (void)line; }
  virtual void SetInfo(const std::string& text) { (void)text; }
};

class TSlotEvaluator {
 public:
  // Game: the pay table (must outlive the evaluator); data: bets, bonus state and queue.
  TSlotEvaluator(const TGameInfo& game, const TSlotSetup& setup, TSlotsData& data,
                 TSlotEvalEvents* events = nullptr);

  // The whole spin: every line with coins, then the screen. Cells holds the grid's cells in
  // reading order; LineBets the coins of each line. Returns the win.
  int32_t Evaluate(const std::vector<TSlotCell>& cells, const std::vector<int32_t>& lineBets);
  // Sets WinCodes[line].
  void EvaluateLine(const std::vector<TSlotCell>& cells, int32_t line);
  int32_t EvaluateScreen(const std::vector<TSlotCell>& cells);

  std::vector<int32_t> WinCodes;  // by line index
  std::vector<bool> WinMarks;     // by cell index
  std::string Info;

 private:
  void Sound(const std::string& name);
  void Blink(const std::string& name, uint32_t ms);
  void Count(const std::string& handId);
  void AddInfo(const std::string& text);
  int32_t CountScreen(const std::vector<TSlotCell>& cells, int32_t baseCode, uint8_t groups,
                      const std::string& handPrefix);

  const TGameInfo& FGame;
  const TSlotSetup& FSetup;
  TSlotsData& FData;
  TSlotEvalEvents* FEvents;
  std::vector<int32_t> FLineBets;
};

}  // namespace lx

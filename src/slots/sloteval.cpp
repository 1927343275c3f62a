#include "slots/sloteval.h"

#include "base/lxutils.h"
#include "gamecore/lxgamemanager.h"

namespace lx {

namespace {

constexpr int32_t hcCherryLineF2 = 44;
constexpr int32_t hcCherryLineF1 = 45;
constexpr int32_t hcBarAllLine = 77;

}  // namespace

TSlotEvaluator::TSlotEvaluator(const TGameInfo& game, const TSlotSetup& setup, TSlotsData& data,
                               TSlotEvalEvents* events)
    : FGame(game), FSetup(setup), FData(data), FEvents(events) {}

void TSlotEvaluator::Sound(const std::string& name) {
  if (FEvents) FEvents->PlaySound(name);
}

void TSlotEvaluator::Blink(const std::string& name, uint32_t ms) {
  if (FEvents) FEvents->BlinkImage(name, ms);
}

void TSlotEvaluator::Count(const std::string& handId) {
  if (FEvents) FEvents->CountHand(handId);
}

void TSlotEvaluator::AddInfo(const std::string& text) {
  Info += text;
  if (FEvents) FEvents->SetInfo(Info);
}

int32_t TSlotEvaluator::Evaluate(const std::vector<TSlotCell>& cells,
                                 const std::vector<int32_t>& lineBets) {
  const auto& lines = GridLines(FSetup.Layout);
  FLineBets = lineBets;
  FLineBets.resize(lines.size(), 0);
  WinCodes.assign(lines.size(), 0);
  Info.clear();
  AddInfo("Win: ");
  int32_t win = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (FLineBets[i] <= 0) continue;
    EvaluateLine(cells, static_cast<int32_t>(i));
    if (WinCodes[i] != 0) {
      Count(FGame.HandIDOfCode(WinCodes[i]));
      win += FGame.PayOfCode(WinCodes[i]) * FLineBets[i];
    }
  }
  win += EvaluateScreen(cells);
  if (win > 0) Sound("SND_SLOTWIN");
  return win;
}

void TSlotEvaluator::EvaluateLine(const std::vector<TSlotCell>& cells, int32_t line) {
  const auto& lines = GridLines(FSetup.Layout);
  if (line < 0 || line >= static_cast<int32_t>(lines.size())) return;
  if (WinCodes.size() != lines.size()) WinCodes.assign(lines.size(), 0);
  const TSlotLineDef& def = lines[static_cast<size_t>(line)];
  int32_t& code = WinCodes[static_cast<size_t>(line)];
  code = 0;
  std::vector<TSlotCell> s;
  for (int32_t cell : def.Cells) {
    const auto i = static_cast<size_t>(cell - 1);
    s.push_back(i < cells.size() ? cells[i] : TSlotCell{});
  }
  const uint16_t opt = FSetup.Options;
  const bool free = FData.InBonusGame;

  bool equal = true;
  for (const TSlotCell& c : s) equal = equal && c.SymbolID == s[0].SymbolID;

  if (equal) {
    if (FGame.HasHandCode(s[0].LineHandCode)) code = s[0].LineHandCode;
    if (def.BetGroup == 1 && !free) {
      const int32_t id = s[0].SymbolID;
      if ((opt & optCherryBonus) && id == FData.CherryBonusSymbol) {
        FData.QueueBonusGame(bgCherry);
        Sound("SND_SLOTBAR");
        Blink("IMG_CHERRYBONUS", 2000);
      }
      static const struct {
        uint16_t Bit;
        int32_t ID;
        const char* Image;
      } bars[] = {{optBarBonus1, 21, "IMG_BARBONUS"},
                  {optBarBonus2, 22, "IMG_BARBONUS2"},
                  {optBarBonus3, 23, "IMG_BARBONUS3"}};
      for (const auto& bar : bars) {
        if ((opt & bar.Bit) && id == bar.ID) {
          FData.QueueBonusGame(bgBar);
          Sound("SND_SLOTBAR");
          Blink(bar.Image, 2000);
        }
      }
      const int32_t stage = FData.CollectBonusStage;
      if ((opt & optCollectBonus) && stage >= 1 && stage <= 5 && id == stage) {
        FData.QueueBonusGame(bgCollect);
        Sound("SND_SLOTBAR");
        if (FEvents) FEvents->BlinkWithLine("IMG_COLLECTBONUS_" + IntToStr(stage), line, 2000);
        FData.CollectBonusStage += 1;
      }
    }
    if (!free && (opt & optBellBonus) && s[0].SymbolID == FData.BellSymbol) {
      Sound("SND_SLOTBONUSDOWN");
      Blink("IMG_BELLBONUS", 1000);
      FData.BellBonusStage -= 1;
    }
    AddInfo("Line: ");
    return;
  }

  if (s[0].GroupMask & grCherry) {
    if (s[0].SymbolID == s[1].SymbolID && FGame.HasHandCode(hcCherryLineF2)) {
      code = hcCherryLineF2;
      if ((opt & optCherryBonus) && !free && s[0].SymbolID == FData.CherryBonusSymbol) {
        Sound("SND_SLOTBONUSDOWN");
        Blink("IMG_2CHERRY", 1000);
        FData.CherryBonusStage -= 1;
      }
      AddInfo("Line (2): ");
      return;
    }
    if (FGame.HasHandCode(hcCherryLineF1)) {
      code = hcCherryLineF1;
      AddInfo("Line (1): ");
      return;
    }
  }

  if ((s[0].GroupMask & grBar) && (s[1].GroupMask & grBar) && (s[2].GroupMask & grBar)) {
    if ((opt & optBarSumBonus) && def.BetGroup == 1 && !free) {
      const int32_t sum = (s[0].SymbolID - 20) + (s[1].SymbolID - 20) + (s[2].SymbolID - 20);
      if (sum == 7) {
        FData.QueueBonusGame(bgBar);
        Sound("SND_SLOTBAR");
        if (FEvents) FEvents->PayBarSum(line);
      }
    }
    if (FGame.HasHandCode(hcBarAllLine)) {
      code = hcBarAllLine;
      AddInfo("Line: ");
    }
  }
}

int32_t TSlotEvaluator::CountScreen(const std::vector<TSlotCell>& cells, int32_t baseCode,
                                    uint8_t groups, const std::string& handPrefix) {
  int32_t j = 0;
  for (const TSlotCell& c : cells) j += (c.GroupMask & groups) ? 1 : 0;
  if (j < 1 || j > 9 || !FGame.HasHandCode(baseCode + j)) return 0;
  Count(handPrefix + IntToStr(j));
  const int32_t win = FGame.PayOfCode(baseCode + j) * FData.GetBet();
  if (win > 0)
    for (size_t i = 0; i < cells.size(); ++i)
      if (cells[i].GroupMask & groups) WinMarks[i] = true;
  return win;
}

int32_t TSlotEvaluator::EvaluateScreen(const std::vector<TSlotCell>& cells) {
  WinMarks.assign(cells.size(), false);
  int32_t win = CountScreen(cells, 60, grSeven, "HAND_SEVENALL");
  win += CountScreen(cells, 100, grBonus, "HAND_BONUSALL");
  if (win >= 1) return win;

  static const struct {
    int32_t Code;
    uint8_t Marked;
  } fulls[] = {{46, grCherry}, {37, grNormal | grCherry}, {78, grBar}, {110, grEmpty}};
  for (const auto& full : fulls) {
    if (!FGame.HasHandCode(full.Code)) continue;
    int32_t count = 0;
    for (const TSlotCell& c : cells) {
      // All fruits: the bell symbol does not count as a fruit.
      const bool counted = full.Code == 37
                               ? (c.GroupMask & grCherry) ||
                                     ((c.GroupMask & grNormal) && c.SymbolID != FData.BellSymbol)
                               : (c.GroupMask & full.Marked) != 0;
      count += counted ? 1 : 0;
    }
    if (count != 9) continue;
    Count(FGame.HandIDOfCode(full.Code));
    for (size_t i = 0; i < cells.size(); ++i)
      if (cells[i].GroupMask & full.Marked) WinMarks[i] = true;
    return FGame.PayOfCode(full.Code) * FData.GetBet();
  }
  return win;
}

}  // namespace lx

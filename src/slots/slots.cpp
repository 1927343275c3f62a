#include "slots/slots.h"

#include <algorithm>

#include "base/lxlog.h"
#include "base/lxrandom.h"
#include "base/lxutils.h"
#include "gamecore/lxcard.h"
#include "gamecore/lxdoubleup.h"
#include "gui/lxhost.h"
#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "shell/lxaudio.h"
#include "slots/slotanims.h"
#include "slots/slotsdemounit.h"
#include "slots/slotsscene.h"

namespace lx {

namespace {

constexpr uint16_t KeyOne = 49;
constexpr uint16_t KeyB = 66;
constexpr uint16_t KeyC = 67;
constexpr uint16_t KeyE = 69;
constexpr uint16_t KeyG = 71;
constexpr uint16_t KeyM = 77;
constexpr uint16_t KeyN = 78;
constexpr uint16_t KeyP = 80;
constexpr uint16_t KeyV = 86;
constexpr uint16_t KeyX = 88;
constexpr uint16_t KeyZ = 90;

bool DevMode() {
  return AppInfo && AppInfo->DevMode;
}

}  // namespace

TSlots::TSlots(TGameInfo* gameInfo) : TLxGame(gameInfo) {
  const int32_t type = gameInfo ? gameInfo->GameType : 0;
  Setup = SlotSetupOf(type);
  static const TSlotSetup none;
  if (!Setup) Setup = &none;

  SlotsData = std::make_unique<TSlotsData>(type);
  if (Settings && gameInfo)
    SlotsData->FileName =
        Settings->UserCasinosFolder + Settings->ThemeName + "/" + gameInfo->IDStr + ".dat";
  SlotsData->Load();

  Options = Setup->Options;
  Layout = Setup->Layout;
  KindMasks = Setup->KindMasks;
  SlotsData->ReelSet = Setup->ReelSet;
  SlotsData->MaxBet = Setup->MaxCoins;
  SlotsData->DoubleUpKind = Setup->DoubleUpKind;
  SlotsData->DoubleUpLimit = 8;
  SlotsData->MinBet = 5;
  SlotsData->BetStep = 1;
  SlotsData->BetFromList = false;
  SlotsData->BellSymbol = Setup->BellSymbol;
  SlotsData->PoolSymbol = Setup->PoolSymbol;
  SlotsData->CherryBonusSymbol = Setup->CherryBonusSymbol;

  CardSet = "CardSetFruit";
  Scene = new TSlotsScene(nullptr, Setup->SceneName, gameInfo, Options);
  Scene->Game = this;
  SetScene(Scene);
  Scene->ShowMusic = Setup->MusicTheme;
  if (!Setup->Background.empty()) Scene->Background->Texture.SetName(Setup->Background);
  Scene->SetCardSet(CardSet);

  DoubleUp = std::make_unique<TLxDoubleUp>(this);
  // The double-up ends its rounds through EndRound or TakeWin itself; this only catches an end
  // that did neither.
  DoubleUp->OnFinished = [this](TLxDoubleUp*) {
    if (!FRoundEnded) EndRound();
  };

  FMasks = SymbolGroupMasks(Setup->Counts);
  const auto& table = ReelSymbolTable();
  for (int32_t n = 1; n <= SymbolSlotCount; ++n) {
    const auto i = static_cast<size_t>(n);
    auto symbol = std::make_unique<TLxReelItemInfo>(nullptr);
    symbol->SetName("REELITEMINFO_" + IntToStr(n));
    symbol->Texture.SetGroup(Setup->ReelSet);
    symbol->SymbolID = table[i].SymbolID;
    symbol->GroupMask = FMasks[i];
    symbol->TextureName = table[i].TextureName;
    symbol->LineHandCode = table[i].LineHandCode;
    symbol->Weight = table[i].Weight;
    Symbols[i] = symbol.get();
    FSymbolStore.push_back(std::move(symbol));
  }

  const auto& defs = GridLines(Layout);
  Lines.resize(defs.size());
  for (size_t k = 0; k < defs.size(); ++k) {
    TSlotLine& line = Lines[k];
    line.BetGroup = defs[k].BetGroup;
    for (int32_t cell : defs[k].Cells) line.Cells.push_back(Reel(cell));
    for (int32_t m : defs[k].Markers)
      if (m >= 1 && m <= Scene->MarkerCount)
        line.Markers.push_back(Scene->LineMarkers[static_cast<size_t>(m)]);
    if (static_cast<int32_t>(k) + 1 <= Scene->LineBetLabelCount)
      line.BetLabel = Scene->LineBetLabels[k + 1];
  }
  for (int32_t n : Bet1Order(Layout)) Bet1Lines.push_back(&Lines[static_cast<size_t>(n - 1)]);
  for (int32_t n : Bet2Order(Layout)) Bet2Lines.push_back(&Lines[static_cast<size_t>(n - 1)]);

  Connect();
  ShowBonusDisplays();
  if (Scene->lblBonusSpinCount) Scene->lblBonusSpinCount->SetVisible(false);
  PrepareReels();
  ShowMessage("PRESS SPIN TO START");

  Results = std::make_unique<TAnimSlotResults>(this);
  Demo = std::make_unique<TSlotsDemo>(this);
  if (CanSpin()) Demo->Start();
  State = GameStateIdle;

  OpenCredit(false);
  if (DevMode()) {
    const int32_t presses = Layout == Layout1x3 ? 1 : 8;
    for (int32_t i = 0; i < presses; ++i) AddBet(1);
    for (int32_t i = 0; i < presses; ++i) AddBet(2);
  }
}

TSlots::~TSlots() {
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) Reel(i)->ResetReel();
  Demo.reset();
  Results.reset();
  Scene->Game = nullptr;
  delete Scene;
  Scene = nullptr;
  SetScene(nullptr);
  FSymbolStore.clear();
  Lines.clear();
  DoubleUp.reset();
  SlotsData.reset();
}

TLxGameData* TSlots::GetGameData() const {
  return SlotsData.get();
}

void TSlots::Connect() {
  Scene->btnSpin->OnClick = [this](TLxCustomControl*) { Spin(); };
  Scene->btnBet1->OnClick = [this](TLxCustomControl*) { AddBet(1); };
  Scene->btnBet2->OnClick = [this](TLxCustomControl*) { AddBet(2); };
  Scene->btnCashAll->OnClick = [this](TLxCustomControl*) { Cash(); };
  for (int32_t n = 1; n <= Scene->HoldButtonCount; ++n)
    Scene->HoldButtons[static_cast<size_t>(n)]->OnClick = [this, n](TLxCustomControl*) {
      HoldPressed(n);
    };
  for (size_t k = 0; k < Lines.size(); ++k)
    if (Lines[k].BetLabel)
      Lines[k].BetLabel->OnClick = [this, k](TLxCustomControl*) {
        LineBetClicked(static_cast<int32_t>(k) + 1);
      };
  Scene->OnKeyDown = [this](TLxCustomControl*, uint16_t& key, uint8_t shift) {
    if (KeyDown(key, shift)) key = 0;
  };
}

TLxReel* TSlots::Reel(int32_t cell) const {
  return cell >= 1 && cell <= Scene->ReelCount ? Scene->Reels[static_cast<size_t>(cell)] : nullptr;
}

int32_t TSlots::CellSymbol(int32_t cell) const {
  TLxReel* reel = Reel(cell);
  TLxReelItemInfo* symbol = reel ? reel->CurrentSymbol() : nullptr;
  return symbol ? symbol->SymbolID : 0;
}

bool TSlots::CanSpin() const {
  return StripCanFill(FMasks, KindMasks[0]);
}

void TSlots::Wait(uint32_t ms) {
  if (!NoPauses && Host) Host->WaitMs(ms);
}

void TSlots::PlaySound(const std::string& name) {
  if (Sounds) Sounds->PlaySound(name);
}

// ---- commands ----

bool TSlots::KeyDown(uint16_t key, uint8_t shift) {
  (void)shift;
  switch (key) {
    case KeyM:
      Spin();
      return true;
    case KeyZ:
      AddBet(1);
      return true;
    case KeyX:
      AddBet(2);
      return true;
    case KeyN:
      Cash();
      return true;
    case KeyC:
      HoldPressed(1);
      return true;
    case KeyV:
      HoldPressed(2);
      return true;
    case KeyB:
      HoldPressed(3);
      return true;
    default:
      break;
  }
  if (!DevMode()) return false;
  switch (key) {
    case KeyOne:
      for (int32_t k = 1; k <= Scene->MarkerCount; ++k)
        Scene->LineMarkers[static_cast<size_t>(k)]->ShowFor(100);
      return true;
    case KeyE:
      Log("SLOTLINES");
      for (const TSlotLine& line : Lines) {
        std::string names;
        for (TLxReel* reel : line.Cells) {
          TLxReelItemInfo* symbol = reel ? reel->CurrentSymbol() : nullptr;
          names += (names.empty() ? "" : " ") + (symbol ? symbol->TextureName : std::string("-"));
        }
        Log(names);
      }
      return true;
    case KeyG:
      Evaluate();
      return true;
    case KeyP:
      AutoPlay = !AutoPlay;
      PlaySound("SND_SLOTNOWIN");
      return true;
    default:
      return false;
  }
}

void TSlots::Cash() {
  if (State == SlotStateWin || State == SlotStateDoubleUp) TakeWin();
}

void TSlots::LineBetClicked(int32_t line) {
  if (State != GameStateIdle || line < 1 || line > static_cast<int32_t>(Lines.size())) return;
  // In the idle state the result display only runs on after a lost round, where it shows
  // nothing but would clear the markers again in the next frame.
  Results->Stop();
  for (TLxLine* marker : Lines[static_cast<size_t>(line - 1)].Markers)
    if (marker && !marker->Visible()) marker->ShowFor(100);
}

void TSlots::AddBet(int32_t button) {
  if (State != GameStateIdle || (button != 1 && button != 2)) return;
  TSlotsData& d = *SlotsData;
  const int32_t max = Setup->MaxCoins;
  int32_t& coins = button == 1 ? d.Bet1 : d.Bet2;
  if (coins == max) return;
  if (!d.BetStarted) {
    d.BetStarted = true;
    d.Bet1 = button == 1 ? 1 : 0;
    d.Bet2 = button == 2 ? 1 : 0;
  } else {
    ++coins;
  }
  const std::vector<int32_t> coinsPerLine = DistributeCoins(Layout, d.Bet1, d.Bet2);
  for (size_t k = 0; k < Lines.size(); ++k) Lines[k].LineBet = coinsPerLine[k];
  ShowBets();
  ShowCredit();
  if (d.Bet1 + d.Bet2 == 2 * max) Spin();
}

void TSlots::HoldPressed(int32_t n) {
  switch (State) {
    case SlotStateSpinning:
      StopColumn(n);
      break;
    case SlotStateWin:
      if (n == 2) StartSlotDoubleUp();
      break;
    case SlotStateDoubleUp:
      FRoundEnded = false;
      if (n == 1) DoubleUp->CallCard(0);
      if (n == 3) DoubleUp->CallCard(1);
      if (n == 2) DoubleUp->CallCard(DoubleUp->RightChoice());
      break;
    default:
      break;
  }
}

void TSlots::Spin() {
  if (State == SlotStateSpinning) {
    StopAll();
    return;
  }
  if (State != GameStateIdle) return;
  // An automatic next spin asked for inside a round runs when that round has returned, so that
  // a long automatic session does not nest one round inside the other.
  if (FSpinDepth > 0) {
    FAutoSpinPending = true;
    return;
  }
  ++FSpinDepth;
  do {
    FAutoSpinPending = false;
    PlayRound();
  } while (FAutoSpinPending && AutoPlay && State == GameStateIdle && !(Host && Host->Terminated()));
  FAutoSpinPending = false;
  --FSpinDepth;
}

void TSlots::PlayRound() {
  TSlotsData& d = *SlotsData;
  if (!CanSpin()) {
    Log("ERROR: " + (GameInfo ? GameInfo->IDStr : std::string("slot machine")) +
        ": no symbol can be placed on a strip; the spin is refused");
    return;
  }
  const int32_t bet = d.Bet1 + d.Bet2;
  if (bet == 0 || d.Credit < static_cast<uint32_t>(bet) || d.Win != 0) {
    ShowCredit();
    return;
  }
  State = SlotStateSpinning;
  ShowBets();
  Results->Stop();
  Demo->Stop();
  ShowMessage("");
  PrepareReels();
  for (TSlotLine& line : Lines) line.WinCode = 0;
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    Reel(i)->WinMark = false;
    Reel(i)->PoolMark = false;
  }
  ClearHighlights();
  d.ClearBonusGames();
  d.BetStarted = false;
  TakeBet();
  d.InBonusGame = false;
  FillStrips(0);
  SpinAll(0);

  GrowBonuses();
  if (Options & optPools) PayPools();
  d.Win = static_cast<uint32_t>(std::max(0, Evaluate()));
  ShowWin();
  CheckStages();
  Results->Start();
  ++RoundsPlayed;
  if (d.Win > 0) {
    ShowMessage("WIN");
    State = SlotStateWin;
    if (AutoPlay) TakeWin();
  } else {
    d.CountHand("HAND_NOTHING");
    PlaySound("SND_SLOTNOWIN");
    ShowMessage("GAME OVER");
    State = GameStateIdle;
    if (OnRoundEnd) OnRoundEnd(this);
    if (AutoPlay) Spin();
  }
}

void TSlots::StartSlotDoubleUp() {
  if (State != SlotStateWin) return;
  State = GameStateBusy;
  Results->Stop();
  TSlotsData& d = *SlotsData;
  for (int32_t i = 1; i <= DoubleUpCardCount; ++i) {
    int32_t card = 0;
    bool repeat = true;
    while (repeat) {
      card = static_cast<int32_t>(Random(52)) + 1;
      repeat = false;
      for (int32_t j = 1; j < i; ++j)
        repeat = repeat || d.DoubleUpCards[static_cast<size_t>(j)] == card;
    }
    d.DoubleUpCards[static_cast<size_t>(i)] = card;
    if (TLxCard* c = Scene->DupCard(i)) c->SetValue(card);
  }
  FRoundEnded = false;
  DoubleUp->StartDoubleUp(0, false);
  Scene->pnlDoubleUp->SetVisible(true);
  Scene->ReelsPanel->SetVisible(false);
  State = SlotStateDoubleUp;
}

void TSlots::TakeWin() {
  State = GameStateBusy;
  Results->Stop();
  DoubleUp->ShowActive(false);
  TSlotsData& d = *SlotsData;
  const uint32_t win = d.Win;
  if (!AutoPlay && !NoPauses) CountUp(Scene->lblWinV, Scene->lblCreditV, -1);
  d.Credit += win;
  d.Win = 0;
  ShowCredit();
  ShowWin();
  ClearHighlights();
  EndRound();
}

void TSlots::EndRound() {
  FRoundEnded = true;
  TSlotsData& d = *SlotsData;
  if (d.BonusGameCount() > 0) {
    PlayBonusGames();
    return;
  }
  d.InBonusGame = false;
  if (Scene->lblBonusSpinCount) Scene->lblBonusSpinCount->SetVisible(false);
  for (int32_t i = 1; i <= Scene->ReelCount; ++i)
    for (int32_t e = 1; e <= 3; ++e) Reel(i)->StopCustomEffect(e, true);
  if (Host && !NoPauses) Host->RenderNow();
  if (CanSpin() && !AutoPlay) Demo->Start();
  ShowMessage("PRESS SPIN TO START");
  State = GameStateIdle;
  if (OnRoundEnd) OnRoundEnd(this);
  if (AutoPlay) Spin();
}

// ---- reels ----

void TSlots::FillStrip(int32_t kind, TLxReel* reel) {
  if (!reel || kind < 0 || kind > 4) return;
  reel->Strip.clear();
  const uint8_t mask = KindMasks[static_cast<size_t>(kind)];
  for (int32_t n = 1; n <= SymbolSlotCount; ++n) {
    FWeights[static_cast<size_t>(n)] = Symbols[static_cast<size_t>(n)]->Weight;
    FMasks[static_cast<size_t>(n)] = Symbols[static_cast<size_t>(n)]->GroupMask;
  }
  if (!StripCanFill(FMasks, mask)) {
    Log("ERROR: spin kind " + IntToStr(kind) + " cannot fill a strip of " +
        (GameInfo ? GameInfo->IDStr : std::string("this machine")));
    return;
  }
  const int32_t forced = kind == 0 ? CurrentForcedPattern() : 0;
  for (int32_t i = 1; i <= StripLength; ++i) {
    int32_t n = DrawStripSlot(kind, mask, FMasks, FWeights);
    if (i == 1 && forced > 0) {
      const int32_t f = ForcedPatternSlot(forced, reel->Tag, SlotsData->PoolSymbol,
                                          SlotsData->BellSymbol, SlotsData->CollectBonusStage);
      if (f >= 1 && f <= SymbolSlotCount) n = f;
    }
    reel->Strip.push_back(Symbols[static_cast<size_t>(n)]);
  }
}

void TSlots::FillStrips(int32_t kind) {
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) FillStrip(kind, Reel(i));
}

void TSlots::WaitForLastRow() {
  const int32_t last = Layout == Layout1x3 ? 1 : Scene->ReelCount - GridColumns(Layout) + 1;
  const auto lastRowSpinning = [&] {
    for (int32_t i = last; i <= Scene->ReelCount; ++i)
      if (Reel(i)->Spinning) return true;
    return false;
  };
  // Reels move as they are painted; without a window (or a scene that is not shown) they are
  // stepped here, so that no spin waits for frames that never come.
  int32_t passes = 0;
  while (lastRowSpinning()) {
    const bool painted = Host && Scene->IsShowing();
    if (painted) {
      if (!Host->HandleMessage()) break;
    } else {
      for (int32_t i = 1; i <= Scene->ReelCount; ++i) Reel(i)->StepMotion();
    }
    int32_t frames = 0;
    for (int32_t i = last; i <= Scene->ReelCount; ++i)
      frames = std::max(frames, Reel(i)->SpinFrames);
    if (frames > MaxSpinFrames || ++passes > 50 * MaxSpinFrames) {
      Log("ERROR: the reels did not come to rest; they stop where they are");
      for (int32_t i = 1; i <= Scene->ReelCount; ++i) Reel(i)->ForceRest();
      break;
    }
  }
}

void TSlots::SpinAll(int32_t kind) {
  PlaySound("SND_SLOTSPIN");
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) Reel(i)->StartSpin();
  WaitForLastRow();
  if (kind == 0 && CurrentForcedPattern() > 0) ResetReels();
  PlaySound("SND_SLOTSPINEND");
}

void TSlots::StopColumn(int32_t column) {
  const int32_t columns = GridColumns(Layout), rows = GridRows(Layout);
  if (column < 1 || column > columns) return;
  for (int32_t row = 1; row <= rows; ++row) {
    TLxReel* reel = Reel(column + (row - 1) * columns);
    if (!reel) continue;
    reel->HurryStop();
    if (row != 3) Wait(5);
  }
}

void TSlots::StopAll() {
  for (int32_t c = 1; c <= GridColumns(Layout); ++c) StopColumn(c);
  WaitForLastRow();
}

void TSlots::ResetReels() {
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) Reel(i)->ResetReel();
}

// ---- displays ----

void TSlots::ShowMessage(const std::string& text) {
  Scene->ShowMessage(text);
}

void TSlots::SetLabel(TLxLabel* label, int32_t value) {
  if (label) label->SetCaption(IntToStr(value));
}

void TSlots::ShowBets() {
  SetLabel(Scene->lblBet1V, SlotsData->Bet1);
  SetLabel(Scene->lblBet2V, SlotsData->Bet2);
  for (TSlotLine& line : Lines) SetLabel(line.BetLabel, line.LineBet);
}

void TSlots::ClearHighlights() {
  if (Scene->lblMessage) Scene->lblMessage->SetBlink(false);
  for (int32_t k = 1; k <= Scene->MarkerCount; ++k) {
    TLxLine* marker = Scene->LineMarkers[static_cast<size_t>(k)];
    marker->HideCountdown = -1;
    marker->SetVisible(false);
  }
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    Scene->ReelFrames[static_cast<size_t>(i)]->StopCustomEffect(1, true);
    Scene->ReelFrames[static_cast<size_t>(i)]->StopCustomEffect(2, true);
    Reel(i)->SetSymbolBlink(false);
  }
}

void TSlots::PrepareReels() {
  Scene->ReelsPanel->SetVisible(true);
  Scene->pnlDoubleUp->SetVisible(false);
  for (int32_t k = 1; k <= Scene->MarkerCount; ++k) {
    Scene->LineMarkers[static_cast<size_t>(k)]->HideCountdown = -1;
    Scene->LineMarkers[static_cast<size_t>(k)]->SetVisible(false);
  }
  FillStrips(0);
  ResetReels();
}

void TSlots::ShowCollectDisplay() {
  if (!(Options & optCollectBonus) || !Scene) return;
  TSlotsData& d = *SlotsData;
  d.LimitCollectStage();
  SetLabel(Scene->lblCollectBonusValue, d.CollectBonusValue);
  for (int32_t k = 1; k <= 5; ++k) {
    TLxImage* image = Scene->imgCollectBonus[static_cast<size_t>(k)];
    if (!image) continue;
    if (k <= d.CollectBonusStage)
      image->StartCustomEffect(1);
    else
      image->StopCustomEffect(1, true);
    image->Border = k == d.CollectBonusStage;
  }
}

void TSlots::ShowBonusDisplays() {
  TSlotsData& d = *SlotsData;
  if (Options & optCherryBonus) SetLabel(Scene->lblCherryBonusStage, d.CherryBonusStage);
  if (Options & optBellBonus) {
    SetLabel(Scene->lblBellBonusStage, d.BellBonusStage);
    SetLabel(Scene->lblBellBonusValue, d.BellBonusValue);
  }
  if (Options & optBarSumBonus) SetLabel(Scene->lblBarSumBonusValue, d.BarSumBonusValue);
  if (Options & optPools) {
    SetLabel(Scene->lblPoolV[1], d.Pool1Value);
    SetLabel(Scene->lblPoolV[2], d.Pool2Value);
    SetLabel(Scene->lblPoolV[3], d.Pool3Value);
  }
  ShowCollectDisplay();
}

int32_t TSlots::ShowScreenWin() {
  ClearHighlights();
  if (Scene->lblMessage) Scene->lblMessage->SetBlink(true);
  int32_t count = 0;
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    if (!Reel(i)->WinMark) continue;
    Scene->ReelFrames[static_cast<size_t>(i)]->StartCustomEffect(1);
    ++count;
  }
  return count;
}

int32_t TSlots::ShowWinningLines() {
  ClearHighlights();
  int32_t count = 0;
  for (TSlotLine& line : Lines) {
    if (line.WinCode == 0) continue;
    for (TLxLine* marker : line.Markers)
      if (marker) marker->SetVisible(true);
    ++count;
  }
  return count;
}

// ---- evaluation ----

void TSlots::BlinkImage(const std::string& name, uint32_t ms) {
  TLxCustomControl* image = Scene->FindControl(name);
  if (image) image->SetBlink(true);
  Wait(ms);
  if (image) image->SetBlink(false);
}

void TSlots::BlinkWithLine(const std::string& name, int32_t line, uint32_t ms) {
  TLxCustomControl* image = Scene->FindControl(name);
  std::vector<TLxReel*> cells;
  if (line >= 0 && line < static_cast<int32_t>(Lines.size()))
    cells = Lines[static_cast<size_t>(line)].Cells;
  if (image) image->SetBlink(true);
  for (TLxReel* reel : cells)
    if (reel) reel->SetSymbolBlink(true);
  Wait(ms);
  if (image) image->SetBlink(false);
  for (TLxReel* reel : cells)
    if (reel) reel->SetSymbolBlink(false);
}

void TSlots::CountHand(const std::string& handId) {
  SlotsData->CountHand(handId);
}

void TSlots::SetInfo(const std::string& text) {
  if (Scene->lblInfo) Scene->lblInfo->SetCaption(text);
}

void TSlots::PayPot(TLxLabel* label, int32_t& value, int32_t resetTo) {
  ShowMessage("POOL");
  if (label && !NoPauses) CountUp(label, Scene->lblCreditV, -1);
  if (value > 0) SlotsData->Credit += static_cast<uint32_t>(value);
  value = resetTo;
  SetLabel(label, resetTo);
  ShowCredit();
}

void TSlots::PayBarSum(int32_t line) {
  BlinkWithLine("IMG_BARSUMBONUS", line, 2000);
  PayPot(Scene->lblBarSumBonusValue, SlotsData->BarSumBonusValue, 7);
}

int32_t TSlots::Evaluate() {
  std::vector<TSlotCell> cells;
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    TLxReelItemInfo* s = Reel(i)->CurrentSymbol();
    cells.push_back(s ? TSlotCell{s->SymbolID, s->GroupMask, s->LineHandCode} : TSlotCell{});
  }
  std::vector<int32_t> lineBets;
  for (const TSlotLine& line : Lines) lineBets.push_back(line.LineBet);
  static const TGameInfo emptyInfo;
  TSlotEvaluator eval(GameInfo ? *GameInfo : emptyInfo, *Setup, *SlotsData, this);
  const int32_t win = eval.Evaluate(cells, lineBets);
  for (size_t k = 0; k < Lines.size() && k < eval.WinCodes.size(); ++k)
    Lines[k].WinCode = eval.WinCodes[k];
  for (int32_t i = 1; i <= Scene->ReelCount; ++i)
    Reel(i)->WinMark = static_cast<size_t>(i - 1) < eval.WinMarks.size() &&
                       eval.WinMarks[static_cast<size_t>(i - 1)];
  ShowBonusDisplays();
  return win;
}

void TSlots::FlashFrame(int32_t cell) {
  if (cell < 1 || cell > Scene->ReelCount) return;
  TLxImage* frame = Scene->ReelFrames[static_cast<size_t>(cell)];
  frame->StartCustomEffect(1);
  Wait(500);
  frame->StopCustomEffect(1, true);
}

void TSlots::GrowBonuses() {
  TSlotsData& d = *SlotsData;
  const int32_t bet = d.Bet1 + d.Bet2;
  const int32_t centre = CellSymbol(5);
  bool grown = false;
  if ((Options & optBellBonus) && Reel(5) && centre == d.BellSymbol) {
    d.BellBonusValue = std::min(d.BellBonusValue + bet, d.BellValueCap);
    grown = true;
  }
  if ((Options & optPools) && Reel(5) && centre == d.PoolSymbol) {
    d.Pool1Value = std::min(d.Pool1Value + bet, d.Pool1Cap);
    d.Pool2Value = std::min(d.Pool2Value + 2 * bet, d.Pool2Cap);
    d.Pool3Value = std::min(d.Pool3Value + 3 * bet, d.Pool3Cap);
    grown = true;
  }
  if ((Options & optCollectBonus) && Reel(5) && centre == d.CollectBonusStage) {
    d.CollectBonusValue = std::clamp(d.CollectBonusValue + bet, 0, 1000000);
    grown = true;
  }
  if (Options & optBarSumBonus) {
    for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
      if (CellSymbol(i) != 31) continue;
      d.BarSumBonusValue += bet;
      SetLabel(Scene->lblBarSumBonusValue, d.BarSumBonusValue);
      PlaySound("SND_SLOTPOOLADD");
      FlashFrame(i);
    }
  }
  ShowBonusDisplays();
  if (grown) {
    PlaySound("SND_SLOTPOOLADD");
    FlashFrame(5);
  }
}

void TSlots::PayPool(int32_t pool, const std::vector<int32_t>& cells) {
  TSlotsData& d = *SlotsData;
  for (int32_t c : cells) Reel(c)->PoolMark = true;
  ShowMessage("POOL");
  ClearHighlights();
  if (Scene->lblMessage) Scene->lblMessage->SetBlink(true);
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    if (!Reel(i)->PoolMark) continue;
    Reel(i)->SetSymbolBlink(true);
    Scene->ReelFrames[static_cast<size_t>(i)]->StartCustomEffect(2);
  }
  PlaySound("SND_SLOTBAR");
  int32_t& value = pool == 1 ? d.Pool1Value : pool == 2 ? d.Pool2Value : d.Pool3Value;
  TLxLabel* label = Scene->lblPoolV[static_cast<size_t>(pool)];
  if (label && !NoPauses) CountUp(label, Scene->lblCreditV, -1);
  if (value > 0) d.Credit += static_cast<uint32_t>(value);
  value = 1;
  SetLabel(label, 1);
  ShowCredit();
  ClearHighlights();
}

void TSlots::PayPools() {
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) Reel(i)->PoolMark = false;
  const int32_t pool = SlotsData->PoolSymbol;
  if (pool == 0 || Layout != Layout3x3) return;
  const auto all = [&](std::initializer_list<int32_t> cells) {
    for (int32_t c : cells)
      if (CellSymbol(c) != pool) return false;
    return true;
  };
  if (all({4, 5, 6})) PayPool(1, {4, 5, 6});
  if (all({2, 4, 6, 8})) PayPool(2, {2, 4, 6, 8});
  if (all({1, 3, 5, 7, 9})) PayPool(3, {1, 3, 5, 7, 9});
}

void TSlots::CheckStages() {
  TSlotsData& d = *SlotsData;
  if (Options & optCherryBonus) {
    if (d.CherryBonusStage < 1) {
      d.QueueBonusGame(bgCherry);
      d.CherryBonusStage += d.CherryStageRefill;
      SetLabel(Scene->lblCherryBonusStage, d.CherryBonusStage);
      PlaySound("SND_SLOTBAR");
      BlinkImage("IMG_CHERRYBONUS", 2000);
    }
    SetLabel(Scene->lblCherryBonusStage, d.CherryBonusStage);
  }
  if (Options & optBellBonus) {
    if (d.BellBonusStage < 1) {
      d.QueueBonusGame(bgBell);
      d.BellBonusStage += d.BellStageRefill;
      SetLabel(Scene->lblBellBonusStage, d.BellBonusStage);
      PlaySound("SND_SLOTBAR");
      if (Scene->imgBellBonus) Scene->imgBellBonus->SetBlink(true);
      Wait(2000);
      PayPot(Scene->lblBellBonusValue, d.BellBonusValue, 1);
      ClearHighlights();
      if (Scene->imgBellBonus) Scene->imgBellBonus->SetBlink(false);
    }
    SetLabel(Scene->lblBellBonusStage, d.BellBonusStage);
  }
  if (Options & optCollectBonus) {
    if (d.CollectBonusStage > 5) {
      PlaySound("SND_SLOTBAR");
      if (Scene->lblCollectBonusValue) Scene->lblCollectBonusValue->SetBlink(true);
      Wait(2000);
      PayPot(Scene->lblCollectBonusValue, d.CollectBonusValue, 1);
      d.CollectBonusStage = 1;
      if (Scene->lblCollectBonusValue) Scene->lblCollectBonusValue->SetBlink(false);
    }
    ShowCollectDisplay();
  }
}

// ---- bonus games ----

void TSlots::PlayBonusGames() {
  TSlotsData& d = *SlotsData;
  if (d.BonusGameCount() == 0) {
    d.InBonusGame = false;
    return;
  }
  State = SlotStateSpinning;
  d.InBonusGame = true;
  if (d.GamesLeft > 0) {
    if (TLxLabel* counter = Scene->lblBonusSpinCount) {
      counter->SetCaption(d.GamesLeft == 1 ? std::string("LAST GAME")
                                           : IntToStr(d.GamesLeft) + " GAMES LEFT");
      counter->SetVisible(true);
    }
    BonusSpin(d.LastBonusGame());
    d.GamesLeft -= 1;
    if (d.GamesLeft <= 0) d.RemoveLastBonusGame();
    ++RoundsPlayed;
    if (OnRoundEnd) OnRoundEnd(this);
    if (d.Win == 0) {
      if (d.GamesLeft <= 0)
        EndRound();
      else
        PlayBonusGames();
    } else if (AutoPlay) {
      TakeWin();
    }
    return;
  }
  Wait(1000);
  StartBonusGame(d.LastBonusGame());
}

void TSlots::StartBonusGame(int32_t game) {
  TBonusGameDef def;
  if (!BonusGameDefOf(game, def)) {
    Log("ERROR : Unknown bonus game");
    return;
  }
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    for (int32_t e = 1; e <= 3; ++e) Reel(i)->StopCustomEffect(e, true);
    Reel(i)->StartCustomEffect(def.ReelEffect);
  }
  SlotsData->GamesLeft = def.FreeSpins;
  PlayBonusGames();
}

void TSlots::BonusSpin(TBonusGame game) {
  TBonusGameDef def;
  if (!BonusGameDefOf(game, def)) return;
  if (Scene->pnlDoubleUp->Visible()) {
    Wait(2000);
    Scene->ReelsPanel->SetVisible(true);
    Scene->pnlDoubleUp->SetVisible(false);
  }
  for (TSlotLine& line : Lines) line.WinCode = 0;
  for (int32_t i = 1; i <= Scene->ReelCount; ++i) {
    Reel(i)->WinMark = false;
    Reel(i)->PoolMark = false;
  }
  ClearHighlights();
  FillStrips(def.SpinKind);
  SpinAll(def.SpinKind);
  TSlotsData& d = *SlotsData;
  d.Win = static_cast<uint32_t>(std::max(0, Evaluate()));
  ShowWin();
  Results->Start();
  if (d.Win > 0) {
    ShowMessage("WIN");
    State = SlotStateWin;
  } else {
    ShowMessage("GAME OVER");
    Wait(2000);
  }
}

}  // namespace lx

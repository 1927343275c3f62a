// The statistics window: the players of the current casino, for the chosen player every game
// with the credit put in and taken out and the return in percent, and for the chosen game how
// often each hand of its pay table came up; or, at an open machine, this visit alone.
#pragma once

#include <cstdint>
#include <string>

#include "gui/lxframe.h"

namespace lx {

class TGameInfo;
class TGameStatictics;
class TLxButton;
class TLxCasino;
class TLxCheckBox;
class TLxGame;
class TLxListBox;
class TLxPlayer;

// The "%" of a game row: "-" without credit in, else credit out x 100 div credit in. In 64 bits,
// so that counters of any size give the right figure.
std::string ReturnPercent(uint32_t creditIn, uint32_t creditOut);
// The "%" of a hand row: "0" when the total is 0, else value x 100 div total (truncating).
std::string HandPercent(int64_t value, int64_t total);

class TfrmStatistics : public TLxFrame {
 public:
  // casino: the casino whose statistics are shown (may be nullptr); game: the open machine,
  // whose visit the check box shows (nullptr in the main room).
  TfrmStatistics(TLxComponent* mainScene, TLxCasino* casino, TLxGame* game);

  void FillPlayers();
  void FillGames();
  void FillHands();
  bool CurrentVisitMode() const;

  TLxButton* BtnClose = nullptr;
  TLxListBox* LbPlayers = nullptr;
  TLxListBox* LbGames = nullptr;
  TLxListBox* LbHands = nullptr;
  TLxCheckBox* CbCurrentSession = nullptr;

  TLxCasino* Casino = nullptr;
  TLxGame* CurrentGame = nullptr;
  TLxPlayer* SelectedPlayer = nullptr;
  TGameInfo* SelectedGame = nullptr;

 private:
  // The counters the lists show for a game: this visit's or the stored record (made when
  // missing); nullptr without a casino or player.
  TGameStatictics* CountersOf(const TGameInfo& game);
};

int32_t ShowStatisticsWindow(TLxCasino* casino, TLxGame* game);

}  // namespace lx

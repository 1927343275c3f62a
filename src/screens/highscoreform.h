// The hall of fame: every player with his bank, in the order the players were created.
#pragma once

#include <cstdint>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxLabel;
class TLxListBox;

class TfrmHighScore : public TLxFrame {
 public:
  explicit TfrmHighScore(TLxComponent* mainScene);

  TLxLabel* LblBank = nullptr;
  TLxLabel* LblBankV = nullptr;
  TLxLabel* LblGameTitle = nullptr;
  TLxLabel* LblCredit = nullptr;
  TLxLabel* LblCreditV = nullptr;
  TLxListBox* LbHighScore = nullptr;
  TLxButton* BtnClose = nullptr;
};

int32_t ShowHighScoreWindow();

}  // namespace lx

// The credit window: moves money from the signed-in player's bank into the open machine's credit
// in fixed amounts; and the base game's credit window service it stands behind.
#pragma once

#include <cstdint>

#include "gui/lxframe.h"

namespace lx {

class TLxButton;
class TLxGame;
class TLxLabel;

class TfrmCredit : public TLxFrame {
 public:
  TfrmCredit(TLxComponent* mainScene, TLxGame& game);

  // Bank, game title and credit into their labels.
  void RefreshFields();
  // The add buttons: the button's Tag moves from the bank into the credit (the game refuses
  // with a message when the bank holds less).
  void Add(TLxCustomControl* sender);

  TLxGame& Game;
  TLxLabel* LblBank = nullptr;
  TLxLabel* LblBankV = nullptr;
  TLxLabel* LblGameTitle = nullptr;
  TLxLabel* LblCredit = nullptr;
  TLxLabel* LblCreditV = nullptr;
  TLxButton* BtnAdd100 = nullptr;
  TLxButton* BtnAdd1000 = nullptr;
  TLxButton* BtnAdd10000 = nullptr;
  TLxButton* BtnClose = nullptr;
};

// Makes OpenCredit(true) of every machine show the credit window (CreditWindow of the base game).
void InstallCreditWindow();
void RemoveCreditWindow();

}  // namespace lx

#include "persistence/lxcityunit.h"

#include "persistence/lxcasinomanager.h"
#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "platform/lxfiles.h"

namespace lx {

TLxCity* City = nullptr;

void TLxCity::EnterCasino(const std::string& name) {
  if (!Settings || !CasinoManager) return;
  // The folder is checked under the casino's own spelling: names match ignoring case, the file
  // system does not.
  TLxCasino* casino = CasinoManager->FindCasino(name);
  if (!casino || !FileExists(Settings->CasinosFolder + casino->CasinoID + "/casino.dat")) return;
  if (Players && Players->CurrentPlayer)
    Players->CurrentPlayer->CasinoStats =
        casino->FindOrAddPlayer(Players->CurrentPlayer->PlayerName, true);
  if (OnSetCurrentCasino) OnSetCurrentCasino(casino);
  Settings->SetTheme(casino->CasinoID);
  if (OnShowMainRoom) OnShowMainRoom();
}

void TLxCity::EnterDefaultCasino() {
  if (CasinoManager && CasinoManager->FindCasino("ZodazAreroDozada"))
    EnterCasino("ZodazAreroDozada");
}

}  // namespace lx

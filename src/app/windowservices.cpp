#include "app/windowservices.h"

#include "app/mainform.h"
#include "base/lxforcing.h"
#include "persistence/lxapplication.h"
#include "poker/pokerdeck.h"
#include "screens/creditform.h"
#include "screens/debugform.h"
#include "screens/helpform.h"
#include "slots/lxreel.h"

namespace lx {

void InstallWindowServices(TfrmMain& main, TfrmDebug* debug) {
  if (debug) {
    main.Services.DumpControlTree = [debug](TLxCustomControl* root, const std::string& fileName) {
      debug->DumpControlTree(root, fileName);
    };
    main.Services.MemoryReport = [debug] { debug->MemoryReport(); };
    main.Services.DumpTextures = [debug](const std::string& fileName) {
      debug->DumpTextures(fileName);
    };
  }
  // The debug window's forcing lists reach the deal and the reels in developer mode only.
  if (debug && AppInfo && AppInfo->DevMode) {
    PokerForcedHand = [] { return ForcedHand(); };
    ForcedReelPattern = [] { return ForcedReels(); };
  }
  main.Services.ShowHelp = [](int32_t) { ShowHelpWindow(); };
  InstallCreditWindow();
}

}  // namespace lx

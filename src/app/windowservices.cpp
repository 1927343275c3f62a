#include "app/windowservices.h"

#include "app/mainform.h"
#include "screens/debugform.h"
#include "screens/helpform.h"

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
  main.Services.ShowHelp = [](int32_t) { ShowHelpWindow(); };
}

}  // namespace lx

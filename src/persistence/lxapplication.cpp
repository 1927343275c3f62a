#include "persistence/lxapplication.h"

#include "persistence/lxsettings.h"
#include "platform/lxfiles.h"

namespace lx {

TLxApplicationInfo* AppInfo = nullptr;

TLxApplicationInfo::TLxApplicationInfo() : TLxApplicationInfo(WorkingFolder()) {}

TLxApplicationInfo::TLxApplicationInfo(const std::string& workingFolder) {
  std::string folder = workingFolder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  DevMode = FileExists(folder + "dev.id");
  HomePage = "file://" + (Settings ? Settings->AppFolder : ProgramFolder()) + "Help/index.html";
}

}  // namespace lx

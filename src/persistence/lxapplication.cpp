#include "persistence/lxapplication.h"

#include "platform/lxfiles.h"

namespace lx {

TLxApplicationInfo* AppInfo = nullptr;

TLxApplicationInfo::TLxApplicationInfo() : TLxApplicationInfo(WorkingFolder()) {}

TLxApplicationInfo::TLxApplicationInfo(const std::string& workingFolder) {
  std::string folder = workingFolder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  DevMode = FileExists(folder + "dev.id");
}

}  // namespace lx

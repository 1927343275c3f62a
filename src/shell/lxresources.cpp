#include "shell/lxresources.h"

#include <algorithm>

#include "base/lxlog.h"
#include "persistence/lxsettings.h"
#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"

namespace lx {

TLxResourceManager* ResourceManager = nullptr;

TLxResourceManager::TLxResourceManager() {
  if (Settings) {
    TempFolder = Settings->TempFolder;
    OpenArchives(Settings->DataFolder, Settings->PakFolder);
  } else {
    OpenArchives(std::string(), std::string());
  }
}

TLxResourceManager::TLxResourceManager(const std::string& dataFolder, const std::string& pakFolder,
                                       const std::string& tempFolder)
    : TempFolder(tempFolder) {
  OpenArchives(dataFolder, pakFolder);
}

TLxResourceManager::~TLxResourceManager() {
  Archive.Close();
  FontArchive.Close();
}

void TLxResourceManager::OpenArchives(const std::string& dataFolder, const std::string& pakFolder) {
  FontArchive.SetFileName(dataFolder + "fonts.lxr");
  if (FontArchive.Open() != arcOk) Log("RARO: FATAL ERROR");
  OverrideFolder = DirectoryExists(pakFolder) ? pakFolder : std::string();
  Archive.SetFileName(pakFolder + "default.lxr");
  if (Archive.Open() != arcOk) Log("RARO: FATAL ERROR");
}

std::string TLxResourceManager::OverridePath(const std::string& name) const {
  if (OverrideFolder.empty() || !IsSafeRecordName(name)) return std::string();
  std::string relative = name;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const std::string path = OverrideFolder + relative;
  return lx::FileExists(path) ? path : std::string();
}

bool TLxResourceManager::FileExists(const std::string& name) const {
  if (!OverridePath(name).empty()) return true;
  return Archive.Find(name) >= 0;
}

std::string TLxResourceManager::ExtractFile(const std::string& name) const {
  const std::string loose = OverridePath(name);
  if (!loose.empty()) return loose;
  // The record's name becomes one file name in the temporary folder; a name that could point
  // anywhere else is treated as a missing record.
  if (TempFolder.empty() || !IsSafeRecordName(name)) return std::string();
  std::string data;
  if (Archive.Read(name, data) != arcOk) return std::string();
  std::string fileName = name;
  std::replace(fileName.begin(), fileName.end(), '\\', '_');
  const std::string path = TempFolder + fileName;
  if (!WriteFileAtomic(path, data)) return std::string();
  return path;
}

bool TLxResourceManager::LoadBitmap(const std::string& name, TLxBitmap& bitmap) const {
  const std::string loose = OverridePath(name);
  if (!loose.empty()) {
    const auto bytes = ReadWholeFile(loose);
    return bytes && DecodeBmp(*bytes, bitmap);
  }
  std::string data;
  if (Archive.Read(name, data) != arcOk) return false;
  return DecodeBmp(data, bitmap);
}

}  // namespace lx

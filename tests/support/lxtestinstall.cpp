#include "support/lxtestinstall.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"

namespace lx::test {

namespace {

std::string LoosePath(const std::string& pak, std::string recordName) {
  for (char& c : recordName)
    if (c == '\\') c = '/';
  return pak + recordName;
}

}  // namespace

TLxTestInstall::TLxTestInstall() {
  char pattern[] = "/tmp/lxtheme-XXXXXX";
  const char* made = mkdtemp(pattern);
  Root = std::string(made ? made : "/tmp/lxtheme-failed") + "/";
  Pak = Root + "Data/Pak/";
  ForceDirectories(Pak);
  ForceDirectories(Root + "systmp/");
  const std::string fixtures = std::string(TESSARO_THEME_FIXTURE_DIR) + "/";
  std::error_code ec;
  std::filesystem::copy_file(fixtures + "fonts.lxr", Root + "Data/fonts.lxr", ec);
  std::filesystem::copy_file(fixtures + "default.lxr", Pak + "default.lxr", ec);
  TheSettings = std::make_unique<TLxSetting>(Root, Root + "systmp");
  TheSettings->SetTheme("TESTCASINO");
  Settings = TheSettings.get();
  TheResources = std::make_unique<TLxResourceManager>();
  ResourceManager = TheResources.get();
}

TLxTestInstall::~TLxTestInstall() {
  Sounds = nullptr;
  TheSounds.reset();
  ResourceManager = nullptr;
  TheResources.reset();
  Settings = nullptr;
  TheSettings.reset();
  std::error_code ec;
  std::filesystem::remove_all(Root, ec);
}

void TLxTestInstall::PutPak(const std::string& recordName, const std::string& bytes) const {
  const std::string path = LoosePath(Pak, recordName);
  ForceDirectories(path.substr(0, path.find_last_of('/') + 1));
  WriteFileAtomic(path, bytes);
}

void TLxTestInstall::RemovePak(const std::string& recordName) const {
  std::error_code ec;
  std::filesystem::remove(LoosePath(Pak, recordName), ec);
}

void TLxTestInstall::PutPicture(const std::string& recordName, int32_t w, int32_t h, TLxColor color,
                                int32_t bits) const {
  TLxBitmap b;
  b.Width = w;
  b.Height = h;
  b.Pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), color);
  PutPak(recordName, EncodeBmp(b, bits));
}

void TLxTestInstall::StartSounds() {
  TheSettings->optMusicEnabled = true;
  TheSettings->optMusicVolume = 80;
  TheSounds = std::make_unique<TLxSounds>(true);
  Sounds = TheSounds.get();
}

}  // namespace lx::test

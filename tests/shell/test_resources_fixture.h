// A scratch installation for the resource, texture and sound tests: an application folder with
// Data/, Data/Pak/ and a private temporary folder, and the packed test archives beside the build.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"
#include "shell/lxresources.h"

namespace lx::test {

inline std::string FixtureArchive(const std::string& name) {
  return std::string(TESSARO_BUILD_DIR) + "/tests/fixtures/" + name;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/lxres-XXXXXX";
    const char* made = mkdtemp(pattern);
    EXPECT_NE(made, nullptr);
    Root = std::string(made ? made : "/tmp") + "/";
    Data = Root + "Data/";
    Pak = Data + "Pak/";
    Temp = Root + "Temp/";
    ForceDirectories(Pak);
    EnsurePrivateFolder(Temp);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Root, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Copies the packed test archives into Data/ and Data/Pak/.
  void InstallFixtures() const {
    std::filesystem::copy_file(FixtureArchive("fonts.lxr"), Data + "fonts.lxr");
    std::filesystem::copy_file(FixtureArchive("default.lxr"), Pak + "default.lxr");
  }
  void Put(const std::string& path, const std::string& bytes) const {
    const std::string full = Root + path;
    ForceDirectories(full.substr(0, full.find_last_of('/') + 1));
    ASSERT_TRUE(WriteFileAtomic(full, bytes));
  }

  std::string Root, Data, Pak, Temp;
};

inline TLxBitmap SolidBitmap(int32_t w, int32_t h, TLxColor c) {
  TLxBitmap b;
  b.Width = w;
  b.Height = h;
  b.Pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), c);
  return b;
}

inline TLxArchiveSource Rec(const std::string& name, const std::string& data, uint16_t type = 0) {
  TLxArchiveSource r;
  r.Name = name;
  r.Data = data;
  r.RecordType = type;
  return r;
}

}  // namespace lx::test

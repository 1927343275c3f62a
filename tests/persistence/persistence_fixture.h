// A temporary folder per test, removed afterwards, with small file helpers.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/lxfiles.h"

namespace lx {

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/lxpersist-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Root = std::string(pattern) + "/";
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(Root, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(Root, ec);
  }

  void Write(const std::string& relative, const std::string& bytes) {
    const std::string path = Root + relative;
    const size_t slash = path.find_last_of('/');
    ASSERT_TRUE(ForceDirectories(path.substr(0, slash + 1)));
    ASSERT_TRUE(WriteFileAtomic(path, bytes));
  }
  std::string Read(const std::string& relative) {
    return ReadWholeFile(Root + relative).value_or("<missing>");
  }
  bool Exists(const std::string& relative) { return FileExists(Root + relative); }

  std::string Root;  // ends in '/'
};

}  // namespace lx

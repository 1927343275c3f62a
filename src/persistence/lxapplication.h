// Title, version and web address of the program, and the developer-mode switch.
#pragma once

#include <string>

namespace lx {

class TLxApplicationInfo {
 public:
  // DevMode from "dev.id" in the current working folder.
  TLxApplicationInfo();
  // DevMode from "dev.id" in the given folder.
  explicit TLxApplicationInfo(const std::string& workingFolder);

  std::string Title = "Tessaro 2005 - Video Slots Edition";
  std::string Version = "1.0.0";
  // The installed help start page, so that it exists also offline: "file://" + AppFolder +
  // "Help/index.html" (the settings' AppFolder when they exist, else the program's folder).
  std::string HomePage;
  bool DevMode = false;
};

// Set and cleared by start-up and shut-down.
extern TLxApplicationInfo* AppInfo;

}  // namespace lx

#include "base/lxlog.h"

namespace lx {

namespace {
std::vector<std::string>& Lines() {
  static std::vector<std::string> lines;
  return lines;
}
std::function<void(const std::string&)>& Listener() {
  static std::function<void(const std::string&)> listener;
  return listener;
}
}  // namespace

void Log(const std::string& line) {
  Lines().push_back(line);
  if (Listener()) Listener()(line);
}

const std::vector<std::string>& LogLines() {
  return Lines();
}

void ClearLog() {
  Lines().clear();
}

void SetLogListener(std::function<void(const std::string&)> listener) {
  Listener() = std::move(listener);
}

}  // namespace lx

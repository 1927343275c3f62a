// Every run-time failure of the program derives from ELxError; the message loop logs and goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace lx {

class ELxError : public std::runtime_error {
 public:
  explicit ELxError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace lx

// Every run-time failure of the program derives from ELxError; the message loop logs and goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace lx {

class ELxError : public std::runtime_error {
 public:
  explicit ELxError(const std::string& message) : std::runtime_error(message) {}
};

// Thrown by a nested message loop once the program is ending, and caught by the top-level loop:
// the work that started the nested loop (a deal, a spin, a payout) must not carry on. Not an
// ELxError, so that handlers that log errors and go on let it pass.
class ELxTerminated {};

}  // namespace lx

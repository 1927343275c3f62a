// Lets a test see the file system as an ordinary user does when it runs as the superuser (as it
// does in containers): the powers to read, write and change files past their permission bits
// are set aside for the lifetime of the object and given back afterwards. An ordinary user has
// no such powers and nothing changes.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lx::test {

class TAsOrdinaryUser {
 public:
  TAsOrdinaryUser() {
    FHeader.version = _LINUX_CAPABILITY_VERSION_3;
    FHeader.pid = 0;
    if (syscall(SYS_capget, &FHeader, FSaved) != 0) return;
    __user_cap_data_struct lowered[2] = {FSaved[0], FSaved[1]};
    constexpr unsigned powers =
        (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
    lowered[0].effective &= ~powers;
    FLowered = syscall(SYS_capset, &FHeader, lowered) == 0;
  }
  ~TAsOrdinaryUser() {
    if (FLowered) syscall(SYS_capset, &FHeader, FSaved);
  }
  TAsOrdinaryUser(const TAsOrdinaryUser&) = delete;
  TAsOrdinaryUser& operator=(const TAsOrdinaryUser&) = delete;

 private:
  __user_cap_header_struct FHeader{};
  __user_cap_data_struct FSaved[2]{};
  bool FLowered = false;
};

}  // namespace lx::test

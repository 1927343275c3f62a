#include "platform/lxprocess.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace lx {

TLxMemoryCounters ReadMemoryCounters() {
  TLxMemoryCounters c;
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) == 0)
    c.PageFaultCount =
        static_cast<uint64_t>(usage.ru_minflt) + static_cast<uint64_t>(usage.ru_majflt);
  FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return c;
  struct TField {
    const char* Key;
    uint64_t TLxMemoryCounters::*Value;
  };
  static constexpr TField fields[] = {
      {"VmHWM:", &TLxMemoryCounters::PeakWorkingSetSize},
      {"VmRSS:", &TLxMemoryCounters::WorkingSetSize},
      {"VmSize:", &TLxMemoryCounters::PagefileUsage},
      {"VmPeak:", &TLxMemoryCounters::PeakPagefileUsage},
  };
  char line[256];
  while (std::fgets(line, sizeof line, status)) {
    for (const TField& f : fields) {
      const size_t n = std::strlen(f.Key);
      if (std::strncmp(line, f.Key, n) != 0) continue;
      unsigned long long kb = 0;
      if (std::sscanf(line + n, "%llu", &kb) == 1) c.*f.Value = static_cast<uint64_t>(kb) * 1024;
    }
  }
  std::fclose(status);
  return c;
}

}  // namespace lx

// What the operating system tells about the running process: its memory counters.
#pragma once

#include <cstdint>

namespace lx {

// The counters of the developer memory report, in bytes (PageFaultCount: a count). Those
// without a Linux counterpart stay 0.
struct TLxMemoryCounters {
  uint64_t PageFaultCount = 0;      // minor + major faults (getrusage)
  uint64_t PeakWorkingSetSize = 0;  // VmHWM
  uint64_t WorkingSetSize = 0;      // VmRSS
  uint64_t QuotaPeakPagedPoolUsage = 0;
  uint64_t QuotaPagedPoolUsage = 0;
  uint64_t QuotaPeakNonPagedPoolUsage = 0;
  uint64_t QuotaNonPagedPoolUsage = 0;
  uint64_t PagefileUsage = 0;      // VmSize
  uint64_t PeakPagefileUsage = 0;  // VmPeak
};

// From /proc/self/status and getrusage; counters that cannot be read stay 0.
TLxMemoryCounters ReadMemoryCounters();

}  // namespace lx

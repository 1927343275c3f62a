// An archive image: the table parser, then every listed record read and checked.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/lxutils.h"
#include "shell/lxresources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view image(reinterpret_cast<const char*>(data), size);
  std::vector<lx::TLxArchiveRecord> records;
  if (lx::ParseArchiveTable(image, records) != lx::arcOk) return 0;
  size_t read = 0;
  for (const auto& r : records) {
    if (++read > 64) break;
    lx::IsSafeRecordName(r.Name);
    std::string out;
    const int32_t rc = lx::ReadArchiveRecord(image, r.Name, out);
    // Delivered data is exactly what the first record of that name promised.
    size_t first = 0;
    while (!lx::SameText(records[first].Name, r.Name)) ++first;
    const lx::TLxArchiveRecord& found = records[first];
    if (rc == lx::arcOk && (out.size() != static_cast<size_t>(found.UncompressedSize) ||
                            lx::ArchiveCrc32(out) != found.Crc))
      __builtin_trap();
  }
  return 0;
}

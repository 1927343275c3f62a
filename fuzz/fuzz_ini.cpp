// Hostile INI text: casino descriptions and theme files read into the in-memory store.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "persistence/lxstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const lx::TLxStore store = lx::TLxStore::FromText(input);
  std::vector<std::string> sections;
  store.ReadSections(sections);
  for (const std::string& s : sections) {
    (void)store.ReadString(s, "IDStr", "_ERROR");
    (void)store.ReadInteger(s, "Left", -1);
    (void)store.ReadBool(s, "Visible", true);
    std::array<uint32_t, 4> color{};
    store.ReadColor4(s, "Color4", color, {1, 2, 3, 0xFFFFFFFFu});
    std::array<int32_t, 4> alpha{};
    store.ReadAlpha4(s, "Alpha4", alpha, {-1, 0, 1, 2});
    if (!store.SectionExists(s)) __builtin_trap();
  }
  return 0;
}

// An INI file held in memory: read completely when created, never written back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

class TLxStore {
 public:
  // Reads the file; a missing or unreadable file gives an empty store.
  explicit TLxStore(const std::string& fileName);
  // A store over text already in memory (theme records of an archive, tests).
  static TLxStore FromText(std::string_view text);

  // Section and key names are matched ignoring ASCII case; the first match counts.
  std::string ReadString(std::string_view section, std::string_view key,
                         const std::string& defaultValue) const;
  // Decimal with optional sign, "$" or "0x" hexadecimal (the 32-bit pattern); an unreadable
  // value gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  // Section names in file order.
  void ReadSections(std::vector<std::string>& list) const;
  bool SectionExists(std::string_view section) const;

  // Four values written "a_b_c_d"; missing or unreadable parts keep their defaults.
  void ReadColor4(std::string_view section, std::string_view key, std::array<uint32_t, 4>& values,
                  const std::array<uint32_t, 4>& defaults) const;
  void ReadAlpha4(std::string_view section, std::string_view key, std::array<int32_t, 4>& values,
                  const std::array<int32_t, 4>& defaults) const;

 private:
  TLxStore() = default;
  void Parse(std::string_view text);

  struct TKey {
    std::string Name;
    std::string Value;
  };
  struct TSection {
    std::string Name;
    std::vector<TKey> Keys;
  };
  const TKey* FindKey(std::string_view section, std::string_view key) const;

  std::vector<TSection> Sections;
};

}  // namespace lx

#include "persistence/lxstore.h"

#include "base/lxutils.h"
#include "persistence/pelxml.h"
#include "platform/lxfiles.h"

namespace lx {

namespace {

std::string_view TrimView(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

// Splits a "a_b_c_d" text into four 32-bit patterns, keeping the defaults where a part is empty,
// unreadable or missing.
std::array<int32_t, 4> Read4(std::string text, const std::array<int32_t, 4>& defaults) {
  std::array<int32_t, 4> v = defaults;
  for (size_t i = 0; i < 3; ++i) {
    const size_t bar = text.find('_');
    if (bar == std::string::npos) continue;  // nothing dropped, the value keeps its default
    XMLTryStrToInt(std::string_view(text).substr(0, bar), v[i]);
    text.erase(0, bar + 1);
  }
  XMLTryStrToInt(text, v[3]);
  return v;
}

}  // namespace

TLxStore::TLxStore(const std::string& fileName) {
  if (std::optional<std::string> text = ReadWholeFile(fileName)) Parse(*text);
}

TLxStore TLxStore::FromText(std::string_view text) {
  TLxStore store;
  store.Parse(text);
  return store;
}

void TLxStore::Parse(std::string_view text) {
  TSection* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = TrimView(text.substr(pos, end - pos));
    // CR LF, CR or LF ends a line.
    if (end == text.size())
      pos = end;
    else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      pos = end + 2;
    else
      pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      Sections.push_back(TSection{std::string(TrimView(line.substr(1, line.size() - 2))), {}});
      current = &Sections.back();
      continue;
    }
    if (!current) continue;  // lines before the first section
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
      current->Keys.push_back(TKey{std::string(line), std::string()});
    else
      current->Keys.push_back(TKey{std::string(TrimView(line.substr(0, eq))),
                                   std::string(TrimView(line.substr(eq + 1)))});
  }
}

const TLxStore::TKey* TLxStore::FindKey(std::string_view section, std::string_view key) const {
  for (const TSection& s : Sections) {
    if (!SameText(s.Name, section)) continue;
    for (const TKey& k : s.Keys)
      if (SameText(k.Name, key)) return &k;
    return nullptr;
  }
  return nullptr;
}

std::string TLxStore::ReadString(std::string_view section, std::string_view key,
                                 const std::string& defaultValue) const {
  const TKey* k = FindKey(section, key);
  return k ? k->Value : defaultValue;
}

int32_t TLxStore::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const {
  const TKey* k = FindKey(section, key);
  int32_t v = defaultValue;
  if (k && XMLTryStrToInt(k->Value, v)) return v;
  return defaultValue;
}

bool TLxStore::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TLxStore::ReadSections(std::vector<std::string>& list) const {
  list.clear();
  for (const TSection& s : Sections) list.push_back(s.Name);
}

bool TLxStore::SectionExists(std::string_view section) const {
  for (const TSection& s : Sections)
    if (SameText(s.Name, section)) return true;
  return false;
}

void TLxStore::ReadColor4(std::string_view section, std::string_view key,
                          std::array<uint32_t, 4>& values,
                          const std::array<uint32_t, 4>& defaults) const {
  std::string fallback;
  std::array<int32_t, 4> d{};
  for (size_t i = 0; i < 4; ++i) {
    if (i) fallback += '_';
    fallback += std::to_string(defaults[i]);
    d[i] = static_cast<int32_t>(defaults[i]);  // the bit pattern
  }
  const std::array<int32_t, 4> v = Read4(ReadString(section, key, fallback), d);
  for (size_t i = 0; i < 4; ++i) values[i] = static_cast<uint32_t>(v[i]);
}

void TLxStore::ReadAlpha4(std::string_view section, std::string_view key,
                          std::array<int32_t, 4>& values,
                          const std::array<int32_t, 4>& defaults) const {
  std::string fallback;
  for (size_t i = 0; i < 4; ++i) {
    if (i) fallback += '_';
    fallback += std::to_string(defaults[i]);
  }
  values = Read4(ReadString(section, key, fallback), defaults);
}

}  // namespace lx

#include "persistence/pelxml.h"

#include <algorithm>
#include <functional>

#include "base/lxutils.h"
#include "platform/lxfiles.h"

namespace lx {

namespace {

// Substring search from a position; long patterns (tag names taken from hostile text) use a
// skip table so that a search stays close to linear in the text.
size_t FindFrom(std::string_view text, std::string_view pattern, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  if (pattern.size() < 16) return text.find(pattern, from);
  const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                              std::boyer_moore_horspool_searcher(pattern.begin(), pattern.end()));
  return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

int HexDigit(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = AsciiLower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Bytes written unchanged inside a string value.
bool IsPlain(unsigned char c) {
  return (c >= 32 && c <= 33) || (c >= 44 && c <= 59) || c == 61 || (c >= 65 && c <= 93) ||
         c == 95 || (c >= 97 && c <= 122);
}

// The text a scalar property receives: CDATA literally, otherwise decoded and trimmed.
std::string ScalarText(std::string_view content) {
  if (StartsWithText(content, "<![CDATA[")) return XMLUnescape(content);
  return Trim(XMLUnescape(content));
}

}  // namespace

namespace xmldetail {

void AppendInt(std::string& out, int32_t v) {
  out += std::to_string(v);
}

void AppendBool(std::string& out, bool v) {
  out += v ? "True" : "False";
}

}  // namespace xmldetail

// ---- property tables ----

bool XMLPropertyNameLess(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned ca = static_cast<unsigned char>(a[i]) & 0xDFu;
    const unsigned cb = static_cast<unsigned char>(b[i]) & 0xDFu;
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

const TXMLProperty* TXMLPropertyTable::Find(std::string_view name) const {
  for (const TXMLProperty& p : List)
    if (SameText(p.Name, name)) return &p;
  return nullptr;
}

void TXMLPropertyTable::Add(TXMLProperty property) {
  List.push_back(std::move(property));
}

void TXMLPropertyTable::Finish() {
  Sorted.resize(List.size());
  for (size_t i = 0; i < Sorted.size(); ++i) Sorted[i] = i;
  std::stable_sort(Sorted.begin(), Sorted.end(), [this](size_t a, size_t b) {
    return XMLPropertyNameLess(List[a].Name, List[b].Name);
  });
}

// ---- text conversions ----

void XMLAppendEscaped(std::string& out, std::string_view s) {
  static constexpr char hex[] = "0123456789ABCDEF";
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsPlain(c)) {
      out += ch;
    } else {
      const char esc[6] = {'&', '#', 'x', hex[c >> 4], hex[c & 15], ';'};
      out.append(esc, 6);
    }
  }
}

std::string XMLEscape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  XMLAppendEscaped(out, s);
  return out;
}

std::string XMLUnescape(std::string_view s) {
  if (StartsWithText(s, "<![CDATA[")) {
    if (s.size() <= 12) return std::string();
    return std::string(s.substr(9, s.size() - 12));
  }
  // Occurrences are decoded from the end towards the start: a decoded byte may complete an
  // occurrence that begins further left. The processed tail is kept reversed in rev, so its
  // first bytes are at the back.
  std::string rev;
  rev.reserve(s.size());
  for (size_t i = s.size(); i-- > 0;) {
    const size_t n = rev.size();
    if (s[i] == '&' && n >= 5 && rev[n - 1] == '#' && rev[n - 2] == 'x') {
      const int hi = HexDigit(static_cast<unsigned char>(rev[n - 3]));
      const int lo = HexDigit(static_cast<unsigned char>(rev[n - 4]));
      if (hi >= 0 && lo >= 0) {
        rev.resize(n - 5);
        rev += static_cast<char>(hi * 16 + lo);
        continue;
      }
    }
    rev += s[i];
  }
  std::reverse(rev.begin(), rev.end());
  return rev;
}

bool XMLTryStrToInt(std::string_view s, int32_t& value) {
  int64_t v = 0;
  if (!TryStrToInt(s, v)) return false;
  size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  const bool hex = (i < s.size() && s[i] == '$') ||
                   (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X'));
  if (hex) {
    // Up to 32 bits of pattern, sign applied afterwards.
    const uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    if (magnitude > 0xFFFFFFFFull) return false;
    value = static_cast<int32_t>(static_cast<uint32_t>(v));
    return true;
  }
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t XMLStrToInt(std::string_view s) {
  int32_t v = 0;
  if (!XMLTryStrToInt(s, v))
    throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
  return v;
}

bool XMLStrToBool(std::string_view s) {
  if (SameText(s, "True")) return true;
  if (SameText(s, "False")) return false;
  throw EConvertError("'" + std::string(s) + "' is not a valid Boolean value");
}

// ---- scanning ----

bool XMLNextTag(std::string_view text, size_t& pos, std::string_view& tag, size_t* tagStart) {
  if (pos >= text.size()) return false;
  const size_t lt = text.find('<', pos);
  if (lt == std::string_view::npos) return false;
  const size_t gt = text.find('>', lt + 1);
  if (gt == std::string_view::npos) return false;
  tag = text.substr(lt + 1, gt - lt - 1);
  if (tagStart) *tagStart = lt;
  pos = gt + 1;
  return true;
}

bool XMLElementContent(std::string_view text, std::string_view name, size_t& pos,
                       std::string_view& content) {
  std::string open;
  open.reserve(name.size() + 2);
  open += '<';
  open += name;
  open += '>';
  std::string close;
  close.reserve(name.size() + 3);
  close += "</";
  close += name;
  close += '>';

  const size_t o = FindFrom(text, open, pos);
  if (o == std::string_view::npos) return false;
  const size_t start = o + open.size();
  size_t scan = start;
  size_t nextOpen = FindFrom(text, open, start);  // kept across rounds: each byte is searched once
  int64_t levels = 1;
  for (;;) {
    const size_t c = FindFrom(text, close, scan);
    if (c == std::string_view::npos) return false;
    while (nextOpen != std::string_view::npos && nextOpen + open.size() <= c) {
      ++levels;
      nextOpen = FindFrom(text, open, nextOpen + open.size());
    }
    if (--levels == 0) {
      content = text.substr(start, c - start);
      pos = c + close.size();
      return true;
    }
    scan = c + close.size();
    if (nextOpen != std::string_view::npos && nextOpen < scan)
      nextOpen = FindFrom(text, open, scan);
  }
}

std::string_view XMLFindRoot(std::string_view text, std::string_view elementName) {
  size_t pos = 0;
  const size_t doctype = text.find("<!DOCTYPE ");
  if (doctype != std::string_view::npos) {
    const size_t end = text.find("]>", doctype + 10);
    if (end != std::string_view::npos) pos = end + 2;
  }
  std::string_view tag;
  size_t tagStart = 0;
  while (XMLNextTag(text, pos, tag, &tagStart)) {
    if (StartsWithText(tag, "?xml")) continue;
    std::string_view content;
    size_t after = tagStart;
    if (!XMLElementContent(text, tag, after, content)) break;
    if (SameText(tag, elementName)) return content;
    pos = after;
  }
  return std::string_view();
}

bool XMLFileExists(const std::string& path) {
  return FileExists(path);
}

std::string XMLReadFile(const std::string& path) {
  bool missing = false;
  std::optional<std::string> bytes = ReadWholeFile(path, &missing);
  if (!bytes) {
    if (missing) return std::string();
    throw ELxError("Cannot open file \"" + path + "\". " + LastFileError());
  }
  const size_t nul = bytes->find('\0');
  if (nul != std::string::npos) bytes->resize(nul);
  return std::move(*bytes);
}

// ---- objects ----

const TXMLPropertyTable& TXMLPersistent::StoredProperties() {
  static const TXMLPropertyTable empty;
  return empty;
}

std::string TXMLPersistent::GetXML() const {
  std::string out;
  AppendXML(out);
  return out;
}

void TXMLPersistent::AppendXML(std::string& out) const {
  AppendProperties(out);
}

void TXMLPersistent::AppendProperties(std::string& out) const {
  const TXMLPropertyTable& table = Properties();
  for (const size_t index : table.WrittenOrder()) {
    const TXMLProperty& p = table.Entries()[index];
    out += '<';
    out += p.Name;
    out += '>';
    if (p.Kind == TXMLPropertyKind::Object) {
      if (const TXMLPersistent* target = p.Target(*this)) target->AppendXML(out);
    } else {
      p.Write(*this, out);
    }
    out += "</";
    out += p.Name;
    out += ">\r\n";
  }
}

void TXMLPersistent::ApplyElement(std::string_view name, std::string_view content) {
  const TXMLProperty* p = Properties().Find(name);
  if (!p || content.empty()) return;
  if (p->Kind == TXMLPropertyKind::Object) {
    TXMLPersistent* target = p->Target(*this);
    if (!target) return;
    try {
      target->SetXML(content);
    } catch (const std::exception& e) {
      throw EXMLException("(" + std::string(e.what()) + ")Error with property - " + p->Name);
    }
    return;
  }
  if (!p->Assign) return;
  try {
    p->Assign(*this, ScalarText(content));
  } catch (const std::exception& e) {
    throw EXMLException("(" + std::string(e.what()) + ")Error Processing XML - " +
                        std::string(name));
  }
}

void TXMLPersistent::SetXML(std::string_view body) {
  size_t pos = 0;
  std::string_view tag;
  size_t tagStart = 0;
  while (XMLNextTag(body, pos, tag, &tagStart)) {
    std::string_view content;
    size_t after = tagStart;
    if (!XMLElementContent(body, tag, after, content)) return;
    ApplyElement(tag, content);
    pos = after;
  }
}

void TXMLPersistent::LoadDocument(std::string_view text) {
  SetXML(XMLFindRoot(text, ElementName()));
}

std::string TXMLPersistent::Document(std::string_view prefix) const {
  const std::string name = ElementName();
  std::string out(prefix);
  out += '<';
  out += name;
  out += '>';
  AppendXML(out);
  out += "</";
  out += name;
  out += '>';
  return out;
}

void TXMLPersistent::SaveDocument(const std::string& path, std::string_view prefix) const {
  if (!WriteFileAtomic(path, Document(prefix)))
    throw ELxError("Cannot create file \"" + path + "\"");
}

// ---- collections ----

TXMLCollection::~TXMLCollection() {
  Clear();
}

TXMLCollectionItem* TXMLCollection::Add() {
  List.emplace_back(ItemClass.Create(this));
  return List.back().get();
}

TXMLCollectionItem* TXMLCollection::Items(int32_t index) const {
  if (index < 0 || index >= Count())
    throw ELxError("List index out of bounds (" + std::to_string(index) + ")");
  return List[static_cast<size_t>(index)].get();
}

void TXMLCollection::Delete(int32_t index) {
  if (index < 0 || index >= Count())
    throw ELxError("List index out of bounds (" + std::to_string(index) + ")");
  List.erase(List.begin() + index);
}

void TXMLCollection::Clear() {
  // Last item first, as every owner frees what it owns.
  while (!List.empty()) List.pop_back();
}

void TXMLCollection::AppendXML(std::string& out) const {
  AppendProperties(out);
  const std::string& item = ItemClass.ElementName;
  for (const auto& p : List) {
    out += '<';
    out += item;
    out += '>';
    p->AppendXML(out);
    out += "</";
    out += item;
    out += ">\r\n";
  }
}

void TXMLCollection::SetXML(std::string_view body) {
  Clear();
  size_t pos = 0;
  std::string_view tag;
  size_t tagStart = 0;
  while (XMLNextTag(body, pos, tag, &tagStart)) {
    std::string_view content;
    size_t after = tagStart;
    if (!XMLElementContent(body, tag, after, content)) return;
    if (tag == ItemClass.ElementName)
      Add()->SetXML(content);
    else
      ApplyElement(tag, content);
    pos = after;
  }
}

}  // namespace lx

// Hostile stored files: the players file, a casino's statistics tree and a keyed-store list are
// read from arbitrary bytes. Whatever was read must write out and read back to the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "persistence/lxcasinomanager.h"
#include "persistence/lxdefs.h"
#include "persistence/playersunit.h"

namespace {

template <class T>
std::string LoadAndWrite(T& object, std::string_view text) {
  try {
    object.LoadFromXML(text);
  } catch (const lx::ELxError&) {
    // what was read before the fault stays
  }
  return object.GetXMLDocument();
}

template <class T, class Make>
void Check(std::string_view input, Make make) {
  auto a = make();
  const std::string first = LoadAndWrite(*a, input);
  auto b = make();
  const std::string second = LoadAndWrite(*b, first);
  auto c = make();
  b->LoadFromXML(second);  // our own text never fails
  c->LoadFromXML(second);
  if (c->GetXMLDocument() != second) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Check<lx::TLxPlayers>(input, [] { return std::make_unique<lx::TLxPlayers>(); });
  Check<lx::TLxCasino>(input, [] {
    return std::make_unique<lx::TLxCasino>("Fuzz", "/nonexistent/", lx::TGameLookup());
  });
  Check<lx::TLxStoreItems>(input, [] { return std::make_unique<lx::TLxStoreItems>(); });
  std::string_view content;
  size_t pos = 0;
  lx::XMLElementContent(input, "a", pos, content);
  (void)lx::XMLUnescape(input);
  return 0;
}

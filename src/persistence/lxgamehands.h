// Hand rows: a pay table of the catalog (pay per coin) and a statistics count (how often a hand
// came up) are the same two classes. Stored as "GameHands" of "GameHand" items.
#pragma once

#include <cstdint>
#include <string>

#include "persistence/pelxml.h"

namespace lx {

class TGameHand : public TPelXMLCollectionItem {
  LX_XML_CLASS(TGameHand, TPelXMLCollectionItem)

 public:
  explicit TGameHand(TXMLCollection* collection = nullptr) : TPelXMLCollectionItem(collection) {}
  static void DeclareProperties(TXMLPropertiesOf<TGameHand>& p);

  std::string HandIDStr;  // a hand identifier, "HAND_..."
  int32_t Value = 0;      // pay per coin in a pay table; a count in the statistics
  int32_t HandCode = 0;   // numeric code of HandIDStr; not stored
};

// Owns its rows; row order is significant (display order of a pay table).
class TGameHands : public TPelXMLCollectionOf<TGameHand> {
  LX_XML_CLASS(TGameHands, TPelXMLCollectionOf<TGameHand>)

 public:
  TGameHands() = default;
};

}  // namespace lx

// Hand rows: a pay table of the catalog (pay per coin) and a statistics count (how often a hand
// came up) are the same two classes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lx {

class TGameHand {
 public:
  std::string HandIDStr;  // a hand identifier, "HAND_..."
  int32_t Value = 0;      // pay per coin in a pay table; a count in the statistics
  int32_t HandCode = 0;   // numeric code of HandIDStr; not stored
};

// Owns its rows; row order is significant (display order of a pay table).
class TGameHands {
 public:
  TGameHands() = default;
  TGameHands(const TGameHands&) = delete;
  TGameHands& operator=(const TGameHands&) = delete;

  int32_t Count() const { return static_cast<int32_t>(Rows.size()); }
  TGameHand* Items(int32_t index) const { return Rows[static_cast<size_t>(index)].get(); }
  TGameHand* Add();
  void Clear() { Rows.clear(); }

 private:
  std::vector<std::unique_ptr<TGameHand>> Rows;
};

}  // namespace lx

// The developer's forcing lists: which poker hand the next deal is to bring and which pattern
// the next spin of the reels is to show. The debug window sets them in developer mode; the
// poker deal and the slot reels read them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lx {

// The entries of the two lists, index 0 first; entry 0 ("-") forces nothing.
const std::vector<std::string>& CheatHandEntries();
const std::vector<std::string>& CheatReelsEntries();

// Index of the selected entry of each list: -1 when nothing is selected or forcing is off
// (outside developer mode). A reader forces only for an index above 0.
int32_t ForcedHand();
int32_t ForcedReels();

// Set by the debug window. Indices outside the list select nothing (-1).
void SetForcedHand(int32_t index);
void SetForcedReels(int32_t index);
// Only developer mode turns forcing on; while it is off both readers answer -1.
void SetForcingEnabled(bool enabled);
bool ForcingEnabled();

}  // namespace lx

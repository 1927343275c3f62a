#include "base/lxforcing.h"

namespace lx {

namespace {

struct TForcing {
  bool Enabled = false;
  int32_t Hand = -1;
  int32_t Reels = -1;
};

TForcing& State() {
  static TForcing state;
  return state;
}

int32_t Checked(int32_t index, const std::vector<std::string>& entries) {
  return index >= 0 && index < static_cast<int32_t>(entries.size()) ? index : -1;
}

}  // namespace

const std::vector<std::string>& CheatHandEntries() {
  static const std::vector<std::string> entries = {"-",
                                                   "FIVE OF A KIND",
                                                   "FIVE OF A KIND DEUCES WILD",
                                                   "ROYAL FLUSH",
                                                   "ROYAL FLUSH NATURAL",
                                                   "STREET FLUSH",
                                                   "POKER",
                                                   "POKER DEUCES",
                                                   "POKER ACES",
                                                   "POKER J-Q-K",
                                                   "POKER 2-10",
                                                   "FULL HOUSE",
                                                   "FLUSH",
                                                   "STREET",
                                                   "THREE OF A KIND",
                                                   "TWO PAIRS",
                                                   "HIGH PAIR",
                                                   "LUMIO 3xX",
                                                   "FULL LUMIO"};
  return entries;
}

const std::vector<std::string>& CheatReelsEntries() {
  static const std::vector<std::string> entries = {
      "-",           "1 BAR",     "2 BAR",      "3 BAR",      "CHERRY LINE",
      "7 LINE",      "POOL LINE", "POOL O",     "POOL CROSS", "BELL LINE",
      "COLLECT BAR", "ALL FRUIT", "ALL CHERRY", "ALL BAR",    "ALL 7"};
  return entries;
}

int32_t ForcedHand() {
  return State().Enabled ? State().Hand : -1;
}

int32_t ForcedReels() {
  return State().Enabled ? State().Reels : -1;
}

void SetForcedHand(int32_t index) {
  State().Hand = Checked(index, CheatHandEntries());
}

void SetForcedReels(int32_t index) {
  State().Reels = Checked(index, CheatReelsEntries());
}

void SetForcingEnabled(bool enabled) {
  State().Enabled = enabled;
}

bool ForcingEnabled() {
  return State().Enabled;
}

}  // namespace lx

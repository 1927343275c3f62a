// A card on screen: one card number (1..54) shown by its face or its back, from the game's card
// set folder ("CardSet1", "CardSet2", "CardSetFruit"). Wild cards show a face of their own.
#pragma once

#include <cstdint>

#include "gui/lxcontrols.h"

namespace lx {

class TLxCard : public TLxControl {
 public:
  // FaceDown, not held, WildRank 0, Value 0.
  explicit TLxCard(TLxComponent* owner);

  // Value := n; Suit and Rank follow it, and keep their values for a number outside 1..54.
  // Nothing happens for the current value. The picture changes only with UpdateImage.
  void SetValue(int32_t n);
  int32_t Value() const { return FValue; }
  int32_t Suit() const { return FSuit; }
  int32_t Rank() const { return FRank; }

  // The texture of what the card shows: "CARD_BACK_1" face down, else "CARD_<Value>", with
  // "_WILD" appended when the rank is the wild rank; loaded from the card set folder (the
  // texture group the owner sets).
  void UpdateImage();
  // The texture name UpdateImage would ask for.
  std::string ImageName() const;

  bool Held = false;
  bool FaceDown = true;
  int32_t WildRank = 0;

 private:
  int32_t FValue = 0;
  int32_t FSuit = 0;
  int32_t FRank = 0;
};

}  // namespace lx

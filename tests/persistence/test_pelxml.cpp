#include <gtest/gtest.h>

#include "persistence/lxgamehands.h"
#include "persistence/pelxml.h"

namespace lx {
TEST(PelXML, Smoke) {
  TGameHands h;
  auto* r = h.Add();
  r->HandIDStr = "HAND_X";
  r->Value = 3;
  EXPECT_EQ(h.GetXML(),
            "<GameHand><HandIDStr>HAND_X</HandIDStr>\r\n<Value>3</Value>\r\n</GameHand>\r\n");
}
}  // namespace lx

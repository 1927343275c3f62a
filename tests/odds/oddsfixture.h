// Games of published analysis, built from a catalog type and a replaced pay table.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "odds/lxcardtext.h"
#include "odds/lxdrawtable.h"

namespace lx {

// 9/6 Jacks or Better on type 10 and full-pay Deuces Wild on type 12.
inline constexpr const char* kJacks96 =
    "ROYALFLUSH=800,STREETFLUSH=50,POKER=25,FULLHOUSE=9,FLUSH=6,STREET=4,THREEOFAKIND=3,"
    "TWOPAIRS=2,HIGHPAIR=1";
inline constexpr const char* kFullPayDeuces =
    "ROYALFLUSH_N=800,POKER_D=200,ROYALFLUSH=25,FIVEOFAKIND=15,STREETFLUSH=9,POKER=5,"
    "FULLHOUSE=3,FLUSH=2,STREET=2,THREEOFAKIND=1";

// A game and its draw table, kept together.
struct TOddsFixture {
  TLxGameManager Manager;
  std::unique_ptr<TOddsGame> Game;
  std::unique_ptr<TDrawTable> Table;
  TOddsFixture(int32_t type, const char* pays) {
    const TGameInfo& info = *Manager.FindByType(type);
    Game = pays ? std::make_unique<TOddsGame>(info, ParsePays(pays))
                : std::make_unique<TOddsGame>(info);
    Table = std::make_unique<TDrawTable>(*Game);
  }
};

// "JS QS KS AS TS" as card numbers; a second JOKER is card 54.
inline std::array<int32_t, 5> Cards(const std::string& text) {
  std::array<int32_t, 5> cards{};
  size_t at = 0;
  int32_t jokers = 0;
  for (size_t i = 0; i < 5; ++i) {
    const size_t end = text.find(' ', at);
    const int32_t c = ParseCard(text.substr(at, end - at));
    cards[i] = c == 53 ? 53 + jokers++ : c;
    at = end + 1;
  }
  return cards;
}

}  // namespace lx

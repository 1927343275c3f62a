#include "gamecore/lxgamemanager.h"

#include <span>

#include "base/lxutils.h"

namespace lx {

TLxGameManager* GameManager = nullptr;

namespace {

struct THandRow {
  int32_t Code;
  const char* IDStr;
  const char* Title;
};

// Every hand identifier with its code and title. Codes are fixed numbers; gaps are unused.
constexpr THandRow kHands[] = {
    {0, "HAND_NOTHING", "NOTHING"},
    {1, "HAND_FIVEOFAKIND", "FIVE OF A KIND"},
    {2, "HAND_ROYALFLUSH", "ROYAL FLUSH"},
    {3, "HAND_ROYALFLUSH_N", "NATURAL ROYAL FLUSH"},
    {4, "HAND_STREETFLUSH", "STRAIGHT FLUSH"},
    {5, "HAND_POKER", "4 OF A KIND"},
    {6, "HAND_FULLHOUSE", "FULL HOUSE"},
    {7, "HAND_FLUSH", "FLUSH"},
    {8, "HAND_STREET", "STRAIGHT"},
    {9, "HAND_THREEOFAKIND", "3 OF A KIND"},
    {10, "HAND_TWOPAIRS", "2 PAIRS"},
    {11, "HAND_HIGHPAIR", "JACKS OR BETTER"},
    {12, "HAND_HIGHPAIR10", "TENS OR BETTER"},
    {13, "HAND_3XLUMIO", "3 X LUMIO"},
    {20, "HAND_FIVEOFAKIND_D", "4 DEUCES AND JOKER"},
    {20, "HAND_SEQUENTIAL_N", "SEQUENTIAL ROYAL FLUSH"},
    {21, "HAND_POKER_D", "4 DEUCES"},
    {22, "HAND_POKER_2TO10", "4 OF A KIND (2's thru 10's)"},
    {23, "HAND_POKER_JQK", "4 OF A KIND (J's, Q's, K's)"},
    {24, "HAND_POKER_ACES", "4 OF A KIND (ACES)"},
    {25, "HAND_POKER_2TO4", "4 OF A KIND (2's, 3's, 4's)"},
    {26, "HAND_POKER_2TOK", "4 OF A KIND (5's thru K's)"},
    {27, "HAND_POKER_ACES_W2TO4", "4 ACES w/2,3,4"},
    {28, "HAND_POKER_2TO4_WATO4", "4 2,3 or 4 w/A,2,3,4"},
    {31, "HAND_REELNORMAL1LINE", "PEACH/GUITAR LINE"},
    {32, "HAND_REELNORMAL2LINE", "GRAPES/VIOLIN LINE"},
    {33, "HAND_REELNORMAL3LINE", "MELON/DRUM LINE"},
    {34, "HAND_REELNORMAL4LINE", "DIAMOND/ACCORDION LINE"},
    {35, "HAND_REELNORMAL5LINE", "STRAWBERRY/TRUMP LINE"},
    {36, "HAND_REELNORMAL6LINE", "APPLE LINE"},
    {37, "HAND_NORMALALLFULL", "ALL FRUITS"},
    {41, "HAND_CHERRY1LINE", "CHERRY LINE"},
    {42, "HAND_CHERRY2LINE", "CHERRY2 LINE"},
    {43, "HAND_CHERRY3LINE", "CHERRY3 LINE"},
    {44, "HAND_CHERRYLINEF2", "2 X CHERRY LINE"},
    {45, "HAND_CHERRYLINEF1", "1 X CHERRY LINE"},
    {46, "HAND_CHERRYALLFULL", "ALL CHERRY"},
    {51, "HAND_SEVEN1LINE", "7 LINE"},
    {52, "HAND_SEVEN2LINE", "77 LINE"},
    {53, "HAND_SEVEN3LINE", "777 LINE"},
    {61, "HAND_SEVENALL1", "1 X 7"},
    {62, "HAND_SEVENALL2", "2 X 7"},
    {63, "HAND_SEVENALL3", "3 X 7"},
    {64, "HAND_SEVENALL4", "4 X 7"},
    {65, "HAND_SEVENALL5", "5 X 7"},
    {66, "HAND_SEVENALL6", "6 X 7"},
    {67, "HAND_SEVENALL7", "7 X 7"},
    {68, "HAND_SEVENALL8", "8 X 7"},
    {69, "HAND_SEVENALL9", "9 X 7"},
    {71, "HAND_BAR1LINE", "BAR1 LINE"},
    {72, "HAND_BAR2LINE", "BAR2 LINE"},
    {73, "HAND_BAR3LINE", "BAR3 LINE"},
    {74, "HAND_BAR4LINE", "BAR4 LINE"},
    {75, "HAND_BAR5LINE", "BAR5 LINE"},
    {76, "HAND_BAR6LINE", "BAR6 LINE"},
    {77, "HAND_BARALLLINE", "MIXED BAR LINE"},
    {78, "HAND_BARALLFULL", "ALL BAR"},
    {91, "HAND_BONUS1LINE", "SUPER BAR LINE"},
    {101, "HAND_BONUSALL1", "1 X SUPER BAR"},
    {102, "HAND_BONUSALL2", "2 X SUPER BAR"},
    {103, "HAND_BONUSALL3", "3 X SUPER BAR"},
    {104, "HAND_BONUSALL4", "4 X SUPER BAR"},
    {105, "HAND_BONUSALL5", "5 X SUPER BAR"},
    {106, "HAND_BONUSALL6", "6 X SUPER BAR"},
    {107, "HAND_BONUSALL7", "7 X SUPER BAR"},
    {108, "HAND_BONUSALL8", "8 X SUPER BAR"},
    {109, "HAND_BONUSALL9", "9 X SUPER BAR"},
    {110, "HAND_EMPTYALLFULL", "ALL EMPTY"},
};

const THandRow* FindHand(std::string_view handId) {
  for (const THandRow& row : kHands) {
    if (handId == row.IDStr) return &row;
  }
  return nullptr;
}

struct TPayRow {
  const char* Hand;
  int32_t Value;
};

struct TCatalogRow {
  int32_t GameType;
  const char* IDStr;
  const char* Title;
  bool Poker;  // PokerGroup, else SlotGroup
  const char* Description;
  std::span<const TPayRow> Pays;
};

// Pay per coin of bet, in display order (top row first).
constexpr const char* kMultiLineDescription =
    "Multiple Line slot machines let players bet on additional paylines by adding more coins. Each "
    "additional coin activates an additional payline up to the 3 or 5 line maximum, depending on "
    "the machine. Multiple Line slots use the traditional bar and 7 symbols, as well as special, "
    "machine-specific symbols.";

constexpr TPayRow kPays1[] = {
    {"HAND_FIVEOFAKIND", 800}, {"HAND_ROYALFLUSH", 500}, {"HAND_STREETFLUSH", 100},
    {"HAND_POKER", 40},        {"HAND_FULLHOUSE", 10},   {"HAND_FLUSH", 9},
    {"HAND_STREET", 7},        {"HAND_THREEOFAKIND", 3}, {"HAND_TWOPAIRS", 2},
    {"HAND_HIGHPAIR", 1},      {"HAND_3XLUMIO", 13}};
constexpr TPayRow kPays2[] = {
    {"HAND_ROYALFLUSH_N", 1000}, {"HAND_POKER_D", 500},    {"HAND_ROYALFLUSH", 100},
    {"HAND_STREETFLUSH", 70},    {"HAND_FIVEOFAKIND", 50}, {"HAND_POKER", 4},
    {"HAND_FULLHOUSE", 3},       {"HAND_FLUSH", 2},        {"HAND_STREET", 2},
    {"HAND_THREEOFAKIND", 1},    {"HAND_3XLUMIO", 40}};
constexpr TPayRow kPays3[] = {{"HAND_ROYALFLUSH_N", 800}, {"HAND_FIVEOFAKIND", 100},
                              {"HAND_ROYALFLUSH", 30},    {"HAND_STREETFLUSH", 20},
                              {"HAND_POKER", 10},         {"HAND_FULLHOUSE", 5},
                              {"HAND_FLUSH", 3},          {"HAND_STREET", 2},
                              {"HAND_THREEOFAKIND", 1},   {"HAND_TWOPAIRS", 1}};
constexpr TPayRow kPays4[] = {{"HAND_FIVEOFAKIND", 50}, {"HAND_ROYALFLUSH", 20},
                              {"HAND_STREETFLUSH", 10}, {"HAND_POKER", 5},
                              {"HAND_FULLHOUSE", 4},    {"HAND_FLUSH", 3},
                              {"HAND_STREET", 3},       {"HAND_THREEOFAKIND", 2},
                              {"HAND_TWOPAIRS", 2},     {"HAND_HIGHPAIR", 1}};
constexpr TPayRow kPays5[] = {
    {"HAND_FIVEOFAKIND", 600}, {"HAND_ROYALFLUSH", 300}, {"HAND_STREETFLUSH", 80},
    {"HAND_POKER", 40},        {"HAND_FULLHOUSE", 12},   {"HAND_FLUSH", 9},
    {"HAND_STREET", 7},        {"HAND_THREEOFAKIND", 5}, {"HAND_TWOPAIRS", 3}};
constexpr TPayRow kPays6[] = {{"HAND_FIVEOFAKIND_D", 4000},
                              {"HAND_ROYALFLUSH_N", 800},
                              {"HAND_POKER_D", 200},
                              {"HAND_ROYALFLUSH", 12},
                              {"HAND_FIVEOFAKIND", 9},
                              {"HAND_STREETFLUSH", 6},
                              {"HAND_POKER", 3},
                              {"HAND_FULLHOUSE", 3},
                              {"HAND_FLUSH", 3},
                              {"HAND_STREET", 2},
                              {"HAND_THREEOFAKIND", 1}};
constexpr TPayRow kPays10[] = {
    {"HAND_ROYALFLUSH", 250}, {"HAND_STREETFLUSH", 50}, {"HAND_POKER", 25},
    {"HAND_FULLHOUSE", 9},    {"HAND_FLUSH", 6},        {"HAND_STREET", 4},
    {"HAND_THREEOFAKIND", 3}, {"HAND_TWOPAIRS", 2},     {"HAND_HIGHPAIR", 1}};
constexpr TPayRow kPays11[] = {
    {"HAND_ROYALFLUSH", 350}, {"HAND_STREETFLUSH", 100}, {"HAND_POKER_ACES", 80},
    {"HAND_POKER_2TO4", 40},  {"HAND_POKER_2TOK", 25},   {"HAND_FULLHOUSE", 8},
    {"HAND_FLUSH", 6},        {"HAND_STREET", 4},        {"HAND_THREEOFAKIND", 2},
    {"HAND_TWOPAIRS", 2},     {"HAND_HIGHPAIR", 1}};
constexpr TPayRow kPays16[] = {
    {"HAND_ROYALFLUSH", 800}, {"HAND_STREETFLUSH", 50}, {"HAND_POKER_ACES", 160},
    {"HAND_POKER_2TO4", 80},  {"HAND_POKER_2TOK", 50},  {"HAND_FULLHOUSE", 10},
    {"HAND_FLUSH", 7},        {"HAND_STREET", 5},       {"HAND_THREEOFAKIND", 3},
    {"HAND_TWOPAIRS", 1},     {"HAND_HIGHPAIR", 1}};
constexpr TPayRow kPays17[] = {{"HAND_ROYALFLUSH", 800},
                               {"HAND_STREETFLUSH", 50},
                               {"HAND_POKER_ACES_W2TO4", 400},
                               {"HAND_POKER_2TO4_WATO4", 160},
                               {"HAND_POKER_ACES", 160},
                               {"HAND_POKER_2TO4", 80},
                               {"HAND_POKER_2TOK", 50},
                               {"HAND_FULLHOUSE", 10},
                               {"HAND_FLUSH", 7},
                               {"HAND_STREET", 5},
                               {"HAND_THREEOFAKIND", 3},
                               {"HAND_TWOPAIRS", 1},
                               {"HAND_HIGHPAIR", 1}};
constexpr TPayRow kPays18[] = {
    {"HAND_ROYALFLUSH", 250}, {"HAND_STREETFLUSH", 50}, {"HAND_POKER", 25},
    {"HAND_FULLHOUSE", 6},    {"HAND_FLUSH", 5},        {"HAND_STREET", 4},
    {"HAND_THREEOFAKIND", 3}, {"HAND_TWOPAIRS", 2},     {"HAND_HIGHPAIR10", 1}};
constexpr TPayRow kPays12[] = {{"HAND_ROYALFLUSH_N", 300}, {"HAND_POKER_D", 200},
                               {"HAND_ROYALFLUSH", 25},    {"HAND_FIVEOFAKIND", 15},
                               {"HAND_STREETFLUSH", 9},    {"HAND_POKER", 5},
                               {"HAND_FULLHOUSE", 3},      {"HAND_FLUSH", 2},
                               {"HAND_STREET", 2},         {"HAND_THREEOFAKIND", 1}};
constexpr TPayRow kPays13[] = {{"HAND_FIVEOFAKIND_D", 4000},
                               {"HAND_ROYALFLUSH_N", 800},
                               {"HAND_POKER_D", 25},
                               {"HAND_ROYALFLUSH", 12},
                               {"HAND_FIVEOFAKIND", 9},
                               {"HAND_STREETFLUSH", 6},
                               {"HAND_POKER", 3},
                               {"HAND_FULLHOUSE", 3},
                               {"HAND_FLUSH", 3},
                               {"HAND_STREET", 2},
                               {"HAND_THREEOFAKIND", 1}};
constexpr TPayRow kPays14[] = {{"HAND_ROYALFLUSH_N", 400}, {"HAND_FIVEOFAKIND", 200},
                               {"HAND_ROYALFLUSH", 100},   {"HAND_STREETFLUSH", 50},
                               {"HAND_POKER", 20},         {"HAND_FULLHOUSE", 7},
                               {"HAND_FLUSH", 5},          {"HAND_STREET", 3},
                               {"HAND_THREEOFAKIND", 2},   {"HAND_TWOPAIRS", 1}};
constexpr TPayRow kPays15[] = {{"HAND_FIVEOFAKIND", 800}, {"HAND_ROYALFLUSH", 500},
                               {"HAND_STREETFLUSH", 100}, {"HAND_POKER", 40},
                               {"HAND_FULLHOUSE", 9},     {"HAND_FLUSH", 6},
                               {"HAND_STREET", 5},        {"HAND_THREEOFAKIND", 3},
                               {"HAND_TWOPAIRS", 2},      {"HAND_HIGHPAIR", 1}};
constexpr TPayRow kPays31[] = {
    {"HAND_SEVEN3LINE", 30},      {"HAND_SEVEN2LINE", 20},     {"HAND_SEVEN1LINE", 10},
    {"HAND_BARALLFULL", 200},     {"HAND_BAR3LINE", 15},       {"HAND_BAR2LINE", 10},
    {"HAND_BAR1LINE", 5},         {"HAND_BARALLLINE", 2},      {"HAND_NORMALALLFULL", 10},
    {"HAND_REELNORMAL6LINE", 12}, {"HAND_REELNORMAL5LINE", 7}, {"HAND_REELNORMAL4LINE", 10},
    {"HAND_REELNORMAL3LINE", 5},  {"HAND_REELNORMAL2LINE", 3}, {"HAND_REELNORMAL1LINE", 2},
    {"HAND_CHERRYALLFULL", 300},  {"HAND_CHERRY1LINE", 10},    {"HAND_CHERRYLINEF2", 2},
    {"HAND_CHERRYLINEF1", 1},     {"HAND_SEVENALL9", 1000},    {"HAND_SEVENALL8", 200},
    {"HAND_SEVENALL7", 70},       {"HAND_SEVENALL6", 50},      {"HAND_SEVENALL5", 30},
    {"HAND_SEVENALL4", 5},        {"HAND_SEVENALL3", 2},       {"HAND_SEVENALL2", 1},
    {"HAND_BONUSALL9", 1000},     {"HAND_BONUSALL8", 200},     {"HAND_BONUSALL7", 100},
    {"HAND_BONUSALL6", 70},       {"HAND_BONUSALL5", 30},      {"HAND_BONUSALL4", 10},
    {"HAND_BONUSALL3", 5},        {"HAND_BONUSALL2", 2},       {"HAND_BONUSALL1", 1},
    {"HAND_BONUS1LINE", 100},     {"HAND_EMPTYALLFULL", 30}};
constexpr TPayRow kPays32[] = {
    {"HAND_SEVEN3LINE", 30},      {"HAND_SEVEN2LINE", 20},      {"HAND_SEVEN1LINE", 10},
    {"HAND_BARALLFULL", 200},     {"HAND_BAR3LINE", 15},        {"HAND_BAR2LINE", 10},
    {"HAND_BAR1LINE", 5},         {"HAND_NORMALALLFULL", 15},   {"HAND_REELNORMAL6LINE", 14},
    {"HAND_REELNORMAL5LINE", 12}, {"HAND_REELNORMAL4LINE", 12}, {"HAND_REELNORMAL3LINE", 10},
    {"HAND_REELNORMAL2LINE", 7},  {"HAND_REELNORMAL1LINE", 5},  {"HAND_CHERRYALLFULL", 300},
    {"HAND_CHERRY1LINE", 10},     {"HAND_CHERRYLINEF2", 2},     {"HAND_CHERRYLINEF1", 1},
    {"HAND_SEVENALL9", 1000},     {"HAND_SEVENALL8", 200},      {"HAND_SEVENALL7", 70},
    {"HAND_SEVENALL6", 50},       {"HAND_SEVENALL5", 30},       {"HAND_SEVENALL4", 5},
    {"HAND_SEVENALL3", 2},        {"HAND_SEVENALL2", 1},        {"HAND_BONUSALL9", 1000},
    {"HAND_BONUSALL8", 200},      {"HAND_BONUSALL7", 100},      {"HAND_BONUSALL6", 70},
    {"HAND_BONUSALL5", 30},       {"HAND_BONUSALL4", 10},       {"HAND_BONUSALL3", 5},
    {"HAND_BONUSALL2", 2},        {"HAND_BONUSALL1", 1},        {"HAND_BONUS1LINE", 100},
    {"HAND_EMPTYALLFULL", 30}};
constexpr TPayRow kPays33[] = {
    {"HAND_SEVEN1LINE", 200},     {"HAND_BARALLFULL", 200},     {"HAND_BAR3LINE", 70},
    {"HAND_BAR2LINE", 50},        {"HAND_BAR1LINE", 30},        {"HAND_BARALLLINE", 10},
    {"HAND_REELNORMAL5LINE", 15}, {"HAND_REELNORMAL4LINE", 12}, {"HAND_REELNORMAL3LINE", 10},
    {"HAND_REELNORMAL2LINE", 7},  {"HAND_REELNORMAL1LINE", 5},  {"HAND_CHERRYALLFULL", 300},
    {"HAND_CHERRY1LINE", 10},     {"HAND_CHERRYLINEF2", 2},     {"HAND_CHERRYLINEF1", 1},
    {"HAND_SEVENALL9", 1000},     {"HAND_SEVENALL8", 400},      {"HAND_SEVENALL7", 200},
    {"HAND_SEVENALL6", 100},      {"HAND_SEVENALL5", 50},       {"HAND_SEVENALL4", 20},
    {"HAND_SEVENALL3", 5},        {"HAND_SEVENALL2", 2},        {"HAND_BONUSALL9", 1000},
    {"HAND_BONUSALL8", 400},      {"HAND_BONUSALL7", 200},      {"HAND_BONUSALL6", 100},
    {"HAND_BONUSALL5", 50},       {"HAND_BONUSALL4", 20},       {"HAND_BONUSALL3", 5},
    {"HAND_BONUSALL2", 2},        {"HAND_BONUSALL1", 1},        {"HAND_BONUS1LINE", 400},
    {"HAND_EMPTYALLFULL", 30}};
constexpr TPayRow kPays34[] = {
    {"HAND_SEVEN1LINE", 200},     {"HAND_BARALLFULL", 200},     {"HAND_BAR6LINE", 60},
    {"HAND_BAR5LINE", 50},        {"HAND_BAR4LINE", 40},        {"HAND_BAR3LINE", 30},
    {"HAND_BAR2LINE", 20},        {"HAND_BAR1LINE", 10},        {"HAND_BARALLLINE", 1},
    {"HAND_NORMALALLFULL", 100},  {"HAND_REELNORMAL5LINE", 10}, {"HAND_REELNORMAL4LINE", 10},
    {"HAND_REELNORMAL3LINE", 10}, {"HAND_REELNORMAL2LINE", 10}, {"HAND_REELNORMAL1LINE", 10},
    {"HAND_CHERRYALLFULL", 300},  {"HAND_CHERRY1LINE", 10},     {"HAND_CHERRYLINEF2", 2},
    {"HAND_CHERRYLINEF1", 1},     {"HAND_SEVENALL9", 1000},     {"HAND_SEVENALL8", 400},
    {"HAND_SEVENALL7", 200},      {"HAND_SEVENALL6", 100},      {"HAND_SEVENALL5", 50},
    {"HAND_SEVENALL4", 20},       {"HAND_SEVENALL3", 5},        {"HAND_SEVENALL2", 2},
    {"HAND_BONUSALL9", 1000},     {"HAND_BONUSALL8", 400},      {"HAND_BONUSALL7", 200},
    {"HAND_BONUSALL6", 100},      {"HAND_BONUSALL5", 50},       {"HAND_BONUSALL4", 20},
    {"HAND_BONUSALL3", 5},        {"HAND_BONUSALL2", 2},        {"HAND_BONUSALL1", 1},
    {"HAND_BONUS1LINE", 400},     {"HAND_EMPTYALLFULL", 30}};
constexpr TPayRow kPays60[] = {
    {"HAND_ROYALFLUSH_N", 800}, {"HAND_ROYALFLUSH", 12}, {"HAND_FIVEOFAKIND", 9},
    {"HAND_STREETFLUSH", 6},    {"HAND_POKER", 3},       {"HAND_FULLHOUSE", 3},
    {"HAND_FLUSH", 3},          {"HAND_STREET", 2},      {"HAND_THREEOFAKIND", 1}};

constexpr TCatalogRow kCatalog[] = {
    {1, "LXG_VP_LUMIOBONUS", "LUMIO BONUS POKER", true,
     "3 DEAL, DOUBLE UP BIG/SMALL, 4XLUMIO NUMBER BONUS, 3XLUMIO NUMBER BONUS", kPays1},
    {2, "LXG_VP_LUMIOBONUS2", "LUMIO BONUS POKER DEUCES WILD", true,
     "DEUCES WILD, 3 DEAL, DOUBLE UP BIG/SMALL, 4XLUMIO NUMBER BONUS, 3XLUMIO NUMBER BONUS",
     kPays2},
    {3, "LXG_VP_DOUBLEJOKER", "DOUBLE JOKER POKER", true, "2XJOKER, DOUBLE UP BEAT THE DEALER",
     kPays3},
    {4, "LXG_VP_DOUBLEJOKER2", "DOUBLE JOKER POKER 2", true, "2XJOKER, DOUBLE UP BEAT THE DEALER",
     kPays4},
    {5, "LXG_VP_AMERICANPOKER", "AMERICAN POKER", true,
     "JACKS OR BETTER BONUS, DOUBLE UP RED/BLACK, DOUBLE UP BONUS", kPays5},
    {6, "LXG_VP_AMERICANPOKER2", "AMERICAN POKER DEUCES WILD", true,
     "DEUCES WILD, JACKS OR BETTER BONUS, DOUBLE UP RED/BLACK, DOUBLE UP BONUS", kPays6},
    {10, "LXG_VP_JACKSORBETTER", "JACKS OR BETTER 9/6", true,
     "CLASSIC JACKS OR BETTER 9/6 VIDEO POKER, DOUBLE UP BIG/SMALL", kPays10},
    {11, "LXG_VP_JACKSORBETTER2", "JACKS OR BETTER BONUS POKER", true,
     "CLASSIC JACKS OR BETTER BONUS VIDEO POKER, DOUBLE UP BIG/SMALL", kPays11},
    {16, "LXG_VP_DOUBLEBONUS", "DOUBLE BONUS POKER", true,
     "10/7/5 DOUBLE BONUS POKER, DOUBLE UP BIG/SMALL", kPays16},
    {17, "LXG_VP_DDOUBLEBONUS", "DOUBLE DOUBLE BONUS POKER", true,
     "10/6 DOUBLE DOUBLE BONUS POKER, DOUBLE UP BIG/SMALL", kPays17},
    {18, "LXG_VP_TENSORBETTER", "TENS OR BETTER", true,
     "CLASSIC TENS OR BETTER VIDEO POKER, DOUBLE UP BIG/SMALL", kPays18},
    {12, "LXG_VP_DEUCESWILD", "DEUCES WILD", true,
     "CLASSIC DEUCES WILD VIDEO POKER, DOUBLE UP RED/BLACK", kPays12},
    {13, "LXG_VP_DEUCESWILD2", "JOKERS AND DEUCES WILD II", true,
     "CLASSIC JOKERS AND DEUCES WILD VIDEO POKER, DOUBLE UP RED/BLACK", kPays13},
    {14, "LXG_VP_JOKERWILD", "JOKER WILD", true,
     "CLASSIC JOKER WILD VIDEO POKER, DOUBLE UP BIG/SMALL", kPays14},
    {15, "LXG_VP_JOKERWILD2", "JOKER WILD II", true,
     "CLASSIC JOKER WILD VIDEO POKER, DOUBLE UP BIG/SMALL, NEW PAYOUT TABLE", kPays15},
    {31, "LXG_SLOT_3X3FRUITS", "RERID OVOZA 3X3", false,
     "3X3 line slot machine, Cherry Bonus, Diamond bonus, Bar Bonus", kPays31},
    {32, "LXG_SLOT_3X3FRUITS2", "RERID OVOZA II 3X3", false,
     "3X3 line slot machine, Cherry Bonus, Diamond bonus, Bar Bonus, Pool Bonus", kPays32},
    {33, "LXG_SLOT_3X3MUSIC", "VAZIR ORIRE 3D3", false, "3X3 line slot machine, Bar Bonus",
     kPays33},
    {34, "LXG_SLOT_3X3VEGAS", "ROVIV ODIVA 3D3", false,
     "3X3 line slot machine, Cocktail Bonus, Dollar Bonus, Bar Bonus", kPays34},
    {60, "LXG_VP_FRUITPOKER", "FRUIT POKER", true,
     "52 cards + cherry, 7 and cherry is wild, DoubleUp Beat the Dealer", kPays60},
    {41, "LXG_SLOT_1X3FRUITS", "CHERRY MASTER 1X3", false, kMultiLineDescription, {}},
    {51, "LXG_SLOT_3X5FRUITS", "CHERRY MASTER 3X5", false, kMultiLineDescription, {}},
    {52, "LXG_SLOT_3X5POKER", "POKER SLOTS 3X5", false, kMultiLineDescription, {}},
};

}  // namespace

int32_t HandCodeOf(std::string_view handId) {
  const THandRow* row = FindHand(handId);
  return row ? row->Code : -1;
}

std::string HandTitle(std::string_view handId) {
  const THandRow* row = FindHand(handId);
  return row ? row->Title : "";
}

void TGameInfo::AddPay(const std::string& handId, int32_t value) {
  TGameHand* row = PayTable.Add();
  row->HandIDStr = handId;
  row->Value = value;
  row->HandCode = HandCodeOf(handId);
}

int32_t TGameInfo::IndexOfHand(std::string_view handId) const {
  for (int32_t i = 0; i < PayTable.Count(); ++i) {
    if (SameText(PayTable.Items(i)->HandIDStr, handId)) return i;
  }
  return -1;
}

int32_t TGameInfo::PayOf(std::string_view handId) const {
  const int32_t index = IndexOfHand(handId);
  return index < 0 ? -1 : PayTable.Items(index)->Value;
}

int32_t TGameInfo::PayOfCode(int32_t code) const {
  for (int32_t i = 0; i < PayTable.Count(); ++i) {
    if (PayTable.Items(i)->HandCode == code) return PayTable.Items(i)->Value;
  }
  return -1;
}

bool TGameInfo::HasHandCode(int32_t code) const {
  for (int32_t i = 0; i < PayTable.Count(); ++i) {
    if (PayTable.Items(i)->HandCode == code) return true;
  }
  return false;
}

std::string TGameInfo::HandIDOfCode(int32_t code) const {
  for (int32_t i = 0; i < PayTable.Count(); ++i) {
    if (PayTable.Items(i)->HandCode == code) return PayTable.Items(i)->HandIDStr;
  }
  return "HAND_NOTHING";
}

TLxGameManager::TLxGameManager() {
  PokerGroup.Title = "VIDEO POKER";
  PokerGroup.GroupID = 1;
  SlotGroup.Title = "SLOT MACHINES";
  SlotGroup.GroupID = 2;
  Games.reserve(std::size(kCatalog));
  for (const TCatalogRow& row : kCatalog) {
    auto info = std::make_unique<TGameInfo>();
    info->Title = row.Title;
    info->GameType = row.GameType;
    info->IDStr = row.IDStr;
    info->Group = row.Poker ? &PokerGroup : &SlotGroup;
    info->Description = row.Description;
    for (const TPayRow& pay : row.Pays) info->AddPay(pay.Hand, pay.Value);
    Games.push_back(std::move(info));
  }
}

TGameInfo* TLxGameManager::FindByType(int32_t type) const {
  for (const auto& info : Games) {
    if (info->GameType == type) return info.get();
  }
  return nullptr;
}

TGameInfo* TLxGameManager::FindByIDStr(std::string_view id) const {
  for (const auto& info : Games) {
    if (info->IDStr == id) return info.get();
  }
  return nullptr;
}

}  // namespace lx

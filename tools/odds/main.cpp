// tessaro-odds: the exact odds of the video poker machines of the catalog.
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "base/lxerror.h"
#include "base/lxutils.h"
#include "odds/lxadvisor.h"
#include "odds/lxcardtext.h"
#include "oddsreport.h"

namespace {

using namespace lx;

constexpr const char* kUsage =
    "usage: tessaro-odds table [TYPE] [--pays PAYS] [--lumio N]\n"
    "       tessaro-odds hold TYPE CARD CARD CARD CARD CARD [--pays PAYS] [--lumio N]\n"
    "\n"
    "table         every machine of the catalog: return under optimal play and under the\n"
    "              machine's automatic hold, hit frequency and bets per deal under optimal\n"
    "              play, deck\n"
    "table TYPE    one machine, with the probability of each final hand\n"
    "hold TYPE ... the 32 ways to hold five dealt cards, best first, with their expected\n"
    "              value per coin of bet (pay less the further bets a draw takes)\n"
    "\n"
    "TYPE          a poker game type number (1..6, 10..18, 60) or identifier (LXG_VP_...)\n"
    "CARD          rank A 2 3 4 5 6 7 8 9 T (or 10) J Q K, then suit C D H S (suits 1 to 4):\n"
    "              JS TH 10H 2C; JOKER (or JK) for a joker where the game deals them\n"
    "--pays PAYS   replace the pay table: \"HAND_ID=VALUE,...\" in pay per coin, for example\n"
    "              \"ROYALFLUSH=800,STREETFLUSH=50,POKER=25,FULLHOUSE=9,FLUSH=6,STREET=4,\n"
    "              THREEOFAKIND=3,TWOPAIRS=2,HIGHPAIR=1\" (the HAND_ prefix may be left out);\n"
    "              hands without a row pay nothing, and the rows decide which of the hands only\n"
    "              some games know are named (four-of-a-kind kinds, two pairs, high pairs)\n"
    "--lumio N     the Lumio number 5..10 the evaluation uses (default 5)\n"
    "\n"
    "Figures are exact over every deal and every draw of the machine's deck. They are for the\n"
    "base game: the double-up, the Lumio bonus, the mini bonus and the jackpots are left out.\n"
    "Exit status: 0 done, 2 bad arguments.\n";

struct TArgs {
  std::vector<std::string> Words;
  std::string Pays;
  bool HasPays = false;
  int32_t Lumio = 5;
};

int BadArguments(const std::string& message) {
  std::cerr << "tessaro-odds: " << message << "\n(tessaro-odds --help shows the usage)\n";
  return 2;
}

const TGameInfo* FindPoker(const TLxGameManager& manager, const std::string& text) {
  int64_t type = 0;
  const TGameInfo* info = TryStrToInt(text, type) ? manager.FindByType(static_cast<int32_t>(type))
                                                  : manager.FindByIDStr(UpperCase(text));
  TOddsRules rules;
  return info && OddsRulesOf(info->GameType, rules) ? info : nullptr;
}

std::unique_ptr<TOddsGame> MakeGame(const TGameInfo& info, const TArgs& args) {
  if (args.HasPays) return std::make_unique<TOddsGame>(info, ParsePays(args.Pays), args.Lumio);
  return std::make_unique<TOddsGame>(info, args.Lumio);
}

int Run(const TArgs& args) {
  TLxGameManager manager;
  const std::string& command = args.Words[0];
  if (command == "table" && args.Words.size() == 1) {
    if (args.HasPays) return BadArguments("--pays needs a TYPE");
    PrintTableHeader(std::cout);
    for (const auto& info : manager.Games) {
      TOddsRules rules;
      if (!OddsRulesOf(info->GameType, rules)) {
        PrintSlotLine(std::cout, *info);
        continue;
      }
      const auto game = MakeGame(*info, args);
      const TDrawTable table(*game);
      PrintTableLine(std::cout, *game, OptimalReturn(table), AutoHoldReturn(table));
    }
    return 0;
  }
  if ((command == "table" && args.Words.size() == 2) ||
      (command == "hold" && args.Words.size() == 7)) {
    const TGameInfo* info = FindPoker(manager, args.Words[1]);
    if (!info) return BadArguments("not a video poker game type: " + args.Words[1]);
    std::unique_ptr<TOddsGame> game;
    try {
      game = MakeGame(*info, args);
    } catch (const ELxError& e) {
      return BadArguments(std::string("--pays: ") + e.what());
    }
    if (command == "table") {
      const auto start = std::chrono::steady_clock::now();
      const TDrawTable table(*game);
      const TGameReturn r = OptimalReturn(table);
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      PrintMachine(std::cout, *game, r, AutoHoldReturn(table), took.count());
      return 0;
    }
    std::array<int32_t, 5> cards{};
    int32_t jokers = 0;
    for (size_t i = 0; i < 5; ++i) {
      int32_t card = ParseCard(args.Words[i + 2]);
      if (card == 0) return BadArguments("not a card: " + args.Words[i + 2]);
      if (card == 53) card += jokers++;
      if (card > game->DeckSize()) {
        return BadArguments(jokers > game->Rules().Jokers
                                ? "this game deals " + std::to_string(game->Rules().Jokers) +
                                      " joker(s)"
                                : "card not in the deck: " + args.Words[i + 2]);
      }
      for (size_t j = 0; j < i; ++j) {
        if (cards[j] == card) return BadArguments("card given twice: " + args.Words[i + 2]);
      }
      cards[i] = card;
    }
    const TDrawTable table(*game);
    PrintHolds(std::cout, *game, cards, AdviseHolds(table, cards));
    return 0;
  }
  if (command == "table" || command == "hold") {
    return BadArguments(command == "table" ? "table takes at most one TYPE"
                                           : "hold takes a TYPE and five cards");
  }
  return BadArguments("unknown command: " + command);
}

}  // namespace

int main(int argc, char** argv) {
  TArgs args;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--pays" || a == "--lumio") {
      if (i + 1 >= argc) return BadArguments(a + " needs a value");
      const std::string v = argv[++i];
      if (a == "--pays") {
        args.Pays = v;
        args.HasPays = true;
        continue;
      }
      int64_t n = 0;
      if (!TryStrToInt(v, n) || n < 5 || n > 10) return BadArguments("--lumio takes 5..10");
      args.Lumio = static_cast<int32_t>(n);
      continue;
    }
    if (a.rfind("--", 0) == 0) return BadArguments("unknown option: " + a);
    args.Words.push_back(a);
  }
  if (args.Words.empty()) return BadArguments("no command");
  try {
    return Run(args);
  } catch (const std::exception& e) {
    std::cerr << "tessaro-odds: " << e.what() << "\n";
    return 1;
  }
}

#include <gtest/gtest.h>

#include <map>

#include "persistence/lxcasinomanager.h"
#include "persistence/lxcityunit.h"
#include "persistence/lxsettings.h"
#include "persistence/lxstore.h"
#include "persistence/playersunit.h"
#include "persistence_fixture.h"

namespace lx {

namespace {

// The catalog lives above this layer: entries are stand-ins, looked up by identifier (exact
// case) and never dereferenced here.
struct FakeCatalog {
  std::map<std::string, int> entries = {{"LXG_VP_A", 0}, {"LXG_VP_C", 0}, {"LXG_SLOT_B", 0}};
  TGameLookup Lookup() {
    return [this](const std::string& id) -> TGameInfo* {
      auto it = entries.find(id);
      return it == entries.end() ? nullptr : reinterpret_cast<TGameInfo*>(&it->second);
    };
  }
  TGameInfo* Entry(const std::string& id) { return reinterpret_cast<TGameInfo*>(&entries[id]); }
};

}  // namespace

class CasinoTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    Casinos = Root + "Casinos/";
    Write("Casinos/ZodazAreroDozada/casino.dat",
          "; the first casino\r\n[INFO]\r\nName=Zodaz\r\n[GAME_1]\r\nIDStr = LXG_VP_A\r\n"
          "[OTHER]\nIDStr=LXG_VP_C\n[game_2]\rIDStr=LXG_VP_C\r[GAME_3]\nIDStr=LXG_SLOT_B\n"
          "[GAME_4]\nIDStr=lxg_vp_a\n[GAME_5]\n");
    Write("Casinos/Second/casino.dat", "[GAME_1]\nIDStr=LXG_VP_C\n");
    ASSERT_TRUE(ForceDirectories(Casinos + "NoDat"));
    Write("Casinos/NoDat/casino.xml", "<LxCasino></LxCasino>");
    Write("Casinos/plain.dat", "[GAME_1]\n");
  }
  std::string Casinos;
  FakeCatalog Catalog;
};

TEST_F(CasinoTest, ManagerFindsCasinoFoldersAndTheirGames) {
  TLxCasinoManager m(Casinos, Catalog.Lookup());
  ASSERT_EQ(m.Casinos.size(), 2u);
  TLxCasino* z = m.FindCasino("zodazarerodozada");
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->CasinoID, "ZodazAreroDozada");
  EXPECT_EQ(z->FileName, Casinos + "ZodazAreroDozada/casino.xml");
  EXPECT_EQ(z->Games,
            (std::vector<TGameInfo*>{Catalog.Entry("LXG_VP_A"), Catalog.Entry("LXG_SLOT_B")}));
  EXPECT_EQ(m.FindCasino("NoDat"), nullptr);
  EXPECT_EQ(m.FindCasino("plain.dat"), nullptr);
  EXPECT_NE(m.FindCasino("SECOND"), nullptr);
}

TEST_F(CasinoTest, StatisticsTreeRoundTripAndExactForm) {
  {
    TLxCasinoManager m(Casinos, Catalog.Lookup());
    TLxCasino* z = m.FindCasino("ZodazAreroDozada");
    TPlayerStatistics* ps = z->FindOrAddPlayer("Player1", true);
    EXPECT_EQ(z->FindOrAddPlayer("PLAYER1", false), ps);
    EXPECT_EQ(z->FindOrAddPlayer("Other", false), nullptr);
    TGameStatictics* g = ps->FindOrAddGame("LXG_VP_A", true);
    EXPECT_EQ(g->CreditIn, 0u);
    EXPECT_EQ(g->GameHands->Count(), 0);
    g->CreditIn = 4000000000u;
    g->CreditOut = 25;
    g->FindOrAddHand("HAND_NOTHING", true)->Value = 3;
    EXPECT_EQ(g->FindOrAddHand("hand_nothing", true)->Value, 3);
    EXPECT_EQ(g->FindOrAddHand("HAND_POKER", false), nullptr);
    // the manager saves every casino when it goes
  }
  EXPECT_EQ(Read("Casinos/ZodazAreroDozada/casino.xml"),
            "<LxCasino><PlayersStatistics><PlayerStatistics><GamesStatistics><GameStatictics>"
            "<CreditIn>-294967296</CreditIn>\r\n"
            "<CreditOut>25</CreditOut>\r\n"
            "<GameHands><GameHand><HandIDStr>HAND_NOTHING</HandIDStr>\r\n"
            "<Value>3</Value>\r\n"
            "</GameHand>\r\n"
            "</GameHands>\r\n"
            "<GameIDStr>LXG_VP_A</GameIDStr>\r\n"
            "</GameStatictics>\r\n"
            "</GamesStatistics>\r\n"
            "<PlayerName>Player1</PlayerName>\r\n"
            "</PlayerStatistics>\r\n"
            "</PlayersStatistics>\r\n"
            "</LxCasino>");
  EXPECT_EQ(Read("Casinos/Second/casino.xml"),
            "<LxCasino><PlayersStatistics></PlayersStatistics>\r\n</LxCasino>");

  TLxCasinoManager again(Casinos, Catalog.Lookup());
  TGameStatictics* g = again.FindCasino("ZodazAreroDozada")
                           ->FindOrAddPlayer("player1", false)
                           ->FindOrAddGame("LXG_VP_A", false);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->CreditIn, 4000000000u);
  EXPECT_EQ(g->CreditOut, 25u);
  ASSERT_EQ(g->GameHands->Count(), 1);
  EXPECT_EQ(g->GameHands->Items(0)->Value, 3);
}

TEST_F(CasinoTest, UnreadableCasinoFileKeepsWhatWasRead) {
  Write("Casinos/Second/casino.xml",
        "<LxCasino><PlayersStatistics><PlayerStatistics><PlayerName>A</PlayerName>"
        "</PlayerStatistics><PlayerStatistics><GamesStatistics><GameStatictics>"
        "<CreditIn>lots</CreditIn></GameStatictics></GamesStatistics></PlayerStatistics>"
        "</PlayersStatistics></LxCasino>");
  TLxCasinoManager m(Casinos, Catalog.Lookup());
  TLxCasino* s = m.FindCasino("Second");
  ASSERT_NE(s, nullptr);
  EXPECT_NE(s->FindOrAddPlayer("A", false), nullptr);
}

TEST_F(CasinoTest, EnteringACasino) {
  TLxSetting settings(Root, Root + "tmp");
  TLxCasinoManager manager(settings.CasinosFolder, Catalog.Lookup());
  TLxPlayers players;
  ASSERT_TRUE(players.AddPlayer("Player1", "", "", "", 0));
  ASSERT_TRUE(players.Login("Player1", ""));
  TLxCity city;
  TLxCasino* current = nullptr;
  int shown = 0;
  city.OnSetCurrentCasino = [&](TLxCasino* c) { current = c; };
  city.OnShowMainRoom = [&] { ++shown; };
  Settings = &settings;
  CasinoManager = &manager;
  Players = &players;

  city.EnterCasino("Nowhere");
  EXPECT_EQ(current, nullptr);
  EXPECT_EQ(shown, 0);

  city.EnterDefaultCasino();
  TLxCasino* z = manager.FindCasino("ZodazAreroDozada");
  EXPECT_EQ(current, z);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(settings.ThemeName, "ZodazAreroDozada");
  EXPECT_EQ(settings.ThemeFolder, settings.CasinosFolder + "ZodazAreroDozada/");
  TPlayerStatistics* record = players.CurrentPlayer->CasinoStats;
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->PlayerName, "Player1");

  // A player whose name differs only in letter case, later, continues the same record.
  ASSERT_TRUE(players.DeletePlayer("Player1"));
  ASSERT_TRUE(players.AddPlayer("PLAYER1", "", "", "", 0));
  ASSERT_TRUE(players.Login("player1", ""));
  city.EnterCasino("zodazarerodozada");
  EXPECT_EQ(players.CurrentPlayer->CasinoStats, record);
  EXPECT_EQ(z->PlayersStatistics->Count(), 1);
  EXPECT_EQ(settings.ThemeName, "ZodazAreroDozada");  // the folder's own spelling

  // Viewing statistics adds zero records for every game offered; they are saved.
  for (TGameInfo* game : z->Games) {
    const std::string id = game == Catalog.Entry("LXG_VP_A") ? "LXG_VP_A" : "LXG_SLOT_B";
    record->FindOrAddGame(id, true)->FindOrAddHand("HAND_NOTHING", true);
  }
  z->Save();
  const std::string xml = Read("Casinos/ZodazAreroDozada/casino.xml");
  EXPECT_NE(xml.find("<CreditIn>0</CreditIn>\r\n<CreditOut>0</CreditOut>\r\n<GameHands><GameHand>"
                     "<HandIDStr>HAND_NOTHING</HandIDStr>\r\n<Value>0</Value>"),
            std::string::npos);
  EXPECT_NE(xml.find("<GameIDStr>LXG_SLOT_B</GameIDStr>"), std::string::npos);

  Settings = nullptr;
  CasinoManager = nullptr;
  Players = nullptr;
}

TEST_F(CasinoTest, WithoutTheDefaultCasinoNothingOpens) {
  TLxSetting settings(Root, Root + "tmp");
  std::filesystem::remove_all(Casinos + "ZodazAreroDozada");
  TLxCasinoManager manager(settings.CasinosFolder, Catalog.Lookup());
  TLxCity city;
  int shown = 0;
  city.OnShowMainRoom = [&] { ++shown; };
  Settings = &settings;
  CasinoManager = &manager;
  city.EnterDefaultCasino();
  EXPECT_EQ(shown, 0);
  // A casino whose "casino.dat" went away since start-up is not entered either.
  ASSERT_NE(manager.FindCasino("Second"), nullptr);
  ASSERT_TRUE(DeleteFile(Casinos + "Second/casino.dat"));
  city.EnterCasino("Second");
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(settings.ThemeName, "MakeDefault");
  Settings = nullptr;
  CasinoManager = nullptr;
}

TEST(LxStore, IniReadingRules) {
  const TLxStore s = TLxStore::FromText(
      "orphan=1\r\n  [ Main ]  \r\n; comment\r\n\r\n  Width =  640 \r\nHex=0x1F\nDollar=$ff\n"
      "Neg=-5\nBad=12a\nShort=0x\nFlag=2\nOff=0\nLonely\nEq=a=b\nWide=18446744073709551617\n"
      "WideHex=$10000000000000005\n[main]\nWidth=1\n[Other]\r"
      "Width=7\r");
  std::vector<std::string> sections;
  s.ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"Main", "main", "Other"}));
  EXPECT_EQ(s.ReadInteger("MAIN", "width", 0), 640);  // the first section of that name
  EXPECT_EQ(s.ReadInteger("Main", "Hex", 0), 31);
  EXPECT_EQ(s.ReadInteger("Main", "Dollar", 0), 255);
  EXPECT_EQ(s.ReadInteger("Main", "Neg", 0), -5);
  EXPECT_EQ(s.ReadInteger("Main", "Bad", 9), 9);
  EXPECT_EQ(s.ReadInteger("Main", "Short", 9), 9);
  EXPECT_EQ(s.ReadInteger("Main", "Missing", 9), 9);
  EXPECT_EQ(s.ReadInteger("Other", "Width", 0), 7);
  EXPECT_EQ(s.ReadInteger("Main", "Wide", 9), 9);
  EXPECT_EQ(s.ReadInteger("Main", "WideHex", 9), 9);
  EXPECT_EQ(s.ReadString("Main", "Eq", ""), "a=b");
  EXPECT_EQ(s.ReadString("Main", "Lonely", "d"), "");
  EXPECT_EQ(s.ReadString("Main", "orphan", "d"), "d");
  EXPECT_EQ(s.ReadString("Nope", "Width", "d"), "d");
  EXPECT_TRUE(s.ReadBool("Main", "Flag", false));
  EXPECT_FALSE(s.ReadBool("Main", "Off", true));
  EXPECT_TRUE(s.ReadBool("Main", "Missing", true));
  EXPECT_TRUE(TLxStore("/no/such/file.ini").ReadString("A", "B", "x") == "x");
}

TEST(LxStore, FourValueKeys) {
  const TLxStore s = TLxStore::FromText(
      "[T]\nAll=1_2_3_4\nOne=7\nTwo=1_2\nGaps=_5__x\nHigh=$FF000000_1_2_3\nBig=4294967295\n"
      "Neg=-1_-2_-3_-4\nWide=18446744073709551617_$10000000000000005_3_18446744073709551620\n");
  std::array<int32_t, 4> a{};
  const std::array<int32_t, 4> nines = {9, 9, 9, 9};
  s.ReadAlpha4("T", "All", a, nines);
  EXPECT_EQ(a, (std::array<int32_t, 4>{1, 2, 3, 4}));
  s.ReadAlpha4("T", "One", a, {1, 2, 3, 4});
  EXPECT_EQ(a, (std::array<int32_t, 4>{1, 2, 3, 7}));
  s.ReadAlpha4("T", "Two", a, nines);
  EXPECT_EQ(a, (std::array<int32_t, 4>{1, 9, 9, 2}));
  s.ReadAlpha4("T", "Gaps", a, nines);
  EXPECT_EQ(a, (std::array<int32_t, 4>{9, 5, 9, 9}));
  s.ReadAlpha4("T", "Neg", a, nines);
  EXPECT_EQ(a, (std::array<int32_t, 4>{-1, -2, -3, -4}));
  s.ReadAlpha4("T", "Wide", a, nines);
  EXPECT_EQ(a, (std::array<int32_t, 4>{9, 9, 3, 9}));
  s.ReadAlpha4("T", "Missing", a, {-1, 2, -3, 4});
  EXPECT_EQ(a, (std::array<int32_t, 4>{-1, 2, -3, 4}));

  std::array<uint32_t, 4> c{};
  s.ReadColor4("T", "High", c, {0, 0, 0, 0});
  EXPECT_EQ(c, (std::array<uint32_t, 4>{0xFF000000u, 1, 2, 3}));
  s.ReadColor4("T", "Big", c, {5, 6, 7, 8});  // beyond the signed range in decimal: unreadable
  EXPECT_EQ(c, (std::array<uint32_t, 4>{5, 6, 7, 8}));
  s.ReadColor4("T", "Missing", c, {0xFFFFFFFFu, 1, 0x80000000u, 3});
  EXPECT_EQ(c, (std::array<uint32_t, 4>{0xFFFFFFFFu, 1, 0x80000000u, 3}));
}

}  // namespace lx

#include <gtest/gtest.h>

#include "persistence/lxsettings.h"
#include "persistence/playersunit.h"
#include "persistence_fixture.h"

namespace lx {

class PlayersTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(ForceDirectories(Root + "Players"));
    P.FileName = Root + "Players/players.xml";
  }
  TLxPlayers P;
};

TEST_F(PlayersTest, PlayersFileExampleIsExact) {
  TLxPlayer* p = P.Add();
  p->PlayerName = "Player1";
  p->Bank = 1000;
  P.Save();
  EXPECT_EQ(Read("Players/players.xml"),
            "<?xml version = \"1.0\"?><LxPlayers><LxPlayer><Bank>1000</Bank>\r\n"
            "<FirstName></FirstName>\r\n"
            "<LastName></LastName>\r\n"
            "<Password></Password>\r\n"
            "<PictureID>0</PictureID>\r\n"
            "<PlayerName>Player1</PlayerName>\r\n"
            "<Rank>0</Rank>\r\n"
            "</LxPlayer>\r\n"
            "</LxPlayers>");
}

TEST_F(PlayersTest, RoundTripOfEveryField) {
  ASSERT_TRUE(P.AddPlayer("Ann", "p&ss<word", "Ann Marie", "O'Neil", 3));
  TLxPlayer* a = P.FindPlayer("ann");
  ASSERT_NE(a, nullptr);
  a->Bank = 3000000000u;  // above the signed range: written negative
  a->Rank = -2;
  P.Save();
  const std::string text = Read("Players/players.xml");
  EXPECT_NE(text.find("<Bank>-1294967296</Bank>"), std::string::npos);
  EXPECT_NE(text.find("<Password>p&#x26;ss&#x3C;word</Password>"), std::string::npos);

  TLxPlayers back;
  back.FileName = P.FileName;
  back.Load();
  ASSERT_EQ(back.Count(), 1);
  const TLxPlayer* b = back.Items(0);
  EXPECT_EQ(b->PlayerName, "Ann");
  EXPECT_EQ(b->Password, "p&ss<word");
  EXPECT_EQ(b->FirstName, "Ann Marie");
  EXPECT_EQ(b->LastName, "O'Neil");
  EXPECT_EQ(b->PictureID, 3);
  EXPECT_EQ(b->Bank, 3000000000u);
  EXPECT_EQ(b->Rank, -2);
}

TEST_F(PlayersTest, LoginIgnoresLetterCaseOnly) {
  ASSERT_TRUE(P.AddPlayer("Player1", "Secret-\xE4", "", "", 0));
  ASSERT_TRUE(P.AddPlayer("Empty", "", "", "", 0));
  EXPECT_TRUE(P.Login("PLAYER1", "sECRET-\xE4"));
  EXPECT_EQ(P.CurrentPlayer, P.Items(0));
  EXPECT_FALSE(P.Login("Empty", "x"));              // an empty password matches only empty text
  EXPECT_EQ(P.CurrentPlayer, P.Items(0));           // unchanged by a failed login
  EXPECT_FALSE(P.Login("Player1", "secret-\xC4"));  // non-ASCII bytes must match exactly
  EXPECT_FALSE(P.Login("Player1", "secret_\xE4"));
  EXPECT_FALSE(P.Login("Nobody", ""));
  EXPECT_TRUE(P.Login("empty", ""));
  P.Logout();
  EXPECT_EQ(P.CurrentPlayer, nullptr);
}

TEST_F(PlayersTest, AddAndDeleteSaveOnlyWhenTheyChangeSomething) {
  ASSERT_TRUE(P.AddPlayer("Player1", "pw", "First", "Last", 4));
  const TLxPlayer* p = P.Items(0);
  EXPECT_EQ(p->Bank, 1000u);
  EXPECT_EQ(p->Rank, 0);
  EXPECT_EQ(p->PictureID, 4);
  const std::string saved = Read("Players/players.xml");
  EXPECT_NE(saved.find("<PlayerName>Player1</PlayerName>"), std::string::npos);

  // A taken name (any case) and a missing name change nothing and write nothing.
  ASSERT_TRUE(DeleteFile(P.FileName));
  EXPECT_FALSE(P.AddPlayer("player1", "x", "", "", 0));
  EXPECT_FALSE(P.DeletePlayer("Nobody"));
  EXPECT_FALSE(Exists("Players/players.xml"));
  EXPECT_EQ(P.Count(), 1);

  ASSERT_TRUE(P.AddPlayer("Two", "", "", "", 0));
  ASSERT_TRUE(P.Login("PLAYER1", "PW"));
  EXPECT_TRUE(P.DeletePlayer("PLAYER1"));
  EXPECT_EQ(P.CurrentPlayer, nullptr);  // never left pointing at the freed player
  ASSERT_EQ(P.Count(), 1);
  EXPECT_EQ(P.Items(0)->PlayerName, "Two");
  EXPECT_EQ(Read("Players/players.xml").find("Player1"), std::string::npos);
}

TEST_F(PlayersTest, FillListMarksTheCurrentPlayer) {
  for (const char* n : {"Player1", "Bob", "Cid"}) ASSERT_TRUE(P.AddPlayer(n, "", "", "", 0));
  std::vector<TLxListEntry> items = {{"stale", nullptr}};
  EXPECT_EQ(P.FillList(items, true), 3);  // nobody signed in: no mark
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Text, "Player1");

  ASSERT_TRUE(P.Login("Bob", ""));
  EXPECT_EQ(P.FillList(items, true), 3);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Text, "* Bob");
  EXPECT_EQ(items[0].Data, P.CurrentPlayer);
  EXPECT_EQ(items[1].Text, "Player1");
  EXPECT_EQ(items[1].Data, P.Items(0));
  EXPECT_EQ(items[2].Text, "Cid");

  EXPECT_EQ(P.FillList(items, false), 3);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].Text, "Bob");
  EXPECT_EQ(items[1].Data, P.Items(1));

  std::vector<std::string> names = {"x"};
  EXPECT_EQ(P.GetNames(names), 3);
  EXPECT_EQ(names, (std::vector<std::string>{"Player1", "Bob", "Cid"}));
}

TEST_F(PlayersTest, ReadingQuirksOfThePlayersFile) {
  Write("Players/players.xml",
        "<?xml version = \"1.0\"?><LxPlayers>"
        "<LxPlayer><PlayerName>A</PlayerName><RANK>5</RANK><Rank></Rank><Bank>10</Bank></LxPlayer>"
        "<lxplayer><PlayerName>B</PlayerName></lxplayer>"
        "<LxPlayer><PlayerName>C</PlayerName><Bank>1x</Bank><PictureID>2</PictureID></LxPlayer>"
        "<LxPlayer><PlayerName>D</PlayerName></LxPlayer></LxPlayers>");
  P.Load();  // the fault in C's bank ends reading quietly
  ASSERT_EQ(P.Count(), 2);
  EXPECT_EQ(P.Items(0)->Rank, 5);
  EXPECT_EQ(P.Items(0)->Bank, 10u);
  EXPECT_EQ(P.Items(1)->PlayerName, "C");
  EXPECT_EQ(P.Items(1)->PictureID, 0);
  EXPECT_EQ(P.FindPlayer("B"), nullptr);

  // A bank beyond 64 bits is a conversion error, not a wrapped small bank.
  Write("Players/players.xml",
        "<?xml version = \"1.0\"?><LxPlayers><LxPlayer><PlayerName>A</PlayerName>"
        "<Bank>18446744073709552616</Bank></LxPlayer>"
        "<LxPlayer><PlayerName>B</PlayerName></LxPlayer></LxPlayers>");
  P.Load();
  ASSERT_EQ(P.Count(), 1);
  EXPECT_EQ(P.Items(0)->Bank, 0u);  // as created: the bank was never read
}

TEST_F(PlayersTest, FailedSaveKeepsTheOldFile) {
  ASSERT_TRUE(P.AddPlayer("Keep", "", "", "", 0));
  const std::string before = Read("Players/players.xml");
  ASSERT_TRUE(ForceDirectories(P.FileName + ".tmp/blocker"));
  EXPECT_TRUE(P.AddPlayer("Lost", "", "", "", 0));  // the save fails quietly
  EXPECT_EQ(Read("Players/players.xml"), before);
  EXPECT_EQ(P.Count(), 2);
}

TEST_F(PlayersTest, SignInAtStartUp) {
  TLxSetting settings(Root, Root + "tmp");
  ASSERT_TRUE(P.AddPlayer("Auto", "", "", "", 0));
  ASSERT_TRUE(P.AddPlayer("Guarded", "pw", "", "", 0));
  int loginShown = 0, entered = 0;
  auto showLogin = [&] {
    ++loginShown;
    return P.Login("Guarded", "PW");
  };
  auto enter = [&] { ++entered; };

  settings.optAutoLoginPlayerName = "auto";
  EXPECT_TRUE(SignInPlayer(P, settings, true, showLogin, enter));
  EXPECT_EQ(P.CurrentPlayer->PlayerName, "Auto");
  EXPECT_EQ(loginShown, 0);
  EXPECT_EQ(entered, 1);

  // After a sign-out the automatic sign-in is not used.
  P.Logout();
  EXPECT_TRUE(SignInPlayer(P, settings, false, showLogin, enter));
  EXPECT_EQ(P.CurrentPlayer->PlayerName, "Guarded");
  EXPECT_EQ(loginShown, 1);

  // A stored password that does not match falls back to the login window; closing it ends.
  P.Logout();
  settings.optAutoLoginPlayerName = "Guarded";
  settings.optAutoLoginPlayerPassword = "wrong";
  EXPECT_FALSE(SignInPlayer(
      P, settings, true, [] { return false; }, enter));
  EXPECT_EQ(P.CurrentPlayer, nullptr);
  EXPECT_EQ(entered, 2);
}

}  // namespace lx

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/lxfiles.h"
#include "poker/pokerdata.h"

namespace lx {

namespace {

class PokerDataFile : public ::testing::Test {
 protected:
  PokerDataFile() {
    char pattern[] = "/tmp/lxpokerdata-XXXXXX";
    const char* made = mkdtemp(pattern);
    Folder = std::string(made ? made : "/tmp") + "/";
    Path = Folder + "LXG_VP_TEST.dat";
  }
  ~PokerDataFile() override {
    std::remove(Path.c_str());
    std::remove(Folder.c_str());
  }
  void Write(const std::string& text) const {
    std::ofstream out(Path, std::ios::binary);
    out << text;
  }
  std::string Read() const {
    std::ifstream in(Path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Folder, Path;
};

TEST_F(PokerDataFile, ANewFileStartsAtLumioFiveAndJackpotOne) {
  TPokerData data;
  data.FileName = Path;
  data.Load();
  EXPECT_EQ(data.LumioNumber, 5);
  EXPECT_EQ(data.AmericanJackpot, 1);
  EXPECT_EQ(data.DupWinJackpot, 1);
  EXPECT_EQ(data.LumioStats->Count(), 0);
  EXPECT_EQ(data.LumioCount(10), 0);
  EXPECT_EQ(data.MiniBonus(2), 2);
  EXPECT_EQ(data.DoubleUpLimit, 10);
  // The visit lists the common hands even before they come up.
  ASSERT_EQ(data.VisitStats->GameHands->Count(), 12);
  EXPECT_EQ(data.VisitStats->GameHands->Items(0)->HandIDStr, "HAND_FIVEOFAKIND");
  EXPECT_EQ(data.VisitStats->GameHands->Items(11)->HandIDStr, "HAND_3XLUMIO");
}

TEST_F(PokerDataFile, LoadCorrectsTheLumioNumberTheFirstMeterAndTheJackpots) {
  TPokerData saved;
  saved.FileName = Path;
  saved.LumioNumber = 12;
  saved.SetLumioCount(10, 3);
  saved.SetLumioCount(20, 4);
  saved.SetMiniBonus(2, 40);
  saved.AmericanJackpot = 0;
  saved.Save();
  const std::string text = Read();
  EXPECT_EQ(text.rfind("<PokerData>", 0), 0u) << text;
  EXPECT_NE(text.find("<LumioNumber>12</LumioNumber>"), std::string::npos) << text;

  TPokerData data;
  data.FileName = Path;
  data.Load();
  EXPECT_EQ(data.LumioNumber, 5);
  EXPECT_EQ(data.LumioCount(10), 9);  // the first meter always comes back as nine lamps
  EXPECT_EQ(data.LumioCount(20), 4);
  EXPECT_EQ(data.MiniBonus(2), 40);
  EXPECT_EQ(data.AmericanJackpot, 1);
  EXPECT_EQ(data.DupWinJackpot, 1);
}

TEST_F(PokerDataFile, ADamagedFileKeepsWhatWasReadAndNeverThrows) {
  Write("<PokerData><LumioNumber>8</LumioNumber><LumioStats><LxStoreItem><DataInt>x");
  TPokerData data;
  data.FileName = Path;
  EXPECT_NO_THROW(data.Load());
  EXPECT_GE(data.LumioNumber, 5);
  EXPECT_LE(data.LumioNumber, 10);
  EXPECT_EQ(data.AmericanJackpot, 1);
  Write(std::string("\x00\xff<<<>>", 7));
  TPokerData other;
  other.FileName = Path;
  EXPECT_NO_THROW(other.Load());
  EXPECT_EQ(other.LumioNumber, 5);
}

TEST_F(PokerDataFile, PerBetPoolsAndMeters) {
  TPokerData data;
  data.AddMiniBonus(2, 2);  // a new pool starts at the bet
  EXPECT_EQ(data.MiniBonus(2), 4);
  data.SetMiniBonus(5, 0);
  EXPECT_EQ(data.MiniBonus(5), 5);  // an empty pool shows the bet
  data.AddMiniBonus(5, 5);
  EXPECT_EQ(data.MiniBonus(5), 10);
  data.AddLumioCount(10, 1);
  data.AddLumioCount(10, 1);
  data.AddLumioCount(10, -1);
  EXPECT_EQ(data.LumioCount(10), 1);
  EXPECT_EQ(data.LumioCount(20), 0);
}

TEST_F(PokerDataFile, TheLumioNumberRunsFiveToTenThenSevenOn) {
  TPokerData data;
  data.LumioNumber = 5;
  std::string sequence;
  for (int i = 0; i < 9; ++i) {
    data.LumioFour = true;
    EXPECT_TRUE(data.AdvanceLumio(10));
    sequence += std::to_string(data.LumioNumber) + " ";
  }
  EXPECT_EQ(sequence, "6 7 8 9 10 7 8 9 10 ");
  // Three Lumio cards advance only with a full meter.
  data.LumioFour = false;
  data.LumioThree = true;
  data.SetLumioCount(10, 9);
  EXPECT_FALSE(data.AdvanceLumio(10));
  data.SetLumioCount(10, 10);
  EXPECT_TRUE(data.AdvanceLumio(10));
  EXPECT_EQ(data.LumioCount(10), 0);
}

}  // namespace

}  // namespace lx

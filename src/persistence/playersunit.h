// The players: named accounts with a password, a picture and a bank, kept in the players file.
// Exactly one player at a time is signed in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "persistence/pelxml.h"

namespace lx {

class TPlayerStatistics;
class TLxSetting;

class TLxPlayer : public TPelXMLCollectionItem {
  LX_XML_CLASS(TLxPlayer, TPelXMLCollectionItem)

 public:
  using TPelXMLCollectionItem::TPelXMLCollectionItem;
  static void DeclareProperties(TXMLPropertiesOf<TLxPlayer>& p);

  std::string PlayerName;  // unique ignoring ASCII case
  std::string Password;    // compared ignoring ASCII case
  std::string FirstName;
  std::string LastName;
  int32_t PictureID = 0;
  uint32_t Bank = 0;
  int32_t Rank = 0;

  // The player's record in the casino being visited; not owned, not stored.
  TPlayerStatistics* CasinoStats = nullptr;
};

// One row for a list box or combo box: its caption and the object it stands for.
struct TLxListEntry {
  std::string Text;
  void* Data = nullptr;
};

class TLxPlayers : public TPelXMLCollectionOf<TLxPlayer> {
  LX_XML_CLASS(TLxPlayers, TPelXMLCollectionOf<TLxPlayer>)

 public:
  TLxPlayers() = default;

  // Reads FileName when it exists; errors are ignored and leave what was read.
  void Load();
  // Writes FileName when it is set; errors are ignored.
  void Save();

  TLxPlayer* FindPlayer(std::string_view name) const;
  bool PlayerExists(std::string_view name) const { return FindPlayer(name) != nullptr; }
  bool Login(std::string_view name, std::string_view password);
  void Logout() { CurrentPlayer = nullptr; }
  // A new player with a bank of 1000; false when the name is taken (in any letter case).
  bool AddPlayer(const std::string& name, const std::string& password, const std::string& firstName,
                 const std::string& lastName, int32_t pictureID);
  bool DeletePlayer(std::string_view name);
  // Deleting or reloading never leaves CurrentPlayer pointing at a freed player.
  void Delete(int32_t index);
  void SetXML(std::string_view body) override;

  int32_t GetNames(std::vector<std::string>& list) const;
  // Rows of a player list; with markCurrent and a signed-in player, "* " + that player comes
  // first and is not listed again. Returns the number of players.
  int32_t FillList(std::vector<TLxListEntry>& items, bool markCurrent) const;

  std::string FileName;                // the players file
  TLxPlayer* CurrentPlayer = nullptr;  // the signed-in player, one of the items
};

// Signing a player in at start-up: the automatic sign-in with the stored name and password when
// allowed, otherwise (or when it fails) showLogin, which shows the login window modally and
// returns whether somebody signed in. Once signed in, enterCasino (when set) enters the default
// casino. Returns false when nobody signed in: the program then ends.
bool SignInPlayer(TLxPlayers& players, const TLxSetting& settings, bool allowAutoLogin,
                  const std::function<bool()>& showLogin, const std::function<void()>& enterCasino);

// The players of the running program; set and cleared by start-up and shut-down.
extern TLxPlayers* Players;

}  // namespace lx

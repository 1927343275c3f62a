// Casinos: folders under CasinosFolder that name the games they offer ("casino.dat") and keep the
// statistics of every player who played there ("casino.xml").
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "persistence/lxgamehands.h"
#include "persistence/pelxml.h"

namespace lx {

class TGameInfo;  // a catalog entry; the catalog lives above this layer

// Finds a catalog entry by its identifier (exact case); installed by start-up.
using TGameLookup = std::function<TGameInfo*(const std::string& idStr)>;

// Per player and game: credit put in, credit cashed out, and how often each hand came up.
class TGameStatictics : public TPelXMLCollectionItem {
  LX_XML_CLASS(TGameStatictics, TPelXMLCollectionItem)

 public:
  using TPelXMLCollectionItem::TPelXMLCollectionItem;
  static void DeclareProperties(TXMLPropertiesOf<TGameStatictics>& p);

  // The record of handID (ASCII case ignored); a new one with Value 0 when create is set.
  TGameHand* FindOrAddHand(std::string_view handID, bool create);

  std::string GameIDStr;
  uint32_t CreditIn = 0;  // counters wrap around at 2^32, as stored
  uint32_t CreditOut = 0;
  std::unique_ptr<TGameHands> GameHands = std::make_unique<TGameHands>();
};

class TGamesStatictics : public TPelXMLCollectionOf<TGameStatictics> {
  LX_XML_CLASS(TGamesStatictics, TPelXMLCollectionOf<TGameStatictics>)
};

class TPlayerStatistics : public TPelXMLCollectionItem {
  LX_XML_CLASS(TPlayerStatistics, TPelXMLCollectionItem)

 public:
  using TPelXMLCollectionItem::TPelXMLCollectionItem;
  static void DeclareProperties(TXMLPropertiesOf<TPlayerStatistics>& p);

  // The record of gameID (ASCII case ignored); a new, empty one when create is set.
  TGameStatictics* FindOrAddGame(std::string_view gameID, bool create);

  std::string PlayerName;
  std::unique_ptr<TGamesStatictics> GamesStatistics = std::make_unique<TGamesStatictics>();
};

class TPlayersStatistics : public TPelXMLCollectionOf<TPlayerStatistics> {
  LX_XML_CLASS(TPlayersStatistics, TPelXMLCollectionOf<TPlayerStatistics>)
};

class TLxCasino : public TPelXMLObject {
  LX_XML_CLASS(TLxCasino, TPelXMLObject)

 public:
  // Builds Games from casinosFolder + casinoID + "/casino.dat" through findGame.
  TLxCasino(const std::string& casinoID, const std::string& casinosFolder,
            const TGameLookup& findGame);
  static void DeclareProperties(TXMLPropertiesOf<TLxCasino>& p);

  // Reads FileName when it exists; errors are ignored.
  void Load();
  // Writes FileName when it is set; errors are ignored.
  void Save();
  // The record of name (ASCII case ignored); a new one when create is set.
  TPlayerStatistics* FindOrAddPlayer(std::string_view name, bool create);

  std::unique_ptr<TPlayersStatistics> PlayersStatistics = std::make_unique<TPlayersStatistics>();
  std::string CasinoID;           // the casino's folder name
  std::vector<TGameInfo*> Games;  // catalog entries offered, in file order; not owned
  std::string FileName;           // UserCasinosFolder + CasinoID + "/casino.xml"
};

class TLxCasinoManager {
 public:
  // Every sub-folder of casinosFolder holding "casino.dat" becomes a casino, loaded at once.
  // Its records ("casino.xml", the machines' data files) are kept in the folder of the same name
  // under userCasinosFolder (by default casinosFolder itself), made there when missing.
  TLxCasinoManager(const std::string& casinosFolder, const TGameLookup& findGame);
  TLxCasinoManager(const std::string& casinosFolder, const std::string& userCasinosFolder,
                   const TGameLookup& findGame);
  // Saves and frees every casino, last first.
  ~TLxCasinoManager();
  TLxCasinoManager(const TLxCasinoManager&) = delete;
  TLxCasinoManager& operator=(const TLxCasinoManager&) = delete;

  TLxCasino* FindCasino(std::string_view name) const;

  std::vector<std::unique_ptr<TLxCasino>> Casinos;
};

// The casino records of the running program; set and cleared by start-up and shut-down.
extern TLxCasinoManager* CasinoManager;

}  // namespace lx

#include "persistence/lxcasinomanager.h"

#include "base/lxutils.h"
#include "persistence/lxstore.h"
#include "platform/lxfiles.h"

namespace lx {

TLxCasinoManager* CasinoManager = nullptr;

namespace {

// The first item of a collection whose key equals key ignoring ASCII case, or a new one.
template <class TItems, class Key>
auto FindOrAdd(TItems& items, std::string_view key, bool create, Key keyOf)
    -> decltype(items.Add()) {
  for (int32_t i = 0; i < items.Count(); ++i)
    if (SameText(keyOf(*items.Items(i)), key)) return items.Items(i);
  if (!create) return nullptr;
  auto* item = items.Add();
  keyOf(*item) = std::string(key);
  return item;
}

}  // namespace

void TGameStatictics::DeclareProperties(TXMLPropertiesOf<TGameStatictics>& p) {
  p.String("GameIDStr", &TGameStatictics::GameIDStr)
      .Cardinal("CreditIn", &TGameStatictics::CreditIn)
      .Cardinal("CreditOut", &TGameStatictics::CreditOut)
      .Object("GameHands", &TGameStatictics::GameHands);
}

TGameHand* TGameStatictics::FindOrAddHand(std::string_view handID, bool create) {
  return FindOrAdd(*GameHands, handID, create,
                   [](TGameHand& h) -> std::string& { return h.HandIDStr; });
}

void TPlayerStatistics::DeclareProperties(TXMLPropertiesOf<TPlayerStatistics>& p) {
  p.String("PlayerName", &TPlayerStatistics::PlayerName)
      .Object("GamesStatistics", &TPlayerStatistics::GamesStatistics);
}

TGameStatictics* TPlayerStatistics::FindOrAddGame(std::string_view gameID, bool create) {
  return FindOrAdd(*GamesStatistics, gameID, create,
                   [](TGameStatictics& g) -> std::string& { return g.GameIDStr; });
}

void TLxCasino::DeclareProperties(TXMLPropertiesOf<TLxCasino>& p) {
  p.Object("PlayersStatistics", &TLxCasino::PlayersStatistics);
}

TLxCasino::TLxCasino(const std::string& casinoID, const std::string& casinosFolder,
                     const TGameLookup& findGame)
    : CasinoID(casinoID) {
  const std::string dat = casinosFolder + casinoID + "/casino.dat";
  if (!FileExists(dat)) return;
  const TLxStore store(dat);
  std::vector<std::string> sections;
  store.ReadSections(sections);
  for (const std::string& section : sections) {
    if (section.compare(0, 5, "GAME_") != 0) continue;
    const std::string id = store.ReadString(section, "IDStr", "_ERROR");
    if (TGameInfo* game = findGame ? findGame(id) : nullptr) Games.push_back(game);
  }
}

void TLxCasino::Load() {
  LoadStoredFile(*this, FileName);
}

void TLxCasino::Save() {
  SaveStoredFile(*this, FileName);
}

TPlayerStatistics* TLxCasino::FindOrAddPlayer(std::string_view name, bool create) {
  return FindOrAdd(*PlayersStatistics, name, create,
                   [](TPlayerStatistics& s) -> std::string& { return s.PlayerName; });
}

TLxCasinoManager::TLxCasinoManager(const std::string& casinosFolder, const TGameLookup& findGame)
    : TLxCasinoManager(casinosFolder, casinosFolder, findGame) {}

TLxCasinoManager::TLxCasinoManager(const std::string& casinosFolder,
                                   const std::string& userCasinosFolder,
                                   const TGameLookup& findGame) {
  auto withSlash = [](std::string f) {
    if (!f.empty() && f.back() != '/') f += '/';
    return f;
  };
  const std::string folder = withSlash(casinosFolder);
  const std::string records = withSlash(userCasinosFolder);
  for (const std::string& name : ListSubfolders(folder)) {
    if (!FileExists(folder + name + "/casino.dat")) continue;
    try {
      auto casino = std::make_unique<TLxCasino>(name, folder, findGame);
      if (records != folder) ForceDirectories(records + name + "/", 0700);
      casino->FileName = records + name + "/casino.xml";
      casino->Load();
      Casinos.push_back(std::move(casino));
    } catch (...) {
      // a casino that cannot be set up is left out; the others still work
    }
  }
}

TLxCasinoManager::~TLxCasinoManager() {
  while (!Casinos.empty()) {
    Casinos.back()->Save();
    Casinos.pop_back();
  }
}

TLxCasino* TLxCasinoManager::FindCasino(std::string_view name) const {
  for (const auto& c : Casinos)
    if (SameText(c->CasinoID, name)) return c.get();
  return nullptr;
}

}  // namespace lx

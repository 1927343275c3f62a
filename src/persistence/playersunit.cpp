#include "persistence/playersunit.h"

#include "base/lxutils.h"
#include "persistence/lxsettings.h"

#include <unordered_map>

namespace lx {

TLxPlayers* Players = nullptr;

void TLxPlayer::DeclareProperties(TXMLPropertiesOf<TLxPlayer>& p) {
  p.String("PlayerName", &TLxPlayer::PlayerName)
      .String("Password", &TLxPlayer::Password)
      .String("FirstName", &TLxPlayer::FirstName)
      .String("LastName", &TLxPlayer::LastName)
      .Integer("PictureID", &TLxPlayer::PictureID)
      .Cardinal("Bank", &TLxPlayer::Bank)
      .Integer("Rank", &TLxPlayer::Rank);
}

void TLxPlayers::Load() {
  LoadStoredFile(*this, FileName);
}

void TLxPlayers::Save() {
  SaveStoredFile(*this, FileName);
}

TLxPlayer* TLxPlayers::FindPlayer(std::string_view name) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (SameText(Items(i)->PlayerName, name)) return Items(i);
  return nullptr;
}

bool TLxPlayers::Login(std::string_view name, std::string_view password) {
  TLxPlayer* p = FindPlayer(name);
  if (!p || !SameText(p->Password, password)) return false;
  CurrentPlayer = p;
  return true;
}

bool TLxPlayers::AddPlayer(const std::string& name, const std::string& password,
                           const std::string& firstName, const std::string& lastName,
                           int32_t pictureID) {
  if (PlayerExists(name)) return false;
  TLxPlayer* p = Add();
  p->PlayerName = name;
  p->Password = password;
  p->FirstName = firstName;
  p->LastName = lastName;
  p->PictureID = pictureID;
  p->Bank = 1000;
  Save();
  return true;
}

void TLxPlayers::Delete(int32_t index) {
  if (index >= 0 && index < Count() && Items(index) == CurrentPlayer) CurrentPlayer = nullptr;
  TPelXMLCollectionOf<TLxPlayer>::Delete(index);
}

void TLxPlayers::SetXML(std::string_view body) {
  CurrentPlayer = nullptr;
  TPelXMLCollectionOf<TLxPlayer>::SetXML(body);
}

bool TLxPlayers::DeletePlayer(std::string_view name) {
  for (int32_t i = 0; i < Count(); ++i) {
    if (SameText(Items(i)->PlayerName, name)) {
      Delete(i);
      Save();
      return true;
    }
  }
  return false;
}

int32_t TLxPlayers::GetNames(std::vector<std::string>& list) const {
  list.clear();
  for (int32_t i = 0; i < Count(); ++i) list.push_back(Items(i)->PlayerName);
  return static_cast<int32_t>(list.size());
}

int32_t TLxPlayers::FillList(std::vector<TLxListEntry>& items, bool markCurrent) const {
  items.clear();
  const bool mark = markCurrent && CurrentPlayer;
  if (mark) items.push_back({"* " + CurrentPlayer->PlayerName, CurrentPlayer});
  std::vector<std::string> names;
  const int32_t count = GetNames(names);
  // Each row's data is the first player of that name (FindPlayer's answer), looked up once.
  std::unordered_map<std::string, TLxPlayer*> first;
  first.reserve(names.size());
  for (int32_t i = 0; i < Count(); ++i) first.emplace(LowerCase(Items(i)->PlayerName), Items(i));
  for (const std::string& name : names) {
    if (mark && SameText(name, CurrentPlayer->PlayerName)) continue;
    items.push_back({name, first[LowerCase(name)]});
  }
  return count;
}

bool SignInPlayer(TLxPlayers& players, const TLxSetting& settings, bool allowAutoLogin,
                  const std::function<bool()>& showLogin,
                  const std::function<void()>& enterCasino) {
  bool signedIn = false;
  if (allowAutoLogin && !settings.optAutoLoginPlayerName.empty())
    signedIn = players.Login(settings.optAutoLoginPlayerName, settings.optAutoLoginPlayerPassword);
  if (!signedIn && showLogin) signedIn = showLogin() && players.CurrentPlayer != nullptr;
  if (!signedIn) return false;
  if (enterCasino) enterCasino();
  return true;
}

}  // namespace lx

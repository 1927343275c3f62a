#include "screens/lxplayerinfo.h"

#include <string>

#include "gui/lxcontrols.h"
#include "persistence/playersunit.h"

namespace lx {

void ShowPlayerInfo(const TLxPlayer* player, TLxLabel* nameLabel, TLxLabel* bankLabel,
                    TLxImage* pictureImage, TLxLabel* rankLabel) {
  if (!player) return;
  if (nameLabel) nameLabel->SetCaption(player->PlayerName);
  if (bankLabel) bankLabel->SetCaption(std::to_string(player->Bank));
  if (pictureImage) pictureImage->SetPattern(player->PictureID);
  if (rankLabel) rankLabel->SetCaption(std::to_string(player->Rank));
}

}  // namespace lx

// The signed-in player on a screen: name, bank, picture and rank into the controls that show
// them.
#pragma once

namespace lx {

class TLxPlayer;
class TLxLabel;
class TLxImage;

// Each target that is given shows its part: the name label PlayerName, the bank label Bank in
// unsigned decimal, the rank label Rank, the image the picture numbered PictureID. Nothing
// without a player.
void ShowPlayerInfo(const TLxPlayer* player, TLxLabel* nameLabel, TLxLabel* bankLabel,
                    TLxImage* pictureImage, TLxLabel* rankLabel);

}  // namespace lx

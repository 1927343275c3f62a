// The loading screen's scene: the loader picture, what is being loaded, a percentage and the
// progress bar.
#pragma once

#include "scenes/lxscene.h"

namespace lx {

class TLxButton;
class TLxLabel;
class TLxProgressBar;

class TLoaderScene : public TLxScene {
 public:
  // Scene "LOADER" with its background "loader" of the group "LOGO"; loads its theme.
  explicit TLoaderScene(TLxComponent* owner);

  TLxLabel* LblGameName = nullptr;
  TLxLabel* LblProgress = nullptr;
  TLxLabel* LblProgressV = nullptr;
  TLxLabel* LblObjectName = nullptr;
  TLxProgressBar* PbLoad = nullptr;
  TLxButton* BtnOk = nullptr;
};

}  // namespace lx

// Making the named controls of a window: created, captioned, connected and added to the window's
// scene (so they are themed and children of its window picture).
#pragma once

#include <string>

#include "gui/lxclasses.h"

namespace lx {

class TLxButton;
class TLxCheckBox;
class TLxLabel;
class TLxFrame;
class TLxScene;

// The window picture "IMG_FRAME" from the window's own folder (its scene name), falling back
// to the common one; call after the window has its scene name.
void UseOwnWindowPicture(TLxFrame& frame);

TLxButton* AddButton(TLxScene& scene, const std::string& name, const std::string& caption,
                     TLxNotifyEvent onClick = nullptr);
TLxLabel* AddLabel(TLxScene& scene, const std::string& name, const std::string& caption);
TLxCheckBox* AddCheckBox(TLxScene& scene, const std::string& name, const std::string& caption,
                         TLxNotifyEvent onClick = nullptr);

}  // namespace lx

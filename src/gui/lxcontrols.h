// The drawable controls every screen is made of: the themed control (TLxControl), images and
// panels, the scrolling strip image, the label with its laid-out lines, the button and the line.
// Each has its own header; this one brings them all.
#pragma once

#include "gui/lxcontrols_button.h"
#include "gui/lxcontrols_control.h"
#include "gui/lxcontrols_image.h"
#include "gui/lxcontrols_label.h"
#include "gui/lxcontrols_line.h"
#include "gui/lxcontrols_panel.h"

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/captioned_accessible.h"
#include "window/frame_box.h"

namespace rumitaku {

// A frame as a screen reader reads it: a group of the controls inside it, named by
// its caption.
using FrameAccessible = CaptionedAccessible<FrameBox, &FrameBox::caption, QAccessible::Grouping>;

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/frame_accessible.h"

#include "window/frame_box.h"

namespace rumitaku {

FrameAccessible::FrameAccessible(FrameBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

QString FrameAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<FrameBox*>(widget())->caption();
    return QAccessibleWidget::text(t);
}

}  // namespace rumitaku

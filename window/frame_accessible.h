// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/frame_box.h"

#include <QAccessibleWidget>

namespace rumitaku {

// A frame as a screen reader reads it: a group of the controls inside it, named by
// its caption.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(FrameBox* frame);

    QString text(QAccessible::Text t) const override;
};

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QObject>

namespace rumitaku {

// Tells a screen reader that `what` of `object` changed. Only one that listens is told:
// asking for the object's interface costs, and a tick must cost nothing more without one.
inline void tellScreenReader(QObject* object, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(object, what);
    QAccessible::updateAccessibility(&event);
}

}  // namespace rumitaku

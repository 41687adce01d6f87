// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>
#include <QObject>
#include <QString>

namespace rumitaku {

// For QAccessible::installFactory: the interface `Interface` for every widget of class `Widget`.
template <typename Interface, typename Widget>
QAccessibleInterface* accessibleOf(const QString&, QObject* object)
{
    auto* widget = qobject_cast<Widget*>(object);
    return widget ? new Interface(widget) : nullptr;
}

}  // namespace rumitaku

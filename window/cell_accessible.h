// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace rumitaku {

class CellButton;

// What a screen reader makes of a cell: a button named by its column and row,
// described by what it shows, idle or the colour it is lit in. Both are worked
// out when asked, so that lighting a cell costs nothing while no screen reader listens.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellButton* cell);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    CellButton* cell() const;
};

}  // namespace rumitaku

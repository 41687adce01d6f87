// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/cell_accessible.h"

#include "window/cell_button.h"
#include "window/qt_colour.h"
#include "window/qt_text.h"

#include <string_view>

namespace rumitaku {

namespace {

std::string_view stateOf(QColor colour)
{
    const CellColour* shown = cellColourOf(rgbOf(colour));
    return shown ? shown->word : std::string_view();
}

}  // namespace

CellAccessible::CellAccessible(CellButton* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

QString CellAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QString::number(cell()->column() + 1) + qText(texts::cellColumnAfter)
               + QString::number(cell()->row() + 1) + qText(texts::cellRowAfter);
    case QAccessible::Description:
        return qText(stateOf(cell()->colour()));
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList CellAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void CellAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        cell()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

CellButton* CellAccessible::cell() const
{
    return static_cast<CellButton*>(widget());
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace rumitaku {

// A control as a screen reader reads it: in the role `readAs`, named by the caption that `caption` returns.
template <typename Widget, QString (Widget::*caption)() const, QAccessible::Role readAs>
class CaptionedAccessible : public QAccessibleWidget {
public:
    explicit CaptionedAccessible(Widget* control) : QAccessibleWidget(control, readAs) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return (control()->*caption)();
        return QAccessibleWidget::text(t);
    }

protected:
    Widget* control() const { return static_cast<Widget*>(widget()); }
};

}  // namespace rumitaku

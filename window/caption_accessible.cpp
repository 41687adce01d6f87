// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/caption_accessible.h"

#include "window/caption_label.h"

namespace rumitaku {

CaptionAccessible::CaptionAccessible(CaptionLabel* label) : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QAccessibleInterface* CaptionAccessible::create(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<CaptionLabel*>(object))
        return new CaptionAccessible(label);
    return nullptr;
}

QString CaptionAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<CaptionLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
}

}  // namespace rumitaku

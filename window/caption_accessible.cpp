// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/caption_accessible.h"

#include "window/caption_label.h"

namespace rumitaku {

CaptionAccessible::CaptionAccessible(CaptionLabel* label) : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QString CaptionAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return label()->text();
    return QAccessibleWidget::text(t);
}

// Each relation says what the other label is to this one: Label for its heading,
// Labelled for the display it heads.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
CaptionAccessible::relations(QAccessible::Relation match) const
{
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related =
        QAccessibleWidget::relations(match);
    if ((match & QAccessible::Label) && label()->heading())
        related.append({QAccessible::queryAccessibleInterface(label()->heading()), QAccessible::Label});
    if (match & QAccessible::Labelled) {
        const QList<CaptionLabel*> siblings =
            label()->parentWidget()->findChildren<CaptionLabel*>(QString(), Qt::FindDirectChildrenOnly);
        for (CaptionLabel* sibling : siblings) {
            if (sibling->heading() == label())
                related.append({QAccessible::queryAccessibleInterface(sibling), QAccessible::Labelled});
        }
    }
    return related;
}

CaptionLabel* CaptionAccessible::label() const
{
    return static_cast<CaptionLabel*>(widget());
}

}  // namespace rumitaku

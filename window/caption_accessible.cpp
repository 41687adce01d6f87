// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/caption_accessible.h"

#include "window/caption_label.h"

namespace rumitaku {

// Each relation says what the other label is to this one: Label for its heading,
// Labelled for the display it heads.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
CaptionAccessible::relations(QAccessible::Relation match) const
{
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related =
        QAccessibleWidget::relations(match);
    if ((match & QAccessible::Label) && control()->heading())
        related.append({QAccessible::queryAccessibleInterface(control()->heading()), QAccessible::Label});
    if (match & QAccessible::Labelled) {
        const QList<CaptionLabel*> siblings =
            control()->parentWidget()->findChildren<CaptionLabel*>(QString(), Qt::FindDirectChildrenOnly);
        for (CaptionLabel* sibling : siblings) {
            if (sibling->heading() == control())
                related.append({QAccessible::queryAccessibleInterface(sibling), QAccessible::Labelled});
        }
    }
    return related;
}

}  // namespace rumitaku

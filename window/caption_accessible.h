// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/caption_label.h"

#include <QAccessibleWidget>

namespace rumitaku {

// A label as a screen reader reads it: static text, named by its caption, and
// labelled by its heading, if it has one.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(CaptionLabel* label);

    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    CaptionLabel* label() const;
};

}  // namespace rumitaku

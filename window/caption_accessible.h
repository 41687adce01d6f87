// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/caption_label.h"
#include "window/captioned_accessible.h"

namespace rumitaku {

// A label as a screen reader reads it: static text, named by its caption, and
// labelled by its heading, if it has one.
class CaptionAccessible
    : public CaptionedAccessible<CaptionLabel, &CaptionLabel::text, QAccessible::StaticText> {
public:
    using CaptionedAccessible::CaptionedAccessible;

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
};

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/accessibility/accessible_controls.h"

#include "window/controls/caption_label.h"
#include "window/controls/cell_button.h"
#include "window/controls/frame_box.h"
#include "window/qt_colour.h"
#include "window/qt_text.h"
#include "game/texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

#include <string_view>

namespace rumitaku {

namespace {

// A cell, worked out when asked, so that lighting a cell costs nothing while no screen
// reader listens.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellButton* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return QString::number(cell()->column() + 1) + qText(texts::cellColumnAfter)
                   + QString::number(cell()->row() + 1) + qText(texts::cellRowAfter);
        case QAccessible::Description: {
            const CellColour* shown = cellColourOf(rgbOf(cell()->colour()));
            return shown ? qText(shown->word) : QString();
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            cell()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    CellButton* cell() const { return static_cast<CellButton*>(widget()); }
};

// A control in the role `readAs`, named by the caption that `caption` returns.
template <typename Widget, QString (Widget::*caption)() const, QAccessible::Role readAs>
class CaptionedAccessible : public QAccessibleWidget {
public:
    explicit CaptionedAccessible(Widget* control) : QAccessibleWidget(control, readAs) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return (static_cast<Widget*>(widget())->*caption)();
        return QAccessibleWidget::text(t);
    }
};

using LabelAccessible = CaptionedAccessible<CaptionLabel, &CaptionLabel::text, QAccessible::StaticText>;
using FrameAccessible = CaptionedAccessible<FrameBox, &FrameBox::caption, QAccessible::Grouping>;

// For QAccessible::installFactory: the interface `Interface` for every widget of class `Widget`.
template <typename Interface, typename Widget>
QAccessibleInterface* accessibleOf(const QString&, QObject* object)
{
    auto* widget = qobject_cast<Widget*>(object);
    return widget ? new Interface(widget) : nullptr;
}

}  // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(accessibleOf<CellAccessible, CellButton>);
    QAccessible::installFactory(accessibleOf<LabelAccessible, CaptionLabel>);
    QAccessible::installFactory(accessibleOf<FrameAccessible, FrameBox>);
}

}  // namespace rumitaku

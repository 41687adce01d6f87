// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/flat_button.h"

#include "window/controls/edges.h"
#include "window/controls/screen_reader.h"
#include "window/qt_colour.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace rumitaku {

namespace {
const QColor highlight(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);
}  // namespace

FlatButton::FlatButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    beOpaque();
}

// Every pixel is painted here, so nothing needs to be drawn beneath, and the
// style's hover look is never shown, so the pointer passing needs no repaint.
void FlatButton::beOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_Hover, false);
}

// Styles that draw buttons themselves turn both back when they polish a
// button: when it is first shown, and again when its style changes.
bool FlatButton::event(QEvent* event)
{
    const bool handled = QAbstractButton::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
        beOpaque();
    return handled;
}

void FlatButton::setColour(QColor colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
    tellScreenReader(this, QAccessible::DescriptionChanged);  // a cell is described by its colour
}

// The button would draw its raised face at once, before it tells of the click, and
// what the click changes would follow in a frame of its own. Held back, the raised
// face goes to the screen in the same frame as the new score.
void FlatButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointer<FlatButton> self(this);
    setUpdatesEnabled(false);
    QAbstractButton::mouseReleaseEvent(event);
    if (self)
        setUpdatesEnabled(true);
}

QSize FlatButton::sizeHint() const
{
    return size();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, colour_);

    const bool down = isDown();
    const int right = face.right();
    const int bottom = face.bottom();
    const QColor& lit = down ? darkShadow : highlight;
    const QColor& unlit = down ? highlight : darkShadow;
    fillLine(painter, {0, 0}, {right - 1, 0}, lit);
    fillLine(painter, {0, 0}, {0, bottom - 1}, lit);
    fillLine(painter, {0, bottom}, {right, bottom}, unlit);
    fillLine(painter, {right, 0}, {right, bottom}, unlit);
    if (!down) {
        fillLine(painter, {1, bottom - 1}, {right - 1, bottom - 1}, shadow);
        fillLine(painter, {right - 1, 1}, {right - 1, bottom - 1}, shadow);
    }

    if (!text().isEmpty()) {
        painter.setPen(defaultTextColour);
        painter.drawText(down ? face.translated(1, 1) : face, Qt::AlignCenter, text());
    }
    if (hasFocus())
        fillDottedOutline(painter, face.adjusted(3, 3, -3, -3), Qt::black);
}

namespace {
bool clicksOnKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

// Enter and Return click the focused button when pressed, Space when let go. A key
// held down clicks once: its repeats do not click again. (From an X server whose repeats
// Qt does not recognise, Space clicks at the first repeat's release, and not again.)
void FlatButton::keyPressEvent(QKeyEvent* event)
{
    if (!clicksOnKey(event->key())) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (keys_.press(*event) != KeyPresses::Press::Fresh)
        return;
    if (event->key() == Qt::Key_Space)
        QAbstractButton::keyPressEvent(event);  // down now, clicked when let go
    else
        click();
}

void FlatButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!clicksOnKey(event->key())) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (keys_.release(*event) && event->key() == Qt::Key_Space)
        QAbstractButton::keyReleaseEvent(event);
}

// The key's release goes elsewhere once the focus has.
void FlatButton::focusOutEvent(QFocusEvent* event)
{
    keys_.forget();
    QAbstractButton::focusOutEvent(event);
}

}  // namespace rumitaku

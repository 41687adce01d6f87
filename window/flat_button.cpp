#include "flat_button.h"

#include <QKeyEvent>
#include <QPainter>

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

    // The edge as one-pixel rectangles: filled, they cost a fraction of stroked lines.
    const bool down = isDown();
    const int width = face.width();
    const int height = face.height();
    const QColor& topLeft = down ? darkShadow : highlight;
    const QColor& bottomRight = down ? highlight : darkShadow;
    painter.fillRect(0, 0, width - 1, 1, topLeft);
    painter.fillRect(0, 0, 1, height - 1, topLeft);
    if (!down) {
        painter.fillRect(1, height - 2, width - 2, 1, shadow);
        painter.fillRect(width - 2, 1, 1, height - 2, shadow);
    }
    painter.fillRect(0, height - 1, width, 1, bottomRight);
    painter.fillRect(width - 1, 0, 1, height, bottomRight);

    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(down ? face.translated(1, 1) : face, Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}

// Enter and Return click the focused button, as Space does.
void FlatButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace rumitaku

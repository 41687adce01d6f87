#include "frame_box.h"

#include <QPainter>

namespace rumitaku {

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;
    const QRect line(0, lineY, width() - 1, height() - lineY - 1);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(line.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(line.adjusted(1, 1, 0, 0));

    const int textWidth = metrics.horizontalAdvance(caption_);
    const QRect captionRect(6, 0, textWidth + 4, metrics.height());
    painter.fillRect(captionRect, Qt::white);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
}

}  // namespace rumitaku

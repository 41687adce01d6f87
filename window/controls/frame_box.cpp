// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/frame_box.h"

#include "window/controls/edges.h"
#include "window/qt_colour.h"

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
    // Etched: a grey ring with a white one a pixel down and to the right.
    const QRect line(QPoint(0, lineY), QPoint(width() - 2, height() - 2));
    fillOutline(painter, line, QColor(128, 128, 128));
    fillOutline(painter, line.translated(1, 1), Qt::white);

    const int textWidth = metrics.horizontalAdvance(caption_);
    const QRect captionRect(6, 0, textWidth + 4, metrics.height());
    painter.fillRect(captionRect, Qt::white);
    painter.setPen(defaultTextColour);
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/edges.h"

namespace rumitaku {

void fillLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour)
{
    painter.fillRect(QRect(from, to).normalized(), colour);
}

void fillOutline(QPainter& painter, const QRect& rect, const QColor& colour)
{
    fillLine(painter, rect.topLeft(), rect.topRight(), colour);
    fillLine(painter, rect.bottomLeft(), rect.bottomRight(), colour);
    fillLine(painter, rect.topLeft(), rect.bottomLeft(), colour);
    fillLine(painter, rect.topRight(), rect.bottomRight(), colour);
}

void fillDottedOutline(QPainter& painter, const QRect& rect, const QColor& colour)
{
    const int across = rect.width() - 1;
    const int down = rect.height() - 1;
    const int perimeter = 2 * (across + down);
    for (int step = 1; step < perimeter; step += 3) {
        QPoint dot = rect.topLeft();
        if (step < across)
            dot += QPoint(step, 0);
        else if (step < across + down)
            dot += QPoint(across, step - across);
        else if (step < 2 * across + down)
            dot += QPoint(2 * across + down - step, down);
        else
            dot += QPoint(0, perimeter - step);
        painter.fillRect(QRect(dot, QSize(1, 1)), colour);
    }
}

}  // namespace rumitaku

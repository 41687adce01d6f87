// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace rumitaku {

// Lines one pixel wide, filled rather than stroked: at any scale factor they
// cover exactly the screen pixels of that one pixel, where a stroked line
// would shift by half a pixel and leave a gap along the far edge.

// A horizontal or vertical line, both ends included.
void fillLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour);
// The outermost ring of pixels of `rect`.
void fillOutline(QPainter& painter, const QRect& rect, const QColor& colour);
// A ring of dots, one pixel on and two off, walked clockwise from the top left corner.
void fillDottedOutline(QPainter& painter, const QRect& rect, const QColor& colour);

}  // namespace rumitaku

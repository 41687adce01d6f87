// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/key_presses.h"

#include <QAbstractButton>
#include <QColor>

namespace rumitaku {

// A push button that shows its background colour exactly: the face is filled
// flat with it, inside a thin raised edge, whatever the widget style, and its text is
// black, whatever the desktop's colours. Not Qt's QPushButton, whose styles paint the
// face with gradients, hover tints and their own bevel colours, so that a cell's colour
// would not be the one the rules read back.
class FlatButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent);  // every button stands in the window

    QColor colour() const { return colour_; }
    void setColour(QColor colour);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void beOpaque();

    QColor colour_{192, 192, 192};
    KeyPresses keys_;  // the clicking keys
};

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/qt_colour.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace rumitaku {

// A label of fixed size: its caption, drawn from the top left in its text colour,
// over its background or over its parent where it has none, and an optional
// one-pixel border. It never resizes itself to its caption. Not Qt's QLabel, whose
// plain box frame takes the text's colour: the legend's coloured captions stand in
// black borders. (The headings, with no border, are Qt's labels.)
class CaptionLabel : public QWidget {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

    QColor background() const { return background_; }
    void setBackground(QColor colour);  // an invalid colour is transparent
    QColor textColour() const { return textColour_; }
    void setTextColour(QColor colour);
    bool hasBorder() const { return border_; }
    void setBorder(bool border);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor background_;
    QColor textColour_ = defaultTextColour;
    bool border_ = false;
    bool wordWrap_ = false;
};

}  // namespace rumitaku

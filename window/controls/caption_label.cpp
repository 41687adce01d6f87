// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/caption_label.h"

#include "window/controls/edges.h"
#include "window/controls/screen_reader.h"

#include <QPainter>

namespace rumitaku {

CaptionLabel::CaptionLabel(QWidget* parent) : QWidget(parent) {}

void CaptionLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    tellScreenReader(this, QAccessible::NameChanged);
}

void CaptionLabel::setBackground(QColor colour)
{
    background_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent, colour.isValid());
    update();
}

void CaptionLabel::setTextColour(QColor colour)
{
    textColour_ = colour;
    update();
}

void CaptionLabel::setBorder(bool border)
{
    border_ = border;
    update();
}

void CaptionLabel::setWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (background_.isValid())
        painter.fillRect(rect(), background_);
    if (border_)
        fillOutline(painter, rect(), Qt::black);
    if (text_.isEmpty())
        return;
    const int inset = border_ ? 2 : 0;
    painter.setPen(textColour_);
    painter.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wordWrap_ ? Qt::TextWordWrap : 0);
    painter.drawText(rect().adjusted(inset, inset, -inset, -inset), flags, text_);
}

}  // namespace rumitaku

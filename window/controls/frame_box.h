// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

namespace rumitaku {

// A frame that groups controls: filled white, an etched line round it and its
// caption in black at the top left, over the line, whatever the desktop's colours. Not
// Qt's QGroupBox, whose styles draw the frame and the title in their own colours and shapes.
class FrameBox : public QWidget {
    Q_OBJECT

public:
    FrameBox(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace rumitaku

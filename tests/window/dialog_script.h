// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

namespace rumitaku::testing {

// Answers the message boxes the program opens, one handler per box, in order.
// A box that is still open when the deadline passes is closed, so that a
// failing test cannot hang; `timedOut` then tells.
class DialogScript : public QObject {
public:
    using Handler = std::function<void(QMessageBox&)>;

    explicit DialogScript(std::deque<Handler> handlers, int deadlineMs = 10000);

    bool finished() const { return handlers_.empty(); }
    bool timedOut() const { return timedOut_; }

private:
    void poll();
    void giveUp();

    std::deque<Handler> handlers_;
    QTimer poller_;
    QTimer deadline_;
    bool timedOut_ = false;
};

// Clicks the box's button that reads `text`.
void clickButton(QMessageBox& box, const QString& text);

}  // namespace rumitaku::testing

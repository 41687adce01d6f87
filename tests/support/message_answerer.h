// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

namespace rumitaku::testing {

// Answers the message boxes the program opens, one handler per box in order,
// `answerDelay` after each box is shown, and notes when each box closed. It
// watches the showing and hiding of widgets: no timer polls for boxes. A box
// still open `deadline` after it was shown is closed, so that a failing test
// or benchmark cannot hang; `timedOut` then tells.
class MessageAnswerer : public QObject {
public:
    using Handler = std::function<void(QMessageBox&)>;
    using Instant = std::chrono::steady_clock::time_point;

    explicit MessageAnswerer(std::deque<Handler> handlers,
                             std::chrono::milliseconds answerDelay = std::chrono::milliseconds(0),
                             std::chrono::milliseconds deadline = std::chrono::seconds(10));
    ~MessageAnswerer() override;

    bool finished() const { return handlers_.empty(); }
    bool timedOut() const { return timedOut_; }
    const std::vector<Instant>& closedAt() const { return closedAt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QMessageBox& box);
    static void wakeBoxLoop();
    void closeLateBox();

    std::deque<Handler> handlers_;
    std::chrono::milliseconds answerDelay_;
    std::vector<Instant> closedAt_;
    // A timer of its own, not one per box: it goes with the answerer, in or out of an event loop.
    QTimer deadline_;
    QPointer<QMessageBox> open_;
    bool timedOut_ = false;
};

// Clicks the box's button that reads `text`.
void clickButton(QMessageBox& box, const QString& text);

}  // namespace rumitaku::testing

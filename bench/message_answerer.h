// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bench/tick_recorder.h"

#include <QMessageBox>
#include <QObject>

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

namespace rumitaku::bench {

// Answers the message boxes the program opens, one handler per box in order,
// `answerDelay` after each box is shown, and notes when each box closed. It
// watches the showing and hiding of widgets: no timer polls for boxes.
class MessageAnswerer : public QObject {
public:
    using Handler = std::function<void(QMessageBox&)>;

    explicit MessageAnswerer(std::deque<Handler> handlers,
                             std::chrono::milliseconds answerDelay = std::chrono::milliseconds(300));
    ~MessageAnswerer() override;

    const std::vector<Instant>& closedAt() const { return closedAt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::deque<Handler> handlers_;
    std::chrono::milliseconds answerDelay_;
    std::vector<Instant> closedAt_;
};

}  // namespace rumitaku::bench

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

namespace rumitaku {

// A repeating timer kept by Qt's event loop, as exact as Qt's timers go (to
// the millisecond, each tick rounded up), for systems without a kernel timer
// the program can wait on. The same operations as KernelTimer: setting the
// interval of a running timer starts it afresh, and a timer that is stopped
// delivers no tick that was already due.
class EventLoopTimer : public QObject {
    Q_OBJECT

public:
    explicit EventLoopTimer(int milliseconds, QObject* parent = nullptr);

    int interval() const { return timer_.interval(); }
    bool isActive() const { return timer_.isActive(); }

    void setInterval(int milliseconds);
    void start() { timer_.start(); }
    void stop() { timer_.stop(); }

signals:
    void timeout();

private:
    QTimer timer_;
};

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace rumitaku {

// A repeating timer kept by the kernel (a Linux timerfd) to the microsecond.
// Qt's own timers wait in whole milliseconds, rounded up, so each of their
// ticks comes up to a millisecond late; a reflex game's tick should not.
// Like QTimer, setting the interval of a running timer starts it afresh, and
// a timer that is stopped delivers no tick that was already due.
// When the kernel refuses the timer (no file descriptor left, say) the program
// says so in one line and exits with status 1: a process that has run out of
// descriptors cannot keep its display and fonts either, so going on would only
// fail later and less clearly.
class KernelTimer : public QObject {
    Q_OBJECT

public:
    explicit KernelTimer(int milliseconds, QObject* parent = nullptr);
    ~KernelTimer() override;

    int interval() const { return interval_; }
    bool isActive() const { return active_; }

    void setInterval(int milliseconds);
    void start();
    void stop();

signals:
    void timeout();

private:
    void arm(int milliseconds);
    void expire();

    int fd_;
    QSocketNotifier notifier_;
    int interval_;
    bool active_ = false;
};

}  // namespace rumitaku

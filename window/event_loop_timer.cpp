// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/event_loop_timer.h"

namespace rumitaku {

EventLoopTimer::EventLoopTimer(int milliseconds, QObject* parent)
    : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(milliseconds);
    connect(&timer_, &QTimer::timeout, this, &EventLoopTimer::timeout);
}

// QTimer starts a running timer afresh on a new interval, as the kernel's timer does.
void EventLoopTimer::setInterval(int milliseconds)
{
    timer_.setInterval(milliseconds);
}

}  // namespace rumitaku

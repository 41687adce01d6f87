// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/kernel_timer.h"

#include "window/startup_failure.h"
#include "game/texts.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace rumitaku {

namespace {
int createTimerFd()
{
    const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0)
        exitForMissingResource(texts::cannotCreateTimer, errno);
    return fd;
}

timespec toTimespec(int milliseconds)
{
    return {milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1'000'000};
}
}  // namespace

KernelTimer::KernelTimer(int milliseconds, QObject* parent)
    : QObject(parent),
      fd_(createTimerFd()),
      notifier_(fd_, QSocketNotifier::Read),
      interval_(milliseconds)
{
    connect(&notifier_, &QSocketNotifier::activated, this, &KernelTimer::expire);
}

KernelTimer::~KernelTimer()
{
    notifier_.setEnabled(false);
    ::close(fd_);
}

void KernelTimer::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (active_)
        start();
}

void KernelTimer::start()
{
    arm(interval_);
    active_ = true;
}

void KernelTimer::stop()
{
    arm(0);
    active_ = false;
}

// Setting the time also clears the count of expirations not yet read, so a
// stopped or restarted timer has no old tick left to deliver.
void KernelTimer::arm(int milliseconds)
{
    const timespec period = toTimespec(milliseconds);
    const itimerspec spec{period, period};
    if (timerfd_settime(fd_, 0, &spec, nullptr) != 0)
        exitForMissingResource(texts::cannotStartTimer, errno);
}

// However many intervals passed while the program was busy, one tick is
// delivered, as Qt's timers do; the next stays on the original schedule.
void KernelTimer::expire()
{
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) != sizeof expirations)
        return;
    emit timeout();
}

}  // namespace rumitaku

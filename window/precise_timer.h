// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's timers: the kernel's where the system has them (Linux's timerfd),
// Qt's own elsewhere or when the build asks for them (RUMITAKU_QT_TIMER).
// Both take the same calls.

#ifdef RUMITAKU_KERNEL_TIMER
#include "window/kernel_timer.h"
#else
#include "window/event_loop_timer.h"
#endif

namespace rumitaku {

#ifdef RUMITAKU_KERNEL_TIMER
using PreciseTimer = KernelTimer;
#else
using PreciseTimer = EventLoopTimer;
#endif

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

namespace rumitaku {

// The window system stamps each key and click with the time it was made
// (QInputEvent::timestamp()): in milliseconds, on a clock of its own, counted in 32 bits
// that wrap. Input can reach the program long after it was made: a window manager that
// holds the pointer under its grab lets the clicks through only when it comes to them.
//
// That clock, read now; none where the window system gives no way to read it.
std::optional<quint32> inputTimeNow();

// How many milliseconds the input time `later` comes after `earlier`: negative when it
// comes before. Across the clock's wrap too, for times less than 24 days apart.
inline qint64 inputTimeSince(quint32 earlier, quint64 later)
{
    return static_cast<qint32>(static_cast<quint32>(later) - earlier);
}

}  // namespace rumitaku

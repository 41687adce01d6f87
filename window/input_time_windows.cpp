// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/input_time.h"

#include <QGuiApplication>
#include <QLatin1String>

#include <windows.h>

namespace rumitaku {

// Windows stamps each message with the milliseconds since the system started, which Qt's
// windows platform hands on as the input's time; other platforms (offscreen) stamp their own.
std::optional<quint32> inputTimeNow()
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return std::nullopt;
    return static_cast<quint32>(GetTickCount());
}

}  // namespace rumitaku

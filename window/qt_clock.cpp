// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_clock.h"

namespace rumitaku {

QtClock::QtClock()
{
    elapsed_.start();
}

float QtClock::steadySeconds()
{
    return static_cast<float>(elapsed_.elapsed()) / 1000.0f;
}

}  // namespace rumitaku

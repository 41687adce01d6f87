// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/key_presses.h"

#include <QKeyEvent>

namespace rumitaku {

KeyPresses::Press KeyPresses::press(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return Press::Repeat;
    const unsigned long time = event.timestamp();
    Key& key = keys_[event.key()];
    if (key.pressedAt)
        return time == 0 || time == *key.pressedAt ? Press::Again : Press::Repeat;
    key.pressedAt = time;
    if (time != 0 && key.releasedAt == time)
        return Press::Repeat;
    return Press::Fresh;
}

bool KeyPresses::release(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return false;
    Key& key = keys_[event.key()];
    const bool wasDown = key.pressedAt.has_value();
    key.pressedAt.reset();
    key.releasedAt = event.timestamp();
    return wasDown;
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>

class QKeyEvent;

namespace rumitaku {

// Tells, from the key events one receiver sees, whether a press is the player pressing
// a key anew, the same press seen again, or the key's repeat while it is held.
//
// A repeat comes flagged; or as a press while the key is down; or, from an X server
// whose repeats Qt does not recognise, as a release and a press at the very same time.
// The same press is seen again when the shortcuts have seen it first, and when the
// screen reader's bridge has taken it: the bridge hands each key to the listening
// client and then delivers a copy of it, which carries no time. So a press while the
// key is down is the same press when it has the press's time or none, and a release
// and a press at one time are a repeat only when they carry a time.
class KeyPresses {
public:
    enum class Press { Fresh, Again, Repeat };

    Press press(const QKeyEvent& event);
    // Whether the key was down: false for a release of a press this receiver did not see.
    bool release(const QKeyEvent& event);
    // The keys' releases go elsewhere from now on.
    void forget() { keys_.clear(); }

private:
    struct Key {
        std::optional<unsigned long> pressedAt;  // none while the key is up
        std::optional<unsigned long> releasedAt;
    };
    std::map<int, Key> keys_;
};

}  // namespace rumitaku

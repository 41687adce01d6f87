// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/heap.h"

#include <malloc.h>

namespace rumitaku::testing {

// The blocks in use on the C runtime's heap, which malloc and new take from.
std::size_t heapInUse()
{
    _HEAPINFO entry{};
    std::size_t used = 0;
    while (_heapwalk(&entry) == _HEAPOK) {
        if (entry._useflag == _USEDENTRY)
            used += entry._size;
    }
    return used;
}

}  // namespace rumitaku::testing

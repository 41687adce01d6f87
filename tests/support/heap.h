// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace rumitaku::testing {

// Bytes of heap the program holds, as its allocator counts them: the C library's, or the
// sanitizers' where they replace it.
std::size_t heapInUse();

}  // namespace rumitaku::testing

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace rumitaku::bench {

// CPU time used so far by all the threads of this process, in seconds.
double processCpuSeconds();

// A field of /proc/self/status in KiB, such as "VmHWM" or "VmRSS"; -1 if missing.
long statusKib(std::string_view field);

}  // namespace rumitaku::bench

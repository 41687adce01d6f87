// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/descriptors.h"

#include "app/messages.h"
#include "app/startup_failure.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace rumitaku {

void exitWhenTooFewDescriptors()
{
    constexpr int needed = 32;
    std::vector<int> taken;
    int error = 0;
    const int first = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (first < 0)
        error = errno;
    else
        taken.push_back(first);
    while (error == 0 && taken.size() < needed) {
        const int next = ::fcntl(first, F_DUPFD_CLOEXEC, 0);
        if (next < 0)
            error = errno;
        else
            taken.push_back(next);
    }
    for (const int fd : taken)
        ::close(fd);
    // Any other failure (no /dev/null, say) tells nothing about descriptors.
    if (error == EMFILE || error == ENFILE) {
        printLine(messages::tooFewDescriptors);
        std::_Exit(1);
    }
}

}  // namespace rumitaku

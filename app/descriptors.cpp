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

// Each opened the wrong way round, as the C library does for the programs it starts with
// more rights than their caller: reading from standard input, or writing to the others,
// fails as it did while they were closed, and --help to a closed output says so.
void fillClosedStandardDescriptors()
{
    constexpr struct {
        int descriptor;
        int flags;
    } standard[] = {{STDIN_FILENO, O_WRONLY}, {STDOUT_FILENO, O_RDONLY}, {STDERR_FILENO, O_RDONLY}};
    for (const auto& [descriptor, flags] : standard) {
        // The lowest free number, which is this one: those below it are open by now.
        if (::fcntl(descriptor, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", flags);
    }
}

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

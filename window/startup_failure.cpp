// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup_failure.h"

#include "game/texts.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace rumitaku {

void printLine(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void exitForMissingResource(std::string_view lineBeforeReason, int error)
{
    // The C library's reason starts with a capital, as a sentence of its own would.
    std::string reason = std::strerror(error);
    if (!reason.empty())
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    std::string line(lineBeforeReason);
    line += reason;
    line += ')';
    printLine(line);
    // Nothing else of the program is in a state to be wound down: no destructors.
    std::_Exit(1);
}

void exitWithoutFreeDescriptors()
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
        printLine(texts::tooFewDescriptors);
        std::_Exit(1);
    }
}

}  // namespace rumitaku

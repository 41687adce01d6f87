// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/messages.h"

#include <QString>

#include <cstdio>

namespace rumitaku {

// The terminal's side of the program's words. On Linux the terminal shows text in the
// encoding of the user's locale (EUC-JP, Shift_JIS, ISO-8859-1, UTF-8 ...); a Windows
// program has no terminal of its own, and its words go where the user can read them
// (terminal_linux.cpp, terminal_windows.cpp).

// One of the program's messages as the terminal can show it: its Japanese words with
// their English after them in parentheses, or the English alone where the terminal's
// encoding has no Japanese (or the message none). `argument` stands for "%1" in both.
QString inTerminalsWords(const messages::Message& message);
QString inTerminalsWords(const messages::Message& message, const QString& argument);

// Whether the terminal shows every character of `text`.
bool terminalShows(const QString& text);

// Writes `text` to `stream`, a terminal's, in the terminal's encoding; a character the
// encoding does not have is written as "?". False, with errno set, when it could not be
// written whole (to a full disk, say, or a closed descriptor).
bool writeToTerminal(std::FILE* stream, const QString& text);

// Text from the terminal, such as an argument on the command line.
QString fromTerminal(const char* bytes);

}  // namespace rumitaku

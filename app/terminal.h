// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdio>

namespace rumitaku {

// The terminal's side of the program's words: the encoding of the user's locale, which
// the terminal shows text in (EUC-JP, Shift_JIS, ISO-8859-1, UTF-8 ...).

// A text of the program's own that gives its Japanese words first and their English in
// parentheses at its end, as the terminal can show it: where the terminal's encoding has
// no Japanese, the English words alone, after the program's name where the text starts
// with it ("rumitaku: 日本語 (English words)" becomes "rumitaku: English words").
QString inTerminalsWords(const QString& bilingual);

// Writes `text` to `stream`, a terminal's, in the terminal's encoding; a character the
// encoding does not have is written as "?".
void writeToTerminal(std::FILE* stream, const QString& text);

// Text from the terminal, such as an argument on the command line.
QString fromTerminal(const char* bytes);

}  // namespace rumitaku

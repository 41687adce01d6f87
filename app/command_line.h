// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

namespace rumitaku {

// Reads the game's command line, before the application exists, so that --help and
// --version need no display. Qt's own options (-platform, -display, -style, -reverse
// and the rest) are accepted here and left in place for QApplication, which takes
// them. Prints the help, the version or, for anything else, one line naming --help,
// and returns the exit status then (0; 1 where the help or version could not be
// written, said on stderr; 2 for a bad argument); returns nothing when the game is
// to start.
std::optional<int> answerCommandLine(const QStringList& arguments);

// The value of the -platform argument (or --platform) as QGuiApplication takes it: the
// last one given; empty where there is none.
QString platformArgument(int argc, char** argv);

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <memory>

namespace rumitaku {

// Whose arguments argv holds: the game's command line, or the caller's own, a test's
// or a benchmark's that starts the application as the game does and reads them itself.
enum class Arguments { Game, Caller };

// Makes the application as the game starts it, in this order: /dev/null for a standard
// input, output or error it was started without; the program's names and version; its command line (--help and --version end the program here, before any
// display is needed); Wayland or X11, and no session bus launched for it; the
// application, which takes Qt's own options out of argc and argv; screen readers, the
// Japanese font and the icon. Exits with a line on stderr where the command line is
// wrong or the platform cannot show a window.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv,
                                               Arguments arguments = Arguments::Game);

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include "app/command_line.h"
#include "app/fonts.h"
#include "app/platform.h"
#include "app/session.h"
#include "app/startup_failure.h"
#include "app/terminal.h"
#include "window/accessibility/accessible_controls.h"

#include <QGuiApplication>
#include <QIcon>
#include <QStringList>

#include <cstdlib>

namespace rumitaku {

namespace {

// The names the desktop finds the program's menu entry and icon by, and the version
// --version prints. They need no application yet.
void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral(RUMITAKU_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(RUMITAKU_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(RUMITAKU_APP_ID));
}

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(fromTerminal(argv[i]));
    return arguments;
}

// The window's and the message boxes' icon: the desktop's own for the program where
// its icon theme has one, else the icon built into the program, the PNGs rendered from
// the SVG, which Qt reads with no plugin. It holds only the sizes a window's own icon is
// drawn at, in a title bar, a task bar and a window switcher, which scale it for the
// rest; the desktop's larger views find the theme's icon by the desktop id. Qt hands
// the window system every size the icon has, for each window it makes, and holds each
// one loaded: 128 and 256 pixels alone cost more memory than the rest of the window.
void useGameIcon()
{
    constexpr int windowIconSizes[] = {16, 32, 48, 64};
    const QIcon themed = QIcon::fromTheme(QStringLiteral(RUMITAKU_APP_ID));
    QIcon icon;
    for (int size : windowIconSizes) {
        if (!themed.isNull())
            icon.addPixmap(themed.pixmap(size));
    }
    if (icon.isNull()) {
        for (int size : windowIconSizes)
            icon.addFile(QStringLiteral(":/icons/%1x%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

}  // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, Arguments arguments)
{
    prepareProcess();
    nameProgram();
    if (arguments == Arguments::Game) {
        if (const std::optional<int> status = answerCommandLine(argumentList(argc, argv)))
            std::exit(*status);
    }

    prepareSession();
    const QStringList platforms = choosePlatforms(platformArgument(argc, argv));
    holdStartupMessages(platforms);
    auto app = std::make_unique<QApplication>(argc, argv);
    releaseStartupMessages();
    exitWhenTooFewColours();

    installAccessibleInterfaces();
    useJapaneseFont();
    useGameIcon();
    return app;
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup.h"

#include "window/accessible_factory.h"
#include "window/caption_accessible.h"
#include "window/caption_label.h"
#include "window/cell_accessible.h"
#include "window/cell_button.h"
#include "window/command_line.h"
#include "window/desktop_session.h"
#include "window/fonts.h"
#include "window/frame_accessible.h"
#include "window/frame_box.h"
#include "window/qt_text.h"
#include "window/startup_failure.h"
#include "game/texts.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QIcon>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Without a display, or free file descriptors, or a platform plugin that can show a
// window, Qt aborts the program (and dumps core): it says so in one line and exits with
// status 1 instead, as it does when the display goes away later (see startup_failure.h).
void exitClearlyWithoutDisplay()
{
    exitWithoutFreeDescriptors();
    joinDesktopSession();
    holdStartupMessages();
}

// Each wake-up costs less through Qt's own event dispatcher than through GLib's.
// Repaints, a few cells at a time, go to the X server through its socket: shared
// memory costs a round trip on every flush. A choice the user made in the
// environment stands.
void preferPromptTicksAndRepaints()
{
    for (const char* name : {"QT_NO_GLIB", "QT_XCB_NO_MITSHM"}) {
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, "1");
    }
}

// Lets screen readers read the board, the labels and the frames.
// The display name follows once the window is shown (see MainWindow::showWindow).
void letScreenReadersIn()
{
    QAccessible::installFactory(accessibleOf<CellAccessible, CellButton>);
    QAccessible::installFactory(accessibleOf<CaptionAccessible, CaptionLabel>);
    QAccessible::installFactory(accessibleOf<FrameAccessible, FrameBox>);
}

// Makes the Japanese font the application's, so that the message boxes draw their
// text from the same font file as the window. Says in one line which package to
// install when there is no Japanese font.
void useJapaneseFont()
{
    QGuiApplication::setFont(defaultFont());
    if (!hasJapaneseFont())
        printLine(texts::noJapaneseFont);
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
    nameProgram();
    if (arguments == Arguments::Game) {
        if (const std::optional<int> status = answerCommandLine(argumentList(argc, argv)))
            std::exit(*status);
    }

    // How the program meets the platform and the session: every such setting and check
    // is made here, before the application.
    exitClearlyWithoutDisplay();
    preferPromptTicksAndRepaints();

    auto app = std::make_unique<QApplication>(argc, argv);
    finishJoiningDesktopSession();
    releaseStartupMessages();

    letScreenReadersIn();
    useJapaneseFont();
    useGameIcon();
    return app;
}

}  // namespace rumitaku

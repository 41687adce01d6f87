// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup.h"

#include "window/caption_accessible.h"
#include "window/cell_accessible.h"
#include "window/fonts.h"
#include "window/qt_text.h"
#include "game/texts.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rumitaku {

namespace {

QtMessageHandler qtHandler = nullptr;

void printLine(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void handleStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The platform plugin's own complaints come before its fatal message, which
    // is said below in the program's words instead.
    const bool platformComplaint = type != QtFatalMsg && context.category
                                   && std::strncmp(context.category, "qt.qpa.", 7) == 0
                                   && (message.contains(QLatin1String("connect to display"))
                                       || message.contains(QLatin1String("platform plugin")));
    if (platformComplaint)
        return;
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        printLine(texts::noDisplay);
        std::_Exit(1);
    }
    qtHandler(type, context, message);
}

}  // namespace

void exitClearlyWithoutDisplay()
{
    qtHandler = qInstallMessageHandler(handleStartupMessage);
}

void introduceToDesktop()
{
    QCoreApplication::setApplicationName(QStringLiteral(RUMITAKU_APP_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(RUMITAKU_APP_ID));
    QAccessible::installFactory(CellAccessible::create);
    QAccessible::installFactory(CaptionAccessible::create);
}

void preferPromptTicksAndRepaints()
{
    for (const char* name : {"QT_NO_GLIB", "QT_XCB_NO_MITSHM"}) {
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, "1");
    }
}

void useJapaneseFont()
{
    QGuiApplication::setFont(defaultFont());
    if (!hasJapaneseFont())
        printLine(texts::noJapaneseFont);
}

}  // namespace rumitaku

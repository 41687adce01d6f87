// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup_failure.h"

#include "app/messages.h"
#include "app/qt_reliance.h"
#include "app/terminal.h"

#include <QGuiApplication>
#include <QLatin1String>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace rumitaku {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// What Qt's message handler, a plain function, needs to know.
struct StartupMessages {
    QtMessageHandler next = nullptr;
    bool holding = false;
    QStringList platforms;  // the plugins Qt tries, in order
    bool pluginMissing = false;  // the last of them
    std::vector<HeldMessage> held;
};

void printOwnLine(const QString& words)
{
    writeToTerminal(stderr, QCoreApplication::applicationName() + QLatin1String(": ") + words + QLatin1Char('\n'));
}

StartupMessages& startupMessages()
{
    static StartupMessages messages;
    return messages;
}

// Said for the plugin Qt tried last, as the one whose failure ended it.
[[noreturn]] void exitForPlatform()
{
    const StartupMessages& messages = startupMessages();
    const QString platform = messages.platforms.isEmpty() ? QString() : messages.platforms.last();
    const QString display = qEnvironmentVariable("DISPLAY");
    if (messages.pluginMissing)
        printLine(messages::noPlatformPlugin, platform);
    else if (platform == QLatin1String("xcb") && display.isEmpty())
        printLine(messages::noDisplay);
    else if (platform == QLatin1String("xcb"))
        printLine(messages::unreachableDisplay, display);
    else if (platform == QLatin1String("wayland"))
        printLine(messages::noWaylandCompositor);
    else
        printLine(messages::unusablePlatformPlugin, platform);
    std::_Exit(1);
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    StartupMessages& messages = startupMessages();
    if (messages.holding) {
        if (type == QtFatalMsg)
            exitForPlatform();
        if (text.contains(QLatin1String(qt_reliance::noSuchPlugin)) && !messages.platforms.isEmpty()
            && text.contains(QLatin1Char('"') + messages.platforms.last() + QLatin1Char('"')))
            messages.pluginMissing = true;
        messages.held.push_back({type, context.category ? context.category : "default", text});
        return;
    }
    // Qt's words before it ends the program itself (X11's "connection broke", Wayland's).
    if (text.contains(QLatin1String(qt_reliance::connectionBroke))) {
        printLine(messages::lostDisplay);
        std::_Exit(1);
    }
    messages.next(type, context, text);
}

}  // namespace

void holdStartupMessages(const QStringList& platforms)
{
    StartupMessages& messages = startupMessages();
    messages.platforms = platforms;
    messages.holding = true;
    messages.next = qInstallMessageHandler(handleMessage);
}

void releaseStartupMessages()
{
    StartupMessages& messages = startupMessages();
    messages.holding = false;
    if (QGuiApplication::primaryScreen() == nullptr)
        exitForPlatform();
    // When Qt fell back to another plugin, what the first one said is of no use.
    const bool fellBack = messages.platforms.value(0) != QGuiApplication::platformName();
    for (const HeldMessage& message : messages.held) {
        if (fellBack || message.category.rfind(qt_reliance::platformCategoryPrefix, 0) == 0)
            continue;
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        messages.next(message.type, context, message.text);
    }
    messages.held.clear();
}

void exitWhenTooFewColours()
{
    // The cells' colours are the game's state, told apart by the player: on an 8-bit
    // display Qt draws nothing at all. 16 bits show each of them, if not to the last bit.
    constexpr int leastColour = 16;
    const int depth = QGuiApplication::primaryScreen()->depth();
    if (depth < leastColour) {
        printLine(messages::tooFewColours, QString::number(depth));
        std::_Exit(1);
    }
}

void printLine(const messages::Message& message)
{
    printOwnLine(inTerminalsWords(message));
}

void printLine(const messages::Message& message, const QString& argument)
{
    printOwnLine(inTerminalsWords(message, argument));
}

}  // namespace rumitaku

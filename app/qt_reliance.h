// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What start-up takes from Qt beyond its documented interface: the words of Qt's own
// messages it recognises, and the options Qt takes out of the command line. Each was
// read from Qt 6.4 (Debian 12); the tests startup_failures and command_line fail
// where a later Qt words or names them otherwise.

namespace rumitaku::qt_reliance {

// QGuiApplication, when no platform plugin of the name asked for can be loaded; the
// fatal message that follows ends the program.
inline constexpr char noSuchPlugin[] = "Could not find the Qt platform plugin";

// The X11 and Wayland plugins, before they end the program when the display goes away.
inline constexpr char connectionBroke[] = "connection broke";

// The categories of the platform plugins' own messages, which only repeat, in Qt's words,
// what a failure at start-up is said in the program's.
inline constexpr char platformCategoryPrefix[] = "qt.qpa.";

// The options QGuiApplication, QApplication and the X11 plugin take from the arguments.
inline constexpr const char* optionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowicon", "icon", "qwindowtitle", "title", "session", "style", "stylesheet",
    "display", "name", "visual", "qmljsdebugger"};
inline constexpr const char* flags[] = {"reverse", "testability", "widgetcount", "qdevel", "qdebug",
                                        "nograb", "dograb"};

// QCommandLineParser's help text before an application names the program.
inline constexpr char executableNamePlaceholder[] = "<executable_name>";

}  // namespace rumitaku::qt_reliance

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program says on the terminal, in UTF-8: what its help says of it, and the one
// line it writes where its command line is wrong or something it needs is missing. A
// terminal whose encoding has Japanese shows the Japanese words with their English after
// them in parentheses; one that has none, the English alone (see terminal.h). The lines
// on standard error begin with the program's name, which is not part of them.

#include <string_view>

namespace rumitaku::messages {

using namespace std::string_view_literals;

// The same words in Japanese and in English, with "%1" where a line names something (an
// argument, a plugin, a depth). A line for the command line, which names what was typed,
// is in English alone.
struct Message {
    std::string_view japanese;
    std::string_view english;
};

// The command line: what --help says of the program, and the one line for an argument it
// does not take ("%1" is the argument as given, or Qt's words for what is wrong with it).
inline constexpr Message programDescription{
    "ルミタク: 光ったマスを消える前にクリックする反射神経ゲーム"sv,
    "a reflex game: click the lit cells before they go out"sv};
inline constexpr Message unknownOption{{}, "unknown option '%1' (see rumitaku --help)"sv};
inline constexpr Message unexpectedArgument{{}, "unexpected argument '%1' (see rumitaku --help)"sv};
inline constexpr Message badCommandLine{{}, "%1 (see rumitaku --help)"sv};
// The help or the version could not be written; %1 is the system's words for why.
inline constexpr Message writeError{"出力に書き込めません"sv, "write error: %1"sv};

inline constexpr Message noJapaneseFont{
    "日本語フォントが見つかりません。パッケージ fonts-ipafont-gothic を入れてください"sv,
    "no Japanese font found: install the package fonts-ipafont-gothic"sv};
inline constexpr Message noDisplay{
    "ディスプレイに接続できません"sv,
    "cannot connect to a display: start it from a desktop session or set DISPLAY"sv};
// %1 is the display asked for, as DISPLAY names it.
inline constexpr Message unreachableDisplay{"ディスプレイ %1 に接続できません"sv, "cannot connect to the display %1"sv};
inline constexpr Message noWaylandCompositor{
    "Wayland のコンポジタに接続できません"sv,
    "cannot connect to a Wayland compositor: set WAYLAND_DISPLAY, or try QT_QPA_PLATFORM=xcb"sv};
// %1 is the name of the platform plugin asked for.
inline constexpr Message noPlatformPlugin{
    "表示プラグイン %1 がありません"sv,
    "no Qt platform plugin \"%1\": try QT_QPA_PLATFORM=xcb or QT_QPA_PLATFORM=wayland"sv};
inline constexpr Message unusablePlatformPlugin{
    "表示プラグイン %1 ではウィンドウを出せません"sv,
    "the Qt platform plugin \"%1\" cannot show a window here: try QT_QPA_PLATFORM=xcb or QT_QPA_PLATFORM=wayland"sv};
// %1 is the display's colour depth, in bits.
inline constexpr Message tooFewColours{
    "ディスプレイの色数が足りません"sv,
    "the display cannot show the game's colours: it has %1-bit colour, 16-bit at least is needed"sv};
inline constexpr Message lostDisplay{
    "ディスプレイとの接続が切れました"sv,
    "lost the connection to the display"sv};
inline constexpr Message tooFewDescriptors{
    "ファイル記述子が足りません。ulimit -n で上限を上げてください"sv,
    "too few file descriptors left: raise the limit with ulimit -n"sv};

}  // namespace rumitaku::messages

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program says on the terminal, in UTF-8: its help, and the one line it
// writes where its command line is wrong or something it needs is missing. Each is
// written in the terminal's encoding, and those in Japanese with their English in
// parentheses in English alone where that encoding has no Japanese (see terminal.h).

#include <string_view>

namespace rumitaku::messages {

using namespace std::string_view_literals;

// The command line: what --help says of the program, and the one line for an argument it
// does not take ("%1" is the argument as given, or Qt's words for what is wrong with it).
inline constexpr auto programDescription =
    "ルミタク: 光ったマスを消える前にクリックする反射神経ゲーム"
    " (a reflex game: click the lit cells before they go out)"sv;
inline constexpr auto unknownOption = "rumitaku: unknown option '%1' (see rumitaku --help)"sv;
inline constexpr auto unexpectedArgument = "rumitaku: unexpected argument '%1' (see rumitaku --help)"sv;
inline constexpr auto badCommandLine = "rumitaku: %1 (see rumitaku --help)"sv;

inline constexpr auto noJapaneseFont =
    "rumitaku: 日本語フォントが見つかりません。パッケージ fonts-ipafont-gothic を入れてください"
    " (no Japanese font found: install the package fonts-ipafont-gothic)"sv;
inline constexpr auto noDisplay =
    "rumitaku: ディスプレイに接続できません"
    " (cannot connect to a display: start it from a desktop session or set DISPLAY)"sv;
inline constexpr auto noWaylandCompositor =
    "rumitaku: Wayland のコンポジタに接続できません"
    " (cannot connect to a Wayland compositor: set WAYLAND_DISPLAY, or try QT_QPA_PLATFORM=xcb)"sv;
// %1 is the name of the platform plugin asked for.
inline constexpr auto noPlatformPlugin =
    "rumitaku: 表示プラグイン %1 がありません"
    " (no Qt platform plugin \"%1\": try QT_QPA_PLATFORM=xcb or QT_QPA_PLATFORM=wayland)"sv;
inline constexpr auto unusablePlatformPlugin =
    "rumitaku: 表示プラグイン %1 ではウィンドウを出せません"
    " (the Qt platform plugin \"%1\" cannot show a window here: try QT_QPA_PLATFORM=xcb or QT_QPA_PLATFORM=wayland)"sv;
// %1 is the display's colour depth, in bits.
inline constexpr auto tooFewColours =
    "rumitaku: ディスプレイの色数が足りません"
    " (the display cannot show the game's colours: it has %1-bit colour, 16-bit at least is needed)"sv;
inline constexpr auto lostDisplay =
    "rumitaku: ディスプレイとの接続が切れました (lost the connection to the display)"sv;
inline constexpr auto tooFewDescriptors =
    "rumitaku: ファイル記述子が足りません。ulimit -n で上限を上げてください"
    " (too few file descriptors left: raise the limit with ulimit -n)"sv;

}  // namespace rumitaku::messages

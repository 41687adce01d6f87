// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text the program shows, in UTF-8.

#include <string_view>

namespace rumitaku::texts {

using namespace std::string_view_literals;

inline constexpr auto messageTitle = "ルミタク"sv;
inline constexpr auto startPrompt = "ゲームを開始します！"sv;
inline constexpr auto roundEndPromptBefore = "得点は"sv;
inline constexpr auto roundEndPromptAfter = "でした！　ゲームを続けますか？"sv;  // U+3000 after ！
inline constexpr auto okButton = "OK"sv;
inline constexpr auto yesButton = "はい(&Y)"sv;
inline constexpr auto noButton = "いいえ(&N)"sv;

inline constexpr auto scorePrefix = "得点 = "sv;
inline constexpr auto remainingPrefix = " 残り "sv;
inline constexpr auto remainingSuffix = " 秒 "sv;

inline constexpr auto windowCaption = "Form1"sv;
inline constexpr auto scoreHeading = "得点"sv;
inline constexpr auto timeHeading = "時間"sv;
inline constexpr auto legendFrame = "色の説明"sv;
inline constexpr auto legendGreen = "緑 = +1"sv;
inline constexpr auto legendRed = "赤 = +5"sv;
inline constexpr auto legendGrey = "灰 = +8"sv;
inline constexpr auto legendWhite = "白 = -5"sv;
inline constexpr auto legendMagenta = "ピンク = 　　　　　得点のリセット"sv;  // five U+3000
inline constexpr auto speedFrame = "速度変更"sv;
inline constexpr auto speedFast = "早い"sv;
inline constexpr auto speedNormal = "普通？"sv;  // full-width question mark
inline constexpr auto speedSlow = "遅い"sv;

// The command line: what --help says of the program, and the one line for an argument it
// does not take ("%1" is the argument as given, or Qt's words for what is wrong with it).
inline constexpr auto programDescription =
    "ルミタク: 光ったマスを消える前にクリックする反射神経ゲーム"
    " (a reflex game: click the lit cells before they go out)"sv;
inline constexpr auto unknownOption = "rumitaku: unknown option '%1' (see rumitaku --help)"sv;
inline constexpr auto unexpectedArgument = "rumitaku: unexpected argument '%1' (see rumitaku --help)"sv;
inline constexpr auto badCommandLine = "rumitaku: %1 (see rumitaku --help)"sv;

// The program's name on the desktop: in its menu entry and beside its windows' titles.
inline constexpr auto applicationDisplayName = "ルミタク"sv;

// What a screen reader says of a cell: where it stands, e.g. "3列目 5行目",
// and what it shows: idle, or the colour it is lit in as the legend names it.
inline constexpr auto cellColumnAfter = "列目 "sv;
inline constexpr auto cellRowAfter = "行目"sv;
inline constexpr auto cellIdle = "消灯"sv;
inline constexpr auto colourGreen = "緑"sv;
inline constexpr auto colourRed = "赤"sv;
inline constexpr auto colourMagenta = "ピンク"sv;
inline constexpr auto colourWhite = "白"sv;
inline constexpr auto colourGrey = "灰"sv;

// Asked for in this order; the first is the original desktop font.
inline constexpr std::string_view japaneseFontFamilies[] = {
    "ＭＳ Ｐゴシック"sv, "IPAPGothic"sv, "Noto Sans CJK JP"sv};
inline constexpr auto japaneseFontPackage = "fonts-ipafont-gothic"sv;

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
inline constexpr auto lostDisplay =
    "rumitaku: ディスプレイとの接続が切れました (lost the connection to the display)"sv;
inline constexpr auto tooFewDescriptors =
    "rumitaku: ファイル記述子が足りません。ulimit -n で上限を上げてください"
    " (too few file descriptors left: raise the limit with ulimit -n)"sv;

// The system's reason and a closing parenthesis follow each of these.
inline constexpr auto cannotCreateTimer = "rumitaku: タイマーを作れません (cannot create a timer: "sv;
inline constexpr auto cannotStartTimer = "rumitaku: タイマーを動かせません (cannot start a timer: "sv;

}  // namespace rumitaku::texts

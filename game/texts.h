// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text the window and its message boxes show, in UTF-8.

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

// The texts above that the game draws in its own font (all but the window's caption,
// which the desktop draws in its title bar), and the characters of the numbers it shows.
inline constexpr std::string_view shown[] = {
    messageTitle,    startPrompt,     roundEndPromptBefore, roundEndPromptAfter, okButton,
    yesButton,       noButton,        scorePrefix,          remainingPrefix,     remainingSuffix,
    scoreHeading,    timeHeading,     legendFrame,          legendGreen,         legendRed,
    legendGrey,      legendWhite,     legendMagenta,        speedFrame,          speedFast,
    speedNormal,     speedSlow,       "-0123456789"sv};

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

}  // namespace rumitaku::texts

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/fonts.h"

#include "app/messages.h"
#include "app/startup_failure.h"
#include "window/qt_text.h"
#include "game/texts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QApplication>
#include <QRawFont>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <string_view>

namespace rumitaku {

namespace {

using namespace std::string_view_literals;

// Asked for in this order, by any of their names: the original desktop font, by its
// Japanese and its English name; the proportional Gothic fonts of Linux desktops; those
// every Windows 10 and 11 has. Noto's line is taller than the layout's headings and legend
// allow.
constexpr std::string_view japaneseFamilies[] = {
    "ＭＳ Ｐゴシック"sv, "MS PGothic"sv, "IPAPGothic"sv, "TakaoPGothic"sv, "VL PGothic"sv,
    "Yu Gothic"sv,       "Meiryo"sv,     "MS Gothic"sv,  "Noto Sans CJK JP"sv};

// Whether `draws` says yes for every character of the texts.
template <typename Draws>
bool drawsEveryText(Draws draws)
{
    for (std::string_view text : texts::shown) {
        for (const char32_t character : qText(text).toUcs4()) {
            if (!draws(character))
                return false;
        }
    }
    return true;
}

// The family of the installed font that has `name` among its names, as Qt lists it. A
// font has a name in each language it was made for, and fontconfig gives it under the
// one of the locale's language first: IPAPGothic is "IPA Pゴシック" in a Japanese locale.
std::optional<QString> installedFamily(const QString& name)
{
    if (!QFontDatabase::hasFamily(name))
        return std::nullopt;
    return QFontInfo(QFont(name)).family();
}

// The first of the Japanese families that is installed, else the first installed family
// that draws every text, proportional before fixed-width: the same font in every locale.
// Asking for the one family that is there, rather than for a list, spares Qt a search
// through every font for fallbacks, script by script, for each text it lays out.
QString japaneseFamily()
{
    for (std::string_view family : japaneseFamilies) {
        if (const std::optional<QString> installed = installedFamily(qText(family)))
            return *installed;
    }
    QStringList drawing;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        const QRawFont font = QRawFont::fromFont(QFont(family));
        if (drawsEveryText([&font](char32_t character) { return font.supportsCharacter(character); }))
            drawing.append(family);
    }
    std::stable_partition(drawing.begin(), drawing.end(),
                          [](const QString& family) { return !QFontDatabase::isFixedPitch(family); });
    return drawing.isEmpty() ? qText(japaneseFamilies[0]) : drawing.first();
}

}  // namespace

void useJapaneseFont()
{
    QFont font(japaneseFamily());
    font.setPointSize(9);
    // Japanese and ASCII text needs none of OpenType's shaping, and the IPA fonts draw
    // it the same without: laying out each caption, score and prompt takes a fraction
    // of the work. Scripts that need shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    // QApplication's, which also takes the place of the fonts the platform gives some
    // kinds of widget, such as Windows' own for message boxes.
    QApplication::setFont(font);
    if (!hasJapaneseFont())
        printLine(messages::noJapaneseFont);
}

bool hasJapaneseFont()
{
    // The font with the fonts Qt draws in for the characters it lacks.
    const QFontMetrics metrics(QApplication::font());
    return drawsEveryText([&metrics](char32_t character) { return metrics.inFontUcs4(character); });
}

}  // namespace rumitaku

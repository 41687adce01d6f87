// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/fonts.h"

#include "app/messages.h"
#include "app/startup_failure.h"
#include "window/qt_text.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <string_view>

namespace rumitaku {

namespace {

using namespace std::string_view_literals;

// Asked for in this order; the first is the original desktop font.
constexpr std::string_view japaneseFamilies[] = {"ＭＳ Ｐゴシック"sv, "IPAPGothic"sv, "Noto Sans CJK JP"sv};

// The first of the Japanese families that is installed. Asking for the one family that
// is there, rather than for the list, spares Qt a search through every font for
// fallbacks, script by script, for each text it lays out. The installed families are
// looked up as they are: QFontDatabase::hasFamily would ask fontconfig for aliases.
QString japaneseFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (std::string_view family : japaneseFamilies) {
        QString name = qText(family);
        if (installed.contains(name))
            return name;
    }
    return qText(japaneseFamilies[0]);
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
    QGuiApplication::setFont(font);
    if (!hasJapaneseFont())
        printLine(messages::noJapaneseFont);
}

bool hasJapaneseFont()
{
    return QFontDatabase::writingSystems(QGuiApplication::font().family()).contains(QFontDatabase::Japanese);
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/fonts.h"

#include "window/qt_text.h"
#include "game/texts.h"

#include <QFontDatabase>
#include <QList>
#include <QStringList>

namespace rumitaku {

namespace {
// The first of the Japanese families that is installed. Asking for the one family that
// is there, rather than for the list, spares Qt a search through every font for
// fallbacks, script by script, for each text it lays out. The installed families are
// looked up as they are: QFontDatabase::hasFamily would ask fontconfig for aliases.
QString japaneseFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (std::string_view family : texts::japaneseFontFamilies) {
        QString name = qText(family);
        if (installed.contains(name))
            return name;
    }
    return qText(texts::japaneseFontFamilies[0]);
}

QFont japaneseFont(qreal points)
{
    QFont font(japaneseFamily());
    font.setPointSizeF(points);
    // Japanese and ASCII text needs none of OpenType's shaping, and the IPA fonts draw
    // it the same without: laying out each caption, score and prompt takes a fraction
    // of the work. Scripts that need shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
}  // namespace

QFont labelFont(qreal points)
{
    QFont font = japaneseFont(points);
    font.setWeight(QFont::Bold);
    return font;
}

QFont defaultFont()
{
    return japaneseFont(9);
}

bool hasJapaneseFont()
{
    return QFontDatabase::writingSystems(japaneseFamily()).contains(QFontDatabase::Japanese);
}

}  // namespace rumitaku

#include "fonts.h"

#include "qt_text.h"
#include "texts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace rumitaku {

namespace {
QFont japaneseFont(qreal points)
{
    QStringList families;
    for (std::string_view family : texts::japaneseFontFamilies)
        families << qText(family);
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    return font;
}
}  // namespace

QFont fontA(qreal points)
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
    const QString family = QFontInfo(fontA(12)).family();
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session.h"

#include "app/platform.h"

#include <QString>
#include <QtGlobal>

namespace rumitaku {

QStringList choosePlatforms(const QString& argument)
{
    QString asked = argument.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : argument;
    if (asked.isEmpty()) {
        asked = sessionPlatforms();
        qputenv("QT_QPA_PLATFORM", asked.toLatin1());
    }
    // As Qt reads the list: names, each with options after a colon, between semicolons.
    QStringList platforms;
    for (const QString& entry : asked.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).toLower();
        if (!name.isEmpty())
            platforms.append(name);
    }
    return platforms;
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminal.h"

#include "window/qt_text.h"

#include <QLatin1String>

namespace rumitaku {

namespace {

// The Japanese words with the English after them, where the terminal shows them.
QString oneOrBoth(const QString& japanese, const QString& english)
{
    if (japanese.isEmpty())
        return english;
    const QString both = japanese + QLatin1String(" (") + english + QLatin1Char(')');
    return terminalShows(both) ? both : english;
}

}  // namespace

QString inTerminalsWords(const messages::Message& message)
{
    return oneOrBoth(qText(message.japanese), qText(message.english));
}

// Not QString::arg(), which warns of a "%1" that one language's words leave out.
QString inTerminalsWords(const messages::Message& message, const QString& argument)
{
    const QLatin1String placeholder("%1");
    return oneOrBoth(qText(message.japanese).replace(placeholder, argument),
                     qText(message.english).replace(placeholder, argument));
}

}  // namespace rumitaku

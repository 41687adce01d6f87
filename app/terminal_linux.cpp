// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminal.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <langinfo.h>

#include <clocale>
#include <string>

namespace rumitaku {

namespace {

// The character set of the user's locale, as the C library names it ("EUC-JP", and
// "ANSI_X3.4-1968", that is ASCII, in the C locale or one that is not installed), read
// with the program's locale set to the user's for the moment: the application sets it for
// good, but much is said before there is one. (newlocale() would leave it alone, but loses
// memory where LOCPATH is set.)
const QByteArray& terminalEncoding()
{
    static const QByteArray encoding = [] {
        const std::string programs = std::setlocale(LC_CTYPE, nullptr);
        std::setlocale(LC_CTYPE, "");
        QByteArray name(nl_langinfo(CODESET));
        std::setlocale(LC_CTYPE, programs.c_str());
        return name;
    }();
    return encoding;
}

// Qt knows the encodings of the C library by their names through ICU; without it, only
// the Unicode ones and Latin-1.
QStringEncoder terminalEncoder()
{
    return QStringEncoder(terminalEncoding().constData());
}

}  // namespace

bool terminalShows(const QString& text)
{
    QStringEncoder encoder = terminalEncoder();
    if (!encoder.isValid())
        return false;
    [[maybe_unused]] const QByteArray encoded = encoder.encode(text);
    return !encoder.hasError();
}

bool writeToTerminal(std::FILE* stream, const QString& text)
{
    QStringEncoder encoder = terminalEncoder();
    QByteArray bytes;
    if (!encoder.isValid()) {
        bytes = text.toUtf8();
    } else {
        bytes = encoder.encode(text);
        // Encoders put their own stand-ins for what they cannot encode, ASCII's a control character.
        if (encoder.hasError()) {
            bytes.clear();
            for (const char32_t character : text.toUcs4()) {
                QStringEncoder one = terminalEncoder();
                const QByteArray encoded = one.encode(QString::fromUcs4(&character, 1));
                bytes += one.hasError() ? QByteArray("?") : encoded;
            }
        }
    }
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written;
}

QString fromTerminal(const char* bytes)
{
    QStringDecoder decoder(terminalEncoding().constData());
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(QByteArray(bytes));
}

}  // namespace rumitaku

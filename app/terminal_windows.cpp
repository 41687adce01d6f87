// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminal.h"

#include "game/texts.h"
#include "window/qt_text.h"

#include <QByteArray>
#include <QString>

#include <windows.h>

#include <cstdio>

namespace rumitaku {

namespace {

// The stream's handle, where the program was given one: a console, a file or a pipe.
HANDLE givenHandle(std::FILE* stream)
{
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN)
        return nullptr;
    return handle;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// The console of the program that started this one, where there is one; asked once.
HANDLE parentConsole()
{
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

const wchar_t* wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

bool writeToConsole(HANDLE console, const QString& text)
{
    DWORD written = 0;
    return WriteConsoleW(console, wide(text), static_cast<DWORD>(text.size()), &written, nullptr) != 0
           && written == static_cast<DWORD>(text.size());
}

}  // namespace

bool terminalShows(const QString&)
{
    // Consoles and message boxes show Unicode whatever the code page.
    return true;
}

// A Windows program has no terminal of its own. Its words go where the user can read them:
// to the console, file or pipe it was given; else onto the console of the program that
// started it; else, started from Explorer or the Start menu, into a message box.
bool writeToTerminal(std::FILE* stream, const QString& text)
{
    if (const HANDLE handle = givenHandle(stream)) {
        if (isConsole(handle))
            return writeToConsole(handle, text);
        const QByteArray bytes = text.toUtf8();
        const auto size = static_cast<std::size_t>(bytes.size());
        const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
        return std::fflush(stream) == 0 && written;
    }
    if (const HANDLE console = parentConsole(); console != INVALID_HANDLE_VALUE)
        return writeToConsole(console, text);
    const UINT icon = stream == stdout ? MB_ICONINFORMATION : MB_ICONERROR;
    MessageBoxW(nullptr, wide(text.trimmed()), wide(qText(texts::messageTitle)), MB_OK | icon);
    return true;
}

QString fromTerminal(const char* bytes)
{
    return QString::fromLocal8Bit(bytes);
}

}  // namespace rumitaku

// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminal.h"

#include "game/texts.h"
#include "window/qt_text.h"

#include <QString>

#include <windows.h>

namespace rumitaku {

namespace {

// A Windows program has no terminal of its own. Its words go where the user can read
// them: into the file or pipe its output is redirected to; else onto the console it was
// started from; else, started from Explorer or the Start menu, into a message box.
HANDLE redirected(std::FILE* stream)
{
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN)
        return nullptr;
    return handle;
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

}  // namespace

QString inTerminalsWords(const QString& bilingual)
{
    // Consoles and message boxes show Unicode whatever the code page.
    return bilingual;
}

void writeToTerminal(std::FILE* stream, const QString& text)
{
    DWORD written = 0;
    if (redirected(stream) != nullptr) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
        std::fflush(stream);
    } else if (const HANDLE console = parentConsole(); console != INVALID_HANDLE_VALUE) {
        WriteConsoleW(console, wide(text), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        const UINT icon = stream == stdout ? MB_ICONINFORMATION : MB_ICONERROR;
        MessageBoxW(nullptr, wide(text.trimmed()), wide(qText(texts::messageTitle)), MB_OK | icon);
    }
}

QString fromTerminal(const char* bytes)
{
    return QString::fromLocal8Bit(bytes);
}

}  // namespace rumitaku

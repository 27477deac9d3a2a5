// SPDX-License-Identifier: GPL-3.0-or-later
#include "consoleanswer.h"

#include "levelset/levelset.h"

#include <qt_windows.h>

namespace vrh {

namespace {

// The handle the caller gave for the stream; none when it gave nothing usable, as Explorer
// or a console without redirection do for a windowed program.
HANDLE givenHandle(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE ||
        GetFileType(handle) == FILE_TYPE_UNKNOWN) {
        return nullptr;
    }
    return handle;
}

// The same bytes the Linux program writes: no line ends turned into CR LF.
void writeAll(HANDLE handle, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(handle, data, static_cast<DWORD>(left), &written, nullptr) || written == 0) {
            return;
        }
        data += written;
        left -= written;
    }
}

// Writes to the console of the program that started this one, when that has one. A process
// that already has a console (wine hands the starter's to a windowed program) writes there.
bool writeToParentConsole(const QString& text) {
    const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!attached && GetLastError() != ERROR_ACCESS_DENIED) {
        return false;
    }
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (console != INVALID_HANDLE_VALUE) {
        DWORD count = 0;
        written = WriteConsoleW(console, text.utf16(), static_cast<DWORD>(text.size()), &count,
                                nullptr) != 0;
        CloseHandle(console);
    }
    if (attached) {
        FreeConsole();
    }
    return written;
}

} // namespace

void answerWithoutConsole(const QString& standardOutput, const QString& standardError,
                          bool isError) {
    struct Stream {
        DWORD id;
        const QString& text;
    };
    const Stream streams[] = {{STD_OUTPUT_HANDLE, standardOutput},
                              {STD_ERROR_HANDLE, standardError}};
    QString unanswered;
    for (const Stream& stream : streams) {
        if (stream.text.isEmpty()) {
            continue;
        }
        if (const HANDLE handle = givenHandle(stream.id)) {
            writeAll(handle, stream.text.toLocal8Bit());
        } else {
            unanswered += stream.text;
        }
    }
    if (unanswered.isEmpty() || writeToParentConsole(unanswered)) {
        return;
    }
    // A box needs no last line end to close its last line.
    while (unanswered.endsWith(u'\n')) {
        unanswered.chop(1);
    }
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(unanswered.utf16()),
                reinterpret_cast<const wchar_t*>(kApplicationTitle.utf16()),
                MB_OK | (isError ? MB_ICONWARNING : MB_ICONINFORMATION));
}

} // namespace vrh

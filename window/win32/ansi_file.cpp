#include "window/win32/ansi_file.h"

#include <windows.h>

#include "viewer/window_services.h"
#include "window/win32/wide_text.h"

namespace lumora {

void AppendInAnsiCodePage(const std::string& fileName, const std::string& text) {
    const std::wstring wide = Widen(text);
    std::string ansi(
        static_cast<std::size_t>(WideCharToMultiByte(
            CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                        static_cast<int>(ansi.size()), nullptr, nullptr);
    HANDLE file =
        CreateFileW(Widen(fileName).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw FileFailure(SystemErrorText(GetLastError()));
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
    const DWORD writeError = GetLastError();
    const BOOL closed = CloseHandle(file);
    if (!wrote || written != ansi.size()) throw FileFailure(SystemErrorText(writeError));
    if (!closed) throw FileFailure(SystemErrorText(GetLastError()));
}

}  // namespace lumora

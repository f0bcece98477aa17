#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/viewer/fake_window.h"
#include "window/win32/main_window.h"
#include "window/win32/wide_text.h"

namespace lumora::testing {

// Dispatches the thread's messages for a while, as the program's loop would.
inline void pumpMessages(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    } while (GetTickCount64() < until);
}

// Answers the next message box of this thread from inside its modal loop:
// notes its title, text, buttons and icon, then presses OK.
struct MessageBoxSeen {
    std::wstring title, text;
    bool hasOk = false, hasCancel = false, hasIcon = false, ownerVisible = false, answered = false;
};

inline MessageBoxSeen& seenBox() {
    static MessageBoxSeen seen;
    return seen;
}

inline BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

inline void CALLBACK answerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;  // not open yet: the timer comes again
    KillTimer(nullptr, timer);
    MessageBoxSeen& seen = seenBox();
    wchar_t text[2048] = {};
    GetWindowTextW(box, text, 2048);
    seen.title = text;
    GetDlgItemTextW(box, 0xFFFF, text, 2048);  // the prompt's static control
    seen.text = text;
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel =
        GetDlgItem(box, IDCANCEL) != nullptr && GetDlgItem(box, IDCANCEL) != GetDlgItem(box, IDOK);
    // The icon's static control is 0x14 on Windows and 0x440 under Wine; it
    // holds an icon only when the box shows one.
    for (int control : {0x14, 0x440})
        if (HWND icon = GetDlgItem(box, control); icon && SendMessageW(icon, STM_GETICON, 0, 0))
            seen.hasIcon = true;
    IsWindowVisible(GetDlgItem(box, 0x14)) || IsWindowVisible(GetDlgItem(box, 0x440));
    seen.ownerVisible = IsWindowVisible(GetWindow(box, GW_OWNER));
    seen.answered = true;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Arms the answer: the box is looked for every `everyMs` once it may be open.
inline void answerNextMessageBox(UINT everyMs) {
    seenBox() = {};
    SetTimer(nullptr, 0, everyMs, answerMessageBox);
}

// The real window, started as the program starts it, in this test's thread.
class Win32WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
        pumpMessages(50);
    }

    void send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        SendMessageW(window.Window(), message, wParam, lParam);
    }
    void command(const char* name) {
        const UINT id = window.CommandId(name);
        ASSERT_NE(id, 0u) << name;
        send(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
    std::string title() const {
        wchar_t text[128] = {};
        GetWindowTextW(window.Window(), text, 128);
        return Narrow(text);
    }
    const ViewerState& state() { return window.form().viewer().state(); }
    int versesSince(int advances) const { return (random.advances - advances + 1000) / 2000; }

    ScriptedRandom random;
    Win32MainWindow window{random};
};

}  // namespace lumora::testing

// The scenarios' driver for the Win32 window, run under Wine in this thread.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/window/window_driver.h"
#include "window/win32/main_window.h"
#include "window/win32/wide_text.h"

namespace lumora::testing {
namespace {

std::string textOf(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return Narrow(text);
}

std::wstring classOf(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return name;
}

// What screen readers were last told a window's name is.
std::string nameTold;

void CALLBACK noteNameChange(HWINEVENTHOOK, DWORD, HWND control, LONG, LONG, DWORD, DWORD) {
    nameTold = textOf(control);
}

// The message box this thread shows, answered from inside its modal loop.
BoxSeen lastBox;

void CALLBACK answerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = GetActiveWindow();
    if (classOf(box) != L"#32770") return;  // not open yet: the timer comes again
    KillTimer(nullptr, timer);
    lastBox = {true, textOf(box), textOf(GetDlgItem(box, 0xFFFF))};  // the prompt's control
    for (HWND control = GetWindow(box, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        lastBox.buttons += classOf(control) == L"Button" && IsWindowVisible(control);
    // The icon's control is 0x14 on Windows and 0x440 under Wine.
    for (int control : {0x14, 0x440})
        lastBox.icon |= SendDlgItemMessageW(box, control, STM_GETICON, 0, 0) != 0;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class Win32Driver final : public WindowDriver {
  public:
    explicit Win32Driver(RandomSource& random) : window_(random) {}
    ~Win32Driver() override {
        if (other_) DestroyWindow(other_);
        UnhookWinEvent(hook_);
    }

    FormWindow& window() override { return window_; }
    bool Start() override {
        const bool started = window_.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        Wait(50);
        return started;
    }
    void Wait(int milliseconds) override {
        const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        for (MSG message; GetTickCount64() <= until; Sleep(1)) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) dispatch(message);
        }
    }
    int RunUntilEnded(std::function<void()> action) override {
        action();
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
        return static_cast<int>(message.wParam);
    }

    void Press(Key key, int modifiers) override {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = modifiers & kShift ? 0x80 : 0;
        keys[VK_CONTROL] = modifiers & kControl ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
        keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    void Queue(Key key) override { PostMessageW(hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1); }
    void Do(Gesture gesture) override {
        switch (gesture) {
            case Gesture::Click:
                return atLabel({WM_LBUTTONDOWN, WM_LBUTTONUP});
            case Gesture::DoubleClick:
                return atLabel({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
            case Gesture::RightClick:
                return atLabel({WM_RBUTTONDOWN, WM_RBUTTONUP});
            case Gesture::CloseFromTitleBar:
                SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
                return;
            case Gesture::EndSession:
                SendMessageW(hwnd(), WM_ENDSESSION, TRUE, 0);
                return;
            case Gesture::Minimise:
                ShowWindow(hwnd(), SW_MINIMIZE);
                return;
            case Gesture::ActivateAnotherWindowOfTheProgram:
                other_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                         200, 100, nullptr, nullptr, nullptr, nullptr);
                SetActiveWindow(other_);
        }
    }
    // A menu item chosen reaches the window as its command.
    void Choose(const char* name) override {
        const UINT id = window_.CommandId(name);
        ASSERT_NE(id, 0u) << name;
        SendMessageW(hwnd(), WM_COMMAND, id, 0);
    }
    void AnswerNextBox(int afterMs) override {
        lastBox = {};
        SetTimer(nullptr, 0, static_cast<UINT>(afterMs), answerBox);
    }
    BoxSeen LastBox() const override { return lastBox; }

    Look Read() const override {
        Look look;
        look.visible = IsWindowVisible(hwnd());
        look.resizable = GetWindowLongW(hwnd(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX);
        look.title = textOf(hwnd());
        look.label = textOf(label());
        HMENU bar = GetMenu(hwnd());
        for (int position = 0; position < GetMenuItemCount(bar); ++position) {
            wchar_t text[32] = {};
            GetMenuStringW(bar, static_cast<UINT>(position), text, 32, MF_BYPOSITION);
            look.menuBar.push_back(Narrow(text));
        }
        RECT outer, client;
        GetWindowRect(hwnd(), &outer);
        GetClientRect(hwnd(), &client);
        look.outer = {outer.right - outer.left, outer.bottom - outer.top};
        look.client = {client.right, client.bottom};
        const RECT area = window_.Label().Rect();
        look.labelRect = {area.left, area.top, area.right, area.bottom};
        // The label fills the client area, so its corner is the client area's.
        UpdateWindow(label());
        HDC dc = GetDC(label());
        const COLORREF pixel = GetPixel(dc, area.right - area.left - 2, area.bottom - area.top - 2);
        look.dpi = GetDeviceCaps(dc, LOGPIXELSX);
        ReleaseDC(label(), dc);
        look.background = GetRValue(pixel) << 16 | GetGValue(pixel) << 8 | GetBValue(pixel);
        return look;
    }
    // What screen readers were last told the label's name is; the hook's
    // reports come as messages.
    std::string LabelNameTold() {
        Wait(0);
        return nameTold;
    }

  private:
    HWND hwnd() const { return window_.Window(); }
    HWND label() const { return window_.Label().Window(); }
    static void dispatch(const MSG& message) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Sends the mouse messages at the label's middle.
    void atLabel(std::initializer_list<UINT> messages) {
        const RECT area = window_.Label().Rect();
        for (UINT message : messages)
            SendMessageW(hwnd(), message,
                         message == WM_LBUTTONUP || message == WM_RBUTTONUP ? 0 : MK_LBUTTON,
                         MAKELPARAM(area.right / 2, area.bottom / 2));
    }

    HWINEVENTHOOK hook_ =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, noteNameChange,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    Win32MainWindow window_;
    HWND other_ = nullptr;
};

// A static control raises no name change of itself for a new text; the
// label raises it, so that screen readers hear of each passage.
TEST(Win32Accessibility, EveryNewPassageIsToldToScreenReaders) {
    ScriptedRandom random;
    Win32Driver driver(random);
    ASSERT_TRUE(driver.Start());
    EXPECT_EQ(driver.LabelNameTold(), driver.Read().label) << "start-up";
    driver.Press(kSpace, 0);
    EXPECT_EQ(driver.LabelNameTold(), driver.Read().label) << "a key";
    driver.Choose("mnuPrev");
    EXPECT_EQ(driver.LabelNameTold(), driver.Read().label) << "Previous";
}

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<Win32Driver>(random);
}

}  // namespace lumora::testing

// The scenarios' driver for the Win32 window, run under Wine in this thread.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/window/window_driver.h"
#include "window/win32/main_window.h"
#include "window/win32/wide_text.h"

namespace lumora::testing {
namespace {

// In the order of Key.
constexpr WPARAM kVirtualKeys[] = {'A',       'B',     'C',       'N',       'S',
                                   'V',       'X',     '1',       VK_SPACE,  VK_TAB,
                                   VK_RETURN, VK_BACK, VK_ESCAPE, VK_DELETE, VK_F1};

WPARAM virtualKey(Key key) {
    return kVirtualKeys[static_cast<int>(key)];
}

std::string textOf(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return Narrow(text);
}

// The label's text at each name change the system reported, with the control.
std::vector<std::pair<HWND, std::string>>& nameChanges() {
    static std::vector<std::pair<HWND, std::string>> changes;
    return changes;
}

void CALLBACK noteNameChange(HWINEVENTHOOK, DWORD, HWND control, LONG, LONG, DWORD, DWORD) {
    nameChanges().emplace_back(control, textOf(control));
}

// The message box this thread shows, answered from inside its modal loop.
BoxSeen& lastBox() {
    static BoxSeen seen;
    return seen;
}

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK countButton(HWND control, LPARAM count) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    *reinterpret_cast<int*>(count) +=
        std::wstring_view(name) == L"Button" && IsWindowVisible(control);
    return TRUE;
}

void CALLBACK answerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;  // not open yet: the timer comes again
    KillTimer(nullptr, timer);
    BoxSeen& seen = lastBox();
    seen = {true, textOf(box), textOf(GetDlgItem(box, 0xFFFF))};  // the prompt's control
    EnumChildWindows(box, countButton, reinterpret_cast<LPARAM>(&seen.buttons));
    // The icon's control is 0x14 on Windows and 0x440 under Wine.
    for (int control : {0x14, 0x440})
        if (HWND icon = GetDlgItem(box, control); icon && SendMessageW(icon, STM_GETICON, 0, 0))
            seen.icon = true;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class Win32Driver final : public WindowDriver {
  public:
    explicit Win32Driver(RandomSource& random)
        : window_(random),
          hook_(SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                noteNameChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
        nameChanges().clear();
    }
    ~Win32Driver() override {
        if (other_) DestroyWindow(other_);
        UnhookWinEvent(hook_);
    }

    FormWindow& window() override { return window_; }
    HWND hwnd() const { return window_.Window(); }
    HWND label() const { return window_.Label().Window(); }

    bool Start() override {
        const bool started = window_.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        Wait(50);
        return started;
    }
    void Wait(int milliseconds) override {
        const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        do {
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(1);
        } while (GetTickCount64() < until);
    }
    int RunUntilEnded(std::function<void()> action) override {
        action();
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return static_cast<int>(message.wParam);
    }

    void Press(Key key, int modifiers) override {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = modifiers & kShift ? 0x80 : 0;
        keys[VK_CONTROL] = modifiers & kControl ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(hwnd(), WM_KEYDOWN, virtualKey(key), 1);
        BYTE released[256] = {};
        SetKeyboardState(released);
    }
    void Queue(Key key) override { PostMessageW(hwnd(), WM_KEYDOWN, virtualKey(key), 1); }
    void Click() override { send({WM_LBUTTONDOWN, WM_LBUTTONUP}); }
    void DoubleClick() override {
        send({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    }
    void RightClick() override { send({WM_RBUTTONDOWN, WM_RBUTTONUP}); }
    // A menu item chosen reaches the window as its command.
    void Choose(const char* name) override {
        const UINT id = window_.CommandId(name);
        ASSERT_NE(id, 0u) << name;
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
    void CloseFromTitleBar() override { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }
    void Minimise() override { ShowWindow(hwnd(), SW_MINIMIZE); }
    void ActivateAnotherWindowOfTheProgram() override {
        other_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(other_);
    }
    void AnswerNextBox(int afterMs) override {
        lastBox() = {};
        SetTimer(nullptr, 0, static_cast<UINT>(afterMs), answerBox);
    }
    BoxSeen LastBox() const override { return lastBox(); }

    bool Visible() const override { return IsWindowVisible(hwnd()); }
    std::string Title() const override { return textOf(hwnd()); }
    std::vector<std::string> MenuBarCaptions() const override {
        HMENU bar = GetMenu(hwnd());
        std::vector<std::string> captions;
        for (int position = 0; position < GetMenuItemCount(bar); ++position) {
            wchar_t text[32] = {};
            GetMenuStringW(bar, static_cast<UINT>(position), text, 32, MF_BYPOSITION);
            captions.push_back(Narrow(text));
        }
        return captions;
    }
    std::string LabelText() const override { return textOf(label()); }
    // The label's texts that the name-change hook saw, oldest first; its
    // reports arrive as this thread handles its messages.
    std::vector<std::string> NameChanges() {
        Wait(0);
        std::vector<std::string> texts;
        for (const auto& [control, text] : nameChanges())
            if (control == label()) texts.push_back(text);
        return texts;
    }
    // The label fills the client area, so its corner is the client area's.
    Rgb BackgroundPixel() const override {
        UpdateWindow(label());
        const RECT area = window_.Label().Rect();
        HDC dc = GetDC(label());
        const COLORREF pixel = GetPixel(dc, area.right - area.left - 2, area.bottom - area.top - 2);
        ReleaseDC(label(), dc);
        return static_cast<Rgb>(GetRValue(pixel) << 16 | GetGValue(pixel) << 8 | GetBValue(pixel));
    }
    int DotsPerInch() const override {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
    PixelSize OuterPixels() const override {
        RECT outer;
        GetWindowRect(hwnd(), &outer);
        return {outer.right - outer.left, outer.bottom - outer.top};
    }
    PixelSize ClientPixels() const override {
        RECT client;
        GetClientRect(hwnd(), &client);
        return {client.right, client.bottom};
    }
    PixelRect LabelPixels() const override {
        const RECT area = window_.Label().Rect();
        return {area.left, area.top, area.right, area.bottom};
    }
    bool Resizable() const override {
        return GetWindowLongW(hwnd(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX);
    }

  private:
    // Sends the mouse messages at the label's middle.
    void send(std::initializer_list<UINT> messages) {
        const RECT area = window_.Label().Rect();
        const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
        for (UINT message : messages)
            SendMessageW(hwnd(), message,
                         message == WM_LBUTTONUP || message == WM_RBUTTONUP ? 0 : MK_LBUTTON,
                         middle);
    }

    Win32MainWindow window_;
    HWINEVENTHOOK hook_;
    HWND other_ = nullptr;
};

TEST(Win32Accessibility, EveryNewPassageRaisesTheLabelsNameChange) {
    ScriptedRandom random;
    Win32Driver driver(random);
    ASSERT_TRUE(driver.Start());
    const auto expectNameChanged = [&](const char* after) {
        const std::vector<std::string> names = driver.NameChanges();
        ASSERT_FALSE(names.empty()) << after;
        EXPECT_EQ(names.back(), driver.LabelText()) << after;
    };
    expectNameChanged("start-up");
    driver.Press(Key::Space, 0);
    expectNameChanged("a key");
    driver.Choose("mnuPrev");
    expectNameChanged("Previous");
}

TEST(Win32Closing, TheSessionsEndEndsTheProgramWithStatusZero) {
    ScriptedRandom random;
    Win32Driver driver(random);
    ASSERT_TRUE(driver.Start());
    EXPECT_EQ(driver.RunUntilEnded([&] { SendMessageW(driver.hwnd(), WM_ENDSESSION, TRUE, 0); }),
              0);
}

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<Win32Driver>(random);
}

}  // namespace lumora::testing

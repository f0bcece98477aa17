// The scenarios' driver for the Win32 window, run under Wine in this thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

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

std::wstring classOf(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return name;
}

// What screen readers were last told each window's name is.
std::map<HWND, std::string>& namesTold() {
    static std::map<HWND, std::string> names;
    return names;
}

void CALLBACK noteNameChange(HWINEVENTHOOK, DWORD, HWND control, LONG, LONG, DWORD, DWORD) {
    namesTold()[control] = textOf(control);
}

// The message box this thread shows, answered from inside its modal loop.
BoxSeen& lastBox() {
    static BoxSeen seen;
    return seen;
}

void CALLBACK answerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = GetActiveWindow();
    if (classOf(box) != L"#32770") return;  // not open yet: the timer comes again
    KillTimer(nullptr, timer);
    BoxSeen& seen = lastBox();
    seen = {true, textOf(box), textOf(GetDlgItem(box, 0xFFFF))};  // the prompt's control
    for (HWND control = GetWindow(box, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        seen.buttons += classOf(control) == L"Button" && IsWindowVisible(control);
    // The icon's control is 0x14 on Windows and 0x440 under Wine.
    for (int control : {0x14, 0x440})
        seen.icon |= SendDlgItemMessageW(box, control, STM_GETICON, 0, 0) != 0;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class Win32Driver final : public WindowDriver {
  public:
    explicit Win32Driver(RandomSource& random) : window_(random) { namesTold().clear(); }
    ~Win32Driver() override {
        if (other_) DestroyWindow(other_);
        UnhookWinEvent(hook_);
    }

    FormWindow& window() override { return window_; }
    HWND hwnd() const { return window_.Window(); }

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
        keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
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
        SendMessageW(hwnd(), WM_COMMAND, id, 0);
    }
    void CloseFromTitleBar() override { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }
    void EndSession() override { SendMessageW(hwnd(), WM_ENDSESSION, TRUE, 0); }
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
        std::vector<std::string> captions;
        HMENU bar = GetMenu(hwnd());
        for (UINT position = 0; position < static_cast<UINT>(GetMenuItemCount(bar)); ++position) {
            wchar_t text[32] = {};
            GetMenuStringW(bar, position, text, 32, MF_BYPOSITION);
            captions.push_back(Narrow(text));
        }
        return captions;
    }
    std::string LabelText() const override { return textOf(window_.Label().Window()); }
    // What screen readers were last told the label's name is; the hook's
    // reports come as messages.
    std::string LabelNameTold() {
        Wait(0);
        return namesTold()[window_.Label().Window()];
    }
    // The label fills the client area, so its corner is the client area's.
    Rgb BackgroundPixel() const override {
        const HWND label = window_.Label().Window();
        UpdateWindow(label);
        const RECT area = window_.Label().Rect();
        HDC dc = GetDC(label);
        const COLORREF pixel = GetPixel(dc, area.right - area.left - 2, area.bottom - area.top - 2);
        ReleaseDC(label, dc);
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
    EXPECT_EQ(driver.LabelNameTold(), driver.LabelText()) << "start-up";
    driver.Press(Key::Space, 0);
    EXPECT_EQ(driver.LabelNameTold(), driver.LabelText()) << "a key";
    driver.Choose("mnuPrev");
    EXPECT_EQ(driver.LabelNameTold(), driver.LabelText()) << "Previous";
}

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<Win32Driver>(random);
}

}  // namespace lumora::testing

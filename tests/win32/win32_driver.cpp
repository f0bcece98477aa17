// The driver for the Win32 window, run under Wine in this thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/window/window_driver.h"
#include "window/win32/main_window.h"
#include "window/win32/monitor_dpi.h"
#include "window/win32/wide_text.h"

namespace lumora::testing {
namespace {

std::string textOf(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return Narrow(text);
}

Rgb rgbOf(COLORREF colour) {
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

std::string menuText(HMENU menu, int position) {
    wchar_t text[32] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 32, MF_BYPOSITION);
    return Narrow(text);
}

std::wstring classOf(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return name;
}

// What screen readers were told to speak: a live region's text at each change;
// a change of the child kMark is the driver's own, marking how far they have come.
std::vector<std::string> spoken;
constexpr LONG kMark = 0x4C4D;
bool marked = false;

void CALLBACK noteLiveRegion(HWINEVENTHOOK, DWORD, HWND control, LONG, LONG child, DWORD, DWORD) {
    child == kMark ? void(marked = true) : spoken.push_back(textOf(control));
}

// The message boxes this thread shows, answered from inside their modal loop.
std::function<void(const BoxSeen&)> whileBoxOpen;
UINT_PTR boxPoll = 0;

void CALLBACK answerBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = GetActiveWindow();
    if (classOf(box) != L"#32770") return;  // not open yet: the timer comes again
    KillTimer(nullptr, std::exchange(boxPoll, 0));
    BoxSeen seen{textOf(box), textOf(GetDlgItem(box, 0xFFFF))};  // the prompt's control
    for (HWND control = GetWindow(box, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        seen.buttons += classOf(control) == L"Button" && IsWindowVisible(control);
    // The icon's control is 0x14 on Windows and 0x440 under Wine.
    for (int control : {0x14, 0x440})
        seen.icon |= SendDlgItemMessageW(box, control, STM_GETICON, 0, 0) != 0;
    whileBoxOpen(seen);
    if (IsWindow(box)) PostMessageW(box, WM_COMMAND, IDOK, 0);
    boxPoll = SetTimer(nullptr, 0, 5, answerBox);  // for a box the step opens next
}

// A thicker frame: Form1's non-client area takes this many more pixels at its
// top, from its creation on.
int frameExtra = 0;
WNDPROC formProc = nullptr;

LRESULT CALLBACK thickFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(formProc, window, message, wParam, lParam);
    // The client rectangle comes first whichever form lParam has.
    if (message == WM_NCCALCSIZE) reinterpret_cast<RECT*>(lParam)->top += frameExtra;
    return result;
}

LRESULT CALLBACK thickenAtCreation(int code, WPARAM wParam, LPARAM lParam) {
    const HWND created = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && classOf(created) == Win32MainWindow::kClassName)
        formProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&thickFrame)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(kTimedOut);
}

// A menu still open once a key's messages are handled, which would hold the
// thread in its loop, is closed, and told.
bool menuLeftOpen = false;
void CALLBACK closeMenu(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetCurrentThreadId(), &thread);
    menuLeftOpen |= thread.flags & GUI_INMENUMODE;
    EndMenu();
}

class Win32Driver final : public WindowDriver {
  public:
    explicit Win32Driver(RandomSource& random) : window_(random) {}
    // A window destroyed while the program runs ends it; its quit message
    // must not reach the next test's message boxes.
    ~Win32Driver() override {
        if (other_) DestroyWindow(other_);
        if (IsWindow(hwnd())) DestroyWindow(hwnd());
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        }
        UnhookWinEvent(hook_);
        if (creationHook_) UnhookWindowsHookEx(creationHook_);
        frameExtra = 0;
    }

    FormWindow& window() override { return window_; }
    bool Start() override {
        const bool started = window_.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        Wait(50);
        return started;
    }
    void ThickenFrame(int pixels) override {
        frameExtra = pixels;
        creationHook_ = SetWindowsHookExW(WH_CBT, thickenAtCreation, nullptr, GetCurrentThreadId());
    }
    void Wait(int milliseconds) override {
        const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        for (MSG message; GetTickCount64() <= until; Sleep(1)) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT)
                    return PostQuitMessage(static_cast<int>(message.wParam));
                TranslateMessage(&message);  // as the program's own loop does
                DispatchMessageW(&message);
            }
        }
    }
    // Once the program has ended, its quit message comes, or the deadline's.
    int Run(const std::function<void()>& play) override {
        const UINT_PTR deadline = SetTimer(nullptr, 0, kDeadlineMs, giveUp);
        play();
        MSG message{};
        if (window_.form().Ended())
            while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        KillTimer(nullptr, deadline);
        return window_.form().Ended() ? static_cast<int>(message.wParam) : kStillRunning;
    }

    // With Alt held Windows posts system keys, Alt's own first, which the
    // message loop translates into WM_SYSCHAR; Alt let go after another key
    // is a plain key-up.
    void Press(Key key, int modifiers) override {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = modifiers & kShift ? 0x80 : 0;
        keys[VK_CONTROL] = modifiers & kControl ? 0x80 : 0;
        keys[VK_MENU] = modifiers & kAlt ? 0x80 : 0;
        SetKeyboardState(keys);
        if (modifiers & kAlt) {
            const LPARAM held = 1 << 29, released = static_cast<LPARAM>(0xC0000000u);
            for (const auto& [message, code, flags] :
                 {std::tuple<UINT, int, LPARAM>{WM_SYSKEYDOWN, VK_MENU, held},
                  {WM_SYSKEYDOWN, key, held},
                  {WM_SYSKEYUP, key, held | released},
                  {WM_KEYUP, VK_MENU, released}})
                PostMessageW(hwnd(), message, static_cast<WPARAM>(code),
                             flags | MapVirtualKeyW(code, MAPVK_VK_TO_VSC) << 16 | 1);
            const UINT_PTR closer = SetTimer(nullptr, 0, 50, closeMenu);
            Wait(0);
            KillTimer(nullptr, closer);
            EXPECT_FALSE(std::exchange(menuLeftOpen, false)) << "a menu is left open, key " << key;
        } else {
            SendMessageW(hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
        }
        SetKeyboardState(std::array<BYTE, 256>{}.data());
    }
    void Queue(Key key) override { PostMessageW(hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1); }
    void Do(const std::string& gesture) override {
        if (gesture == "click") {
            atLabel({WM_LBUTTONDOWN, WM_LBUTTONUP});
        } else if (gesture == "double click") {
            atLabel({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
        } else if (gesture == "right click") {
            atLabel({WM_RBUTTONDOWN, WM_RBUTTONUP});
        } else if (gesture == "minimise and restore") {
            ShowWindow(hwnd(), SW_MINIMIZE);
            ShowWindow(hwnd(), SW_RESTORE);
        } else if (gesture == "close from the title bar") {
            SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else if (gesture == "end the session") {
            SendMessageW(hwnd(), WM_ENDSESSION, TRUE, 0);
        } else if (gesture == "activate another window of the program") {
            other_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                     100, nullptr, nullptr, nullptr, nullptr);
            SetActiveWindow(other_);
        } else if (gesture == "a menu of the program takes the activation as it closes") {
            // A popup of the class Windows makes its menus of, holding the File menu.
            HWND menu =
                CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                100, hwnd(), nullptr, nullptr, GetSubMenu(GetMenu(hwnd()), 0));
            ASSERT_NE(menu, nullptr);
            SetActiveWindow(menu);
            DestroyWindow(menu);
        } else if (gesture == "open the Auto menu" || gesture == "close the menu") {
            // Windows' menu loop keeps the keys itself, and tells the window
            // when it starts and ends; keys that reach the window meanwhile
            // are only those sent to it.
            SendMessageW(hwnd(), gesture == "close the menu" ? WM_EXITMENULOOP : WM_ENTERMENULOOP,
                         FALSE, 0);
        } else {
            ADD_FAILURE() << "no such step: " << gesture;
        }
    }
    // A menu item chosen reaches the window as its command.
    void Choose(const std::string& name) override {
        const UINT id = window_.CommandId(name);
        ASSERT_NE(id, 0u) << name;
        SendMessageW(hwnd(), WM_COMMAND, id, 0);
    }
    // Windows has no reading of a timer back; the window knows whether it set one.
    void Tick() override {
        if (window_.TimerEnabled()) SendMessageW(hwnd(), WM_TIMER, Win32MainWindow::kTimerId, 0);
    }
    void AnswerBoxes(std::function<void(const BoxSeen&)> whileOpen) override {
        KillTimer(nullptr, std::exchange(boxPoll, 0));
        whileBoxOpen = std::move(whileOpen);
        if (whileBoxOpen) boxPoll = SetTimer(nullptr, 0, 5, answerBox);
    }

    Look Read() const override {
        Look look;
        look.visible = IsWindowVisible(hwnd());
        const LONG style = GetWindowLongW(hwnd(), GWL_STYLE);
        look.resizable = style & (WS_THICKFRAME | WS_MAXIMIZEBOX);
        look.minimiseButton = style & WS_MINIMIZEBOX;
        look.maximiseButton = style & WS_MAXIMIZEBOX;
        look.closeButton = style & WS_SYSMENU;  // the system menu's Close is the button's
        look.title = textOf(hwnd());
        look.label = textOf(label());
        look.ticking = window_.TimerEnabled();
        look.period = window_.TimerInterval();
        HMENU bar = GetMenu(hwnd());
        for (int entry = 0; entry < GetMenuItemCount(bar); ++entry) {
            look.menuBar.push_back({menuText(bar, entry)});
            HMENU items = GetSubMenu(bar, entry);
            for (int item = 0; items && item < GetMenuItemCount(items); ++item)
                look.menuBar.back().push_back(menuText(items, item));
        }
        RECT outer, client;
        GetWindowRect(hwnd(), &outer);
        GetClientRect(hwnd(), &client);
        look.outer = {outer.right - outer.left, outer.bottom - outer.top};
        const RECT area = window_.Label().Rect();
        look.labelFillsClient = EqualRect(&area, &client);
        // The label fills the client area, so its corner is the client area's.
        UpdateWindow(label());
        HDC dc = GetDC(label());
        look.back = rgbOf(GetPixel(dc, area.right - area.left - 2, area.bottom - area.top - 2));
        const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
        // The height DrawText gives the text in the label's font.
        const std::wstring text = Widen(look.label);
        RECT needed{0, 0, area.right - area.left, 0};
        HGDIOBJ oldFont = SelectObject(dc, window_.Label().Font());
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        SelectObject(dc, oldFont);
        look.captionCut = needed.bottom > area.bottom - area.top;
        ReleaseDC(label(), dc);
        look.fore = rgbOf(window_.Label().Foreground());
        look.points = std::round(FontPixels() * 72.0 / dpi);  // whole pixels, to whole points
        return look;
    }
    // What screen readers were told since last asked: the hook's reports come
    // as messages, in order, so all have come once a mark made after them has.
    std::vector<std::string> Spoken() {
        Wait(0);
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, label(), OBJID_CLIENT, kMark);
        const ULONGLONG until = GetTickCount64() + kDeadlineMs;
        while (!std::exchange(marked, false) && GetTickCount64() < until) Wait(1);
        return std::exchange(spoken, {});
    }

    HWND hwnd() const { return window_.Window(); }
    // The label's font's height in pixels.
    int FontPixels() const {
        LOGFONTW font{};
        GetObjectW(window_.Label().Font(), sizeof font, &font);
        return -font.lfHeight;
    }

  private:
    HWND label() const { return window_.Label().Window(); }
    // Sends the mouse messages at the label's middle.
    void atLabel(std::initializer_list<UINT> messages) {
        const RECT area = window_.Label().Rect();
        for (UINT message : messages)
            SendMessageW(hwnd(), message,
                         message == WM_LBUTTONUP || message == WM_RBUTTONUP ? 0 : MK_LBUTTON,
                         MAKELPARAM(area.right / 2, area.bottom / 2));
    }

    HWINEVENTHOOK hook_ =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        noteLiveRegion, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    HHOOK creationHook_ = nullptr;
    Win32MainWindow window_;
    HWND other_ = nullptr;
};

// The label is a live region: screen readers hear each passage once its
// handler has returned, so SPIN once, where it stops.
TEST(Win32Accessibility, EachPassageIsSpokenOnceAfterItsHandler) {
    ScriptedRandom random;
    Win32Driver driver(random);
    ASSERT_TRUE(driver.Start());
    EXPECT_EQ(driver.Spoken(), std::vector{driver.Read().label}) << "start-up";
    driver.Press(' ', 0);
    EXPECT_EQ(driver.Spoken(), std::vector{driver.Read().label}) << "a key";
    driver.Choose("mnuSpin");
    EXPECT_EQ(driver.Spoken(), std::vector{driver.Read().label}) << "SPIN";
}

// Moved to a monitor of 144 DPI, where a pixel is 10 twips, the window keeps
// its size in twips and its text its size in points.
TEST(Win32Dpi, MovedToAnotherMonitorItKeepsItsSizeInTwipsAndItsTextInPoints) {
    ScriptedRandom random;
    Win32Driver driver(random);
    ASSERT_TRUE(driver.Start());
    const Look before = driver.Read();
    RECT to{0, 0, before.outer.width * 3 / 2, before.outer.height * 3 / 2};
    SendMessageW(driver.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&to));
    const Look after = driver.Read();
    EXPECT_EQ(driver.window().OuterWidth(), 10000);
    EXPECT_TRUE(after.labelFillsClient);
    EXPECT_EQ(driver.FontPixels(), std::lround(driver.window().LabelPoints() * 2));
    EXPECT_EQ(after.label, before.label);
}

// Run in a Wine prefix whose display is set to 144 DPI.
TEST(Win32StartDpi, OpensAt10000TwipsWideAtItsMonitorsDpi) {
    ScriptedRandom random;
    Win32Driver driver(random);
    ASSERT_TRUE(driver.Start());
    ASSERT_EQ(MonitorDpi(driver.hwnd()), 144) << "the prefix's display is not at 144 DPI";
    EXPECT_EQ(driver.Read().outer.width, 1000);
    EXPECT_EQ(driver.FontPixels(), std::lround(driver.window().LabelPoints() * 2));
}

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<Win32Driver>(random);
}

}  // namespace lumora::testing

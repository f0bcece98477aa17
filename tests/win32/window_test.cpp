#include <cmath>
#include <fstream>
#include <iterator>

#include "catalogue/verse_catalogue.h"
#include "tests/win32/win32_fixture.h"
#include "viewer/show_next_verse.h"

namespace lumora::testing {
namespace {

using Win32Window = Win32WindowTest;

void expectShowsTheVerseDrawn(Win32WindowTest& test, Win32MainWindow& window,
                              const ViewerState& state, const std::string& title) {
    const CatalogueEntry& entry = LookupVerse(state.VerseIndex);
    EXPECT_EQ(title, WindowTitle(state.VerseIndex));
    EXPECT_EQ(window.LabelText(), entry.Caption);
    EXPECT_EQ(window.LabelPoints(), entry.FontSize.value_or(18));
    (void)test;
}

COLORREF pixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

TEST_F(Win32Window, StartsAsAGoldenRectangleShowingAVerseInWhiteOnBlack) {
    expectShowsTheVerseDrawn(*this, window, state(), title());
    EXPECT_EQ(window.LabelForeColor(), RGB(255, 255, 255));
    EXPECT_EQ(window.LabelBackColor(), RGB(0, 0, 0));
    EXPECT_FALSE(window.TimerEnabled());
    RECT outer, client;
    GetWindowRect(window.Window(), &outer);
    GetClientRect(window.Window(), &client);
    const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return value;
    }();
    const double twipsPerPixel = 1440.0 / dpi;
    const int width = outer.right - outer.left;
    EXPECT_EQ(width, std::lround(10000 / twipsPerPixel));
    EXPECT_EQ(outer.bottom - outer.top,
              std::lround(GoldenHeight(std::lround(width * twipsPerPixel)) / twipsPerPixel));
    const RECT label = window.LabelRect();
    EXPECT_EQ(label.right, client.right);
    EXPECT_EQ(label.bottom, client.bottom);
    EXPECT_FALSE(GetWindowLongW(window.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    EXPECT_EQ(pixelAt(window.Window(), client.right - 2, client.bottom - 2), RGB(0, 0, 0));
}

TEST_F(Win32Window, MenuBarShowsSixEntriesWithTheirAccessLetters) {
    const std::pair<const wchar_t*, int> expected[] = {{L"&File", 2},   {L"Pre&vious", -1},
                                                       {L"&Save", -1},  {L"&Auto", 8},
                                                       {L"Display", 3}, {L"SPIN", -1}};
    HMENU bar = GetMenu(window.Window());
    ASSERT_EQ(GetMenuItemCount(bar), 6);
    for (int position = 0; position < 6; ++position) {
        wchar_t text[32] = {};
        GetMenuStringW(bar, static_cast<UINT>(position), text, 32, MF_BYPOSITION);
        EXPECT_STREQ(text, expected[position].first);
        EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, position)), expected[position].second);
    }
}

TEST_F(Win32Window, KeysOfTheMapActWithAnyModifiersAndOthersDoNothing) {
    BYTE keys[256] = {};
    for (BYTE modifiers : {0, 1, 2, 3}) {
        keys[VK_SHIFT] = (modifiers & 1) ? 0x80 : 0;
        keys[VK_CONTROL] = (modifiers & 2) ? 0x80 : 0;
        SetKeyboardState(keys);
        for (WPARAM key : {WPARAM{'B'}, WPARAM{'N'}, WPARAM{'V'}, WPARAM{VK_SPACE}, WPARAM{VK_TAB},
                           WPARAM{VK_RETURN}}) {
            const int advances = random.advances;
            const std::string before = state().CurrentVerse;
            send(WM_KEYDOWN, key, 1);
            EXPECT_EQ(versesSince(advances), 1) << key;
            EXPECT_EQ(state().PreviousVerse, before);
            expectShowsTheVerseDrawn(*this, window, state(), title());
        }
    }
    const int advances = random.advances;
    const std::string shown = title();
    for (WPARAM key : {WPARAM{'A'}, WPARAM{VK_DELETE}, WPARAM{'1'}, WPARAM{VK_F1}, WPARAM{'C'}})
        send(WM_KEYDOWN, key, 1);
    EXPECT_EQ(random.advances, advances);
    EXPECT_EQ(title(), shown);

    send(WM_KEYDOWN, VK_BACK, 1);
    EXPECT_EQ(window.LabelText(), state().PreviousVerse);
    EXPECT_EQ(window.LabelPoints(), 14);
    BYTE released[256] = {};
    SetKeyboardState(released);
}

TEST_F(Win32Window, AClickShowsOneVerseAndADoubleClickToo) {
    const LPARAM middle = MAKELPARAM(window.LabelRect().right / 2, window.LabelRect().bottom / 2);
    int advances = random.advances;
    send(WM_LBUTTONDOWN, MK_LBUTTON, middle);
    send(WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(versesSince(advances), 1);
    expectShowsTheVerseDrawn(*this, window, state(), title());

    advances = random.advances;
    send(WM_LBUTTONDOWN, MK_LBUTTON, middle);
    send(WM_LBUTTONUP, 0, middle);
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, middle);
    send(WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(versesSince(advances), 1);
}

TEST_F(Win32Window, MenuCommandsChangeWhatTheUserSees) {
    const RECT label = window.LabelRect();
    command("mnuBW");
    EXPECT_EQ(window.LabelForeColor(), RGB(0, 0, 0));
    EXPECT_EQ(window.LabelBackColor(), RGB(255, 255, 255));
    UpdateWindow(window.Window());
    EXPECT_EQ(pixelAt(window.Window(), label.right - 2, label.bottom - 2), RGB(255, 255, 255));

    const int advances = random.advances;
    command("mnuSpin");
    EXPECT_EQ(state().SpinCount, 1001);
    EXPECT_EQ(versesSince(advances), 1000);
    expectShowsTheVerseDrawn(*this, window, state(), title());

    command("mnuPrev");
    EXPECT_EQ(window.LabelText(), state().PreviousVerse);
    EXPECT_EQ(window.LabelPoints(), 14);
    command("mnuColor");
    EXPECT_TRUE(state().ColorMode);
    EXPECT_EQ(window.LabelBackColor(), RGB(0, 0, 0));
}

TEST_F(Win32Window, AnIntervalTicksBehindTheAboutBoxUntilSwitchedOff) {
    command("mnu1S");
    EXPECT_TRUE(window.TimerEnabled());
    EXPECT_EQ(window.TimerInterval(), 1000);
    window.SetInterval(50);  // keep the test short; the ticks are what is tested

    const int advances = random.advances;
    answerNextMessageBox(400);
    command("mnuAbout");  // returns once the box is answered
    const MessageBoxSeen& seen = seenBox();
    ASSERT_TRUE(seen.answered);
    EXPECT_GE(versesSince(advances), 3);
    expectShowsTheVerseDrawn(*this, window, state(), title());
    EXPECT_EQ(Narrow(seen.title), "Lum\u00D0ra  1100");
    EXPECT_EQ(Narrow(seen.text).rfind("Lum\u00D0ra      (Ver 1100)\r\nWritten in C++ for ", 0), 0u);
    EXPECT_TRUE(seen.hasOk);
    EXPECT_FALSE(seen.hasCancel);
    EXPECT_FALSE(seen.hasIcon);

    send(WM_KEYDOWN, 'X', 1);
    EXPECT_FALSE(window.TimerEnabled());
    const int stopped = random.advances;
    pumpMessages(150);
    EXPECT_EQ(random.advances, stopped);
}

// A fresh folder as the current directory for one test.
class InTemporaryFolder {
  public:
    InTemporaryFolder() {
        wchar_t base[MAX_PATH] = {}, previous[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        GetCurrentDirectoryW(MAX_PATH, previous);
        previous_ = previous;
        folder_ = std::wstring(base) + L"lumora-test-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(folder_.c_str(), nullptr);
        SetCurrentDirectoryW(folder_.c_str());
    }
    ~InTemporaryFolder() { SetCurrentDirectoryW(previous_.c_str()); }

  private:
    std::wstring folder_, previous_;
};

std::string fileBytes(const char* name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST_F(Win32Window, SaveAppendsTheTextShownInTheAnsiCodePage) {
    InTemporaryFolder folder;
    window.SetCaption(LookupVerse(945).Caption);
    send(WM_KEYDOWN, 'S', 1);
    command("mnuPrint");
    std::string caption(LookupVerse(945).Caption);
    if (GetACP() == 1252) {  // the no-break space is one byte, 0xA0
        const std::size_t at = caption.find("\xC2\xA0");
        caption = caption.substr(0, at) + '\xA0' + caption.substr(at + 2);
    }
    const std::string record = "\r\n" + caption + "\r\n";
    EXPECT_EQ(fileBytes("Scripture.txt"), record + record);
}

TEST_F(Win32Window, AFailedSaveIsReportedAndTheProgramGoesOn) {
    InTemporaryFolder folder;
    CreateDirectoryW(L"Scripture.txt", nullptr);  // a folder cannot be appended to
    answerNextMessageBox(50);
    send(WM_KEYDOWN, 'S', 1);
    ASSERT_TRUE(seenBox().answered);
    EXPECT_NE(Narrow(seenBox().text).find("\"Scripture.txt\""), std::string::npos);
    EXPECT_TRUE(IsWindow(window.Window()));
}

// Lumora.exe beside this test program, started on its own.
class SeparateProgram {
  public:
    SeparateProgram() {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring program(path);
        program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"Lumora.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_);
        for (int wait = 0; started_ && !window_ && wait < 200; ++wait) {
            Sleep(50);
            EnumWindows(findOwnWindow, reinterpret_cast<LPARAM>(this));
        }
    }
    ~SeparateProgram() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    HWND window() const { return window_; }
    // The exit code once it has ended, or STILL_ACTIVE.
    DWORD exitCode(DWORD waitMs) const {
        WaitForSingleObject(process_.hProcess, waitMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

  private:
    static BOOL CALLBACK findOwnWindow(HWND window, LPARAM self) {
        auto* program = reinterpret_cast<SeparateProgram*>(self);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (owner != program->process_.dwProcessId || std::wstring_view(name) != L"LumoraForm1")
            return TRUE;
        program->window_ = window;
        return FALSE;
    }

    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND window_ = nullptr;
};

TEST(Win32Program, EscTheCloseCommandAndTheSessionsEndEachEndItWithExitCodeZero) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } waysOut[] = {{"Esc", WM_KEYDOWN, VK_ESCAPE, 1},
                   {"Close", WM_SYSCOMMAND, SC_CLOSE, 0},
                   {"session end", WM_ENDSESSION, TRUE, 0}};
    for (const auto& way : waysOut) {
        SeparateProgram lumora;
        ASSERT_NE(lumora.window(), nullptr) << way.name;
        PostMessageW(lumora.window(), way.message, way.wParam, way.lParam);
        EXPECT_EQ(lumora.exitCode(10000), 0u) << way.name;
    }
}

TEST(Win32StartUp, AFailureShowsTheErrorBoxEndsWithStatusOneAndNeverShowsTheWindow) {
    FailingRandom random;
    Win32MainWindow window{random};
    answerNextMessageBox(50);
    EXPECT_FALSE(window.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    EXPECT_TRUE(seenBox().answered);
    EXPECT_EQ(Narrow(seenBox().text), "Overflow");
    EXPECT_TRUE(seenBox().hasIcon);
    EXPECT_FALSE(seenBox().ownerVisible);
    EXPECT_EQ(window.Window(), nullptr);
    EXPECT_EQ(window.form().ExitStatus(), 1);
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 1u);
}

}  // namespace
}  // namespace lumora::testing

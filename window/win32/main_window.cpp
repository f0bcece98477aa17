#include "window/win32/main_window.h"

#include <cmath>

#include "window/win32/resource.h"
#include "window/win32/wide_text.h"

namespace lumora {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // fixed frame

COLORREF toColorRef(Rgb colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

int toPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// Is `other` a window of this program other than a message box?
bool isOwnWindow(HWND other) {
    DWORD process = 0;
    GetWindowThreadProcessId(other, &process);
    wchar_t className[16] = {};
    GetClassNameW(other, className, 16);
    return process == GetCurrentProcessId() && std::wstring_view(className) != L"#32770";
}

}  // namespace

Win32MainWindow::Win32MainWindow(RandomSource& random)
    : form_(*this, random,
            sizeof(void*) == 8 ? "Written in C++ for 64-bit Windows"
                               : "Written in C++ for 32-bit Windows") {}

Win32MainWindow::~Win32MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (font_) DeleteObject(font_);
}

bool Win32MainWindow::Start(HINSTANCE instance, int showCommand) {
    showCommand_ = showCommand;
    // A window that cannot be made is a failure like any other: a box, then status 1.
    form_.Deliver([&] { create(instance); });
    return !form_.Ended() && form_.Start();
}

void Win32MainWindow::create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_LUMORA), IMAGE_ICON, 32, 32, 0));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_LUMORA), IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered

    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);

    // The window's fixed description, before any of the handlers run.
    const double twips = twipsPerPixel();
    RECT outer{0, 0, toPixels(form1::kDesignClientWidth, twips),
               toPixels(form1::kDesignClientHeight, twips)};
    AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    fore_ = toColorRef(form1::kLabelForeColor);
    back_ = toColorRef(form1::kLabelBackColor);
    label_ = {form1::kLabelLeft, form1::kLabelTop, toPixels(form1::kLabelWidth, twips),
              toPixels(form1::kLabelHeight, twips)};
    setFont(form1::kLabelFont.points);
    if (!CreateWindowExW(0, kClassName, Widen(form1::kDesignTitle).c_str(), kStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                         createMenuBar(), instance, this))
        throw WindowFailure(SystemErrorText(GetLastError()));
    timerInterval_ = form1::kTimerInterval;
    SetEnabled(form1::kTimerEnabled);
}

void Win32MainWindow::ShowForm() {
    RECT window{}, work{};
    GetWindowRect(hwnd_, &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd_, showCommand_);
    UpdateWindow(hwnd_);
}

HMENU Win32MainWindow::createMenuBar() {
    HMENU bar = CreateMenu();
    auto addCommand = [&](HMENU menu, const auto& element) {
        commands_.push_back(element.onClick);
        commandNames_.push_back(element.name);
        const UINT id = kFirstCommandId + static_cast<UINT>(commands_.size() - 1);
        AppendMenuW(menu, MF_STRING, id, Widen(element.caption).c_str());
    };
    for (const form1::MenuEntry& entry : form1::kMenuBar) {
        if (entry.items.empty()) {
            addCommand(bar, entry);
            continue;
        }
        HMENU items = CreatePopupMenu();
        for (const form1::MenuItem& item : entry.items) addCommand(items, item);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Widen(entry.caption).c_str());
    }
    return bar;  // owned by the window from CreateWindowEx on
}

UINT Win32MainWindow::CommandId(std::string_view name) const {
    for (std::size_t i = 0; i < commandNames_.size(); ++i)
        if (commandNames_[i] == name) return kFirstCommandId + static_cast<UINT>(i);
    return 0;
}

LRESULT Win32MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole client area
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && LOWORD(wParam) >= kFirstCommandId &&
                LOWORD(wParam) < kFirstCommandId + commands_.size()) {
                const form1::Handler handler = commands_[LOWORD(wParam) - kFirstCommandId];
                form_.Deliver([&] { (form_.viewer().*handler)(); });
                return 0;
            }
            break;
        case WM_KEYDOWN:
            onKeyDown(wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            onLeftButton(message, lParam);
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId) form_.Deliver([&] { form_.viewer().Timer1_Timer(); });
            return 0;
        case WM_CLOSE:
            form_.CloseRequested();
            return 0;
        case WM_ENDSESSION:
            if (wParam) form_.CloseRequested();
            return 0;
        case WM_DESTROY:
            form_.Terminated();
            return 0;
        case WM_ACTIVATE:
            onActivate(wParam, lParam);
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Painting: the label's background fills the client area; the text is broken
// at word boundaries, each line centred, from the top, cut off at the bottom.
void Win32MainWindow::paint() {
    PAINTSTRUCT paintStruct;
    HDC target = BeginPaint(hwnd_, &paintStruct);
    RECT client;
    GetClientRect(hwnd_, &client);
    // Drawn off screen first, so that SPIN's repaints do not flicker.
    HDC canvas = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(canvas, bitmap);
    HBRUSH background = CreateSolidBrush(back_);
    FillRect(canvas, &client, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(canvas, font_);
    SetTextColor(canvas, fore_);
    SetBkMode(canvas, TRANSPARENT);
    RECT text = label_;
    DrawTextW(canvas, wideCaption_.c_str(), static_cast<int>(wideCaption_.size()), &text,
              DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    BitBlt(target, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, oldFont);
    SelectObject(canvas, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    EndPaint(hwnd_, &paintStruct);
}

void Win32MainWindow::setFont(double points) {
    HFONT font = CreateFontW(-static_cast<int>(std::lround(points * dpi_ / 72)), 0, 0, 0,
                             form1::kLabelFont.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, Widen(form1::kLabelFont.face).c_str());
    if (!font) throw WindowFailure("The label's font could not be created");
    if (font_) DeleteObject(font_);
    font_ = font;
    fontPoints_ = static_cast<int>(points);
}

// Events.

void Win32MainWindow::onKeyDown(WPARAM key) {
    const auto shift = static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                                                 (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                                                 (GetKeyState(VK_MENU) < 0 ? 4 : 0));
    form_.Deliver([&] { form_.viewer().Form_KeyDown(static_cast<std::int16_t>(key), shift); });
}

// A click is a press and release of the left button on the label; the second
// press of a double click arrives as WM_LBUTTONDBLCLK, which has no handler.
void Win32MainWindow::onLeftButton(UINT message, LPARAM lParam) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool onLabel = PtInRect(&label_, at);
    if (message == WM_LBUTTONDOWN) {
        pressed_ = onLabel;
        if (pressed_) SetCapture(hwnd_);
        return;
    }
    const bool click = message == WM_LBUTTONUP && pressed_ && onLabel;
    if (pressed_) ReleaseCapture();
    pressed_ = false;
    if (click) form_.Deliver([&] { form_.viewer().Label1_Click(); });
}

// Deactivation counts only when another window of the program itself becomes
// active; the program has none (a message box is not one), so it never ends here.
void Win32MainWindow::onActivate(WPARAM wParam, LPARAM lParam) {
    const HWND other = reinterpret_cast<HWND>(lParam);
    if (LOWORD(wParam) == WA_INACTIVE && other && isOwnWindow(other)) form_.Deactivated();
}

// Display services.

void Win32MainWindow::SetTitle(const std::string& title) {
    if (!SetWindowTextW(hwnd_, Widen(title).c_str()))
        throw WindowFailure("The title could not be set");
}

void Win32MainWindow::SetCaption(std::string_view caption) {
    caption_.assign(caption);
    wideCaption_ = Widen(caption);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

std::string Win32MainWindow::GetCaption() const {
    return caption_;
}

void Win32MainWindow::SetFontSize(int points) {
    if (points == fontPoints_) return;
    setFont(points);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32MainWindow::SetForeColor(Rgb colour) {
    fore_ = toColorRef(colour);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32MainWindow::SetBackColor(Rgb colour) {
    back_ = toColorRef(colour);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32MainWindow::RefreshLabel() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);  // paints now, delivering nothing else
}

void Win32MainWindow::Beep() {
    MessageBeep(MB_OK);
}

// The box's modal loop goes on dispatching WM_TIMER to this window.
void Win32MainWindow::ShowMessage(const std::string& prompt, const std::string& title) {
    MessageBoxW(hwnd_, Widen(prompt).c_str(), Widen(title).c_str(), MB_OK);
}

// Timer1: SetTimer again restarts the period.

void Win32MainWindow::SetEnabled(bool enabled) {
    timerEnabled_ = enabled;
    if (enabled)
        SetTimer(hwnd_, kTimerId, timerInterval_, nullptr);
    else
        KillTimer(hwnd_, kTimerId);
}

void Win32MainWindow::SetInterval(int milliseconds) {
    timerInterval_ = static_cast<UINT>(milliseconds);
    if (timerEnabled_) SetTimer(hwnd_, kTimerId, timerInterval_, nullptr);
}

// Geometry, in twips at the display's resolution.

double Win32MainWindow::twipsPerPixel() const {
    return 1440.0 / dpi_;
}

void Win32MainWindow::SetOuterWidth(int twips) {
    RECT window;
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, 0, 0, toPixels(twips, twipsPerPixel()), window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32MainWindow::OuterWidth() const {
    RECT window;
    GetWindowRect(hwnd_, &window);
    return static_cast<int>(std::lround((window.right - window.left) * twipsPerPixel()));
}

void Win32MainWindow::SetOuterHeight(float twips) {
    RECT window;
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, toPixels(twips, twipsPerPixel()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double Win32MainWindow::ClientWidth() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return client.right * twipsPerPixel();
}

double Win32MainWindow::ClientHeight() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return client.bottom * twipsPerPixel();
}

void Win32MainWindow::SetLabelSize(std::int16_t widthTwips, std::int16_t heightTwips) {
    label_.right = label_.left + toPixels(widthTwips, twipsPerPixel());
    label_.bottom = label_.top + toPixels(heightTwips, twipsPerPixel());
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// Saving: one append of the whole record, in the system's ANSI code page.

void Win32MainWindow::AppendToFile(const std::string& fileName, const std::string& text) {
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

// Failures and closing.

void Win32MainWindow::ShowFailure(const std::string& reason) {
    MessageBoxW(hwnd_, Widen(reason).c_str(), Widen(form1::kDesignTitle).c_str(),
                MB_OK | MB_ICONERROR);
}

// Destroying the window also ends any message box it owns; the quit message
// then leaves every message loop.
void Win32MainWindow::EndProgram(int exitStatus) {
    if (hwnd_) {
        KillTimer(hwnd_, kTimerId);
        DestroyWindow(hwnd_);
    }
    PostQuitMessage(exitStatus);
}

}  // namespace lumora

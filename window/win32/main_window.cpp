#include "window/win32/main_window.h"

#include "window/win32/ansi_file.h"
#include "window/win32/monitor_dpi.h"
#include "window/win32/resource.h"
#include "window/win32/wide_text.h"

namespace lumora {
namespace {

// A fixed frame; the label's control paints itself.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
                         (form1::kMinimiseButton ? WS_MINIMIZEBOX : 0) |
                         (form1::kMaximiseButton ? WS_MAXIMIZEBOX : 0);

COLORREF toColorRef(Rgb colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// The window `other` that took the activation, as Windows tells of it: a
// message box is a dialog of its own class, and menus (the system menu among
// them) and tooltips are popups without a caption.
ActivatedWindow describe(HWND other) {
    DWORD process = 0;
    if (!other || (GetWindowThreadProcessId(other, &process), process != GetCurrentProcessId()))
        return {};
    wchar_t className[16] = {};
    GetClassNameW(other, className, 16);
    const LONG_PTR style = GetWindowLongPtrW(other, GWL_STYLE);
    return {.ofThisProgram = true,
            .messageBox = std::wstring_view(className) == L"#32770",
            .popup = (style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION};
}

std::int16_t shiftMask() {
    return static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                                     (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                                     (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

}  // namespace

Win32MainWindow::Win32MainWindow(RandomSource& random)
    : FormWindow(random, sizeof(void*) == 8 ? "Written in C++ for 64-bit Windows"
                                            : "Written in C++ for 32-bit Windows") {}

Win32MainWindow::~Win32MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Win32MainWindow::Start(HINSTANCE instance, int showCommand) {
    showCommand_ = showCommand;
    // A window that cannot be made is a failure like any other: a box, then status 1.
    form().Deliver([&] { create(instance); });
    return !form().Ended() && form().Start();
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

    // The window's fixed description, before any of the handlers run, at the
    // resolution of the monitor it opens on.
    const PixelSize client = DesignClientSize();
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    if (!CreateWindowExW(0, kClassName, Widen(form1::kDesignTitle).c_str(), kStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                         createMenuBar(), instance, this))
        throw WindowFailure(SystemErrorText(GetLastError()));
    dpi_ = MonitorDpi(hwnd_);
    const PixelRect label = DesignLabelRect();
    ApplyFont(LabelPoints());
    ApplyColours(LabelForeColor(), LabelBackColor());
    if (!label_.Create(hwnd_, {label.left, label.top, label.right, label.bottom}))
        throw WindowFailure(SystemErrorText(GetLastError()));
    StartDescribedTimer();
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
            paintAroundLabel();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills what the label leaves
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && LOWORD(wParam) >= kFirstCommandId &&
                LOWORD(wParam) < kFirstCommandId + commands_.size()) {
                OnCommand(commands_[LOWORD(wParam) - kFirstCommandId]);
                return 0;
            }
            break;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<std::int16_t>(wParam), shiftMask());
            return 0;
        // Alt held: the key map's keys, then the system's (Alt+F4 closes). The
        // character of a key the key map had opens no menu, nor the system menu.
        case WM_SYSKEYDOWN:
            OnAltKeyDown(static_cast<std::int16_t>(wParam), shiftMask());
            break;
        case WM_SYSCHAR:  // a letter's capital is its key code
            if (!form1::AccessLetterEntry(static_cast<int>(wParam) & ~0x20)) return 0;
            break;
        case WM_ENTERMENULOOP:
            OnMenuOpened();
            return 0;
        case WM_EXITMENULOOP:
            OnMenuClosed();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            onLeftButton(message == WM_LBUTTONDOWN ? LeftButton::Press
                         : message == WM_LBUTTONUP ? LeftButton::Release
                                                   : LeftButton::DoubleClick,
                         lParam);
            return 0;
        case kHandlerReturned:
            OnHandlerReturned();
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId) OnTick();
            return 0;
        case WM_CLOSE:
            OnCloseRequested();
            return 0;
        case WM_ENDSESSION:
            if (wParam) OnCloseRequested();
            return 0;
        case WM_DESTROY:
            OnTerminated();
            return 0;
        // Windows suggests the rectangle that keeps the window's size in twips.
        case WM_DPICHANGED: {
            const RECT& to = *reinterpret_cast<const RECT*>(lParam);
            dpi_ = LOWORD(wParam);
            MoveWindow(hwnd_, to.left, to.top, to.right - to.left, to.bottom - to.top, TRUE);
            OnDpiChanged();
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE)
                OnActivationLost(describe(reinterpret_cast<HWND>(lParam)));
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The label's background fills the client area wherever the label is not.
void Win32MainWindow::paintAroundLabel() {
    PAINTSTRUCT paintStruct;
    HDC target = BeginPaint(hwnd_, &paintStruct);
    HBRUSH background = CreateSolidBrush(label_.Background());
    FillRect(target, &paintStruct.rcPaint, background);
    DeleteObject(background);
    EndPaint(hwnd_, &paintStruct);
}

// The label holds the pointer from a press on it until the release.
void Win32MainWindow::onLeftButton(LeftButton event, LPARAM lParam) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT label = label_.Rect();
    if (OnLeftButton(event, PtInRect(&label, at)))
        SetCapture(hwnd_);
    else if (GetCapture() == hwnd_)
        ReleaseCapture();
}

// Display services.

void Win32MainWindow::SetTitle(const std::string& title) {
    if (!SetWindowTextW(hwnd_, Widen(title).c_str()))
        throw WindowFailure("The title could not be set");
}

void Win32MainWindow::ShowCaption(std::string_view caption) {
    label_.SetText(Widen(caption));
}

void Win32MainWindow::ApplyFont(double points) {
    label_.SetFont(VerseLabelControl::MakeFont(points, dpi_));
}

int Win32MainWindow::TextHeight(std::string_view caption, double points, int width) const {
    return VerseLabelControl::TextHeight(Widen(caption), points, dpi_, width);
}

void Win32MainWindow::ApplyColours(Rgb fore, Rgb back) {
    label_.SetColours(toColorRef(fore), toColorRef(back));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32MainWindow::RepaintLabel() {
    UpdateWindow(label_.Window());  // paints now, delivering nothing else
}

// The box's modal loop goes on dispatching WM_TIMER to this window.
void Win32MainWindow::ShowMessage(const std::string& prompt, const std::string& title) {
    MessageBoxW(hwnd_, Widen(prompt).c_str(), Widen(title).c_str(), MB_OK);
}

// Timer1: SetTimer on a running timer starts its period afresh.

void Win32MainWindow::StartTicks(int milliseconds) {
    SetTimer(hwnd_, kTimerId, static_cast<UINT>(milliseconds), nullptr);
}

void Win32MainWindow::StopTicks() {
    KillTimer(hwnd_, kTimerId);
}

// Geometry.

PixelSize Win32MainWindow::OuterSize() const {
    RECT window;
    GetWindowRect(hwnd_, &window);
    return {window.right - window.left, window.bottom - window.top};
}

void Win32MainWindow::ResizeOuter(PixelSize size) {
    SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

PixelSize Win32MainWindow::ClientSize() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return {client.right, client.bottom};
}

PixelRect Win32MainWindow::AvailableArea() const {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

void Win32MainWindow::ShowAt(int left, int top) {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd_, showCommand_);
    UpdateWindow(hwnd_);
}

// Saving, failures and closing.

void Win32MainWindow::AppendToFile(const std::string& fileName, const std::string& text) {
    AppendInAnsiCodePage(fileName, text);
}

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

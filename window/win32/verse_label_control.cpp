#include "window/win32/verse_label_control.h"

namespace lumora {

VerseLabelControl::~VerseLabelControl() {
    if (font_) DeleteObject(font_);
}

bool VerseLabelControl::Create(HWND parent, const RECT& rect) {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                            parent, nullptr, nullptr, nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    staticProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    return true;
}

// The static control's own procedure does everything but paint: it keeps the
// text, answers the accessibility proxy and lets the mouse through. Its
// WM_SETTEXT would paint at once in its own way, so the text is stored here.
LRESULT CALLBACK VerseLabelControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<VerseLabelControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            self->paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole control
        case WM_SETTEXT: {
            const LRESULT stored = DefWindowProcW(hwnd, message, wParam, lParam);
            InvalidateRect(hwnd, nullptr, FALSE);
            return stored;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->staticProc_));
            self->hwnd_ = nullptr;
            break;
    }
    return CallWindowProcW(self->staticProc_, hwnd, message, wParam, lParam);
}

RECT VerseLabelControl::Rect() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void VerseLabelControl::SetText(const std::wstring& text) {
    SetWindowTextW(hwnd_, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

std::wstring VerseLabelControl::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void VerseLabelControl::SetFont(HFONT font) {
    if (font_) DeleteObject(font_);
    font_ = font;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void VerseLabelControl::SetColours(COLORREF fore, COLORREF back) {
    fore_ = fore;
    back_ = back;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void VerseLabelControl::Resize(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void VerseLabelControl::paint() {
    PAINTSTRUCT paintStruct;
    HDC target = BeginPaint(hwnd_, &paintStruct);
    RECT area;
    GetClientRect(hwnd_, &area);
    HDC canvas = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, area.right, area.bottom);
    HGDIOBJ oldBitmap = SelectObject(canvas, bitmap);
    HBRUSH background = CreateSolidBrush(back_);
    FillRect(canvas, &area, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(canvas, font_);
    SetTextColor(canvas, fore_);
    SetBkMode(canvas, TRANSPARENT);
    const std::wstring text = Text();
    DrawTextW(canvas, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    BitBlt(target, 0, 0, area.right, area.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, oldFont);
    SelectObject(canvas, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    EndPaint(hwnd_, &paintStruct);
}

}  // namespace lumora

#include "window/win32/verse_label_control.h"

#include <cmath>
#include <utility>

#include "window/form1_description.h"
#include "window/win32/wide_text.h"

namespace lumora {
namespace {

// UI Automation's LiveSetting property, set through Direct Annotation.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

// Lines broken at word boundaries, each centred, from the top.
constexpr UINT kTextFormat = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

VerseLabelControl::~VerseLabelControl() {
    if (font_) DeleteObject(font_);
    if (comStarted_) CoUninitialize();
}

bool VerseLabelControl::Create(HWND parent, const RECT& rect) {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                            parent, nullptr, nullptr, nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    staticProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    markAsLiveRegion();
    return true;
}

// Windows before 8, and Wine, have no live regions; the label goes without.
void VerseLabelControl::markAsLiveRegion() {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&annotations_))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    annotations_->SetHwndProp(hwnd_, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
}

void VerseLabelControl::AnnounceText() {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd_, OBJID_CLIENT, CHILDID_SELF);
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
            if (self->annotations_) {
                MSAAPROPID live = kLiveSettingProperty;
                self->annotations_->ClearHwndProps(hwnd, OBJID_CLIENT, CHILDID_SELF, &live, 1);
                std::exchange(self->annotations_, nullptr)->Release();
            }
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

HFONT VerseLabelControl::MakeFont(double points, int dpi) {
    HFONT font = CreateFontW(-static_cast<int>(std::lround(points * dpi / 72)), 0, 0, 0,
                             form1::kLabelFont.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, Widen(form1::kLabelFont.face).c_str());
    if (!font) throw WindowFailure("The label's font could not be created");
    return font;
}

int VerseLabelControl::TextHeight(const std::wstring& text, double points, int dpi, int width) {
    HFONT font = MakeFont(points, dpi);
    HDC measure = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(measure, font);
    RECT area{0, 0, width, 0};
    DrawTextW(measure, text.c_str(), static_cast<int>(text.size()), &area,
              kTextFormat | DT_CALCRECT);
    SelectObject(measure, oldFont);
    DeleteDC(measure);
    DeleteObject(font);
    return area.bottom - area.top;
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
    DrawTextW(canvas, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat);
    BitBlt(target, 0, 0, area.right, area.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, oldFont);
    SelectObject(canvas, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    EndPaint(hwnd_, &paintStruct);
}

}  // namespace lumora

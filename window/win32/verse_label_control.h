#pragma once

#include <windows.h>
// After windows.h:
#include <ole2.h>
#include <oleacc.h>

#include <string>

namespace lumora {

// Label1: a static text control whose window text is always the passage shown,
// so that the system's accessibility proxy reads it to screen readers, and a
// polite live region, whose new text they speak when told though it never has
// the focus. The
// painting is its own: the text broken at word boundaries, each line centred,
// from the top, cut off at the bottom, drawn off screen first so that SPIN's
// repaints do not flicker. Like any static control without SS_NOTIFY it lets
// the mouse through to the main window.
class VerseLabelControl {
  public:
    VerseLabelControl() = default;
    ~VerseLabelControl();
    VerseLabelControl(const VerseLabelControl&) = delete;
    VerseLabelControl& operator=(const VerseLabelControl&) = delete;

    // Creates the control at `rect` of the parent's client area; false when
    // the system refused.
    bool Create(HWND parent, const RECT& rect);
    // Tells screen readers to speak the text shown.
    void AnnounceText();
    HWND Window() const { return hwnd_; }
    // Where it is, in the parent's client pixels.
    RECT Rect() const;

    // Shows `text` and tells assistive technology that the label's name changed.
    void SetText(const std::wstring& text);
    std::wstring Text() const;
    // The label takes `font` over and deletes it once replaced.
    void SetFont(HFONT font);
    void SetColours(COLORREF fore, COLORREF back);
    HFONT Font() const { return font_; }
    COLORREF Foreground() const { return fore_; }
    COLORREF Background() const { return back_; }
    void Resize(int width, int height);
    // The label's face at `points` on a monitor of `dpi`; throws WindowFailure.
    static HFONT MakeFont(double points, int dpi);
    // The height `text` takes in the label's face at `points`, broken into
    // lines `width` pixels wide as the label breaks them when it paints.
    static int TextHeight(const std::wstring& text, double points, int dpi, int width);

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    void markAsLiveRegion();

    HWND hwnd_ = nullptr;
    WNDPROC staticProc_ = nullptr;
    bool comStarted_ = false;
    IAccPropServices* annotations_ = nullptr;
    HFONT font_ = nullptr;
    COLORREF fore_ = 0, back_ = 0;
};

}  // namespace lumora

#include "window/form_window.h"

#include <cmath>
#include <utility>

namespace lumora {

FormWindow::FormWindow(RandomSource& random, std::string platformLine)
    : form_(*this, random, std::move(platformLine)) {}

// Events.

void FormWindow::OnCommand(form1::Handler handler) {
    form_.Deliver([&] { (form_.viewer().*handler)(); });
}

void FormWindow::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    form_.Deliver([&] { form_.viewer().Form_KeyDown(keyCode, shift); });
}

void FormWindow::OnTick() {
    form_.Deliver([&] { form_.viewer().Timer1_Timer(); });
}

// A click is a press and release of the left button on the label. The second
// press of a double click comes as a double click, which has no handler.
bool FormWindow::OnLeftButton(LeftButton event, bool onLabel) {
    const bool click = event == LeftButton::Release && pressed_ && onLabel;
    pressed_ = event == LeftButton::Press && onLabel;
    if (click) form_.Deliver([&] { form_.viewer().Label1_Click(); });
    return pressed_;
}

void FormWindow::OnCloseRequested() {
    form_.CloseRequested();
}

void FormWindow::OnTerminated() {
    form_.Terminated();
}

// Deactivation counts only when another real window of the program itself
// becomes active, and the program has none. Its message boxes are no such
// window, nor are its menus and tooltips, which a toolkit may make the active
// window for a moment as they close.
void FormWindow::OnActivationLost(ActivatedWindow activated) {
    if (activated.ofThisProgram && !activated.messageBox && !activated.popup) form_.Deactivated();
}

// The label keeps its size in points, and fills the client area again.
void FormWindow::OnDpiChanged() {
    form_.Deliver([&] {
        ApplyFont(points_);
        form_.FitLabel();
    });
}

// The label.

// A new passage is announced once its handler has returned, so that SPIN is
// announced once, where it stops.
void FormWindow::SetCaption(std::string_view caption) {
    caption_.assign(caption);
    ShowCaption(caption_);
    if (!std::exchange(announcementDue_, true)) AfterHandler();
}

void FormWindow::OnHandlerReturned() {
    form_.Deliver([&] {
        announcementDue_ = false;
        AnnouncePassage(caption_);
    });
}

std::string FormWindow::GetCaption() const {
    return caption_;
}

void FormWindow::SetFontSize(int points) {
    if (points == points_) return;
    points_ = points;
    ApplyFont(points_);
}

void FormWindow::SetForeColor(Rgb colour) {
    if (colour == fore_) return;
    fore_ = colour;
    ApplyColours(fore_, back_);
}

void FormWindow::SetBackColor(Rgb colour) {
    if (colour == back_) return;
    back_ = colour;
    ApplyColours(fore_, back_);
}

void FormWindow::Beep() {
    ++beeps_;
    SoundBeep();
}

// Timer1: switching it on, or setting the interval while it runs, starts the
// period afresh.

void FormWindow::StartDescribedTimer() {
    if (timerEnabled_) StartTicks(timerInterval_);
}

void FormWindow::SetEnabled(bool enabled) {
    timerEnabled_ = enabled;
    enabled ? StartTicks(timerInterval_) : StopTicks();
}

void FormWindow::SetInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    if (timerEnabled_) StartTicks(timerInterval_);
}

// Geometry, in twips at the display's resolution: whole pixels, rounded to
// the nearest.

double FormWindow::twipsPerPixel() const {
    return 1440.0 / DotsPerInch();
}

int FormWindow::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

PixelSize FormWindow::DesignClientSize() const {
    return {toPixels(form1::kDesignClientWidth), toPixels(form1::kDesignClientHeight)};
}

PixelRect FormWindow::DesignLabelRect() const {
    const int left = toPixels(form1::kLabelLeft), top = toPixels(form1::kLabelTop);
    return {left, top, left + toPixels(form1::kLabelWidth), top + toPixels(form1::kLabelHeight)};
}

void FormWindow::SetOuterWidth(int twips) {
    ResizeOuter({toPixels(twips), OuterSize().height});
}

int FormWindow::OuterWidth() const {
    return static_cast<int>(std::lround(OuterSize().width * twipsPerPixel()));
}

void FormWindow::SetOuterHeight(float twips) {
    ResizeOuter({OuterSize().width, toPixels(twips)});
}

double FormWindow::ClientWidth() const {
    return ClientSize().width * twipsPerPixel();
}

double FormWindow::ClientHeight() const {
    return ClientSize().height * twipsPerPixel();
}

void FormWindow::SetLabelSize(std::int16_t widthTwips, std::int16_t heightTwips) {
    ResizeLabel({toPixels(widthTwips), toPixels(heightTwips)});
}

// Centred in the screen's area for windows.
void FormWindow::ShowForm() {
    const PixelRect area = AvailableArea();
    const PixelSize outer = OuterSize();
    ShowAt(area.left + (area.right - area.left - outer.width) / 2,
           area.top + (area.bottom - area.top - outer.height) / 2);
}

}  // namespace lumora

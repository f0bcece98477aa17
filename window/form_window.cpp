#include "window/form_window.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumora {

// The smallest size a caption is made smaller to, so that it shows whole.
inline constexpr double kSmallestFittedPoints = 8;

FormWindow::FormWindow(RandomSource& random, std::string platformLine)
    : form_(*this, random, std::move(platformLine)) {}

// Events. Once a handler has run, the label's caption is fitted to it, before
// anything is painted.

template <typename Handler>
void FormWindow::deliver(Handler&& handler) {
    form_.Deliver([&] {
        handler();
        fitCaption();
    });
}

void FormWindow::OnCommand(form1::Handler handler) {
    deliver([&] { (form_.viewer().*handler)(); });
}

// An open menu takes the keys; one that a toolkit passes on, because the menu
// has no use for it, does nothing.
void FormWindow::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (menusOpen_ > 0) return;
    deliver([&] { form_.viewer().Form_KeyDown(keyCode, shift); });
}

void FormWindow::OnAltKeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (!form1::AccessLetterEntry(keyCode)) OnKeyDown(keyCode, shift);
}

void FormWindow::OnMenuOpened() {
    ++menusOpen_;
}

void FormWindow::OnMenuClosed() {
    menusOpen_ = std::max(menusOpen_ - 1, 0);
}

void FormWindow::OnTick() {
    deliver([&] { form_.viewer().Timer1_Timer(); });
}

// A click is a press and release of the left button on the label. The second
// press of a double click comes as a double click, which has no handler.
bool FormWindow::OnLeftButton(LeftButton event, bool onLabel) {
    const bool click = event == LeftButton::Release && pressed_ && onLabel;
    pressed_ = event == LeftButton::Press && onLabel;
    if (click) deliver([&] { form_.viewer().Label1_Click(); });
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
    deliver([&] {
        ApplyFont(drawnPoints_);
        form_.FitLabel();
    });
}

// The label.

// A new passage is announced once its handler has returned, so that SPIN is
// announced once, where it stops.
void FormWindow::SetCaption(std::string_view caption) {
    caption_.assign(caption);
    ShowCaption(caption_);
    fitDue_ = true;
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
    fitDue_ = true;
}

void FormWindow::RefreshLabel() {
    fitCaption();
    RepaintLabel();
}

// A caption that the label cannot hold at the size asked for is drawn at the
// largest whole size, down to 8 points, at which it shows whole: a passage
// whose end cannot be read is no passage shown. Only a frame that leaves the
// label less room than the design gives makes one smaller.
double FormWindow::sizeShowingWhole() const {
    const int width = toPixels(labelWidth_), height = toPixels(labelHeight_);
    double points = points_;
    while (points > kSmallestFittedPoints && TextHeight(caption_, points, width) > height)
        points = std::ceil(points) - 1;
    return points;
}

// Measuring takes a text layout, as painting does, so each caption's size is
// measured once while the label's room stays the same.
void FormWindow::fitCaption() {
    if (!std::exchange(fitDue_, false)) return;
    const auto [fitted, added] =
        fittedSizes_.try_emplace(std::to_string(points_) + '\n' + caption_, points_);
    if (added) fitted->second = sizeShowingWhole();
    if (fitted->second == drawnPoints_) return;
    drawnPoints_ = fitted->second;
    ApplyFont(drawnPoints_);
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
    labelWidth_ = widthTwips;
    labelHeight_ = heightTwips;
    ResizeLabel({toPixels(labelWidth_), toPixels(labelHeight_)});
    fittedSizes_.clear();
    fitDue_ = true;
    fitCaption();
}

// Centred in the screen's area for windows.
void FormWindow::ShowForm() {
    fitCaption();
    const PixelRect area = AvailableArea();
    const PixelSize outer = OuterSize();
    ShowAt(area.left + (area.right - area.left - outer.width) / 2,
           area.top + (area.bottom - area.top - outer.height) / 2);
}

}  // namespace lumora

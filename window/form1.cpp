#include "window/form1.h"

#include <cmath>
#include <limits>
#include <utility>

namespace lumora {

Form1::Form1(WindowServices& window, RandomSource& random, std::string platformLine)
    : window_(window),
      random_(random),
      viewer_(ViewerServices{window, window, window, *this, random}, std::move(platformLine)) {}

float GoldenHeight(int outerWidthTwips) {
    const double goldenRatio = (1 + std::sqrt(5.0)) / 2;
    return static_cast<float>(outerWidthTwips / goldenRatio);
}

std::int16_t LabelTwips(double twips) {
    const double rounded = std::nearbyint(twips);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        throw WindowFailure("Overflow");
    return static_cast<std::int16_t>(rounded);
}

void Form1::Form_Load() {
    ViewerState& state = viewer_.state();
    state.ColorMode = false;
    state.BlackWhiteMode = false;
    state.WhiteBlackMode = kFlagSet;
    Timer1& timer = window_;
    timer.SetEnabled(false);

    window_.SetOuterWidth(kStartOuterWidthTwips);
    window_.SetOuterHeight(GoldenHeight(window_.OuterWidth()));
    FitLabel();

    random_.Seed(ClockSeed());
    // 0 makes the first draw repeat the value the seed has just fixed.
    state.VerseIndex = 0;
    viewer_.Label1_Click();
}

// The client area is what the frame, title bar and menu bar leave.
void Form1::FitLabel() {
    window_.SetLabelSize(LabelTwips(window_.ClientWidth()), LabelTwips(window_.ClientHeight()));
}

bool Form1::Start() {
    Deliver([this] { Form_Load(); });
    if (Ended()) return false;
    phase_ = Phase::Running;
    Deliver([this] { window_.ShowForm(); });
    return !Ended();
}

void Form1::CloseRequested() {
    // A close request during the unload is the unload itself coming back.
    Deliver([this] {
        if (phase_ == Phase::Running) unload();
    });
}

void Form1::Terminated() {
    Deliver([this] { Form_Terminate(); });
}

void Form1::Deactivated() {
    Deliver([this] { Form_Deactivate(); });
}

void Form1::Form_Unload(std::int16_t& cancel) {
    cancel = 0;
    UnloadAndEnd();
}

void Form1::Form_Terminate() {
    UnloadAndEnd();
}

void Form1::Form_Deactivate() {
    UnloadAndEnd();
}

// The unload event's handler calls UnloadAndEnd once more; that nested call
// finds the window already unloading and goes straight on to the end.
void Form1::UnloadAndEnd() {
    if (phase_ == Phase::Loading || phase_ == Phase::Running) unload();
    end(0);
}

void Form1::unload() {
    phase_ = Phase::Unloading;
    std::int16_t cancel = 0;
    Form_Unload(cancel);
}

// Ending is final: whatever the platform raises from here on, the closing
// events its own end provokes included, finds the program ended.
void Form1::end(int exitStatus) {
    if (Ended()) return;
    phase_ = Phase::Ended;
    exitStatus_ = exitStatus;
    window_.EndProgram(exitStatus);
}

// As for any run-time error: no tick and no other event behind the box, then
// the platform's message, then the end.
void Form1::fail(const char* reason) {
    if (phase_ >= Phase::Failing) return;
    phase_ = Phase::Failing;
    try {
        window_.SetEnabled(false);
    } catch (const std::exception&) {
        // The box and the end matter more than a timer that would not stop.
    }
    window_.ShowFailure(reason);
    end(1);
}

}  // namespace lumora

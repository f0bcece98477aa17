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

void Form1::UnloadAndEnd() {
    if (!std::exchange(unloading_, true)) window_.UnloadForm();
    window_.EndProgram();
}

}  // namespace lumora

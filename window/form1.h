#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "viewer/random_source.h"
#include "viewer/viewer.h"
#include "viewer/window_services.h"

namespace lumora {

// The window's start-up, event delivery and closing, on top of the services a
// front-end provides. The front-end creates the window hidden and calls
// Start; from then on it hands every platform event to Deliver or to one of
// the closing events below, and decides nothing itself.
class Form1 final : public FormCloser {
  public:
    Form1(WindowServices& window, RandomSource& random, std::string platformLine);

    Viewer& viewer() { return viewer_; }

    // Runs Form_Load on the hidden window, then shows it. False when start-up
    // failed: the failure has been shown, the program has ended with status 1,
    // and the window was never shown.
    bool Start();
    // The status the program ended with; 0 until it ends.
    int ExitStatus() const { return exitStatus_; }
    bool Ended() const { return phase_ == Phase::Ended; }

    // Runs one event's handler to its end, unless the program has ended. A
    // failure it reports stops the timer, is shown, and ends with status 1.
    template <typename Handler>
    void Deliver(Handler&& handler);

    // The platform's closing events: a request to close the window (its close
    // button, the window manager, the session ending), the toolkit quitting or
    // the window being destroyed, and another window of the program becoming
    // active. Each is delivered like any other event, so after the end it is
    // ignored.
    void CloseRequested();
    void Terminated();
    void Deactivated();

    // Selects WhiteBlack, stops the timer, sizes the window as a golden
    // rectangle, fits the label, seeds the generator and shows a first verse.
    void Form_Load();
    // Never refuses: leaves `cancel` at 0 and ends the program.
    void Form_Unload(std::int16_t& cancel);
    void Form_Terminate();
    void Form_Deactivate();

    // Fits the label to the client area, as start-up does once the outer size is set.
    void FitLabel();

    // Raises the unload event, whose handler comes back here, then ends the
    // program. Once the program has ended, it does nothing.
    void UnloadAndEnd() override;

  private:
    enum class Phase { Loading, Running, Unloading, Failing, Ended };

    void unload();
    void end(int exitStatus);
    void fail(const char* reason);

    WindowServices& window_;
    RandomSource& random_;
    Viewer viewer_;
    Phase phase_ = Phase::Loading;
    int exitStatus_ = 0;
};

template <typename Handler>
void Form1::Deliver(Handler&& handler) {
    if (phase_ >= Phase::Failing) return;
    try {
        handler();
    } catch (const std::exception& failure) {
        fail(failure.what());
    }
}

inline constexpr int kStartOuterWidthTwips = 10000;

// The outer height for a realised outer width: W / golden ratio, in single precision.
float GoldenHeight(int outerWidthTwips);

// Twips to a 16-bit label size, rounded half to even.
std::int16_t LabelTwips(double twips);

}  // namespace lumora

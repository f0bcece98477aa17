#pragma once

#include <cstdint>
#include <string>

#include "viewer/random_source.h"
#include "viewer/viewer_state.h"
#include "viewer/window_services.h"

namespace lumora {

// What the handlers work through: the window's services and the generator.
struct ViewerServices {
    DisplaySurface& surface;
    Timer1& timer;
    TextFileAppender& files;
    FormCloser& closer;
    RandomSource& random;
};

// Every handler of the window but start-up and closing, on one ViewerState.
// Each runs to its end; a WindowFailure from a service stops it at that step.
class Viewer {
  public:
    // `platformLine` is the About box's line naming the tool and the platform.
    Viewer(ViewerServices services, std::string platformLine);

    ViewerState& state() { return state_; }
    const ViewerState& state() const { return state_; }

    // Show the next verse: stir, title, size, caption, colours, history.
    void Label1_Click();
    // Draws ColorIndex anew from the generator.
    void DrawColorIndex();

    // Colour schemes.
    void mnuColor_Click();
    void mnuBW_Click();
    void mnuWB_Click();
    void ShuffleColors();

    // Auto-advance.
    void mnu1S_Click();
    void mnu2S_Click();
    void mnu3S_Click();
    void mnu5S_Click();
    void mnu10S_Click();
    void mnu30S_Click();
    void mnu60S_Click();
    void mnuAutoOff_Click();
    void Timer1_Timer();

    // Commands and keyboard.
    void mnuPrev_Click();
    void mnuPrint_Click();
    void mnuAbout_Click();
    void mnuSpin_Click();
    void mnuExit_Click();
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);

  private:
    void applyScheme(Rgb fore, Rgb back);
    void startTimer(int milliseconds);

    ViewerServices services_;
    std::string platformLine_;
    ViewerState state_;
};

}  // namespace lumora

#pragma once

#include <cstdint>
#include <string>

#include "viewer/random_source.h"
#include "viewer/viewer.h"
#include "window/window_services.h"

namespace lumora {

// The window's start-up and closing, on top of the services a front-end
// provides. The front-end creates the window hidden, calls Form_Load, shows
// it, then delivers each event to its handler here or in viewer().
class Form1 final : public FormCloser {
  public:
    Form1(WindowServices& window, RandomSource& random, std::string platformLine);

    Viewer& viewer() { return viewer_; }

    // Selects WhiteBlack, stops the timer, sizes the window as a golden
    // rectangle, fits the label, seeds the generator and shows a first verse.
    void Form_Load();
    // Never refuses: leaves `cancel` at 0 and ends the program.
    void Form_Unload(std::int16_t& cancel);
    void Form_Terminate();
    void Form_Deactivate();

    // Fits the label to the client area, as start-up does once the outer size is set.
    void FitLabel();

    // Unloads the window, then ends the program. Unloading raises the unload
    // event, whose handler comes back here; that nested call only ends.
    void UnloadAndEnd() override;

  private:
    WindowServices& window_;
    RandomSource& random_;
    Viewer viewer_;
    bool unloading_ = false;
};

inline constexpr int kStartOuterWidthTwips = 10000;

// The outer height for a realised outer width: W / golden ratio, in single precision.
float GoldenHeight(int outerWidthTwips);

// Twips to a 16-bit label size, rounded half to even.
std::int16_t LabelTwips(double twips);

}  // namespace lumora

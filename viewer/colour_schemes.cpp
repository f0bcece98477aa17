#include "viewer/palette16.h"
#include "viewer/viewer.h"

namespace lumora {

void Viewer::mnuColor_Click() {
    state_.ColorMode = true;
    state_.BlackWhiteMode = false;
    state_.WhiteBlackMode = 0;
    DrawColorIndex();
    applyScheme(Palette16[state_.ColorIndex], Palette16[kBlack]);
}

void Viewer::mnuBW_Click() {
    state_.BlackWhiteMode = true;
    state_.ColorMode = false;
    state_.WhiteBlackMode = 0;
    applyScheme(Palette16[kBlack], Palette16[kBrightWhite]);
}

void Viewer::mnuWB_Click() {
    state_.WhiteBlackMode = kFlagSet;
    state_.BlackWhiteMode = false;
    state_.ColorMode = false;
    applyScheme(Palette16[kBrightWhite], Palette16[kBlack]);
}

// Random text and background colours; only in the Color scheme. The next
// verse sets the background back to black.
void Viewer::ShuffleColors() {
    if (!state_.ColorMode) return;
    DrawColorIndex();
    services_.surface.SetForeColor(Palette16[state_.ColorIndex]);
    DrawColorIndex();
    services_.surface.SetBackColor(Palette16[state_.ColorIndex]);
}

}  // namespace lumora

#include <array>
#include <utility>

#include "viewer/viewer.h"

namespace lumora {
namespace {

using Handler = void (Viewer::*)();

// Virtual-key codes: a letter key gives its capital's code whatever the case.
constexpr std::array<std::pair<std::int16_t, Handler>, 12> kKeyMap = {{
    {8, &Viewer::mnuPrev_Click},      // Backspace
    {9, &Viewer::Label1_Click},       // Tab
    {13, &Viewer::Label1_Click},      // Enter
    {27, &Viewer::mnuExit_Click},     // Esc
    {32, &Viewer::Label1_Click},      // Space
    {66, &Viewer::Label1_Click},      // B
    {67, &Viewer::ShuffleColors},     // C
    {78, &Viewer::Label1_Click},      // N
    {83, &Viewer::mnuPrint_Click},    // S
    {86, &Viewer::Label1_Click},      // V
    {88, &Viewer::mnuAutoOff_Click},  // X
    {90, &Viewer::mnuSpin_Click},     // Z
}};

}  // namespace

// Shift, Ctrl and Alt make no difference.
void Viewer::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
    for (const auto& [code, handler] : kKeyMap) {
        if (code == keyCode) {
            (this->*handler)();
            return;
        }
    }
}

}  // namespace lumora

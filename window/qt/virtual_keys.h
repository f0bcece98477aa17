#pragma once

#include <cstdint>

class QKeyEvent;

namespace lumora {

// The Windows virtual-key code of a Qt key event: letters give their capital's
// code whatever the case; keys without a code give 0.
std::int16_t VirtualKeyCode(const QKeyEvent& event);

// Shift, Ctrl and Alt as the bits 1, 2 and 4.
std::int16_t ShiftMask(const QKeyEvent& event);

}  // namespace lumora

#pragma once

#include <cstdint>

class QKeyEvent;

namespace lumora {

// The Windows virtual-key code of a Qt key event: A to Z give their capital's
// code whatever the case, other letters their key's place on a US keyboard;
// keys without a code give 0.
std::int16_t VirtualKeyCode(const QKeyEvent& event);

// Shift, Ctrl and Alt as the bits 1, 2 and 4.
std::int16_t ShiftMask(const QKeyEvent& event);

}  // namespace lumora

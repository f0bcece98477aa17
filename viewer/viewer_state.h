#pragma once

#include <cstdint>
#include <string>

namespace lumora {

// The window's shared variables. Exactly one scheme flag is set from start-up on.
struct ViewerState {
    bool ColorMode = false;
    bool BlackWhiteMode = false;
    std::int16_t WhiteBlackMode = 0;  // -1 when set, 0 when clear
    std::int16_t ColorIndex = 0;      // Palette16 index of the last colour draw
    std::int16_t VerseIndex = 0;      // index drawn last, 1 to 1102
    std::int16_t StirCount = 0;       // 1001 after every show-next-verse
    std::int16_t SpinCount = 0;       // 1001 after every SPIN
    std::string CurrentVerse;         // the label's text as the last draw left it
    std::string PreviousVerse;        // CurrentVerse of the draw before
};

inline constexpr std::int16_t kFlagSet = -1;

}  // namespace lumora

#pragma once

#include <cstdint>
#include <string>

namespace lumora {

inline constexpr int kStirPasses = 1000;
inline constexpr int kIndexSpan = 1102;  // two past the table: 1101 and 1102 show the fallback
inline constexpr int kBaseFontSize = 18;

// The index a draw b in [0, 1) selects: floor(b * 1102 + 1), 1 to 1102.
std::int16_t IndexFromDraw(float b);

// The colour index a draw v in [0, 1) selects: v * 14 + 1 rounded half to
// even, 1 to 15 (0.25 gives 4, 0.75 gives 12).
std::int16_t ColorIndexFromDraw(float v);

// "LumÐra  Quo†e   #<index>       ><>   ><>   ><>"
std::string WindowTitle(std::int16_t verseIndex);

}  // namespace lumora

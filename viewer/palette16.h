#pragma once

#include <array>
#include <cstdint>

#include "viewer/window_services.h"

namespace lumora {

// The sixteen text-mode colours in their classic order.
inline constexpr std::array<Rgb, 16> Palette16 = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

inline constexpr int kBlack = 0;
inline constexpr int kBrightWhite = 15;

}  // namespace lumora

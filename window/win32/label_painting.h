#pragma once

#include <windows.h>

#include <string>

namespace lumora {

// What the label shows, as the painting needs it.
struct LabelLook {
    RECT rect{};
    std::wstring text;
    HFONT font = nullptr;
    COLORREF fore = 0, back = 0;
};

// Paints the client area: the label's background fills it; the text is broken
// at word boundaries, each line centred, from the top, cut off at the bottom.
// Drawn off screen first, so that SPIN's repaints do not flicker.
void PaintLabel(HDC target, const RECT& client, const LabelLook& label);

}  // namespace lumora

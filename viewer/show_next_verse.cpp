#include "viewer/show_next_verse.h"

#include <cmath>
#include <limits>

#include "catalogue/verse_catalogue.h"
#include "viewer/palette16.h"
#include "viewer/viewer.h"

namespace lumora {
namespace {

// The arithmetic cannot overflow with draws in [0, 1); were it to, the
// handler stops here like at any other failure.
std::int16_t toInt16(double value) {
    if (!(value >= std::numeric_limits<std::int16_t>::min() &&
          value <= std::numeric_limits<std::int16_t>::max()))
        throw WindowFailure("Overflow");
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::int16_t IndexFromDraw(float b) {
    // Truncation is the floor here: the value is at least 1.
    return toInt16(static_cast<double>(b) * kIndexSpan + 1);
}

std::int16_t ColorIndexFromDraw(float v) {
    // nearbyint rounds half to even in the default rounding mode.
    return toInt16(std::nearbyint(static_cast<double>(v) * 14 + 1));
}

std::string WindowTitle(std::int16_t verseIndex) {
    return "Lum\u00D0ra  Quo\u2020e   #" + std::to_string(verseIndex) + "       ><>   ><>   ><>";
}

void Viewer::DrawColorIndex() {
    state_.ColorIndex = ColorIndexFromDraw(services_.random.Draw(state_.ColorIndex));
}

void Viewer::Label1_Click() {
    RandomSource& random = services_.random;
    // Only the last pass decides; the others stir the generator.
    for (state_.StirCount = 1; state_.StirCount <= kStirPasses; ++state_.StirCount) {
        const float a = random.Draw(state_.VerseIndex);
        const float b = random.Draw(a);
        state_.VerseIndex = IndexFromDraw(b);
    }

    DisplaySurface& surface = services_.surface;
    surface.SetTitle(WindowTitle(state_.VerseIndex));
    surface.SetFontSize(kBaseFontSize);
    const CatalogueEntry& entry = LookupVerse(state_.VerseIndex);
    if (entry.FontSize) surface.SetFontSize(*entry.FontSize);
    surface.SetCaption(entry.Caption);

    if (state_.ColorMode) {
        DrawColorIndex();
        applyScheme(Palette16[state_.ColorIndex], Palette16[kBlack]);
    }
    if (state_.BlackWhiteMode) applyScheme(Palette16[kBlack], Palette16[kBrightWhite]);
    if (state_.WhiteBlackMode == kFlagSet) applyScheme(Palette16[kBrightWhite], Palette16[kBlack]);

    std::string shown = surface.GetCaption();
    state_.PreviousVerse = std::move(state_.CurrentVerse);
    state_.CurrentVerse = std::move(shown);
}

void Viewer::applyScheme(Rgb fore, Rgb back) {
    services_.surface.SetForeColor(fore);
    services_.surface.SetBackColor(back);
}

}  // namespace lumora

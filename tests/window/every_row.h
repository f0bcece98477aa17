#pragma once

#include <string>

#include "catalogue/verse_catalogue.h"
#include "tests/window/window_driver.h"

namespace lumora::testing {

// Draws every row of the table by a key in the started window, the fallback
// last, and names those the label does not show whole at their own size as
// the desktops' facts do: "350 at 17 pt;350 cut off", or "none".
inline std::string RowsNotShownAsDesigned(WindowDriver& driver, ScriptedRandom& random) {
    std::string rows;
    const auto note = [&rows](const std::string& row) { rows += (rows.empty() ? "" : ";") + row; };
    for (int index = 1; index <= kCatalogueRows + 1; ++index) {
        scriptVerse(random, driver.window().form().viewer().state().VerseIndex, index);
        driver.Press(' ');
        const Look look = driver.Read();
        const std::string row = std::to_string(index);
        if (look.points != LookupVerse(static_cast<std::int16_t>(index)).FontSize.value_or(18))
            note(row + " at " + std::to_string(static_cast<int>(look.points)) + " pt");
        if (look.captionCut) note(row + " cut off");
    }
    return rows.empty() ? "none" : rows;
}

}  // namespace lumora::testing

#pragma once

#include <string>
#include <vector>

#include "catalogue/verse_catalogue.h"
#include "tests/window/window_driver.h"

namespace lumora::testing {

// The rows of the table, the fallback last, that the label shows at a smaller
// size than their own ("350 at 17 pt"), at a larger one, and those it cuts off.
struct RowsShown {
    std::vector<std::string> resized, enlarged;
    std::vector<int> cut;
};

// Draws every row by a key in the started window and reads the label.
inline RowsShown ShowEveryRow(WindowDriver& driver, ScriptedRandom& random) {
    RowsShown rows;
    for (int index = 1; index <= kCatalogueRows + 1; ++index) {
        scriptVerse(random, driver.window().form().viewer().state().VerseIndex, index);
        driver.Press(' ');
        const Look look = driver.Read();
        const double own = LookupVerse(static_cast<std::int16_t>(index)).FontSize.value_or(18);
        if (look.points != own)
            (look.points < own ? rows.resized : rows.enlarged)
                .push_back(std::to_string(index) + " at " +
                           std::to_string(static_cast<int>(look.points)) + " pt");
        if (look.captionCut) rows.cut.push_back(index);
    }
    return rows;
}

}  // namespace lumora::testing

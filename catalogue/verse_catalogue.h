#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumora {

// One passage as the label shows it: the caption is UTF-8 and the font size,
// where present, replaces the 18 points set before every lookup.
struct CatalogueEntry {
    std::string_view Caption;
    std::optional<int> FontSize = std::nullopt;
};

inline constexpr int kCatalogueRows = 1100;

// Row `index` for 1 to 1100, the fallback entry for every other index.
// Constant time; the entry lives as long as the program.
const CatalogueEntry& LookupVerse(std::int16_t index) noexcept;

// The entry shown for indexes outside the table (1101 and 1102 when drawn).
const CatalogueEntry& FallbackEntry() noexcept;

}  // namespace lumora

#include "catalogue/verse_catalogue.h"

#include <array>

namespace lumora {
namespace {

constexpr std::array<CatalogueEntry, kCatalogueRows> kRows = {{
#include "catalogue/verse_table.inc"
}};

// The fallback repeats row 867's caption at a larger size; it shares the text.
constexpr CatalogueEntry kFallback{kRows[867 - 1].Caption, 22};

}  // namespace

const CatalogueEntry& LookupVerse(std::int16_t index) noexcept {
    if (index < 1 || index > kCatalogueRows) return kFallback;
    return kRows[static_cast<std::size_t>(index - 1)];
}

const CatalogueEntry& FallbackEntry() noexcept {
    return kFallback;
}

}  // namespace lumora

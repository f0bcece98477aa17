// Prints the verse table for review and for its test:
// "N<TAB>SIZE<TAB>CAPTION" for rows 1 to 1100 (SIZE empty where the row has
// none), then "fallback<TAB>22<TAB>CAPTION". Output is UTF-8.
#include <cstdint>
#include <iostream>
#include <string>

#include "catalogue/verse_catalogue.h"

namespace {

void printRow(const std::string& label, const lumora::CatalogueEntry& entry) {
    std::cout << label << '\t';
    if (entry.FontSize) std::cout << *entry.FontSize;
    std::cout << '\t' << entry.Caption << '\n';
}

}  // namespace

int main() {
    for (int row = 1; row <= lumora::kCatalogueRows; ++row)
        printRow(std::to_string(row), lumora::LookupVerse(static_cast<std::int16_t>(row)));
    printRow("fallback", lumora::FallbackEntry());
    return std::cout.flush() ? 0 : 1;
}

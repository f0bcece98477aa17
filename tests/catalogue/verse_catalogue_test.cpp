// The rules every row of the verse table keeps. The wording itself is checked
// against the King James text by fidelity_test.py.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <string>

#include "catalogue/verse_catalogue.h"
#include "window/windows1252.h"

namespace lumora {
namespace {

const std::string kNbsp = "\u00A0";

std::string captionOf(int row) {
    return std::string(LookupVerse(static_cast<std::int16_t>(row)).Caption);
}

// Characters, not bytes.
int lengthOf(const std::string& caption) {
    return static_cast<int>(std::count_if(caption.begin(), caption.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

TEST(LookupVerse, IndexesOutsideTheTableGivePsalms119At22Points) {
    for (int index : {0, -1, 1101, 1102, 32767, -32768}) {
        const CatalogueEntry& entry = LookupVerse(static_cast<std::int16_t>(index));
        EXPECT_EQ(&entry, &FallbackEntry()) << index;
        EXPECT_EQ(entry.Caption, captionOf(867)) << index;
        EXPECT_TRUE(entry.Caption.starts_with("Psalms 119:162 -> ")) << index;
        EXPECT_EQ(entry.FontSize, 22) << index;
    }
}

TEST(VerseTable, EachCaptionOpensWithItsListedReferenceAndASeparator) {
    std::ifstream listed(LUMORA_REFERENCES_FILE);
    const std::regex separator("^(  -> | -> |: |v | )[^ ]");
    int row = 0;
    for (std::string reference; std::getline(listed, reference);) {
        const std::string caption = captionOf(++row);
        // Some rows join book and chapter with a no-break space.
        const std::size_t blank = reference.rfind(' ');
        std::string joined = reference.substr(0, blank);
        joined.append(kNbsp).append(reference, blank + 1);
        const std::string& head = caption.starts_with(joined) ? joined : reference;
        EXPECT_TRUE(caption.starts_with(head)) << "row " << row;
        EXPECT_TRUE(std::regex_search(caption.substr(head.size()), separator)) << row;
    }
    EXPECT_EQ(row, kCatalogueRows);
}

// Short passages are set at 20 points, long ones at 16, the rest at the
// default size; Revelation 21:22-27 alone stands in full beyond its class.
TEST(VerseTable, SizesFollowTheLengthsOfTheirClasses) {
    const std::map<std::optional<int>, int> longest = {{20, 380}, {std::nullopt, 654}, {16, 823}};
    int shortestAt16 = 1000, longestAt20 = 0;
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const CatalogueEntry& entry = LookupVerse(static_cast<std::int16_t>(row));
        const int length = lengthOf(std::string(entry.Caption));
        ASSERT_TRUE(longest.contains(entry.FontSize)) << "row " << row;
        if (row != 350) {
            EXPECT_LE(length, longest.at(entry.FontSize)) << "row " << row;
        }
        if (entry.FontSize == 16) shortestAt16 = std::min(shortestAt16, length);
        if (entry.FontSize == 20) longestAt20 = std::max(longestAt20, length);
    }
    EXPECT_GT(shortestAt16, longestAt20);
}

// Remarks stand in brackets that never nest; dot runs mark words left out and
// stand between blanks like words.
TEST(VerseTable, RemarksAreBracketedAndElisionsAreWholeDotRuns) {
    const std::regex dotRun(R"(\.{2,})"), wholeRun(R"((^| )(\.{3}|\.{5}|\.{7}|\.{9})(?= |$))");
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const std::string caption = captionOf(row);
        int depth = 0;
        for (char c : caption) {
            depth += (c == '[') - (c == ']');
            ASSERT_GE(depth, 0) << "row " << row;
            ASSERT_LE(depth, 1) << "row " << row;
        }
        EXPECT_EQ(depth, 0) << "row " << row;
        const auto runs = std::distance(
            std::sregex_iterator(caption.begin(), caption.end(), dotRun), std::sregex_iterator());
        const auto wholeRuns = std::distance(
            std::sregex_iterator(caption.begin(), caption.end(), wholeRun), std::sregex_iterator());
        EXPECT_EQ(runs, wholeRuns) << "row " << row;
    }
}

// One line each, with nothing the ANSI code page cannot write to Scripture.txt.
TEST(VerseTable, CaptionsAreSingleLinesInTheWindows1252Repertoire) {
    for (int row = 0; row <= kCatalogueRows; ++row) {
        const std::string caption = captionOf(row);
        ASSERT_FALSE(caption.empty()) << row;
        EXPECT_NE(caption.front(), ' ') << row;
        EXPECT_NE(caption.back(), ' ') << row;
        const std::string encoded = EncodeWindows1252(caption);
        EXPECT_EQ(static_cast<int>(encoded.size()), lengthOf(caption)) << row;
        EXPECT_EQ(std::count(encoded.begin(), encoded.end(), '?'),
                  std::count(caption.begin(), caption.end(), '?'))
            << row;
        EXPECT_TRUE(std::none_of(encoded.begin(), encoded.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20;
        })) << row;
    }
}

}  // namespace
}  // namespace lumora

// The verse table's structure: sizes, separators, remarks, elisions and
// lengths. The wording itself is checked against the King James text by
// fidelity_test.py.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "catalogue/verse_catalogue.h"

namespace lumora {
namespace {

const std::string kNbsp = "\u00A0";
const std::string kFallbackCaption =
    "Psalms 119:162 -> I rejoice at thy word, as one that findeth great spoil.";

std::string captionOf(int row) {
    return std::string(LookupVerse(static_cast<std::int16_t>(row)).Caption);
}

// Characters, not bytes: the no-break space is the only character above ASCII.
int lengthOf(const std::string& caption) {
    int length = 0;
    for (unsigned char byte : caption) length += (byte & 0xC0) != 0x80;
    return length;
}

TEST(LookupVerse, IndexesOutsideTheTableGiveTheFallbackAt22Points) {
    for (int index : {0, -1, 1101, 1102, 32767, -32768}) {
        const CatalogueEntry& entry = LookupVerse(static_cast<std::int16_t>(index));
        EXPECT_EQ(&entry, &FallbackEntry()) << index;
        EXPECT_EQ(entry.Caption, kFallbackCaption) << index;
        EXPECT_EQ(entry.FontSize, 22) << index;
    }
}

TEST(VerseTable, TellingRowsReadExactly) {
    const std::vector<std::tuple<int, std::optional<int>, std::string>> telling = {
        {1, 20,
         "John 3:16 -> For God so loved the world, that he gave his only begotten Son, that "
         "whosoever believeth in him should not perish, but have everlasting life."},
        {273, 20, "1 John 4:19 -> We love him, because he first loved us."},
        {710, 20, "Luke 1:37 -> For with God nothing shall be impossible."},
        {564, 20,
         "Matthew 4:7 -> Jesus said unto him, It is written again, Thou shalt not tempt the "
         "Lord thy God.   [Psalm 19:13]"},
        {705, std::nullopt,
         "Luke 9:4-5 -> And whatsoever house ye enter into, there abide, and thence depart. "
         "And whosoever will not receive you, when ye go out of that city, shake off the "
         "very dust from your feet for a testimony against them."},
        {867, 20, kFallbackCaption},
        {891, std::nullopt,
         "1 Timothy 1:15 -> This is a faithful saying, and worthy of all acceptation, that "
         "Christ Jesus came into the world to save sinners; of whom I [Saul->Paul] am chief."},
        {1068, 20,
         "Psalms 145:20 The LORD preserveth all them that love him: but all the wicked will "
         "he destroy."},
        {1100, 20,
         "1 Samuel 12:24 -> Only fear the LORD, and serve him in truth with all your heart: "
         "for consider how great things he hath done for you."},
    };
    for (const auto& [row, size, caption] : telling) {
        EXPECT_EQ(captionOf(row), caption) << "row " << row;
        EXPECT_EQ(LookupVerse(static_cast<std::int16_t>(row)).FontSize, size) << "row " << row;
    }
    EXPECT_TRUE(captionOf(713).starts_with("Luke 3:4-6 -> ....... Prepare ye the way of the Lord"));
    EXPECT_TRUE(captionOf(752).starts_with("Acts 1:1-3  -> ......."));
    EXPECT_TRUE(captionOf(928).starts_with("Job 34:21-23v For his eyes are upon the ways of man"));
    EXPECT_TRUE(captionOf(945).starts_with("1Samuel" + kNbsp + "8:7 -> "));
}

TEST(VerseTable, FontSizesAre20Or16WhereGivenAnd22OnlyInTheFallback) {
    std::map<std::optional<int>, int> rowsBySize;
    for (int row = 1; row <= kCatalogueRows; ++row)
        ++rowsBySize[LookupVerse(static_cast<std::int16_t>(row)).FontSize];
    EXPECT_EQ(rowsBySize,
              (std::map<std::optional<int>, int>{{std::nullopt, 860}, {16, 20}, {20, 220}}));
    const std::vector<std::pair<int, std::optional<int>>> samples = {{4, 20},
                                                                     {5, std::nullopt},
                                                                     {11, 16},
                                                                     {82, 16},
                                                                     {242, 20},
                                                                     {250, 20},
                                                                     {251, std::nullopt},
                                                                     {931, 16},
                                                                     {941, 20},
                                                                     {1069, 20},
                                                                     {1070, 16},
                                                                     {1083, 20},
                                                                     {1090, 20},
                                                                     {1091, std::nullopt}};
    for (auto [row, size] : samples)
        EXPECT_EQ(LookupVerse(static_cast<std::int16_t>(row)).FontSize, size) << row;
}

// Each caption starts with its reference as listed in the generator's input.
std::vector<std::string> listedReferences() {
    std::ifstream file(LUMORA_REFERENCES_FILE);
    std::vector<std::string> references;
    for (std::string line; std::getline(file, line);) references.push_back(line);
    return references;
}

TEST(VerseTable, ReferencesAndSeparatorsAreThoseOfEachRow) {
    const std::map<int, std::string> irregular = {
        {11, ": "},  {490, ": "}, {491, ": "}, {776, ": "},   {777, ": "}, {598, " "},  {997, " "},
        {1021, " "}, {1045, " "}, {1049, " "}, {1068, " "},   {1069, " "}, {1070, " "}, {1077, " "},
        {1078, " "}, {1079, " "}, {1080, " "}, {1081, " "},   {1082, " "}, {1083, " "}, {1084, " "},
        {1085, " "}, {928, "v "}, {950, "v "}, {752, "  -> "}};
    const std::set<int> nbspRows = {932, 945, 1036, 1059, 1060, 1061, 1063, 1064, 1067, 1069};
    const std::vector<std::string> references = listedReferences();
    ASSERT_EQ(references.size(), 1100u);
    int arrowRows = 0;
    for (int row = 1; row <= kCatalogueRows; ++row) {
        std::string reference = references[row - 1];
        if (nbspRows.contains(row)) reference.replace(reference.rfind(' '), 1, kNbsp);
        const auto it = irregular.find(row);
        const std::string separator = it == irregular.end() ? " -> " : it->second;
        const std::string caption = captionOf(row);
        EXPECT_TRUE(caption.starts_with(reference + separator)) << "row " << row;
        EXPECT_EQ(caption.find(kNbsp) != std::string::npos, nbspRows.contains(row)) << row;
        if (separator.ends_with(" -> ")) {
            ++arrowRows;
            EXPECT_EQ(caption.find(" -> "), reference.size() + separator.size() - 4) << row;
        }
    }
    EXPECT_EQ(arrowRows, 1076);
    const std::string glossed = captionOf(891);
    EXPECT_NE(glossed.find("->", glossed.find(" -> ") + 4), std::string::npos);
}

// Remarks are bracketed: titles open a passage, glosses follow the word they
// explain, comments close the caption after one to seven blanks.
TEST(VerseTable, RemarksStandAtTheirPlaces) {
    const std::regex remark(R"(\[[^\[\]]*\])");
    int remarks = 0, rows = 0, titles = 0, closing = 0;
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const std::string caption = captionOf(row);
        const int before = remarks;
        for (std::sregex_iterator it(caption.begin(), caption.end(), remark), end; it != end;
             ++it) {
            ++remarks;
            const auto at = static_cast<std::size_t>(it->position());
            if (caption.compare(at - 3, 3, "-> ") == 0) {
                ++titles;
            } else if (at + it->length() == caption.size()) {
                ++closing;
                const std::size_t text = caption.find_last_not_of(' ', at - 1);
                EXPECT_GE(at - 1 - text, 1u) << row;
                EXPECT_LE(at - 1 - text, 7u) << row;
            }
        }
        rows += remarks > before;
    }
    EXPECT_EQ(remarks, 47);
    EXPECT_EQ(rows, 37);
    EXPECT_EQ(titles, 2);
    EXPECT_EQ(closing, 25);
    const std::vector<std::pair<int, std::string>> places = {
        {178, "-> [Soldier's Psalm] There"},
        {564, "God.   [Psalm 19:13]"},
        {762, "called  [Christians], saith"},
        {891, "whom I [Saul->Paul] am chief."},
        {941, "If he [God] set"},  // Job 34:14 has no capital "He"
        {965, "his [satan's] ministers"},
        {1040, "wife ['shotgun wedding']."},
        {1041, "evil [peer pressure];"},
        {1058, "babes.  [prosperity of the wicked]. As"},
        {1058, "likeness.   [Resurrection in Heaven]."},
        {1060, "long.  [unrepentant] For"},
        {1070, "I [David] cried"},  // Psalms 142 has no "he" outside its heading
    };
    for (const auto& [row, text] : places)
        EXPECT_NE(captionOf(row).find(text), std::string::npos) << row;
}

TEST(VerseTable, DotRunsMarkTheElisionsOfTheirRows) {
    const std::set<int> elisionRows = {
        79,  281, 317,  344,  388,  427,  536,  578,  582,  681,  713,  716, 729,
        737, 738, 752,  756,  760,  772,  774,  776,  782,  824,  825,  838, 866,
        886, 893, 905,  926,  927,  931,  932,  933,  942,  947,  951,  958, 971,
        976, 989, 1019, 1036, 1040, 1041, 1042, 1045, 1047, 1048, 1050, 1051};
    ASSERT_EQ(elisionRows.size(), 51u);
    std::map<std::size_t, int> runsByLength;
    const std::regex dots(R"(\.{2,})");
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const std::string caption = captionOf(row);
        int runs = 0;
        for (std::sregex_iterator it(caption.begin(), caption.end(), dots), end; it != end; ++it) {
            ++runs;
            ++runsByLength[it->length()];
            const auto before = static_cast<std::size_t>(it->position());
            const std::size_t after = before + it->length();
            EXPECT_EQ(caption[before - 1], ' ') << "row " << row;
            EXPECT_TRUE(after == caption.size() || caption[after] == ' ') << "row " << row;
        }
        EXPECT_EQ(runs > 0, elisionRows.contains(row)) << "row " << row;
    }
    EXPECT_EQ(runsByLength, (std::map<std::size_t, int>{{3, 13}, {5, 1}, {7, 63}, {9, 1}}));
    EXPECT_TRUE(captionOf(1045).starts_with("Leviticus 11:2,3,9 ....... "));
}

TEST(VerseTable, OnlyTheKnownPairsRepeatACaption) {
    std::map<std::string, std::vector<int>> rowsByCaption;
    for (int row = 1; row <= kCatalogueRows; ++row) rowsByCaption[captionOf(row)].push_back(row);
    std::set<std::vector<int>> repeated;
    for (const auto& [caption, rows] : rowsByCaption)
        if (rows.size() > 1) repeated.insert(rows);
    EXPECT_EQ(repeated, (std::set<std::vector<int>>{{705, 726}, {706, 725}}));
    EXPECT_TRUE(captionOf(706).starts_with("Luke 10:10-12 -> "));
    for (int row : {705, 706, 725, 726}) EXPECT_FALSE(LookupVerse(row).FontSize) << row;
}

TEST(VerseTable, LengthsStayWithinTheRangeOfTheirSize) {
    struct Range {
        int shortest, longest;
    };
    const std::map<std::optional<int>, Range> ranges = {
        {20, {54, 380}}, {std::nullopt, {75, 654}}, {16, {626, 823}}};
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const CatalogueEntry& entry = LookupVerse(static_cast<std::int16_t>(row));
        const int length = lengthOf(std::string(entry.Caption));
        const Range range = ranges.at(entry.FontSize);
        EXPECT_GE(length, range.shortest) << "row " << row;
        // Revelation 21:22-27 in full is longer than any other unsized row.
        if (row != 350) {
            EXPECT_LE(length, range.longest) << "row " << row;
        }
        if (row != 776) {
            EXPECT_LT(length, 823) << "row " << row;
        }
        if (row != 273 && row != 710) {
            EXPECT_GT(length, 54) << "row " << row;
        }
    }
    EXPECT_EQ(lengthOf(captionOf(776)), 823);
    EXPECT_EQ(lengthOf(captionOf(350)), 729);
    EXPECT_EQ(lengthOf(captionOf(273)), 54);
    EXPECT_EQ(lengthOf(captionOf(710)), 54);
}

TEST(VerseTable, CaptionsAreOneLineOfWindows1252Characters) {
    for (int row = 0; row <= kCatalogueRows; ++row) {
        const std::string caption = captionOf(row);
        ASSERT_FALSE(caption.empty()) << row;
        EXPECT_NE(caption.front(), ' ') << row;
        EXPECT_NE(caption.back(), ' ') << row;
        for (std::size_t at = 0; at < caption.size(); ++at) {
            const auto byte = static_cast<unsigned char>(caption[at]);
            if (byte >= 0x20 && byte <= 0x7E) continue;
            // Anything else must be the no-break space, byte 0xA0 in Windows-1252.
            EXPECT_EQ(caption.compare(at, kNbsp.size(), kNbsp), 0) << "row " << row;
            ++at;
        }
    }
}

}  // namespace
}  // namespace lumora

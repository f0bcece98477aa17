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

std::set<int> rowsOf(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> rows;
    for (auto [first, last] : ranges)
        for (int row = first; row <= last; ++row) rows.insert(row);
    return rows;
}

const std::set<int> kRowsAt20 =
    rowsOf({{1, 4},       {6, 10},      {13, 14},     {16, 21},     {25, 25},     {29, 29},
            {41, 41},     {48, 49},     {51, 52},     {59, 62},     {64, 65},     {69, 69},
            {72, 73},     {80, 80},     {87, 87},     {89, 89},     {92, 92},     {94, 94},
            {97, 98},     {102, 102},   {106, 107},   {110, 111},   {124, 124},   {138, 139},
            {143, 143},   {147, 147},   {149, 149},   {152, 152},   {156, 156},   {159, 159},
            {171, 171},   {177, 177},   {180, 180},   {198, 198},   {213, 213},   {242, 250},
            {253, 253},   {267, 269},   {273, 273},   {278, 278},   {285, 285},   {287, 287},
            {296, 296},   {298, 298},   {304, 305},   {307, 309},   {311, 312},   {315, 316},
            {322, 323},   {326, 327},   {329, 329},   {331, 331},   {334, 337},   {340, 341},
            {344, 344},   {347, 348},   {351, 353},   {355, 365},   {367, 370},   {372, 372},
            {376, 376},   {382, 382},   {397, 398},   {400, 400},   {423, 423},   {445, 445},
            {462, 462},   {464, 464},   {471, 472},   {474, 474},   {480, 480},   {484, 486},
            {488, 489},   {502, 502},   {504, 504},   {511, 511},   {515, 515},   {518, 518},
            {527, 527},   {533, 533},   {546, 546},   {556, 558},   {560, 560},   {564, 566},
            {588, 588},   {591, 591},   {603, 603},   {609, 609},   {630, 630},   {640, 640},
            {652, 654},   {656, 656},   {666, 666},   {668, 668},   {676, 676},   {688, 688},
            {693, 693},   {696, 696},   {699, 699},   {710, 710},   {740, 740},   {781, 781},
            {787, 787},   {790, 790},   {807, 809},   {812, 812},   {814, 814},   {816, 816},
            {819, 819},   {828, 828},   {835, 835},   {847, 847},   {863, 863},   {867, 867},
            {871, 871},   {890, 890},   {893, 893},   {900, 900},   {914, 914},   {916, 917},
            {921, 921},   {939, 941},   {1020, 1020}, {1056, 1057}, {1061, 1062}, {1065, 1066},
            {1068, 1069}, {1077, 1077}, {1079, 1079}, {1081, 1081}, {1083, 1090}, {1100, 1100}});
const std::set<int> kRowsAt16 = rowsOf({{11, 11},
                                        {82, 82},
                                        {262, 262},
                                        {427, 427},
                                        {490, 491},
                                        {598, 598},
                                        {763, 763},
                                        {776, 777},
                                        {846, 846},
                                        {888, 888},
                                        {894, 894},
                                        {930, 932},
                                        {942, 942},
                                        {997, 997},
                                        {1049, 1049},
                                        {1070, 1070}});

TEST(LookupVerse, IndexesOutsideTheTableGiveTheFallbackAt22Points) {
    for (int index : {0, -1, 1101, 1102, 32767, -32768}) {
        const CatalogueEntry& entry = LookupVerse(static_cast<std::int16_t>(index));
        EXPECT_EQ(&entry, &FallbackEntry()) << index;
        EXPECT_EQ(entry.Caption, kFallbackCaption) << index;
        EXPECT_EQ(entry.FontSize, 22) << index;
    }
}

TEST(LookupVerse, HandsOutTheStoredEntryWithoutCopying) {
    EXPECT_EQ(&LookupVerse(42), &LookupVerse(42));
    EXPECT_EQ(LookupVerse(42).Caption.data(), LookupVerse(42).Caption.data());
    EXPECT_NE(&LookupVerse(1), &LookupVerse(1100));
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

TEST(VerseTable, FontSizesFollowTheRowLists) {
    EXPECT_EQ(kRowsAt20.size(), 220u);
    EXPECT_EQ(kRowsAt16.size(), 20u);
    for (int row = 1; row <= kCatalogueRows; ++row) {
        std::optional<int> expected;
        if (kRowsAt20.contains(row)) expected = 20;
        if (kRowsAt16.contains(row)) expected = 16;
        EXPECT_EQ(LookupVerse(static_cast<std::int16_t>(row)).FontSize, expected) << "row " << row;
    }
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

enum class Place { Start, Inside, End };

TEST(VerseTable, RemarksStandAtTheirPlaces) {
    const std::vector<std::tuple<int, Place, std::string>> remarks = {
        {178, Place::Start, "[Soldier's Psalm] "},
        {195, Place::Start, "[Children's Psalm] "},
        {427, Place::End, "    [origin of satan]"},
        {443, Place::End, "    [origin of satan]"},
        {564, Place::End, "   [Psalm 19:13]"},
        {755, Place::End, "   [origin of satan]"},
        {761, Place::End, "    [Christians]"},
        {762, Place::Inside, "called  [Christians],"},
        {762, Place::End, "     [2nd coming prophecy]"},
        {771, Place::Inside, "people [the Jews] "},
        {801, Place::End, "   [creature in heaven? would that be E.T.?  Ponder it!]"},
        {852, Place::End,
         "  [false economics, inflation, scams, gov't treachery, rich vs. poor; sound familiar?]"},
        {887, Place::End, "      [Millenium Prophecy]"},
        {891, Place::Inside, "I [Saul->Paul] "},
        {895, Place::End, "    [Charity = Love]"},
        {896, Place::End, "    [Charity = Love]"},
        {912, Place::End, "   [hear that America?]"},
        {913, Place::Inside, "And [Job] "},
        {930, Place::End, "   [I love Horsies!]"},
        {931, Place::End, "  [Dinosaurs lived with us]"},
        {932, Place::End, "  [fire breathing dinosaurs (dragons); yes, they were with us]"},
        {940, Place::End,
         "       [an idiot will become intelligent when the foal of a wild donkey is born a man]"},
        {941, Place::Inside, "he [God] "},  // Job 34:14 has no capital "He"
        {945, Place::End,
         "   [History repeats: people reject God, want human ruler; God lets them have it and "
         "suffer the consequences, that they would learn; do they ever?]"},
        {946, Place::End, " [the ancient's version of 'gun control';  Capisce?!]"},
        {955, Place::Inside, "house [Solomon's Temple] "},
        {965, Place::Inside, "transforming [disguising] "},
        {965, Place::Inside, "into [as] "},
        {965, Place::Inside, "transformed [disguises, disguised himself as] "},
        {965, Place::Inside, "his [satan's] "},
        {965, Place::Inside, "transformed [treacherously disguised] "},
        {990, Place::End,
         "     [this is in effect saying that JESUS was the voice in the flaming bush for Moses]"},
        {1035, Place::End,
         "   [Sound familiar?!  Better a comfy secure life as a slave then the animating contest "
         "and risks of freedom! Does anything ever change?!]"},
        {1040, Place::Inside, "wife ['shotgun wedding']."},
        {1040, Place::Inside, "suffer [permit] "},
        {1041, Place::Inside, "evil [peer pressure];"},
        {1041, Place::Inside, "gift [bribe]:"},
        {1042, Place::End, "  [multiculturalism, political correctness, etc.]"},
        {1053, Place::End,
         "   [ people prefer to be happy slaves rather than Freedom with hardship and risk (sound "
         "familiar?) ]"},
        {1058, Place::Inside, "babes.  [prosperity of the wicked]."},
        {1058, Place::Inside, "likeness.   [Resurrection in Heaven]."},
        {1060, Place::Inside, "long.  [unrepentant] "},
        {1060, Place::Inside, "Selah. [guilt, depression] "},
        {1060, Place::End, " [1-John 1:9]"},
        {1070, Place::Inside, "I [David] "},  // Psalms 142 has no "he" but its heading
        {1080, Place::End, "  [bloom where you've been planted]"},
        {1089, Place::End, "   [mind your own business!]"},
    };
    EXPECT_EQ(remarks.size(), 47u);
    std::map<int, std::vector<std::string>> expectedByRow;
    for (const auto& [row, place, text] : remarks) {
        const std::string caption = captionOf(row);
        const std::string bracketed =
            text.substr(text.find('['), text.rfind(']') - text.find('[') + 1);
        expectedByRow[row].push_back(bracketed);
        switch (place) {
            case Place::Start:
                EXPECT_NE(caption.find("-> " + text), std::string::npos) << row;
                break;
            case Place::Inside:
                EXPECT_NE(caption.find(text), std::string::npos) << row << ": " << text;
                break;
            case Place::End:
                EXPECT_TRUE(caption.ends_with(text)) << row << ": " << text;
                EXPECT_NE(caption[caption.size() - text.size() - 1], ' ') << row;
                break;
        }
    }
    EXPECT_EQ(expectedByRow.size(), 37u);
    const std::regex remark(R"(\[[^\[\]]*\])");
    for (int row = 1; row <= kCatalogueRows; ++row) {
        const std::string caption = captionOf(row);
        std::vector<std::string> found;
        for (std::sregex_iterator it(caption.begin(), caption.end(), remark), end; it != end; ++it)
            found.push_back(it->str());
        EXPECT_EQ(found, expectedByRow[row]) << "row " << row;
    }
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

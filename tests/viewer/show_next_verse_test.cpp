#include <gtest/gtest.h>

#include <cmath>

#include "tests/viewer/fake_window.h"
#include "viewer/show_next_verse.h"

namespace lumora::testing {
namespace {

using ShowNextVerse = ViewerTest;

// Start-up's call repeats the seeded value once; each pass of the stirring
// loop then draws an index from the one drawn before it, and a value.
TEST(Stirring, StartUpAdvances1999TimesAndEveryLaterCall2000) {
    ScriptedRandom random;
    random.keepArguments = true;
    FakeWindow window{random};
    window.form().Form_Load();
    EXPECT_EQ(random.advances, 1999);
    EXPECT_EQ(random.arguments.front(), 0.0f);
    random.advances = 0;
    random.arguments.clear();
    window.form().viewer().Label1_Click();
    ASSERT_EQ(random.advances, 2000);
    for (std::size_t pass = 0; pass < 1000; ++pass) {
        const float index = random.arguments[2 * pass];
        ASSERT_TRUE(index == std::floor(index) && index >= 1 && index <= 1102) << index;
    }
    EXPECT_EQ(window.form().viewer().state().StirCount, 1001);
}

TEST_F(ShowNextVerse, AFirstDrawOfZeroRepeatsZeroAndSelectsRowOne) {
    random.advances = 0;
    random.script.assign(1998, 0.5f);
    random.script.push_back(0.0f);  // a of the last pass; b then repeats it
    viewer().Label1_Click();
    EXPECT_EQ(state().VerseIndex, 1);
    EXPECT_EQ(random.advances, 1999);
}

TEST(Draws, MapToIndexesAndColourIndexesOverTheirWholeRange) {
    const float belowOne = std::nextafter(1.0f, 0.0f);
    EXPECT_EQ(IndexFromDraw(0.0f), 1);
    EXPECT_EQ(IndexFromDraw(belowOne), 1102);
    const std::pair<float, int> colours[] = {
        {0.0f, 1}, {1.0f / 28 - 1e-6f, 1}, {1.0f / 28 + 1e-6f, 2}, {0.5f, 8}, {belowOne, 15}};
    for (auto [v, expected] : colours) EXPECT_EQ(ColorIndexFromDraw(v), expected) << v;
    for (int index : {-32768, -1, 0, 1101, 1102, 32767})
        EXPECT_EQ(&LookupVerse(static_cast<std::int16_t>(index)), &FallbackEntry()) << index;
}

TEST_F(ShowNextVerse, SizesStartAt18PointsAndIndexesPastTheTableShowTheFallbackAt22) {
    const std::pair<int, double> shows[] = {{11, 16}, {5, 18}, {1101, 22}, {5, 18}, {1102, 22}};
    for (auto [index, points] : shows) {
        show(index);
        EXPECT_EQ(window.LabelPoints(), points) << index;
        EXPECT_EQ(window.title, WindowTitle(static_cast<std::int16_t>(index)));
        EXPECT_EQ(window.caption, captionOf(index > 1100 ? 867 : index));
    }
}

TEST_F(ShowNextVerse, HistoryFollowsTheDrawsNotTheLabelAndStaysWhenTheSurfaceFails) {
    show(10);
    show(20);
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.caption, captionOf(10));
    show(30);
    EXPECT_EQ(state().PreviousVerse, captionOf(20));
    window.captionFails = true;
    EXPECT_THROW(show(40), WindowFailure);
    EXPECT_EQ(window.title, WindowTitle(40));
    EXPECT_EQ(window.caption, captionOf(30));
    EXPECT_EQ(std::pair(state().CurrentVerse, state().PreviousVerse),
              std::pair(captionOf(30), captionOf(20)));
}

}  // namespace
}  // namespace lumora::testing

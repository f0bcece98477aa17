#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/viewer_fixture.h"
#include "viewer/show_next_verse.h"

namespace lumora::testing {
namespace {

using ShowNextVerse = ViewerTest;

std::string caption(int row) {
    return std::string(LookupVerse(static_cast<std::int16_t>(row)).Caption);
}

TEST_F(ShowNextVerse, MakesItsCallsInOrder) {
    show(1);
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{
                  "SetTitle(Lum\u00D0ra  Quo\u2020e   #1       ><>   ><>   ><>)", "SetFontSize(18)",
                  "SetFontSize(20)", "SetCaption(" + caption(1) + ")", "SetForeColor(16777215)",
                  "SetBackColor(0)", "GetCaption"}));
    EXPECT_EQ(state().StirCount, 1001);
}

// Start-up's call repeats the seeded value once; each pass of the stirring
// loop then draws an index from the one drawn before it, and a value.
TEST(Stirring, StartUpAdvances1999TimesAndEveryLaterCall2000) {
    FakeWindow window;
    ScriptedRandom random;
    random.keepArguments = true;
    Form1 form{window, random, ""};
    form.Form_Load();
    EXPECT_EQ(random.advances, 1999);
    EXPECT_EQ(random.arguments.front(), 0.0f);
    random.advances = 0;
    random.arguments.clear();
    form.viewer().Label1_Click();
    ASSERT_EQ(random.advances, 2000);
    for (std::size_t pass = 0; pass < 1000; ++pass) {
        const float index = random.arguments[2 * pass];
        ASSERT_EQ(index, std::floor(index));
        ASSERT_GE(index, 1);
        ASSERT_LE(index, 1102);
    }
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
}

TEST_F(ShowNextVerse, IndexesPastTheTableShowTheFallbackAt22Points) {
    for (int index : {1101, 1102}) {
        show(index);
        EXPECT_EQ(window.title, WindowTitle(static_cast<std::int16_t>(index)));
        EXPECT_EQ(window.caption, caption(867));
        EXPECT_EQ(window.fontSize, 22);
    }
}

TEST_F(ShowNextVerse, EveryCallStartsAt18PointsWhateverCameBefore) {
    show(11);  // 16 points
    show(5);   // no size of its own
    EXPECT_EQ(window.fontSize, 18);
    viewer().mnuPrev_Click();  // 14 points
    show(5);
    EXPECT_EQ(window.fontSize, 18);
}

TEST_F(ShowNextVerse, HistoryFollowsTheDrawsNotTheLabel) {
    show(10);
    show(20);
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.caption, caption(10));
    show(30);
    EXPECT_EQ(state().PreviousVerse, caption(20));
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.caption, caption(20));
}

TEST_F(ShowNextVerse, AFailingSurfaceStopsTheCallAtThatStepAndTheHistoryStays) {
    show(5);
    show(10);
    window.failingCall = "SetCaption";
    scriptVerse(random, state().VerseIndex, 20);
    EXPECT_THROW(viewer().Label1_Click(), WindowFailure);
    EXPECT_EQ(window.title, WindowTitle(20));
    EXPECT_EQ(window.caption, caption(10));
    EXPECT_EQ(state().CurrentVerse, caption(10));
    EXPECT_EQ(state().PreviousVerse, caption(5));
}

}  // namespace
}  // namespace lumora::testing

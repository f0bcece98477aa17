#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/viewer_fixture.h"
#include "viewer/show_next_verse.h"

namespace lumora::testing {
namespace {

using ShowNextVerse = ViewerTest;

std::string caption(int row) {
    return std::string(LookupVerse(row).Caption);
}

TEST_F(ShowNextVerse, MakesItsCallsInOrder) {
    show(1);
    const std::vector<std::string> expected = {
        "SetTitle(Lum\u00D0ra  Quo\u2020e   #1       ><>   ><>   ><>)",
        "SetFontSize(18)",
        "SetFontSize(20)",
        "SetCaption(" + caption(1) + ")",
        "SetForeColor(16777215)",
        "SetBackColor(0)",
        "GetCaption",
    };
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(state().VerseIndex, 1);
    EXPECT_EQ(state().StirCount, 1001);
}

TEST_F(ShowNextVerse, StirsTwoDrawsAPassAndTheFirstCallRepeatsTheSeededValue) {
    FakeWindow freshWindow;
    ScriptedRandom freshRandom;
    freshRandom.keepArguments = true;
    Form1 fresh{freshWindow, freshRandom, ""};
    fresh.Form_Load();
    EXPECT_EQ(freshRandom.advances, 1999);
    ASSERT_EQ(freshRandom.arguments.size(), 2000u);
    EXPECT_EQ(freshRandom.arguments[0], 0.0f);
    EXPECT_EQ(fresh.viewer().state().PreviousVerse, "");
    EXPECT_EQ(freshWindow.fore, 0xFFFFFFu);
    EXPECT_EQ(freshWindow.back, 0x000000u);

    freshRandom.advances = 0;
    freshRandom.arguments.clear();
    fresh.viewer().Label1_Click();
    EXPECT_EQ(freshRandom.advances, 2000);
    // A pass's first draw gets the index drawn before, its second the value just drawn.
    for (std::size_t pass = 0; pass < 1000; ++pass) {
        const float index = freshRandom.arguments[2 * pass];
        ASSERT_EQ(index, std::floor(index));
        ASSERT_GE(index, 1);
        ASSERT_LE(index, 1102);
        ASSERT_LT(freshRandom.arguments[2 * pass + 1], 1.0f);
    }
}

TEST_F(ShowNextVerse, IndexesPastTheTableShowTheFallbackAt22Points) {
    for (int index : {1101, 1102}) {
        show(index);
        EXPECT_EQ(window.title, WindowTitle(index));
        EXPECT_EQ(window.caption, caption(867));
        EXPECT_EQ(window.fontSize, 22);
        EXPECT_EQ(state().CurrentVerse, caption(867));
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

TEST_F(ShowNextVerse, DrawsMapToIndexesAndColourIndexes) {
    EXPECT_EQ(IndexFromDraw(0.0f), 1);
    EXPECT_EQ(IndexFromDraw(std::nextafter(1.0f, 0.0f)), 1102);
    EXPECT_EQ(IndexFromDraw(drawFor(1101)), 1101);
    const std::vector<std::pair<float, int>> colours = {{0.0f, 1},
                                                        {1.0f / 28 - 1e-6f, 1},
                                                        {1.0f / 28 + 1e-6f, 2},
                                                        {0.25f, 4},
                                                        {0.5f, 8},
                                                        {0.75f, 12},
                                                        {27.0f / 28 - 1e-6f, 14},
                                                        {27.0f / 28 + 1e-6f, 15},
                                                        {std::nextafter(1.0f, 0.0f), 15}};
    for (auto [v, expected] : colours) EXPECT_EQ(ColorIndexFromDraw(v), expected) << v;
}

TEST_F(ShowNextVerse, EveryCallStartsAt18PointsWhateverCameBefore) {
    show(11);  // 16 points
    show(5);   // no size of its own
    EXPECT_EQ(window.fontSize, 18);
    show(1);  // 20 points
    show(5);
    EXPECT_EQ(window.fontSize, 18);
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.fontSize, 14);
    show(5);
    EXPECT_EQ(window.fontSize, 18);
}

TEST_F(ShowNextVerse, HistoryFollowsTheDrawsNotTheLabel) {
    show(10);
    show(20);  // A = 10, B = 20
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.caption, caption(10));
    show(30);  // C
    EXPECT_EQ(state().PreviousVerse, caption(20));
    EXPECT_EQ(state().CurrentVerse, caption(30));
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.caption, caption(20));
    show(30);
    EXPECT_EQ(state().PreviousVerse, state().CurrentVerse);
}

TEST_F(ShowNextVerse, AFailingSurfaceStopsTheCallAtThatStep) {
    show(5);
    show(10);
    window.failingCall = "SetCaption";
    scriptVerse(random, state().VerseIndex, 20);
    EXPECT_THROW(viewer().Label1_Click(), WindowFailure);
    EXPECT_EQ(window.title, WindowTitle(20));
    EXPECT_EQ(window.caption, caption(10));
    EXPECT_EQ(window.fore, 0xFFFFFFu);
    EXPECT_EQ(state().CurrentVerse, caption(10));
    EXPECT_EQ(state().PreviousVerse, caption(5));
    EXPECT_NE(window.calls.back().find("SetFontSize"), std::string::npos);
}

}  // namespace
}  // namespace lumora::testing

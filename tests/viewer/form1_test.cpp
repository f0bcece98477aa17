// Form1's start-up and closing, and the decisions its window makes for every
// front-end.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/viewer/fake_window.h"

namespace lumora::testing {
namespace {

TEST(FormLoad, SizesAGoldenRectangleAndALabelInWholeTwips) {
    EXPECT_EQ(GoldenHeight(10005), static_cast<float>(10005 / 1.618033988749895));
    EXPECT_EQ(LabelTwips(9849.5), 9850);
    EXPECT_EQ(LabelTwips(9850.5), 9850);
    EXPECT_EQ(LabelTwips(5460.49), 5460);
    EXPECT_THROW(LabelTwips(40000), WindowFailure);
}

// At 120 DPI a pixel is 12 twips: 10000 twips are 833.3 pixels, realised as 833.
TEST(FormLoad, StartsStoppedInWhiteOnBlackInWholePixelsAndShowsTheVerseCentred) {
    ScriptedRandom random;
    FakeWindow window{random};
    window.dpi = 120;
    ASSERT_TRUE(window.form().Start());
    const ViewerState& state = window.form().viewer().state();
    EXPECT_EQ(window.ticks, std::vector<int>{0});
    EXPECT_EQ(state.WhiteBlackMode, -1);
    EXPECT_FALSE(state.ColorMode || state.BlackWhiteMode);
    EXPECT_EQ(state.CurrentVerse, window.caption);
    EXPECT_EQ(state.PreviousVerse, "");
    EXPECT_EQ(state.SpinCount, 0);
    EXPECT_EQ(window.OuterWidth(), 9996);
    const int height = static_cast<int>(std::lround(GoldenHeight(9996) / 12));
    EXPECT_EQ(window.outer.height, height);
    EXPECT_EQ(window.label.width, 833 - 2);
    EXPECT_EQ(window.label.height, height - 46);
    EXPECT_EQ(window.shownAt, std::pair((1280 - 833) / 2, (800 - height) / 2));
}

TEST(FormLoad, StartUpsAMomentApartSeedUnrelatedSequences) {
    ScriptedRandom first, second;
    FakeWindow firstWindow{first}, secondWindow{second};
    ASSERT_TRUE(firstWindow.form().Start());
    ASSERT_TRUE(secondWindow.form().Start());
    SplitMixRandom firstDraws{first.seedGiven}, secondDraws{second.seedGiven};
    EXPECT_NE(firstDraws.Draw(1), secondDraws.Draw(1));
}

// The toolkit raises its own closing events while the program ends, as Qt 6.5
// and later do from inside exit() and as closing the windows does.
TEST(Closing, EveryWayOutEndsOnceWithStatusZeroAndNothingRunsAfter) {
    using enum ActivatedWindow;
    const std::pair<const char*, void (*)(FakeWindow&)> waysOut[] = {
        {"Exit", [](FakeWindow& window) { window.OnCommand(&Viewer::mnuExit_Click); }},
        {"Esc", [](FakeWindow& window) { window.OnKeyDown(27, 0); }},
        {"close request", [](FakeWindow& window) { window.OnCloseRequested(); }},
        {"quit signal", [](FakeWindow& window) { window.OnTerminated(); }},
        {"own window", [](FakeWindow& window) { window.OnActivationLost(OwnWindow); }},
    };
    for (const auto& [name, close] : waysOut) {
        ScriptedRandom random;
        FakeWindow window{random};
        window.onEnd = [&] {
            window.OnTerminated();
            window.OnCloseRequested();
            window.OnCommand(&Viewer::Label1_Click);
        };
        ASSERT_TRUE(window.form().Start());
        const int advances = random.advances;
        window.OnActivationLost(Elsewhere);  // other programs and boxes end nothing
        window.OnActivationLost(MessageBox);
        EXPECT_EQ(window.ends, 0) << name;
        close(window);
        EXPECT_EQ(window.ends, 1) << name;
        window.form().UnloadAndEnd();
        EXPECT_EQ(window.ends, 1) << name;
        EXPECT_EQ(window.form().ExitStatus(), 0) << name;
        EXPECT_EQ(random.advances, advances) << name;
    }
}

using FormWindowTest = ViewerTest;

TEST_F(FormWindowTest, AnIntervalOnARunningTimerStartsItsPeriodAfresh) {
    window.ticks.clear();
    window.SetInterval(2000);  // off: nothing ticks yet
    window.OnCommand(&Viewer::mnu5S_Click);
    window.SetInterval(50);
    window.OnCommand(&Viewer::mnuAutoOff_Click);
    EXPECT_EQ(window.ticks, (std::vector<int>{2000, 5000, 50, 0}));
}

TEST_F(FormWindowTest, AClickIsAPressAndReleaseOnTheLabelAndADoubleClickIsOne) {
    using enum LeftButton;
    const std::pair<std::vector<std::pair<LeftButton, bool>>, int> gestures[] = {
        {{{Press, true}, {Release, true}}, 1},
        {{{Press, true}, {Release, false}}, 0},
        {{{Press, false}, {Release, true}}, 0},
        {{{Press, true}, {Release, true}, {DoubleClick, true}, {Release, true}}, 1},
    };
    for (const auto& [events, clicks] : gestures) {
        const int before = verses();
        for (const auto& [event, onLabel] : events) window.OnLeftButton(event, onLabel);
        EXPECT_EQ(verses() - before, clicks);
    }
    EXPECT_TRUE(window.OnLeftButton(Press, true));  // held until released
}

}  // namespace
}  // namespace lumora::testing

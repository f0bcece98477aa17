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
    EXPECT_EQ(window.shownAt, std::make_pair((1280 - 833) / 2, (800 - height) / 2));
}

TEST(FormLoad, StartUpsAMomentApartSeedUnrelatedSequences) {
    ScriptedRandom first, second;
    FakeWindow firstWindow{first}, secondWindow{second};
    ASSERT_TRUE(firstWindow.form().Start());
    ASSERT_TRUE(secondWindow.form().Start());
    EXPECT_NE(first.seedGiven, second.seedGiven);
    SplitMixRandom firstDraws{first.seedGiven}, secondDraws{second.seedGiven};
    EXPECT_NE(firstDraws.Draw(1), secondDraws.Draw(1));
}

// The toolkit raises its own closing events while the program ends, as Qt 6.5
// and later do from inside exit() and as closing the windows does.
TEST(Closing, EveryWayOutEndsOnceWithStatusZeroAndNothingRunsAfter) {
    const std::pair<const char*, void (*)(Form1&)> waysOut[] = {
        {"Exit", [](Form1& form) { form.Deliver([&] { form.viewer().mnuExit_Click(); }); }},
        {"Esc", [](Form1& form) { form.Deliver([&] { form.viewer().Form_KeyDown(27, 0); }); }},
        {"close request", [](Form1& form) { form.CloseRequested(); }},
        {"quit signal", [](Form1& form) { form.Terminated(); }},
        {"deactivation", [](Form1& form) { form.Deactivated(); }},
    };
    for (const auto& [name, close] : waysOut) {
        ScriptedRandom random;
        FakeWindow window{random};
        Form1& form = window.form();
        window.onEnd = [&] {
            form.Terminated();
            form.CloseRequested();
            form.UnloadAndEnd();
            form.Deliver([&] { form.viewer().Label1_Click(); });
        };
        ASSERT_TRUE(form.Start());
        const int advances = random.advances;
        close(form);
        EXPECT_EQ(window.ends, 1) << name;
        form.UnloadAndEnd();
        form.CloseRequested();
        EXPECT_EQ(window.ends, 1) << name;
        EXPECT_EQ(form.ExitStatus(), 0) << name;
        EXPECT_EQ(random.advances, advances) << name;
    }
}

}  // namespace
}  // namespace lumora::testing

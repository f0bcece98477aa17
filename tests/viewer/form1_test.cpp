#include <gtest/gtest.h>

#include "tests/viewer/fake_window.h"
#include "window/form1.h"

namespace lumora::testing {
namespace {

TEST(FormLoad, SizesAGoldenRectangleFromTheRealisedWidth) {
    EXPECT_FLOAT_EQ(GoldenHeight(10000), 6180.34f);
    EXPECT_EQ(GoldenHeight(10000), static_cast<float>(10000 / 1.618033988749895));
    EXPECT_EQ(GoldenHeight(10005), static_cast<float>(10005 / 1.618033988749895));
    EXPECT_EQ(LabelTwips(9849.5), 9850);
    EXPECT_EQ(LabelTwips(9850.5), 9850);
    EXPECT_EQ(LabelTwips(5460.49), 5460);
    EXPECT_THROW(LabelTwips(40000), WindowFailure);

    // 10000 twips are 625 pixels at 90 DPI, and 666.7 at 96 DPI, realised as 667.
    for (int twipsPerPixel : {16, 15}) {
        FakeWindow window;
        window.twipsPerPixel = twipsPerPixel;
        ScriptedRandom random;
        Form1 form{window, random, ""};
        form.Form_Load();
        const int realised = twipsPerPixel == 16 ? 10000 : 10005;
        ASSERT_EQ(window.outerWidth, realised);
        EXPECT_EQ(window.outerHeight, static_cast<float>(realised / 1.618033988749895));
        EXPECT_EQ(window.labelWidth, LabelTwips(realised - window.frameWidth));
        EXPECT_EQ(window.labelHeight, LabelTwips(window.outerHeight - window.frameHeight));
    }
}

TEST(FormLoad, StopsTheTimerChoosesWhiteBlackAndShowsAFirstVerse) {
    FakeWindow window;
    ScriptedRandom random;
    Form1 form{window, random, ""};
    form.Form_Load();
    const ViewerState& state = form.viewer().state();
    EXPECT_FALSE(state.ColorMode);
    EXPECT_FALSE(state.BlackWhiteMode);
    EXPECT_EQ(state.WhiteBlackMode, -1);
    EXPECT_EQ(state.ColorIndex, 0);
    EXPECT_GE(state.VerseIndex, 1);
    EXPECT_LE(state.VerseIndex, 1102);
    EXPECT_EQ(state.StirCount, 1001);
    EXPECT_EQ(state.SpinCount, 0);
    EXPECT_EQ(state.CurrentVerse, window.caption);
    EXPECT_EQ(state.PreviousVerse, "");
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(window.calls.front(), "Timer.Enabled(0)");
    EXPECT_EQ(window.calls.back(), "GetCaption");
}

TEST(FormLoad, StartUpsAMomentApartDrawUnrelatedSequences) {
    SplitMixRandom first, second;
    first.Seed(ClockSeed());
    second.Seed(ClockSeed());
    EXPECT_NE(first.Draw(1), second.Draw(1));
}

TEST(Closing, EveryWayOutUnloadsOnceAndEnds) {
    FakeWindow window;
    ScriptedRandom random;
    Form1 form{window, random, ""};
    std::int16_t cancel = 5;
    form.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"UnloadForm", "EndProgram"}));

    // A toolkit whose unload raises the unload event: the nested call only ends.
    class ReentrantWindow : public FakeWindow {
      public:
        Form1* form = nullptr;
        void UnloadForm() override {
            FakeWindow::UnloadForm();
            std::int16_t cancel = 0;
            form->Form_Unload(cancel);
        }
    } reentrant;
    Form1 second{reentrant, random, ""};
    reentrant.form = &second;
    second.Form_Terminate();
    EXPECT_EQ(reentrant.calls,
              (std::vector<std::string>{"UnloadForm", "EndProgram", "EndProgram"}));
}

}  // namespace
}  // namespace lumora::testing

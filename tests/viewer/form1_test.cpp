#include <gtest/gtest.h>

#include "tests/viewer/fake_window.h"
#include "window/form1.h"

namespace lumora::testing {
namespace {

TEST(FormLoad, SizesAGoldenRectangleAndALabelInWholeTwips) {
    EXPECT_EQ(GoldenHeight(10005), static_cast<float>(10005 / 1.618033988749895));
    EXPECT_EQ(LabelTwips(9849.5), 9850);
    EXPECT_EQ(LabelTwips(9850.5), 9850);
    EXPECT_EQ(LabelTwips(5460.49), 5460);
    EXPECT_THROW(LabelTwips(40000), WindowFailure);
}

TEST(FormLoad, StopsTheTimerFirstChoosesWhiteOnBlackAndShowsTheWindowLast) {
    FakeWindow window;
    ScriptedRandom random;
    Form1 form{window, random, ""};
    ASSERT_TRUE(form.Start());
    const ViewerState& state = form.viewer().state();
    EXPECT_EQ(window.calls.front(), "Timer.Enabled(0)");
    EXPECT_EQ(window.calls.back(), "ShowForm");
    EXPECT_EQ(state.WhiteBlackMode, -1);
    EXPECT_FALSE(state.ColorMode || state.BlackWhiteMode);
    EXPECT_EQ(state.CurrentVerse, window.caption);
    EXPECT_EQ(state.PreviousVerse, "");
    EXPECT_EQ(state.SpinCount, 0);
}

TEST(FormLoad, StartUpsAMomentApartSeedUnrelatedSequences) {
    FakeWindow firstWindow, secondWindow;
    ScriptedRandom first, second;
    Form1 firstForm{firstWindow, first, ""}, secondForm{secondWindow, second, ""};
    ASSERT_TRUE(firstForm.Start());
    ASSERT_TRUE(secondForm.Start());
    EXPECT_NE(first.seedGiven, second.seedGiven);
    SplitMixRandom firstDraws{first.seedGiven}, secondDraws{second.seedGiven};
    EXPECT_NE(firstDraws.Draw(1), secondDraws.Draw(1));
}

// A window whose toolkit raises its own closing events while the program
// ends, as Qt 6.5 and later do from inside exit() and as closing the windows does.
class EchoingWindow : public FakeWindow {
  public:
    Form1* form = nullptr;
    void EndProgram(int exitStatus) override {
        FakeWindow::EndProgram(exitStatus);
        form->Terminated();
        form->CloseRequested();
        form->UnloadAndEnd();
        form->Deliver([this] { form->viewer().Label1_Click(); });
    }
};

struct ClosingCase {
    const char* wayOut;
    void (*close)(Form1&);
};

TEST(Closing, EveryWayOutEndsOnceWithStatusZeroAndNothingRunsAfter) {
    const ClosingCase cases[] = {
        {"Exit", [](Form1& form) { form.Deliver([&] { form.viewer().mnuExit_Click(); }); }},
        {"Esc", [](Form1& form) { form.Deliver([&] { form.viewer().Form_KeyDown(27, 0); }); }},
        {"close request", [](Form1& form) { form.CloseRequested(); }},
        {"quit signal", [](Form1& form) { form.Terminated(); }},
        {"deactivation", [](Form1& form) { form.Deactivated(); }},
    };
    for (const ClosingCase& way : cases) {
        EchoingWindow window;
        ScriptedRandom random;
        Form1 form{window, random, ""};
        window.form = &form;
        ASSERT_TRUE(form.Start());
        window.calls.clear();
        way.close(form);
        EXPECT_EQ(window.calls, std::vector<std::string>{"EndProgram(0)"}) << way.wayOut;
        EXPECT_EQ(form.ExitStatus(), 0);
        form.UnloadAndEnd();
        form.CloseRequested();
        EXPECT_EQ(window.calls.size(), 1u) << way.wayOut;
    }
}

}  // namespace
}  // namespace lumora::testing

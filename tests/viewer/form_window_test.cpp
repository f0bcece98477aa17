#include <gtest/gtest.h>

#include "tests/viewer/fake_window.h"

namespace lumora::testing {
namespace {

class FormWindowTest : public ViewerTest {
  protected:
    int verses() const { return random.advances / 2000; }
};

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

TEST_F(FormWindowTest, OnlyAnotherWindowOfTheProgramTakingOverEndsIt) {
    window.OnActivationLost(ActivatedWindow::Elsewhere);
    window.OnActivationLost(ActivatedWindow::MessageBox);
    EXPECT_EQ(window.ends, 0);
    window.OnActivationLost(ActivatedWindow::OwnWindow);
    EXPECT_EQ(window.ends, 1);
}

}  // namespace
}  // namespace lumora::testing

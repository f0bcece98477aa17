#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/viewer/fake_window.h"
#include "window/form_window.h"

namespace lumora::testing {
namespace {

// A primitive's call as the fake records it: its name, then each value.
template <typename... Values>
std::string callOf(std::string name, Values... values) {
    ((name.append(" ").append(std::to_string(values))), ...);
    return name;
}

// The toolkit's primitives, recorded; the decisions are FormWindow's own.
class FakePlatform final : public FormWindow {
  public:
    explicit FakePlatform(RandomSource& random) : FormWindow(random, "") {}

    std::vector<std::string> calls;
    double dpi = 96;
    PixelSize outer{661, 366}, frame{2, 46};
    PixelRect area{0, 0, 1280, 800};

    void SetTitle(const std::string&) override {}
    void RefreshLabel() override {}
    void Beep() override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    void AppendToFile(const std::string&, const std::string&) override {}
    void ShowFailure(const std::string&) override {}
    void EndProgram(int status) override { record("EndProgram", status); }

  protected:
    double DotsPerInch() const override { return dpi; }
    void ShowCaption(std::string_view) override {}
    void ApplyFont(double points) override { record("ApplyFont", points); }
    void ApplyColours(Rgb fore, Rgb back) override { record("ApplyColours", fore, back); }
    void StartTicks(int milliseconds) override { record("StartTicks", milliseconds); }
    void StopTicks() override { record("StopTicks"); }
    PixelSize OuterSize() const override { return outer; }
    void ResizeOuter(PixelSize size) override { outer = size; }
    PixelSize ClientSize() const override {
        return {outer.width - frame.width, outer.height - frame.height};
    }
    void ResizeLabel(PixelSize size) override { record("ResizeLabel", size.width, size.height); }
    PixelRect AvailableArea() const override { return area; }
    void ShowAt(int left, int top) override { record("ShowAt", left, top); }

  private:
    template <typename... Values>
    void record(const std::string& name, Values... values) {
        calls.push_back(callOf(name, values...));
    }
};

class FormWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.form().Start());
        window.calls.clear();
    }
    int verses() const { return random.advances / 2000; }

    ScriptedRandom random;
    FakePlatform window{random};
};

TEST_F(FormWindowTest, StartUpSizesInWholePixelsAndShowsTheWindowCentred) {
    FakePlatform fresh{random};
    fresh.dpi = 120;  // 12 twips to a pixel: 10000 twips are 833.3 pixels, realised as 833
    ASSERT_TRUE(fresh.form().Start());
    EXPECT_EQ(fresh.OuterWidth(), 9996);
    EXPECT_EQ(fresh.outer.height, static_cast<int>(std::lround(GoldenHeight(9996) / 12)));
    const std::string label = callOf("ResizeLabel", 833 - 2, fresh.outer.height - 46);
    EXPECT_EQ(std::count(fresh.calls.begin(), fresh.calls.end(), label), 1);
    EXPECT_EQ(fresh.calls.back(),
              callOf("ShowAt", (1280 - 833) / 2, (800 - fresh.outer.height) / 2));
}

TEST_F(FormWindowTest, AnIntervalOnARunningTimerStartsItsPeriodAfresh) {
    window.SetInterval(2000);  // off: nothing ticks yet
    window.OnCommand(&Viewer::mnu5S_Click);
    window.SetInterval(50);
    window.OnCommand(&Viewer::mnuAutoOff_Click);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"StartTicks 2000", "StartTicks 5000",
                                                      "StartTicks 50", "StopTicks"}));
}

TEST_F(FormWindowTest, AClickIsAPressAndReleaseOnTheLabelAndADoubleClickIsOne) {
    const std::vector<std::pair<std::vector<std::pair<LeftButton, bool>>, int>> gestures = {
        {{{LeftButton::Press, true}, {LeftButton::Release, true}}, 1},
        {{{LeftButton::Press, true}, {LeftButton::Release, false}}, 0},
        {{{LeftButton::Press, false}, {LeftButton::Release, true}}, 0},
        {{{LeftButton::Press, true},
          {LeftButton::Release, true},
          {LeftButton::DoubleClick, true},
          {LeftButton::Release, true}},
         1},
    };
    for (const auto& [events, clicks] : gestures) {
        const int before = verses();
        for (const auto& [event, onLabel] : events) window.OnLeftButton(event, onLabel);
        EXPECT_EQ(verses() - before, clicks);
    }
    EXPECT_TRUE(window.OnLeftButton(LeftButton::Press, true));  // held until released
}

TEST_F(FormWindowTest, OnlyAnotherWindowOfTheProgramTakingOverEndsIt) {
    window.OnActivationLost(ActivatedWindow::Elsewhere);
    window.OnActivationLost(ActivatedWindow::MessageBox);
    EXPECT_TRUE(window.calls.empty());
    window.OnActivationLost(ActivatedWindow::OwnWindow);
    EXPECT_EQ(window.calls, std::vector<std::string>{"EndProgram 0"});
}

TEST_F(FormWindowTest, UnchangedFontsAndColoursAreNotAppliedAgain) {
    window.OnKeyDown('B', 0);  // 18 points and white on black again, unless its row has a size
    window.OnCommand(&Viewer::mnuWB_Click);
    for (const std::string& call : window.calls)
        EXPECT_EQ(call.rfind("ApplyColours", 0), std::string::npos) << call;
    window.SetFontSize(14);
    window.SetFontSize(14);
    EXPECT_EQ(window.calls.back(), "ApplyFont 14.000000");
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "ApplyFont 14.000000"), 1);
}

}  // namespace
}  // namespace lumora::testing

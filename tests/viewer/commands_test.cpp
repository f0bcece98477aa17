#include <gtest/gtest.h>

#include "tests/viewer/fake_window.h"
#include "viewer/commands.h"
#include "viewer/palette16.h"
#include "viewer/show_next_verse.h"

namespace lumora::testing {
namespace {

using Commands = ViewerTest;

TEST_F(Commands, PreviousRightAfterStartUpShowsAnEmptyLabelAt14Points) {
    const std::string title = window.title;
    viewer().mnuPrev_Click();
    viewer().mnuPrev_Click();
    EXPECT_EQ(window.caption, "");
    EXPECT_EQ(window.LabelPoints(), 14);
    EXPECT_EQ(window.title, title);
}

// The beep means "saved".
TEST_F(Commands, SaveBeepsOnceSavedAndOtherwiseSaysWhyAndCarriesOn) {
    viewer().mnuPrint_Click();
    EXPECT_EQ(window.beeps, 1);
    window.fileFailure = "Permission denied";
    viewer().mnuPrint_Click();
    EXPECT_EQ(window.beeps, 1);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].first.find("\"Scripture.txt\":\r\nPermission denied"),
              std::string::npos);
    EXPECT_EQ(window.messages[0].second, "Lum\u00D0ra");
    EXPECT_EQ(window.ends, 0);
}

TEST_F(Commands, AboutNamesThePlatformUnderItsTitleAndChangesNothing) {
    const ViewerState before = state();
    viewer().mnuAbout_Click();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].first.find("\r\nWritten in C++ for tests\r\n"), std::string::npos);
    EXPECT_EQ(window.messages[0].second, "Lum\u00D0ra  1100");
    EXPECT_EQ(std::tie(state().CurrentVerse, state().PreviousVerse, state().VerseIndex),
              std::tie(before.CurrentVerse, before.PreviousVerse, before.VerseIndex));
    EXPECT_EQ(window.ticks, std::vector<int>{0});  // the timer stays off
}

TEST_F(Commands, SpinShowsAThousandVersesEachPaintedBeforeTheNextThenBeeps) {
    for (int pass = 1; pass <= 1000; ++pass) scriptVerse(random, 1, pass);
    const std::string before = window.caption;
    viewer().mnuSpin_Click();
    ASSERT_EQ(window.repaints.size(), 1000u);
    EXPECT_EQ(window.repaints.front(), before);
    EXPECT_EQ(window.repaints.back(), captionOf(999));
    EXPECT_EQ(window.caption, captionOf(1000));
    EXPECT_EQ(state().PreviousVerse, captionOf(999));
    EXPECT_EQ(state().SpinCount, 1001);
    EXPECT_EQ(window.beeps, 1);
}

// What one key-down did, told by what a user would notice.
std::string effectOf(const FakeWindow& window, int advances) {
    if (window.ends) return "exit";
    if (!window.repaints.empty()) return "spin";
    if (window.beeps) return "save";
    if (window.ticks.back() == 0) return "timer off";
    if (advances >= 2000) return "next";
    if (advances == 2) return "shuffle";
    return window.LabelPoints() == 14 ? "previous" : "nothing";
}

TEST(KeyMap, EveryKeyActsTheSameWithAnyModifiersAndOthersDoNothing) {
    const std::pair<std::int16_t, const char*> keys[] = {
        {8, "previous"},   {9, "next"},     {13, "next"},    {27, "exit"},    {32, "next"},
        {66, "next"},      {67, "shuffle"}, {78, "next"},    {83, "save"},    {86, "next"},
        {88, "timer off"}, {90, "spin"},    {65, "nothing"}, {46, "nothing"}, {48, "nothing"},
        {112, "nothing"},  {98, "nothing"}, {-1, "nothing"}, {0, "nothing"},  {32767, "nothing"}};
    for (const auto& [code, effect] : keys) {
        for (std::int16_t shift : {0, 1, 2, 4, 7}) {
            ScriptedRandom random;
            FakeWindow window{random};
            Viewer& viewer = window.form().viewer();
            window.form().Form_Load();
            viewer.mnuColor_Click();  // so that C has something to do
            viewer.mnu1S_Click();     // and X
            const int advances = random.advances;
            viewer.Form_KeyDown(code, shift);
            EXPECT_EQ(effectOf(window, random.advances - advances), effect) << code << "/" << shift;
        }
    }
}

TEST_F(Commands, AnIntervalItemStartsTheTimerWhoseTicksShowVersesAndOffStopsIt) {
    viewer().mnu30S_Click();
    EXPECT_EQ(window.ticks.back(), 30000);
    scriptVerse(random, state().VerseIndex, 43);
    viewer().Timer1_Timer();
    EXPECT_EQ(window.title, WindowTitle(43));
    viewer().mnuAutoOff_Click();
    EXPECT_EQ(window.ticks.back(), 0);
}

TEST_F(Commands, FixedSchemesSetTheirColoursWithoutDrawingAndShuffleWaitsForColor) {
    const int advances = random.advances;
    viewer().ShuffleColors();
    EXPECT_EQ(window.LabelForeColor(), 0xFFFFFFu);
    viewer().mnuBW_Click();
    EXPECT_EQ(std::pair(window.LabelForeColor(), window.LabelBackColor()),
              std::pair(0x000000u, 0xFFFFFFu));
    viewer().mnuWB_Click();
    EXPECT_EQ(std::pair(window.LabelForeColor(), window.LabelBackColor()),
              std::pair(0xFFFFFFu, 0x000000u));
    EXPECT_EQ(random.advances, advances);
}

TEST_F(Commands, ColorRepeatsTheLastDrawOnBlackThenDrawsAfreshWithEveryVerse) {
    viewer().mnuBW_Click();  // white background, which Color turns black again
    random.keepArguments = true;
    viewer().mnuColor_Click();
    ASSERT_EQ(random.arguments, std::vector<float>{0.0f});
    EXPECT_EQ(window.LabelForeColor(), Palette16[state().ColorIndex]);
    EXPECT_EQ(window.LabelBackColor(), 0x000000u);
    scriptVerse(random, state().VerseIndex, 3);
    random.script.push_back(0.0f);  // the verse's colour: index 1
    viewer().Label1_Click();
    EXPECT_EQ(window.LabelForeColor(), Palette16[1]);
    random.script = {0.25f, 0.75f};
    viewer().ShuffleColors();
    EXPECT_EQ(std::pair(window.LabelForeColor(), window.LabelBackColor()),
              std::pair(Palette16[4], Palette16[12]));
    show(9);
    EXPECT_EQ(window.LabelBackColor(), 0x000000u);
}

}  // namespace
}  // namespace lumora::testing

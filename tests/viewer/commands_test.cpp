#include <gtest/gtest.h>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/viewer_fixture.h"
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
    EXPECT_EQ(window.fontSize, 14);
    EXPECT_EQ(window.title, title);
}

TEST_F(Commands, SaveAppendsAnEmptyLineAndTheTextShownThenBeeps) {
    show(10);
    show(945);
    viewer().mnuPrint_Click();
    viewer().mnuPrev_Click();
    viewer().mnuPrint_Click();
    EXPECT_EQ(window.files.at("Scripture.txt"), "\r\n" + std::string(LookupVerse(945).Caption) +
                                                    "\r\n\r\n" +
                                                    std::string(LookupVerse(10).Caption) + "\r\n");
    EXPECT_EQ(window.beeps, 2);
}

TEST_F(Commands, AFailedSaveSaysWhyUnderTheProgramsNameAndCarriesOnWithoutBeeping) {
    window.fileFailure = "Permission denied";
    viewer().mnuPrint_Click();
    EXPECT_EQ(window.beeps, 0);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].first.find("\"Scripture.txt\""), std::string::npos);
    EXPECT_NE(window.messages[0].first.find("Permission denied"), std::string::npos);
    EXPECT_EQ(window.messages[0].second, "Lum\u00D0ra");
    EXPECT_FALSE(window.ended);
}

TEST_F(Commands, AboutShowsSevenLinesUnderItsTitleAndChangesNothing) {
    const ViewerState before = state();
    viewer().mnuAbout_Click();
    EXPECT_EQ(window.calls, std::vector<std::string>{"ShowMessage(Lum\u00D0ra  1100)"});
    EXPECT_EQ(window.messages[0].first,
              "Lum\u00D0ra      (Ver 1100)\r\nWritten in C++ for tests\r\n\r\n" +
                  std::string(kWebAddress) + "\r\n\r\nFreeWare\r\nPublic Domain");
    EXPECT_EQ(state().CurrentVerse, before.CurrentVerse);
    EXPECT_EQ(state().PreviousVerse, before.PreviousVerse);
    EXPECT_EQ(state().VerseIndex, before.VerseIndex);
}

TEST_F(Commands, SpinShowsAThousandVersesEachPaintedBeforeTheNextThenBeeps) {
    for (int pass = 1; pass <= 1000; ++pass) {
        random.script.insert(random.script.end(), 1999, 0.5f);
        random.script.push_back(drawFor(pass));
    }
    viewer().mnuSpin_Click();
    EXPECT_EQ(state().SpinCount, 1001);
    EXPECT_EQ(window.refreshes, 1000);
    // The first repaint shows the verse from before SPIN; the last verse is
    // painted once the command has returned.
    EXPECT_EQ(window.calls.front(), "RefreshLabel");
    EXPECT_EQ(window.calls.end()[-2], "GetCaption");
    EXPECT_EQ(window.calls.back(), "Beep");
    EXPECT_EQ(state().PreviousVerse, LookupVerse(999).Caption);
    EXPECT_EQ(window.title, WindowTitle(1000));
}

// What one key-down did, told by the services it used.
std::string effectOf(const FakeWindow& window, int advances) {
    if (window.ended) return "exit";
    if (window.beeps) return window.refreshes ? "spin" : "save";
    if (!window.calls.empty() && window.calls.front() == "SetFontSize(14)") return "previous";
    if (!window.calls.empty() && window.calls.front() == "Timer.Enabled(0)") return "timer off";
    if (advances >= 2000) return "next";
    if (advances == 2) return "shuffle";
    return window.calls.empty() ? "nothing" : "unexpected";
}

TEST(KeyMap, EveryKeyActsTheSameWithAnyModifiersAndOthersDoNothing) {
    const std::pair<std::int16_t, const char*> keys[] = {
        {8, "previous"},   {9, "next"},     {13, "next"},    {27, "exit"},    {32, "next"},
        {66, "next"},      {67, "shuffle"}, {78, "next"},    {83, "save"},    {86, "next"},
        {88, "timer off"}, {90, "spin"},    {65, "nothing"}, {46, "nothing"}, {48, "nothing"},
        {112, "nothing"},  {98, "nothing"}, {-1, "nothing"}, {0, "nothing"},  {32767, "nothing"}};
    for (const auto& [code, effect] : keys) {
        for (std::int16_t shift : {0, 1, 2, 4, 7}) {
            FakeWindow window;
            ScriptedRandom random;
            Form1 form{window, random, ""};
            form.Form_Load();
            form.viewer().mnuColor_Click();  // so that C has something to do
            window.calls.clear();
            window.recording = code != 90;
            const int advances = random.advances;
            form.viewer().Form_KeyDown(code, shift);
            EXPECT_EQ(effectOf(window, random.advances - advances), effect) << code << "/" << shift;
        }
    }
}

TEST_F(Commands, IntervalItemsStartTheTimerWhoseTicksShowVersesAndOffStopsIt) {
    const std::pair<void (Viewer::*)(), int> items[] = {
        {&Viewer::mnu1S_Click, 1000},   {&Viewer::mnu2S_Click, 2000},
        {&Viewer::mnu3S_Click, 3000},   {&Viewer::mnu5S_Click, 5000},
        {&Viewer::mnu10S_Click, 10000}, {&Viewer::mnu30S_Click, 30000},
        {&Viewer::mnu60S_Click, 60000}};
    for (auto [item, period] : items) {
        window.calls.clear();
        (viewer().*item)();
        EXPECT_EQ(window.calls,
                  (std::vector<std::string>{"Timer.Enabled(1)",
                                            "Timer.Interval(" + std::to_string(period) + ")"}));
    }
    scriptVerse(random, state().VerseIndex, 43);
    viewer().Timer1_Timer();
    EXPECT_EQ(window.title, WindowTitle(43));
    viewer().mnuAutoOff_Click();
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(window.timerInterval, 60000);
}

TEST_F(Commands, FixedSchemesSetTheirColoursWithoutDrawingAndShuffleWaitsForColor) {
    const int advances = random.advances;
    viewer().ShuffleColors();
    EXPECT_TRUE(window.calls.empty());
    viewer().mnuBW_Click();
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"SetForeColor(0)", "SetBackColor(16777215)"}));
    viewer().mnuWB_Click();
    EXPECT_EQ(window.fore, 0xFFFFFFu);
    EXPECT_EQ(window.back, 0x000000u);
    EXPECT_EQ(random.advances, advances);
}

TEST_F(Commands, ColorRepeatsTheLastDrawOnBlackThenDrawsAfreshWithEveryVerse) {
    viewer().mnuBW_Click();  // white background, which Color turns black again
    random.keepArguments = true;
    viewer().mnuColor_Click();
    ASSERT_EQ(random.arguments, std::vector<float>{0.0f});
    EXPECT_EQ(window.fore, Palette16[state().ColorIndex]);
    EXPECT_EQ(window.back, 0x000000u);
    scriptVerse(random, state().VerseIndex, 3);
    random.script.push_back(0.0f);  // the verse's colour: index 1
    viewer().Label1_Click();
    EXPECT_EQ(window.fore, Palette16[1]);
    random.script = {0.25f, 0.75f};
    viewer().ShuffleColors();
    EXPECT_EQ(window.fore, Palette16[4]);
    EXPECT_EQ(window.back, Palette16[12]);
    show(9);
    EXPECT_EQ(window.back, 0x000000u);
}

}  // namespace
}  // namespace lumora::testing

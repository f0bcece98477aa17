#include <gtest/gtest.h>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/viewer_fixture.h"
#include "viewer/commands.h"
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

TEST_F(Commands, SaveAppendsAnEmptyLineAndTheTextShown) {
    show(945);  // holds a no-break space, one byte in the file
    viewer().mnuPrint_Click();
    viewer().mnuPrint_Click();
    const std::string line = "\r\n" + std::string(LookupVerse(945).Caption) + "\r\n";
    EXPECT_EQ(window.files.at("Scripture.txt"), line + line);
    EXPECT_EQ(window.beeps, 2);

    viewer().mnuPrev_Click();  // right after one draw: the label is not empty
    window.caption.clear();
    viewer().mnuPrint_Click();
    EXPECT_TRUE(window.files.at("Scripture.txt").ends_with(line + "\r\n\r\n"));
}

TEST_F(Commands, SaveAfterPreviousWritesTheEarlierText) {
    show(10);
    show(20);
    viewer().mnuPrev_Click();
    viewer().mnuPrint_Click();
    EXPECT_EQ(window.files.at("Scripture.txt"),
              "\r\n" + std::string(LookupVerse(10).Caption) + "\r\n");
}

TEST_F(Commands, AFailedSaveSaysWhyAndCarriesOnWithoutBeeping) {
    window.fileFailure = "Permission denied";
    const ViewerState before = state();
    viewer().mnuPrint_Click();
    EXPECT_EQ(window.beeps, 0);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].first.find("\"Scripture.txt\""), std::string::npos);
    EXPECT_NE(window.messages[0].first.find("Permission denied"), std::string::npos);
    EXPECT_EQ(window.messages[0].second, "Lum\u00D0ra");
    EXPECT_EQ(state().CurrentVerse, before.CurrentVerse);
    EXPECT_FALSE(window.ended);
}

TEST_F(Commands, AboutShowsSevenLinesUnderItsTitle) {
    viewer().mnuAbout_Click();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].second, "Lum\u00D0ra  1100");
    EXPECT_EQ(window.messages[0].first,
              "Lum\u00D0ra      (Ver 1100)\r\nWritten in C++ for tests\r\n\r\n" +
                  std::string(kWebAddress) + "\r\n\r\nFreeWare\r\nPublic Domain");
}

TEST_F(Commands, SpinShowsAThousandVersesEachPaintedBeforeTheNextThenBeeps) {
    // Each verse's 2000 advancing draws, the last one deciding.
    for (int pass = 1; pass <= 1000; ++pass) {
        random.script.insert(random.script.end(), 1999, 0.5f);
        random.script.push_back(drawFor(pass));
    }
    viewer().mnuSpin_Click();
    EXPECT_EQ(state().SpinCount, 1001);
    EXPECT_EQ(window.beeps, 1);
    EXPECT_EQ(window.refreshes, 1000);
    // The first repaint shows the verse from before SPIN; the last verse is
    // painted only once the command has returned.
    EXPECT_EQ(window.calls.front(), "RefreshLabel");
    EXPECT_EQ(window.calls.end()[-2], "GetCaption");  // the last verse's history, no repaint
    EXPECT_EQ(window.calls.back(), "Beep");
    EXPECT_EQ(state().PreviousVerse, LookupVerse(999).Caption);
    EXPECT_EQ(state().CurrentVerse, LookupVerse(1000).Caption);
    EXPECT_EQ(window.title, WindowTitle(1000));
}

struct KeyCase {
    std::int16_t code;
    const char* effect;
};

// What one key-down leaves behind, told by the services it used.
std::string effectOf(FakeWindow& window, ScriptedRandom& random, int advancesBefore) {
    if (window.ended) return "exit";
    if (window.beeps && window.refreshes) return "spin";
    if (window.beeps) return "save";
    if (!window.calls.empty() && window.calls.front() == "SetFontSize(14)") return "previous";
    if (!window.calls.empty() && window.calls.front() == "Timer.Enabled(0)") return "timer off";
    if (random.advances - advancesBefore >= 2000) return "next";  // and a colour draw
    if (random.advances - advancesBefore == 2) return "shuffle";
    return window.calls.empty() ? "nothing" : "unexpected";
}

TEST(KeyMap, EveryKeyActsTheSameWithAnyModifiersAndOthersDoNothing) {
    const std::vector<KeyCase> keys = {
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
            EXPECT_EQ(effectOf(window, random, advances), effect) << code << " shift " << shift;
        }
    }
}

TEST_F(Commands, TheIntervalItemsStartTheTimerAndOffStopsIt) {
    using Item = void (Viewer::*)();
    const std::vector<std::pair<Item, int>> items = {
        {&Viewer::mnu1S_Click, 1000},   {&Viewer::mnu2S_Click, 2000},
        {&Viewer::mnu3S_Click, 3000},   {&Viewer::mnu5S_Click, 5000},
        {&Viewer::mnu10S_Click, 10000}, {&Viewer::mnu30S_Click, 30000},
        {&Viewer::mnu60S_Click, 60000}};
    EXPECT_FALSE(window.timerEnabled);
    for (auto [item, period] : items) {
        window.calls.clear();
        (viewer().*item)();
        EXPECT_EQ(window.calls,
                  (std::vector<std::string>{"Timer.Enabled(1)",
                                            "Timer.Interval(" + std::to_string(period) + ")"}));
    }
    viewer().mnuAutoOff_Click();
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(window.timerInterval, 60000);
    viewer().Form_KeyDown(88, 0);
    EXPECT_FALSE(window.timerEnabled);
}

TEST_F(Commands, ATickShowsTheNextVerseLikeAClick) {
    scriptVerse(random, state().VerseIndex, 42);
    viewer().Timer1_Timer();
    EXPECT_EQ(window.title, WindowTitle(42));
    EXPECT_EQ(window.caption, LookupVerse(42).Caption);
}

}  // namespace
}  // namespace lumora::testing

// What the transcripts cannot show: the clock's seed, the toolkit's closing
// events raised from inside the end, when SPIN paints, and the exact size a
// caption too long for the label is drawn at.
#include <gtest/gtest.h>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/fake_window.h"

namespace lumora::testing {

// The transcripts play on the pretend window here.
std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<FakeWindow>(random);
}

namespace {

TEST(FormLoad, StartUpsAMomentApartSeedUnrelatedSequences) {
    ScriptedRandom first, second;
    FakeWindow firstWindow{first}, secondWindow{second};
    ASSERT_TRUE(firstWindow.Start() && secondWindow.Start());
    EXPECT_NE(SplitMixRandom(first.seedGiven).Draw(1), SplitMixRandom(second.seedGiven).Draw(1));
}

// As Qt 6.5 and later do from inside exit(), and as closing the windows does.
TEST(Closing, ClosingEventsRaisedWhileEndingEndNothingTwiceAndRunNothing) {
    ScriptedRandom random;
    FakeWindow window{random};
    int ends = 0;
    window.onEnd = [&] {
        ++ends;
        window.OnTerminated();
        window.OnCloseRequested();
        window.OnCommand(&Viewer::Label1_Click);
    };
    ASSERT_TRUE(window.Start());
    const int advances = random.advances;
    window.Press(kEscape, 0);
    window.form().UnloadAndEnd();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(window.form().ExitStatus(), 0);
    EXPECT_EQ(random.advances, advances);
}

TEST(Spin, PaintsEachVerseBeforeDrawingTheNext) {
    ScriptedRandom random;
    FakeWindow window{random};
    ASSERT_TRUE(window.Start());
    const std::string before = window.Read().label;
    for (int pass = 1; pass <= 1000; ++pass) scriptVerse(random, 1, pass);
    window.Choose("mnuSpin");
    ASSERT_EQ(window.repaints.size(), 1000u);
    EXPECT_EQ(window.repaints.front(), before);
    EXPECT_EQ(window.repaints.back(), LookupVerse(999).Caption);
    EXPECT_EQ(window.Read().label, LookupVerse(1000).Caption);
}

// On the pretend toolkit a hundred four-letter words asked for at 18 points
// take 9 lines of 27 pixels (243); 8 of 26 at 17 points (208), 8 of 24 at 16
// (192), 7 of 21 at 14 (147) and 4 of 12 at 8 (48). The label is what a
// thicker frame leaves of 366 pixels.
TEST(CaptionFit, ACaptionTooLongForTheLabelTakesTheLargestWholeSizeThatFitsDownTo8Points) {
    std::string longCaption;
    for (int word = 0; word < 100; ++word) longCaption += word ? " abcd" : "abcd";
    const std::pair<int, double> labelHeightAndSize[] = {{366, 18}, {243, 18}, {242, 17},
                                                         {200, 16}, {150, 14}, {40, 8}};
    for (const auto& [labelHeight, points] : labelHeightAndSize) {
        ScriptedRandom random;
        FakeWindow window{random};
        window.ThickenFrame(366 - labelHeight);
        ASSERT_TRUE(window.Start());
        window.SetFontSize(18);
        window.SetCaption(longCaption);
        window.RefreshLabel();
        EXPECT_EQ(window.Read().points, points) << "a label " << labelHeight << " pixels high";
        window.SetCaption("abcd");
        window.RefreshLabel();
        EXPECT_EQ(window.Read().points, 18) << "a short caption after it";
    }
}

}  // namespace
}  // namespace lumora::testing

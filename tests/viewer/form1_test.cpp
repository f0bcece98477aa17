// What the transcripts cannot show: the clock's seed, the toolkit's closing
// events raised from inside the end, and when SPIN paints.
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

}  // namespace
}  // namespace lumora::testing

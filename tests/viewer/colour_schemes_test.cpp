#include <gtest/gtest.h>

#include "tests/viewer/viewer_fixture.h"
#include "viewer/palette16.h"

namespace lumora::testing {
namespace {

using ColourSchemes = ViewerTest;

int flagsSet(const ViewerState& state) {
    return state.ColorMode + state.BlackWhiteMode + (state.WhiteBlackMode == -1);
}

TEST_F(ColourSchemes, StartUpIsWhiteOnBlackAndTheShuffleKeyDoesNothing) {
    EXPECT_EQ(state().WhiteBlackMode, -1);
    EXPECT_EQ(flagsSet(state()), 1);
    viewer().ShuffleColors();
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(random.advances, 1999);
}

TEST_F(ColourSchemes, FixedSchemesSetTheirColoursWithoutDrawing) {
    const int advances = random.advances;
    viewer().mnuBW_Click();
    EXPECT_TRUE(state().BlackWhiteMode);
    EXPECT_EQ(flagsSet(state()), 1);
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"SetForeColor(0)", "SetBackColor(16777215)"}));
    viewer().mnuWB_Click();
    EXPECT_EQ(state().WhiteBlackMode, -1);
    EXPECT_EQ(flagsSet(state()), 1);
    EXPECT_EQ(window.fore, 0xFFFFFFu);
    EXPECT_EQ(window.back, 0x000000u);
    EXPECT_EQ(random.advances, advances);
}

TEST_F(ColourSchemes, TheFirstColourDrawRepeatsTheLastValueThenDrawsAfresh) {
    viewer().mnuBW_Click();  // white background, which Color turns black again
    random.keepArguments = true;
    viewer().mnuColor_Click();
    ASSERT_EQ(random.arguments, std::vector<float>{0.0f});
    EXPECT_TRUE(state().ColorMode);
    EXPECT_EQ(flagsSet(state()), 1);
    EXPECT_GE(state().ColorIndex, 1);
    EXPECT_EQ(window.fore, Palette16[state().ColorIndex]);
    EXPECT_EQ(window.back, 0x000000u);

    random.script = {0.75f};
    viewer().mnuColor_Click();
    EXPECT_NE(random.arguments.back(), 0.0f);
    EXPECT_EQ(state().ColorIndex, 12);
    EXPECT_EQ(window.fore, Palette16[12]);
}

TEST_F(ColourSchemes, ColourSchemeDrawsANewTextColourWithEveryVerse) {
    viewer().mnuColor_Click();
    random.script = {0.25f};
    viewer().mnuColor_Click();
    EXPECT_EQ(state().ColorIndex, 4);
    scriptVerse(random, state().VerseIndex, 3);
    random.script.push_back(0.0f);  // DrawColorIndex: 0 gives index 1
    viewer().Label1_Click();
    EXPECT_EQ(state().ColorIndex, 1);
    EXPECT_EQ(window.fore, Palette16[1]);
    EXPECT_EQ(window.back, 0x000000u);
}

TEST_F(ColourSchemes, ShuffleThrowsBothColoursUntilTheNextVerse) {
    viewer().mnuColor_Click();
    random.script = {0.25f, 0.75f};
    viewer().ShuffleColors();
    EXPECT_EQ(window.fore, Palette16[4]);
    EXPECT_EQ(window.back, Palette16[12]);
    EXPECT_EQ(state().ColorIndex, 12);
    EXPECT_TRUE(state().ColorMode);
    show(9);
    EXPECT_EQ(window.back, 0x000000u);
}

}  // namespace
}  // namespace lumora::testing

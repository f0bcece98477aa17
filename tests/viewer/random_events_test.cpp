// A long run of random user events against the invariants that hold after
// every handler, reproducible from a fixed seed.
#include <gtest/gtest.h>

#include <random>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/fake_window.h"
#include "viewer/palette16.h"
#include "window/form1.h"
#include "window/form1_description.h"

namespace lumora::testing {
namespace {

std::vector<form1::Handler> menuCommands() {
    std::vector<form1::Handler> commands;
    for (const form1::MenuEntry& entry : form1::kMenuBar) {
        if (entry.onClick) commands.push_back(entry.onClick);
        for (const form1::MenuItem& item : entry.items) commands.push_back(item.onClick);
    }
    return commands;
}

// The colours the scheme that is on gives a new verse.
void expectSchemeColours(const ViewerState& state, const FakeWindow& window) {
    if (state.ColorMode) {
        ASSERT_EQ(window.fore, Palette16[state.ColorIndex]);
        ASSERT_EQ(window.back, Palette16[kBlack]);
    } else if (state.BlackWhiteMode) {
        ASSERT_EQ(window.fore, Palette16[kBlack]);
        ASSERT_EQ(window.back, Palette16[kBrightWhite]);
    } else {
        ASSERT_EQ(window.fore, Palette16[kBrightWhite]);
        ASSERT_EQ(window.back, Palette16[kBlack]);
    }
}

TEST(RandomEvents, InvariantsHoldAfterEveryEvent) {
    FakeWindow window;
    window.recording = false;
    ScriptedRandom random;  // with no script: a seeded generator that counts draws
    Form1 form{window, random, ""};
    form.Form_Load();
    Viewer& viewer = form.viewer();
    const ViewerState& state = viewer.state();
    const std::vector<form1::Handler> commands = menuCommands();
    ASSERT_EQ(commands.size(), 16u);

    std::mt19937 events(7);
    bool colourDrawn = false;
    for (int event = 0; event < 100'000; ++event) {
        const ViewerState before = state;
        const int advancesBefore = random.advances;
        const unsigned kind = events() % 100;
        bool spin = false;
        if (kind < 35) {
            viewer.Label1_Click();
        } else if (kind < 50) {
            viewer.Timer1_Timer();
        } else if (kind < 80) {
            form1::Handler command = commands[events() % commands.size()];
            spin = command == &Viewer::mnuSpin_Click && events() % 100 == 0;
            if (command != &Viewer::mnuSpin_Click || spin) (viewer.*command)();
        } else {
            const auto code = static_cast<std::int16_t>(events() % 2 ? events() : events() % 128);
            spin = code == 90;
            viewer.Form_KeyDown(code, static_cast<std::int16_t>(events() % 8));
        }
        colourDrawn = colourDrawn || state.ColorMode;

        ASSERT_EQ(state.ColorMode + state.BlackWhiteMode + (state.WhiteBlackMode == -1), 1);
        if (colourDrawn) {
            ASSERT_GE(state.ColorIndex, 1);
            ASSERT_LE(state.ColorIndex, 15);
        } else {
            ASSERT_EQ(state.ColorIndex, 0);
        }
        ASSERT_GE(state.VerseIndex, 1);
        ASSERT_LE(state.VerseIndex, 1102);
        ASSERT_EQ(state.StirCount, 1001);

        // A verse takes 2000 draws, one fewer for each first draw that came out 0.
        if (random.advances - advancesBefore >= 1000) {
            ASSERT_EQ(state.CurrentVerse, LookupVerse(state.VerseIndex).Caption);
            ASSERT_EQ(window.caption, state.CurrentVerse);
            if (!spin) {
                ASSERT_EQ(state.PreviousVerse, before.CurrentVerse);
            }
            expectSchemeColours(state, window);
        } else {
            ASSERT_EQ(state.CurrentVerse, before.CurrentVerse) << event << " kind " << kind;
            ASSERT_EQ(state.PreviousVerse, before.PreviousVerse);
        }
        ASSERT_EQ(state.SpinCount, spin || before.SpinCount ? 1001 : 0);
    }
}

}  // namespace
}  // namespace lumora::testing

#pragma once

#include <gtest/gtest.h>

#include "tests/viewer/fake_window.h"
#include "window/form1.h"

namespace lumora::testing {

// A started window on the recording fake, with scripted draws.
class ViewerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form.Start());
        window.calls.clear();
    }

    // Runs the show-next-verse operation so that it draws `index`.
    void show(int index) {
        scriptVerse(random, state().VerseIndex, index);
        viewer().Label1_Click();
    }

    Viewer& viewer() { return form.viewer(); }
    ViewerState& state() { return form.viewer().state(); }

    FakeWindow window;
    ScriptedRandom random;
    Form1 form{window, random, "Written in C++ for tests"};
};

}  // namespace lumora::testing

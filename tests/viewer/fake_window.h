#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/scripted_random.h"
#include "window/form_window.h"

namespace lumora::testing {

// Form1's window on a pretend toolkit that keeps what a user would see and
// hear; FormWindow makes its decisions as it does for the real front-ends.
class FakeWindow final : public FormWindow {
  public:
    explicit FakeWindow(RandomSource& random) : FormWindow(random, "Written in C++ for tests") {}

    std::string title, caption;
    std::vector<std::string> repaints;                          // the caption at each repaint
    std::vector<std::pair<std::string, std::string>> messages;  // prompt, title
    std::map<std::string, std::string> files;
    std::string fileFailure;    // when set, appending fails with this reason
    bool captionFails = false;  // showing a caption fails
    std::vector<int> ticks;     // each period started, 0 for a stop
    int beeps = 0, ends = 0;
    std::function<void()> onEnd;
    double dpi = 96;
    PixelSize outer{661, 366}, frame{2, 46}, label;
    std::pair<int, int> shownAt;

    void SetTitle(const std::string& text) override { title = text; }
    void RefreshLabel() override { repaints.push_back(caption); }
    void Beep() override { ++beeps; }
    void ShowMessage(const std::string& prompt, const std::string& boxTitle) override {
        messages.emplace_back(prompt, boxTitle);
    }
    void AppendToFile(const std::string& name, const std::string& text) override {
        if (!fileFailure.empty()) throw FileFailure(fileFailure);
        files[name] += text;
    }
    void ShowFailure(const std::string&) override {}
    void EndProgram(int) override {
        ++ends;
        if (onEnd) onEnd();
    }

  protected:
    double DotsPerInch() const override { return dpi; }
    void ShowCaption(std::string_view text) override {
        if (captionFails) throw WindowFailure("Overflow");
        caption = text;
    }
    void ApplyFont(double) override {}
    void ApplyColours(Rgb, Rgb) override {}
    void StartTicks(int milliseconds) override { ticks.push_back(milliseconds); }
    void StopTicks() override { ticks.push_back(0); }
    PixelSize OuterSize() const override { return outer; }
    void ResizeOuter(PixelSize size) override { outer = size; }
    PixelSize ClientSize() const override {
        return {outer.width - frame.width, outer.height - frame.height};
    }
    void ResizeLabel(PixelSize size) override { label = size; }
    PixelRect AvailableArea() const override { return {0, 0, 1280, 800}; }
    void ShowAt(int left, int top) override { shownAt = {left, top}; }
};

// A started window with scripted draws, its handlers called directly.
class ViewerTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(window.form().Start()); }

    // Runs the show-next-verse operation so that it draws `index`.
    void show(int index) {
        scriptVerse(random, state().VerseIndex, index);
        viewer().Label1_Click();
    }
    Viewer& viewer() { return window.form().viewer(); }
    ViewerState& state() { return viewer().state(); }
    int verses() const { return random.advances / 2000; }  // shown since start-up

    ScriptedRandom random;
    FakeWindow window{random};
};

inline std::string captionOf(int row) {
    return std::string(LookupVerse(static_cast<std::int16_t>(row)).Caption);
}

}  // namespace lumora::testing

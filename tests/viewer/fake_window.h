#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "viewer/random_source.h"
#include "viewer/window_services.h"

namespace lumora::testing {

// Records every service call in order and keeps what a user would see.
class FakeWindow : public WindowServices {
  public:
    mutable std::vector<std::string> calls;
    std::string title, caption;
    int fontSize = 0;
    Rgb fore = 0xFFFFFF, back = 0x000000;
    bool timerEnabled = true;
    int timerInterval = 1000;
    int beeps = 0, refreshes = 0;
    std::vector<std::pair<std::string, std::string>> messages;  // prompt, title
    std::map<std::string, std::string> files;
    std::string fileFailure;  // when set, appending fails with this reason
    std::string failingCall;  // the call that raises WindowFailure
    bool shown = false, ended = false;
    int outerWidth = 0;
    float outerHeight = 0;
    bool recording = true;  // off to keep long runs light

    void SetTitle(const std::string& text) override { record("SetTitle", text), title = text; }
    void SetCaption(std::string_view text) override {
        record("SetCaption", std::string(text));
        caption = text;
    }
    std::string GetCaption() const override {
        record("GetCaption", std::string());
        return caption;
    }
    void SetFontSize(int points) override { record("SetFontSize", points), fontSize = points; }
    void SetForeColor(Rgb colour) override { record("SetForeColor", colour), fore = colour; }
    void SetBackColor(Rgb colour) override { record("SetBackColor", colour), back = colour; }
    void RefreshLabel() override { record("RefreshLabel", std::string()), ++refreshes; }
    void Beep() override { record("Beep", std::string()), ++beeps; }
    void ShowMessage(const std::string& prompt, const std::string& boxTitle) override {
        record("ShowMessage", boxTitle);
        messages.emplace_back(prompt, boxTitle);
    }
    void SetEnabled(bool on) override { record("Timer.Enabled", on), timerEnabled = on; }
    void SetInterval(int ms) override { record("Timer.Interval", ms), timerInterval = ms; }
    void SetOuterWidth(int twips) override { record("SetOuterWidth", twips), outerWidth = twips; }
    int OuterWidth() const override { return outerWidth; }
    void SetOuterHeight(float twips) override {
        record("SetOuterHeight", std::string()), outerHeight = twips;
    }
    double ClientWidth() const override { return outerWidth - 150; }
    double ClientHeight() const override { return outerHeight - 720; }
    void SetLabelSize(std::int16_t width, std::int16_t) override { record("SetLabelSize", width); }
    void AppendToFile(const std::string& name, const std::string& text) override {
        record("AppendToFile", name);
        if (!fileFailure.empty()) throw FileFailure(fileFailure);
        files[name] += text;
    }
    void ShowForm() override { record("ShowForm", std::string()), shown = true; }
    void ShowFailure(const std::string& reason) override { record("ShowFailure", reason); }
    void EndProgram(int exitStatus) override { record("EndProgram", exitStatus), ended = true; }

  private:
    template <typename Value>
    void record(const std::string& name, const Value& value) const {
        if (name == failingCall) throw WindowFailure(name + " refused");
        if (!recording) return;
        std::string entry = name;
        if constexpr (std::is_same_v<Value, std::string>) {
            if (!value.empty()) entry += "(" + value + ")";
        } else {
            entry += "(" + std::to_string(value) + ")";
        }
        calls.push_back(entry);
    }
};

// Plays back scripted values, then goes on with a seeded generator; counts
// the draws that advanced and keeps every argument.
class ScriptedRandom final : public RandomSource {
  public:
    std::deque<float> script;
    std::vector<float> arguments;
    int advances = 0;
    std::uint64_t seedGiven = 0;
    bool keepArguments = false;
    bool failing = false;             // every draw fails, as an overflow would
    std::function<void()> onAdvance;  // runs at every advancing draw

    // Ignores the clock's seed, so that every run draws the same values.
    void Seed(std::uint64_t seed) override {
        seedGiven = seed;
        inner_.Seed(7);
        last_ = inner_.Draw(0);
    }
    float Draw(float argument) override {
        if (failing) throw WindowFailure("Overflow");
        if (keepArguments) arguments.push_back(argument);
        if (argument == 0) return last_;
        ++advances;
        if (onAdvance) onAdvance();
        if (script.empty()) return last_ = inner_.Draw(1);
        last_ = script.front();
        script.pop_front();
        return last_;
    }

  private:
    SplitMixRandom inner_{7};
    float last_ = inner_.Draw(0);
};

// A draw that selects `index` in the stirring loop.
inline float drawFor(int index) {
    return (static_cast<float>(index) - 0.5f) / 1102.0f;
}

// Scripts the next show-next-verse call to end on `index`: its last advancing
// draw is the one that decides (1999 of them right after start-up, else 2000).
inline void scriptVerse(ScriptedRandom& random, std::int16_t verseIndexBefore, int index) {
    random.script.assign(verseIndexBefore == 0 ? 1998 : 1999, 0.5f);
    random.script.push_back(drawFor(index));
}

}  // namespace lumora::testing

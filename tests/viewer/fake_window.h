#pragma once

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <ranges>

#include "tests/window/window_driver.h"
#include "window/windows1252.h"

namespace lumora::testing {

// Form1's window on a pretend toolkit that keeps what a user would see and
// hear, driven as the real ones are; FormWindow makes its decisions as it does
// for the real front-ends.
class FakeWindow final : public FormWindow, public WindowDriver {
  public:
    explicit FakeWindow(RandomSource& random) : FormWindow(random, "Written in C++ for tests") {
        // The label and timer as the description creates them.
        look_.points = form1::kLabelFont.points;
        look_.fore = form1::kLabelForeColor;
        look_.back = form1::kLabelBackColor;
        look_.period = form1::kTimerInterval;
        look_.minimiseButton = form1::kMinimiseButton;
        look_.maximiseButton = form1::kMaximiseButton;
        look_.closeButton = true;
        for (const form1::MenuEntry& entry : form1::kMenuBar) {
            look_.menuBar.push_back({std::string(entry.caption)});
            for (const form1::MenuItem& item : entry.items)
                look_.menuBar.back().emplace_back(item.caption);
        }
    }

    std::vector<std::string> repaints;  // the caption at each forced repaint
    std::function<void()> onEnd;        // runs as the program ends

    // The toolkit.
    void SetTitle(const std::string& text) override { look_.title = text; }
    void ShowMessage(const std::string& prompt, const std::string& title) override {
        if (whileOpen_) whileOpen_({title, prompt, 1, false});
    }
    // Written for real, so that folders and full disks refuse as they do.
    void AppendToFile(const std::string& name, const std::string& text) override {
        std::ofstream file(name, std::ios::binary | std::ios::app);
        if (!(file << EncodeWindows1252(text)).flush()) throw FileFailure(std::strerror(errno));
    }
    void ShowFailure(const std::string& reason) override {
        if (whileOpen_) whileOpen_({std::string(form1::kDesignTitle), reason, 1, true});
    }
    void EndProgram(int) override {
        look_.visible = false;
        if (onEnd) onEnd();
    }

    // The driver.
    FormWindow& window() override { return *this; }
    int Run(const std::function<void()>& play) override {
        play();
        return form().Ended() ? form().ExitStatus() : kStillRunning;
    }
    bool Start() override { return form().Start(); }
    void ThickenFrame(int pixels) override { frameExtra_ = pixels; }
    void Wait(int) override {}
    // With Alt, the menu bar runs the entry whose access letter the key is.
    void Press(Key key, int modifiers) override {
        const form1::MenuEntry* entry = modifiers & kAlt ? form1::AccessLetterEntry(key) : nullptr;
        if (entry) return Choose(std::string(entry->name));
        OnKeyDown(static_cast<std::int16_t>(key), static_cast<std::int16_t>(modifiers));
    }
    void Queue(Key) override { ADD_FAILURE() << "the pretend window queues nothing"; }
    // The right button and minimising raise no event the window handles.
    void Do(const std::string& gesture) override {
        using enum LeftButton;
        if (gesture == "click") {
            for (LeftButton event : {Press, Release}) OnLeftButton(event, true);
        } else if (gesture == "double click") {
            for (LeftButton event : {Press, Release, DoubleClick, Release})
                OnLeftButton(event, true);
        } else if (gesture == "close from the title bar" || gesture == "end the session") {
            OnCloseRequested();
        } else if (gesture == "activate another window of the program") {
            OnActivationLost({.ofThisProgram = true});
        } else if (gesture == "a menu of the program takes the activation as it closes") {
            OnActivationLost({.ofThisProgram = true, .popup = true});
        } else if (gesture == "open the Auto menu") {
            OnMenuOpened();
        } else if (gesture == "close the menu") {
            OnMenuClosed();
        } else if (gesture != "right click" && gesture != "minimise and restore") {
            ADD_FAILURE() << "no such step: " << gesture;
        }
    }
    void Choose(const std::string& name) override {
        for (const form1::MenuEntry& entry : form1::kMenuBar) {
            if (entry.name == name) return OnCommand(entry.onClick);
            for (const form1::MenuItem& item : entry.items)
                if (item.name == name) return OnCommand(item.onClick);
        }
        ADD_FAILURE() << "no menu element " << name;
    }
    void Tick() override {
        if (look_.ticking) OnTick();
    }
    void AnswerBoxes(std::function<void(const BoxSeen&)> whileOpen) override {
        whileOpen_ = std::move(whileOpen);
    }
    Look Read() const override {
        Look look = look_;
        look.captionCut = TextHeight(look.label, look.points, label_.width) > label_.height;
        return look;
    }

  protected:
    double DotsPerInch() const override { return 96; }
    void ShowCaption(std::string_view text) override { look_.label = text; }
    // Pretend text: each character is 0.6 of the size wide and each line 1.5
    // of it high, in pixels; lines break at spaces.
    int TextHeight(std::string_view caption, double points, int width) const override {
        const double advance = points * 0.6;
        int lines = 1;
        double used = -advance;  // no space before a line's first word
        for (const auto word : std::views::split(caption, ' ')) {
            const double wordWidth = static_cast<double>(std::ranges::distance(word)) * advance;
            if (used >= 0 && used + advance + wordWidth > width) ++lines, used = -advance;
            used += advance + wordWidth;
        }
        return lines * static_cast<int>(std::ceil(points * 1.5));
    }
    void RepaintLabel() override { repaints.push_back(look_.label); }
    void AfterHandler() override {}  // screen readers are not pretended
    void AnnouncePassage(const std::string&) override {}
    void ApplyFont(double points) override { look_.points = points; }
    void ApplyColours(Rgb fore, Rgb back) override { look_.fore = fore, look_.back = back; }
    void SoundBeep() override {}
    void StartTicks(int milliseconds) override {
        look_.ticking = true, look_.period = milliseconds;
    }
    void StopTicks() override { look_.ticking = false; }
    PixelSize OuterSize() const override { return look_.outer; }
    void ResizeOuter(PixelSize size) override { look_.outer = size; }
    // The frame and menu bar take 2 by 46 pixels, and what a thicker frame takes.
    PixelSize ClientSize() const override {
        return {look_.outer.width - 2, look_.outer.height - 46 - frameExtra_};
    }
    void ResizeLabel(PixelSize size) override {
        label_ = size;
        look_.labelFillsClient =
            size.width == ClientSize().width && size.height == ClientSize().height;
    }
    PixelRect AvailableArea() const override { return {0, 0, 1280, 800}; }
    void ShowAt(int, int) override { look_.visible = true; }

  private:
    Look look_;
    PixelSize label_;
    int frameExtra_ = 0;
    std::function<void(const BoxSeen&)> whileOpen_;
};

}  // namespace lumora::testing

#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/viewer/scripted_random.h"
#include "window/form_window.h"

namespace lumora::testing {

// Keys by their virtual-key codes: letters and digits are their own characters.
using Key = int;
inline constexpr Key kBackspace = 8, kTab = 9, kReturn = 13, kEscape = 27, kDelete = 46, kF1 = 112;
inline constexpr int kShift = 1, kControl = 2, kAlt = 4;  // modifiers held, or-ed

// The window as a user sees it.
struct Look {
    bool visible = false, resizable = false, labelFillsClient = false, ticking = false;
    bool captionCut = false;  // lines of the caption fall below the label's edge
    bool minimiseButton = false, maximiseButton = false, closeButton = false;  // on the title bar
    std::string title, label;  // the label as assistive technology reads it
    double points = 0;
    Rgb fore = 0, back = 0;  // the background as painted in the client area's corner
    int period = 0;
    PixelSize outer;
    std::vector<std::vector<std::string>> menuBar;  // each entry's caption, then its items'
};

// A message box as it opened; lines of its text end in CR LF.
struct BoxSeen {
    std::string title, text;
    int buttons = 0;
    bool icon = false;
};

// What Run gives when the program did not end, or did not end in time.
inline constexpr int kStillRunning = -1, kTimedOut = -2, kDeadlineMs = 60'000;

// One front-end's real window, given its events the way its platform
// delivers them, and read back the way a user would see it.
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
    virtual FormWindow& window() = 0;
    // Runs `play` in the platform's event loop. When it has ended the program,
    // gives the status the platform ended with, or kTimedOut past the deadline.
    virtual int Run(const std::function<void()>& play) = 0;
    // Starts Form1 as the program does and waits until the window is shown.
    virtual bool Start() = 0;
    // Before the start: the desktop's frame takes `pixels` more of the
    // window's height, as a taller title bar would.
    virtual void ThickenFrame(int pixels) = 0;
    // Handles the platform's events for a while.
    virtual void Wait(int milliseconds) = 0;
    virtual void Press(Key key, int modifiers = 0) = 0;
    // Queues the key, to be handled once the running handler returns.
    virtual void Queue(Key key) = 0;
    // "click", "double click", "right click", "minimise and restore", "close
    // from the title bar", "end the session", "activate another window of the
    // program", "a menu of the program takes the activation as it closes",
    // "open the Auto menu", "close the menu".
    virtual void Do(const std::string& gesture) = 0;
    // Chooses a menu element of the window, such as "mnuSpin", from its menu bar.
    virtual void Choose(const std::string& name) = 0;
    // One period of Timer1 going by: a tick while it runs.
    virtual void Tick() = 0;
    // Each message box that opens from now on is shown to `whileOpen` inside
    // its modal loop, then answered with OK; none once it is empty.
    virtual void AnswerBoxes(std::function<void(const BoxSeen&)> whileOpen) = 0;
    virtual Look Read() const = 0;
};

// Makes a new empty folder for a test and goes there; every test program run
// at the same time gets its own.
inline std::filesystem::path EnterFreshFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("lumora-" + name + "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(folder);
    std::filesystem::current_path(folder);
    return folder;
}

// The driver of the window this test program is built with.
std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random);

}  // namespace lumora::testing

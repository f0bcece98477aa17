#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/viewer/scripted_random.h"
#include "window/form_window.h"

namespace lumora::testing {

// Keys by their virtual-key codes: letters and digits are their own characters.
using Key = int;
inline constexpr Key kBackspace = 8, kTab = 9, kReturn = 13, kEscape = 27, kSpace = 32,
                     kDelete = 46, kF1 = 112;
inline constexpr int kShift = 1, kControl = 2;  // modifiers held, or-ed

enum class Gesture {
    Click,
    DoubleClick,
    RightClick,
    CloseFromTitleBar,
    EndSession,
    Minimise,
    ActivateAnotherWindowOfTheProgram
};

// The window as a user sees it.
struct Look {
    bool visible = false, resizable = false;
    std::string title, label;  // the label as assistive technology reads it
    std::vector<std::string> menuBar;
    Rgb background = 0;  // painted in the client area's bottom-right corner
    int dpi = 0;
    PixelSize outer, client;
    PixelRect labelRect;
};

// A message box as it was when the driver answered it with OK.
struct BoxSeen {
    bool answered = false;
    std::string title, text;
    int buttons = 0;
    bool icon = false;
};

// One front-end's real window, given its events the way its platform
// delivers them, and read back the way a user would see it.
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
    virtual FormWindow& window() = 0;
    // Starts Form1 as the program does and waits until the window is shown.
    virtual bool Start() = 0;
    // Handles the platform's events for a while.
    virtual void Wait(int milliseconds) = 0;
    // Runs the event loop, `action` inside it, until the program ends; gives its exit status.
    virtual int RunUntilEnded(std::function<void()> action) = 0;
    virtual void Press(Key key, int modifiers = 0) = 0;
    // Queues the key, to be handled once the running handler returns.
    virtual void Queue(Key key) = 0;
    // A double click is press, release, double click, release, as platforms report it.
    virtual void Do(Gesture gesture) = 0;
    // Chooses a menu element of the window, such as "mnuSpin", from its menu bar.
    virtual void Choose(const char* name) = 0;
    // Answers the next message box with OK, `afterMs` after it may open.
    virtual void AnswerNextBox(int afterMs) = 0;
    virtual BoxSeen LastBox() const = 0;
    virtual Look Read() const = 0;
};

// The driver of the front-end this test program is built with.
std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random);

}  // namespace lumora::testing

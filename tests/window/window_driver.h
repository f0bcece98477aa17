#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/viewer/scripted_random.h"
#include "window/form_window.h"

namespace lumora::testing {

// The keys the scenarios press, named as they are printed.
enum class Key { A, B, C, N, S, V, X, Digit1, Space, Tab, Return, Backspace, Escape, Delete, F1 };
inline constexpr int kShift = 1, kControl = 2;  // modifiers held, or-ed

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
    // Runs the event loop, with `action` inside it, until the program ends;
    // gives the exit status.
    virtual int RunUntilEnded(std::function<void()> action) = 0;

    virtual void Press(Key key, int modifiers = 0) = 0;
    // Queues the key, to be handled once the running handler returns.
    virtual void Queue(Key key) = 0;
    virtual void Click() = 0;
    // Press, release, double click, release: the platform's double click.
    virtual void DoubleClick() = 0;
    virtual void RightClick() = 0;
    // Chooses a menu element of the window, such as "mnuSpin", from its menu bar.
    virtual void Choose(const char* name) = 0;
    virtual void CloseFromTitleBar() = 0;
    // The desktop session ends, as the platform tells a program of it.
    virtual void EndSession() = 0;
    virtual void Minimise() = 0;
    virtual void ActivateAnotherWindowOfTheProgram() = 0;
    // Answers the next message box with OK, `afterMs` after it may open.
    virtual void AnswerNextBox(int afterMs) = 0;
    virtual BoxSeen LastBox() const = 0;

    virtual bool Visible() const = 0;
    virtual std::string Title() const = 0;
    virtual std::vector<std::string> MenuBarCaptions() const = 0;
    // The label's text as assistive technology reads it.
    virtual std::string LabelText() const = 0;
    // The colour painted in the client area's bottom-right corner.
    virtual Rgb BackgroundPixel() const = 0;
    virtual int DotsPerInch() const = 0;
    virtual PixelSize OuterPixels() const = 0;
    virtual PixelSize ClientPixels() const = 0;
    virtual PixelRect LabelPixels() const = 0;
    virtual bool Resizable() const = 0;
};

// The driver of the front-end this test program is built with.
std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random);

}  // namespace lumora::testing

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// What the viewer needs of the window, and nothing more. Front-ends implement
// these on their toolkit; tests implement them with a recording fake. Texts are
// UTF-8, colours 0xRRGGBB, sizes in points, positions and sizes in twips.
namespace lumora {

using Rgb = std::uint32_t;

// Raised by a window service that cannot do what it was asked. Handlers do not
// catch it: the operation stops at that step and the front-end reports it.
class WindowFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised when a file cannot be opened, written or closed; what() gives the
// system's reason.
class FileFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The window title, the label and the two modal services of the window.
class DisplaySurface {
  public:
    virtual ~DisplaySurface() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string GetCaption() const = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetForeColor(Rgb colour) = 0;
    // The background fills the whole client area.
    virtual void SetBackColor(Rgb colour) = 0;
    // Paints the label now, delivering no other event meanwhile.
    virtual void RefreshLabel() = 0;
    virtual void Beep() = 0;
    // Modal box with one OK button and no icon; CR LF starts a new line.
    // Timer ticks go on being delivered while it is open.
    virtual void ShowMessage(const std::string& prompt, const std::string& title) = 0;
};

// The auto-advance timer. Its ticks arrive as events on the window's thread.
class Timer1 {
  public:
    virtual ~Timer1() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetInterval(int milliseconds) = 0;
};

// The geometry start-up reads and sets, in twips (15 to a pixel at 96 DPI).
class WindowGeometry {
  public:
    virtual ~WindowGeometry() = default;
    virtual void SetOuterWidth(int twips) = 0;
    // The outer width as the window system realised it: whole pixels, in twips.
    virtual int OuterWidth() const = 0;
    virtual void SetOuterHeight(float twips) = 0;
    virtual double ClientWidth() const = 0;
    virtual double ClientHeight() const = 0;
    virtual void SetLabelSize(std::int16_t widthTwips, std::int16_t heightTwips) = 0;
};

// Appending to a text file named relative to the current directory.
class TextFileAppender {
  public:
    virtual ~TextFileAppender() = default;
    // Appends `text` (UTF-8) to `fileName`, creating it if missing, in one
    // write, converted to the system's ANSI code page (Windows-1252 where the
    // platform has none). Throws FileFailure.
    virtual void AppendToFile(const std::string& fileName, const std::string& text) = 0;
};

// Showing the window, reporting a failure and ending, as the toolkit does them.
class ProgramLifetime {
  public:
    virtual ~ProgramLifetime() = default;
    // Shows the window, centred on the screen, once start-up has run.
    virtual void ShowForm() = 0;
    // The platform's error box for a failure that ends the program.
    virtual void ShowFailure(const std::string& reason) = 0;
    // Closes every window, stops the timer and leaves every event loop, so
    // that the program ends with `exitStatus`. Called once.
    virtual void EndProgram(int exitStatus) = 0;
};

// The closing operation the handlers call: unload the window, then end.
class FormCloser {
  public:
    virtual ~FormCloser() = default;
    virtual void UnloadAndEnd() = 0;
};

// Everything a front-end provides, in one object.
class WindowServices : public DisplaySurface,
                       public Timer1,
                       public WindowGeometry,
                       public TextFileAppender,
                       public ProgramLifetime {};

}  // namespace lumora

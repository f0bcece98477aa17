#pragma once

#include <optional>

class QCoreApplication;

namespace lumora {

// Whether a display is named for Qt to open the window on: an X display, a
// Wayland one, or another platform asked for by name (such as offscreen).
bool DisplayNamed(int argc, char* argv[]);

// Where Qt would draw the window's frame itself on a desktop that draws frames
// of its own, asks Qt for the platform on which the desktop draws it.
void PreferTheDesktopsFrame(int argc, char* argv[]);

// Reads the command line as Qt programs do, before any window is made:
// -h/--help and -v/--version answer on standard output; an option or argument
// it does not know, or no display, is refused in one line on standard error.
// Gives the exit status where the program ends here, or nothing where the
// window is to open.
std::optional<int> AnswerCommandLine(const QCoreApplication& app, bool displayNamed);

}  // namespace lumora

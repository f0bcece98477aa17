#pragma once

#include <QWidget>
#include <string>

namespace lumora::testing {

// Makes the widget's X window the one keys go to, through the desktop tests'
// x-window, which says what went wrong where the window manager did not
// frame and focus it, and then asks again. Qt goes on handling events meanwhile.
bool ActivateXWindow(const QWidget& window);

// What the X server and the window manager say of the widget's window, for a
// failed wait on it; empty on a platform other than X11.
std::string XWindowState(const QWidget& window);

}  // namespace lumora::testing

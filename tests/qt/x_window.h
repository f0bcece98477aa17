#pragma once

#include <QProcess>
#include <QTest>
#include <QWidget>

#include "tests/window/window_driver.h"

namespace lumora::testing {

// Runs the desktop tests' x-window on the widget's X window, with its output in
// the test's and Qt handling events meanwhile: "activate" makes the window the
// one keys go to, saying what went wrong where the window manager did not frame
// and focus it, and asking again; "describe" tells its state, for a failed wait.
inline bool XWindow(const char* verb, const QWidget& window) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(LUMORA_X_WINDOW, {verb, QString::number(window.winId())});
    // The script's own deadlines come first.
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; },
                           3 * kDeadlineMs) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace lumora::testing

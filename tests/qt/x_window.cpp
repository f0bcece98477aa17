#include "tests/qt/x_window.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include "tests/window/window_driver.h"

namespace lumora::testing {
namespace {

const QString kXWindow = QStringLiteral(LUMORA_X_WINDOW);

QString IdOf(const QWidget& window) {
    return QString::number(window.winId());
}

}  // namespace

bool ActivateXWindow(const QWidget& window) {
    QProcess activate;
    activate.setProcessChannelMode(QProcess::ForwardedChannels);
    activate.start(kXWindow, {"activate", IdOf(window)});
    // The script's own deadlines come first.
    return QTest::qWaitFor([&] { return activate.state() == QProcess::NotRunning; },
                           3 * kDeadlineMs) &&
           activate.exitStatus() == QProcess::NormalExit && activate.exitCode() == 0;
}

std::string XWindowState(const QWidget& window) {
    if (QGuiApplication::platformName() != "xcb") return {};
    QProcess describe;
    describe.setProcessChannelMode(QProcess::MergedChannels);
    describe.start(kXWindow, {"describe", IdOf(window)});
    describe.waitForFinished(kDeadlineMs);
    return describe.readAll().toStdString();
}

}  // namespace lumora::testing

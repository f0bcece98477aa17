// Every passage in the label that a desktop's frame leaves, on the platform
// and window manager the test runs under: whole, never larger than its own
// size, and smaller only in the rows the desktop's facts name. The facts come
// from the test's caller: who draws the frame (LUMORA_FRAMED_BY: "window
// manager", "compositor", outside the window, or "Qt", inside it), and the
// rows drawn smaller (LUMORA_ROWS_DRAWN_SMALLER: "350 at 17 pt;...", or "none").
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <QWindow>
#include <cstdio>

#include "tests/window/every_row.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace lumora::testing {
namespace {

TEST(DesktopFrame, EveryPassageShowsWholeInTheLabelTheFrameLeaves) {
    ScriptedRandom random;
    const auto driver = MakeWindowDriver(random);
    auto& window = dynamic_cast<MainWindow&>(driver->window());
    const QString framedBy = qEnvironmentVariable("LUMORA_FRAMED_BY");
    const std::string smaller = qEnvironmentVariable("LUMORA_ROWS_DRAWN_SMALLER").toStdString();
    ASSERT_TRUE(QStringList({"window manager", "compositor", "Qt"}).contains(framedBy) &&
                !smaller.empty())
        << "LUMORA_FRAMED_BY and LUMORA_ROWS_DRAWN_SMALLER must say what the desktop does";
    driver->Run([&] {
        ASSERT_TRUE(driver->Start());
        // A window manager's frame, or Qt's, is there once the window is shown;
        // a compositor's is outside the window, where Qt cannot see it.
        const bool outside = framedBy == "compositor";
        const QWindow& handle = *window.windowHandle();
        if (!QTest::qWaitFor(
                [&] { return handle.isExposed() && (outside || handle.frameMargins().top() > 0); },
                kDeadlineMs)) {
            if (framedBy == "window manager")
                QProcess::execute(LUMORA_X_WINDOW, {"describe", QString::number(window.winId())});
            FAIL() << "the window was not shown, or " << (framedBy == "Qt" ? "" : "the ")
                   << qPrintable(framedBy) << " drew it no frame";
        }
        const QMargins frame = handle.frameMargins();
        EXPECT_TRUE(!outside || frame.isNull()) << "Qt draws a frame inside the compositor's";
        ASSERT_TRUE(QTest::qWaitFor([&] { return driver->Read().labelFillsClient; }, kDeadlineMs));
        const std::string rows = RowsNotShownAsDesigned(*driver, random);
        std::printf(
            "%s: frame margins %d %d %d %d; label %d x %d pixels; rows not shown as designed: %s\n",
            qPrintable(QGuiApplication::platformName()), frame.left(), frame.top(), frame.right(),
            frame.bottom(), window.label()->width(), window.label()->height(), rows.c_str());
        EXPECT_EQ(rows, smaller) << "the rows drawn smaller, or not whole";
    });
}

}  // namespace
}  // namespace lumora::testing

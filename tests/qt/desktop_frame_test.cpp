// Every passage in the label that a desktop's frame leaves, on the platform
// and window manager the test runs under: whole, never larger than its own
// size, and at its own size where LUMORA_OWN_SIZES is set (a frame no taller
// than the design's) or where a Wayland compositor draws the frame outside the
// window, which leaves the window's whole designed room to the client.
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
    driver->Run([&] {
        ASSERT_TRUE(driver->Start());
        // An X window manager frames the window once it is shown; a Wayland
        // compositor has chosen who draws the frame by the time it shows it.
        const bool wayland = QGuiApplication::platformName().startsWith("wayland");
        const QWindow& handle = *window.windowHandle();
        if (!QTest::qWaitFor(
                [&] { return handle.isExposed() && (wayland || handle.frameMargins().top() > 0); },
                kDeadlineMs)) {
            if (!wayland)
                QProcess::execute(LUMORA_X_WINDOW, {"describe", QString::number(window.winId())});
            FAIL() << "the window was not shown, or was given no frame";
        }
        const QMargins frame = handle.frameMargins();
        const bool outside = frame.isNull();  // drawn by the compositor, outside the window
        ASSERT_TRUE(QTest::qWaitFor([&] { return driver->Read().labelFillsClient; }, kDeadlineMs));
        const RowsShown rows = ShowEveryRow(*driver, random);
        std::printf("%s: frame margins %d %d %d %d; label %d x %d pixels; %zu rows drawn smaller:",
                    qPrintable(QGuiApplication::platformName()), frame.left(), frame.top(),
                    frame.right(), frame.bottom(), window.label()->width(),
                    window.label()->height(), rows.resized.size());
        for (const std::string& row : rows.resized) std::printf(" %s;", row.c_str());
        std::printf(" %zu rows cut off\n", rows.cut.size());
        EXPECT_EQ(rows.cut, std::vector<int>{});
        EXPECT_EQ(rows.enlarged, std::vector<std::string>{});
        if (outside || qEnvironmentVariableIsSet("LUMORA_OWN_SIZES")) {
            EXPECT_EQ(rows.resized, std::vector<std::string>{});
        }
    });
}

}  // namespace
}  // namespace lumora::testing

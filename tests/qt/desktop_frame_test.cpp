// Every passage in the label that a desktop's frame leaves, on the platform
// and window manager the test runs under: whole, and at its own size where
// LUMORA_OWN_SIZES is set (a frame no taller than the design's).
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
        // A window manager frames the window once it is shown; the label is
        // then fitted to what the frame leaves.
        if (!QTest::qWaitFor([&] { return window.windowHandle()->frameMargins().top() > 0; },
                             kDeadlineMs)) {
            if (QGuiApplication::platformName() == "xcb")
                QProcess::execute(LUMORA_X_WINDOW, {"describe", QString::number(window.winId())});
            FAIL() << "the window was given no frame";
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return driver->Read().labelFillsClient; }, kDeadlineMs));
        const RowsShown rows = ShowEveryRow(*driver, random);
        const QSize label = window.label()->size();
        std::printf("%s: label %d x %d pixels; %zu rows drawn smaller:",
                    qPrintable(QGuiApplication::platformName()), label.width(), label.height(),
                    rows.resized.size());
        for (const std::string& row : rows.resized) std::printf(" %s;", row.c_str());
        std::printf(" %zu rows cut off\n", rows.cut.size());
        EXPECT_EQ(rows.cut, std::vector<int>{});
        if (qEnvironmentVariableIsSet("LUMORA_OWN_SIZES")) {
            EXPECT_EQ(rows.resized, std::vector<std::string>{});
        }
    });
}

}  // namespace
}  // namespace lumora::testing

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

// Offscreen unless the test asks for a platform of its own. The tests' verdict
// is in once they have run: the process then ends without Qt's teardown, in
// which Qt 6.8's Wayland client now and then deadlocks (its event thread waits
// in wl_display_read_events while the display's destructor joins it).
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    // GoogleTest passes a filter that selects nothing; a test that never ran has not passed.
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test matches the filter\n");
        status = 1;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

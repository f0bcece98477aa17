// What happens while SPIN holds the window's thread, in real time: keys and
// ticks wait until it returns, in order, and missed ticks are not made up.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/window/window_driver.h"
#include "window/windows1252.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

TEST(Spin, KeysAndTicksDuringItAreHandledAfterItInOrderAndTicksAreNotMadeUp) {
    const fs::path home = fs::current_path(), folder = EnterFreshFolder("spin-queue");
    ScriptedRandom random;
    const auto driver = MakeWindowDriver(random);
    ASSERT_TRUE(driver->Start());
    driver->Choose("mnu1S");
    driver->window().SetInterval(100);
    const int halfway = random.advances + 1'000'000;
    random.onAdvance = [&] {
        if (random.advances != halfway) return;
        driver->Queue('S');
        driver->Queue('B');
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // five periods go by
    };
    driver->Choose("mnuSpin");
    random.onAdvance = nullptr;
    const std::string spun = driver->Read().label;
    const int advances = random.advances;
    driver->Wait(50);
    const std::string saved{
        std::istreambuf_iterator<char>(std::ifstream("Scripture.txt", std::ios::binary).rdbuf()),
        {}};
    EXPECT_EQ(saved, "\r\n" + EncodeWindows1252(spun) + "\r\n");
    // B's verse, one tick's for all the periods missed, and at most one more
    // where the timer keeps to its original beat.
    const int verses = (random.advances - advances + 1000) / 2000;
    EXPECT_GE(verses, 2);
    EXPECT_LE(verses, 3);
    fs::current_path(home);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace lumora::testing

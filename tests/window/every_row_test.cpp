// Every passage in the window as designed: at its own size, and whole.
#include <gtest/gtest.h>

#include "tests/window/every_row.h"

namespace lumora::testing {
namespace {

TEST(EveryRow, ShowsAtItsOwnSizeAndWholeInTheDesignedWindow) {
    ScriptedRandom random;
    const auto driver = MakeWindowDriver(random);
    driver->Run([&] {
        ASSERT_TRUE(driver->Start());
        const RowsShown rows = ShowEveryRow(*driver, random);
        EXPECT_EQ(rows.resized, std::vector<std::string>{});
        EXPECT_EQ(rows.enlarged, std::vector<std::string>{});
        EXPECT_EQ(rows.cut, std::vector<int>{});
    });
}

}  // namespace
}  // namespace lumora::testing

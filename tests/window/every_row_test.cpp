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
        EXPECT_EQ(RowsNotShownAsDesigned(*driver, random), "none");
    });
}

}  // namespace
}  // namespace lumora::testing

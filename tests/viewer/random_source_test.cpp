#include <gtest/gtest.h>

#include <cmath>

#include "viewer/random_source.h"

namespace lumora {
namespace {

TEST(RandomSource, ZeroRepeatsTheLastValueAndOthersAdvance) {
    SplitMixRandom random(42);
    const float seeded = random.Draw(0);
    EXPECT_EQ(SplitMixRandom(42).Draw(0), seeded);  // before any draw: fixed by the seed
    const float first = random.Draw(1);
    EXPECT_EQ(random.Draw(0), first);
    EXPECT_NE(random.Draw(0.5f), first);
    SplitMixRandom same(42);
    same.Draw(1102);
    EXPECT_EQ(same.Draw(0), first);  // the argument's size does not matter
}

TEST(RandomSource, ValuesAreWholeTwentyFourBitFractionsOfOne) {
    SplitMixRandom random(2024);
    for (int i = 0; i < 100'000; ++i) {
        const float v = random.Draw(1) * 16777216.0f;
        ASSERT_TRUE(v >= 0 && v < 16777216.0f && v == std::floor(v)) << v;
    }
}

}  // namespace
}  // namespace lumora

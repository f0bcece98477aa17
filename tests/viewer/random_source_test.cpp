#include <gtest/gtest.h>

#include <array>

#include "viewer/random_source.h"

namespace lumora {
namespace {

TEST(RandomSource, ZeroRepeatsTheLastValueAndOthersAdvance) {
    SplitMixRandom random(42);
    const float seeded = random.Draw(0);
    EXPECT_EQ(random.Draw(0), seeded);  // before any draw: fixed by the seed
    EXPECT_EQ(SplitMixRandom(42).Draw(0), seeded);
    const float first = random.Draw(1);
    EXPECT_EQ(random.Draw(0), first);
    EXPECT_NE(random.Draw(0.5f), first);
    SplitMixRandom same(42);
    same.Draw(1102);
    EXPECT_EQ(same.Draw(0), first);  // the argument's size does not matter
}

TEST(RandomSource, ValuesAreExactTwentyFourBitFractionsSpreadEvenly) {
    SplitMixRandom random(2024);
    constexpr int kDraws = 1'102'000;
    std::array<int, 1102> counts{};
    for (int i = 0; i < kDraws; ++i) {
        const float v = random.Draw(1);
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        ASSERT_EQ(v * 16777216.0f, static_cast<float>(static_cast<int>(v * 16777216.0f)));
        ++counts[static_cast<std::size_t>(v * 1102)];
    }
    // Chi-square over 1101 degrees of freedom: far beyond 1300 only if skewed.
    double chiSquare = 0;
    for (int count : counts) chiSquare += (count - 1000.0) * (count - 1000.0) / 1000.0;
    EXPECT_LT(chiSquare, 1300);
}

}  // namespace
}  // namespace lumora

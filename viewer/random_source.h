#pragma once

#include <cstdint>

namespace lumora {

// Draws single-precision values in [0, 1). A non-zero argument gives the next
// value; 0 gives the most recent one again (right after seeding, a value the
// seed determines).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void Seed(std::uint64_t seed) = 0;
    virtual float Draw(float argument) = 0;
};

// The finaliser of SplitMix64: spreads every input bit over the whole word.
constexpr std::uint64_t Mix64(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

// SplitMix64: one 64-bit word of state, so a draw costs a few cycles, and
// output that passes BigCrush. Values are k / 2^24, which a float holds exactly.
class SplitMixRandom final : public RandomSource {
  public:
    explicit SplitMixRandom(std::uint64_t seed = 0) { Seed(seed); }

    void Seed(std::uint64_t seed) override {
        state_ = seed;
        last_ = nextValue();
    }

    float Draw(float argument) override {
        if (argument != 0) [[likely]]
            last_ = nextValue();
        return last_;
    }

  private:
    float nextValue() {
        state_ += 0x9E3779B97F4A7C15ULL;
        // The top 24 bits: converting all 32 would round the largest values up to 1.0.
        return static_cast<float>(Mix64(state_) >> 40) * 0x1p-24f;
    }

    std::uint64_t state_ = 0;
    float last_ = 0;
};

// A seed from the wall clock and the steady clock, mixed so that start-ups a
// moment apart give unrelated sequences.
std::uint64_t ClockSeed();

}  // namespace lumora

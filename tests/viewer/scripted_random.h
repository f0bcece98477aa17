#pragma once

#include <deque>
#include <functional>

#include "viewer/random_source.h"
#include "viewer/window_services.h"

namespace lumora::testing {

// Plays back scripted values, then goes on with a generator seeded the same
// on every run; counts the draws that advanced.
class ScriptedRandom final : public RandomSource {
  public:
    std::deque<float> script;
    bool failing = false;  // every draw fails, as an overflow would
    int advances = 0;
    std::uint64_t seedGiven = 0;
    std::function<void()> onAdvance;  // runs at every advancing draw

    void Seed(std::uint64_t seed) override { seedGiven = seed; }
    float Draw(float argument) override {
        if (failing) throw WindowFailure("Overflow");
        if (argument == 0) return last_;
        ++advances;
        if (onAdvance) onAdvance();
        if (script.empty()) return last_ = inner_.Draw(1);
        last_ = script.front();
        script.pop_front();
        return last_;
    }

  private:
    SplitMixRandom inner_{7};
    float last_ = inner_.Draw(0);
};

// Scripts the next show-next-verse call to end on `index`: its last advancing
// draw decides (1999 of them right after start-up, else 2000).
inline void scriptVerse(ScriptedRandom& random, std::int16_t verseIndexBefore, int index) {
    random.script.insert(random.script.end(), verseIndexBefore == 0 ? 1998 : 1999, 0.5f);
    random.script.push_back((static_cast<float>(index) - 0.5f) / 1102.0f);
}

}  // namespace lumora::testing

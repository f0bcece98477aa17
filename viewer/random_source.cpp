#include "viewer/random_source.h"

#include <chrono>

namespace lumora {

std::uint64_t ClockSeed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return Mix64(static_cast<std::uint64_t>(wall) ^ Mix64(static_cast<std::uint64_t>(steady)));
}

}  // namespace lumora

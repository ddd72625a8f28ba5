#include "engine/cad/RandomSource.h"

#include <chrono>

namespace engine::cad {

ClockSeededRandom::ClockSeededRandom()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

int ClockSeededRandom::Below(int bound) {
    if (bound <= 1) return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(generator_);
}

}  // namespace engine::cad

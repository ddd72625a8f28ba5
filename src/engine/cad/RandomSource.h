#pragma once
// Whole random numbers for the selection-set names; tests give a scripted source.
#include <random>

namespace engine::cad {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number r with 0 <= r < bound.
    virtual int Below(int bound) = 0;
};

// Pseudo-random numbers seeded from the clock when it is made.
class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom();
    int Below(int bound) override;

private:
    std::mt19937 generator_;
};

}  // namespace engine::cad

// The game's one source of uniform random numbers in [0, 1). Only dealing
// draws from it; it is seeded once, at start-up, from the clock's seconds.
#pragma once

#include "twister.h"

namespace mepo {

class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double next() = 0;  // a value in [0, 1)
};

class SeededRandom final : public UniformSource {
public:
    explicit SeededRandom(unsigned seed = 0) { reseed(seed); }
    void reseed(unsigned seed) { engine_.reseed(seed); }
    double next() override;

private:
    Twister engine_;
};

// The seconds of the current time of day, 0..59: the start-up seed.
unsigned secondsOfTimeOfDay();

}  // namespace mepo

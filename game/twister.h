// The Mersenne Twister, drawing exactly what std::mt19937 draws from the
// same seed, with its state renewed without branching on the numbers (the
// standard library's renewal branches on a random bit of each of its 624
// words, which the processor cannot guess), and inline.
#pragma once

#include <array>
#include <cstdint>

namespace mepo {

class Twister {
public:
    explicit Twister(uint32_t seed = 5489u) { reseed(seed); }
    void reseed(uint32_t seed);
    uint32_t operator()() {
        if (next_ == kWords) renew();
        uint32_t y = words_[next_++];
        y ^= y >> 11;
        y ^= (y << 7) & 0x9d2c5680u;
        y ^= (y << 15) & 0xefc60000u;
        return y ^ (y >> 18);
    }

private:
    static constexpr int kWords = 624;
    void renew();

    std::array<uint32_t, kWords> words_;
    int next_ = kWords;
};

}  // namespace mepo

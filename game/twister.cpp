#include "twister.h"

namespace mepo {
namespace {

constexpr int kShift = 397;  // the word each one is mixed with, this far on

// The top bit of a, the lower 31 of b, shifted and mixed with m.
uint32_t mix(uint32_t a, uint32_t b, uint32_t m) {
    const uint32_t y = (a & 0x80000000u) | (b & 0x7fffffffu);
    return m ^ (y >> 1) ^ (0x9908b0dfu & (0u - (y & 1u)));
}

}  // namespace

void Twister::reseed(uint32_t seed) {
    words_[0] = seed;
    for (int i = 1; i < kWords; ++i) words_[i] = 1812433253u * (words_[i - 1] ^ (words_[i - 1] >> 30)) + uint32_t(i);
    next_ = kWords;
}

void Twister::renew() {
    int k = 0;
    for (; k < kWords - kShift; ++k) words_[k] = mix(words_[k], words_[k + 1], words_[k + kShift]);
    for (; k < kWords - 1; ++k) words_[k] = mix(words_[k], words_[k + 1], words_[k + kShift - kWords]);
    words_[k] = mix(words_[k], words_[0], words_[kShift - 1]);
    next_ = 0;
}

}  // namespace mepo

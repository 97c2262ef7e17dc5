// What the monkeys share: their seeded dice, the log of their last events,
// and a failure that names the seed, the event and how to replay it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <string>

namespace mepo::test {

// MEPO_MONKEY_SEED or MEPO_MONKEY_EVENTS from the environment, or the run's own.
inline unsigned long long monkeyParameter(const char* name, unsigned long long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

class MonkeyLog {
public:
    // program: the test program that replays a failure.
    MonkeyLog(unsigned long long seed, std::string program, size_t kept)
        : seed_(seed), program_(std::move(program)), kept_(kept), dice_(seed) {}

    // ---- The dice ----
    unsigned below(unsigned n) { return static_cast<unsigned>(dice_() % n); }
    bool chance(unsigned percent) { return below(100) < percent; }
    int between(int lo, int hi) { return lo + static_cast<int>(below(static_cast<unsigned>(hi - lo + 1))); }
    unsigned long long roll() { return dice_(); }

    // ---- The log ----
    unsigned long long index = 0;  // the event being played
    void note(const std::string& what) {
        log_.push_back("#" + std::to_string(index) + " " + what);
        if (log_.size() > kept_) log_.pop_front();
    }
    void fail(const std::string& what) {
        if (failed_) return;
        failed_ = true;
        std::ostringstream m;
        m << "monkey, seed " << seed_ << ", event " << index << ": " << what << "\nthe last events:\n";
        for (const std::string& e : log_) m << "  " << e << "\n";
        m << "replay: MEPO_MONKEY_SEED=" << seed_ << " MEPO_MONKEY_EVENTS=" << index << " " << program_
          << " --gtest_filter='*Monkey*'";
        ADD_FAILURE() << m.str();
    }
    void expect(bool ok, const std::string& what) {
        if (!ok) fail(what);
    }
    bool failed() const { return failed_; }
    unsigned long long seed() const { return seed_; }

private:
    const unsigned long long seed_;
    const std::string program_;
    const size_t kept_;
    std::mt19937_64 dice_;
    std::deque<std::string> log_;
    bool failed_ = false;
};

}  // namespace mepo::test

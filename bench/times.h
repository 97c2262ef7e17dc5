// Times of many like events (the soak's deals) in a table of fixed size,
// made before the first event, so that counting them takes no memory
// however long the run: 10 µs steps up to 100 ms, longer ones in the last.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace mepo::bench {

class Times {
public:
    void add(double ms) {
        const auto step = static_cast<std::size_t>(std::max(0.0, ms) / kStepMs);
        ++counts_[std::min(step, counts_.size() - 1)];
        ++n_;
        slowest_ = std::max(slowest_, ms);
    }
    long count() const { return n_; }
    double slowestMs() const { return slowest_; }
    // The middle of the step that holds the median time.
    double medianMs() const {
        long seen = 0;
        for (std::size_t i = 0; i < counts_.size(); ++i)
            if ((seen += counts_[i]) * 2 > n_) return (static_cast<double>(i) + 0.5) * kStepMs;
        return 0;
    }

private:
    static constexpr double kStepMs = 0.01;
    std::array<long, 10000> counts_{};
    long n_ = 0;
    double slowest_ = 0;
};

}  // namespace mepo::bench

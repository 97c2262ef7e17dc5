#include "random.h"

#include <cmath>
#include <ctime>

namespace mepo {

double SeededRandom::next() {
    // What std::generate_canonical<double, 53> makes of two draws, the first
    // the low word, in the same double sums (both products exact, the sum
    // rounded once), without its steps in long double.
    const double low = engine_();
    const double high = engine_();
    const double r = (low + high * 0x1p32) * 0x1p-64;
    // generate_canonical may round up to 1.0; the deal needs r < 1.
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

unsigned secondsOfTimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<unsigned>(local.tm_sec % 60);
}

}  // namespace mepo

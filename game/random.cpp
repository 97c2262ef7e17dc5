#include "random.h"

#include <cmath>
#include <ctime>

namespace mepo {

double SeededRandom::next() {
    const double r = std::generate_canonical<double, 53>(engine_);
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

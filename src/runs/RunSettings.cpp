#include "RunSettings.h"

#include <cmath>

namespace hydrolofter {

double timeStep(int precision) {
    return std::pow(10.0, -precision);
}

int bucketLimit(double dt) {
    return static_cast<int>(0.01 / dt);
}

std::string_view precisionLabel(int precision) {
    static constexpr std::string_view labels[] = {
        "1/10th second",       "1/100th second", "1 millisecond",      "1/10th millisecond",
        "1/100th millisecond", "1 microsecond",  "1/10th microsecond", "1/100th microsecond"};
    if (precision < kMinPrecision || precision > kMaxPrecision)
        return {};
    return labels[precision - kMinPrecision];
}

} // namespace hydrolofter

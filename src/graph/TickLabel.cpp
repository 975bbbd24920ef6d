// Tick-label formatting.
#include "TickLabel.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hydrolofter {

std::string formatTickLabel(double value) {
    if (value == 0)
        return "0.";
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    // 18 significant digits are enough to round to 4 exactly as the binary value would.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
    char digits[4] = {buf[0], buf[2], buf[3], buf[4]};
    int exponent = std::atoi(buf + 20);
    if (buf[5] >= '5') { // halves away from zero
        int k = 3;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else { // 9999|5 carries to 1000 of the next power
            digits[0] = '1';
            exponent += 1;
        }
    }
    std::string out = value < 0 ? "-" : "";
    int decimals = 4; // significant digits after the leading one that are kept
    while (decimals > 1 && digits[decimals - 1] == '0')
        --decimals;
    if (exponent < -1 || exponent > 3) {
        out += digits[0];
        out += '.';
        out.append(digits + 1, digits + decimals);
        char e[16];
        std::snprintf(e, sizeof e, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + e;
    }
    if (exponent == -1) {
        out += "0.";
        out.append(digits, digits + decimals);
        return out;
    }
    // exponent + 1 digits before the point, the rest after it, trailing zeros dropped.
    const int whole = exponent + 1;
    out.append(digits, digits + whole);
    if (whole < 4)
        out += '.';
    for (int k = whole; k < decimals; ++k)
        out += digits[k];
    return out;
}

double tickValue(double min, double max, int i, int ticks) {
    const double v = ((max - min) * i) / ticks + min;
    return std::fabs(v) < 1e-9 * std::fabs(max - min) ? 0.0 : v;
}

} // namespace hydrolofter

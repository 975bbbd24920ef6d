// Filling a graph data set, and the axis scaling rule.
#include "GraphData.h"

#include <cmath>

namespace hydrolofter {
namespace {

/// Rounding makes exact quotients come out a hair off a whole number (0.9999999999999998);
/// such a quotient is taken as that whole number.
double snapWhole(double q) {
    const double r = std::round(q);
    return std::fabs(q - r) <= 1e-9 ? r : q;
}

/// 10 to the whole part of log10 |v|; 0 for 0.
double powerOfTen(double v) {
    if (v == 0)
        return 0;
    return std::pow(10.0, std::floor(std::log10(std::fabs(v))));
}

} // namespace

AxisScale scaleAxis(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high))
        return {0, 0, 0}; // nothing sensible to scale: frame and axes only
    if (high >= 0 && low >= 0 && high * 0.125 < high - low) {
        // Zero-based: the leading digit of high, rounded up, intervals of its power of ten.
        double p = std::floor(std::log10(high));
        double digit = snapWhole(high / std::pow(10.0, p));
        if (digit >= 10) { // log10 came out just below a whole power
            p += 1;
            digit = snapWhole(high / std::pow(10.0, p));
        } else if (digit < 1) {
            p -= 1;
            digit = snapWhole(high / std::pow(10.0, p));
        }
        const double ticks = std::ceil(digit);
        return {0, std::pow(10.0, p) * ticks, static_cast<int>(ticks)};
    }
    const double step = std::fmax(powerOfTen(low), powerOfTen(high));
    if (step == 0)
        return {-1, 1, 2}; // both ends zero
    AxisScale a;
    a.min = step * std::floor(snapWhole(low / step));
    a.max = step * std::ceil(snapWhole(high / step));
    const double intervals = std::trunc(snapWhole(std::fabs(a.max - a.min) / step));
    if (!std::isfinite(intervals) || intervals > 1000)
        return {low, high, 1}; // the range overflowed; one interval still draws the data
    a.ticks = static_cast<int>(intervals);
    if (a.ticks == 0) {
        // A constant series on a whole multiple of its power of ten: widen by one step so
        // the flat line is drawn in the middle of a labelled axis.
        a.min -= step;
        a.max += step;
        a.ticks = 2;
    }
    return a;
}

void GraphData::setXAxis(double min, double max, int ticks) {
    xMin = min;
    xMax = max;
    xTicks = ticks;
}

void GraphData::setYAxis(double min, double max, int ticks) {
    yMin = min;
    yMax = max;
    yTicks = ticks;
}

void GraphData::scaleXAxis(double low, double high) {
    const AxisScale a = scaleAxis(low, high);
    setXAxis(a.min, a.max, a.ticks);
}

void GraphData::scaleYAxis(double low, double high) {
    const AxisScale a = scaleAxis(low, high);
    setYAxis(a.min, a.max, a.ticks);
}

void GraphData::setData(GraphMode m, const double* a, const double* b, const double* c, int n) {
    const std::size_t size = n > 0 ? std::size_t(n) : 0;
    mode = m;
    count = int(size);
    values1.assign(a, a + size);
    values2.assign(b, b + size);
    if (c)
        values3.assign(c, c + size);
}

void GraphData::setLineData(const double* x, const double* y, int n) {
    setData(GraphMode::Line, x, y, nullptr, n);
}

void GraphData::setMinMaxData(const double* lowest, const double* highest, const double* time,
                              int n) {
    setData(GraphMode::MinMaxBars, lowest, highest, time, n);
}

void GraphData::setSurfaceData(const double* x, const double* y, const double* z, int n) {
    setData(GraphMode::Surface, x, y, z, n);
}

} // namespace hydrolofter

// A surface's shades: every pixel of the plot box from the weighted corners of its cell.
#include "Canvas.h"
#include "GraphData.h"
#include "GraphLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

namespace hydrolofter {

int GraphData::surfaceIndex(int column, int rowFromTop, int k) {
    return k * (column + 1) - rowFromTop - 1;
}

namespace {

/// The shade of a pixel as the rule computes it from the weighted sum of its cell's
/// corners: trunc((sum ÷ area − zmin) × 15 ÷ range), at most 15; -1 for a pixel left
/// unpainted (not a number).
int shadeRule(double sum, double area, double zmin, double range) {
    const double v = sum / area;
    // Equal extremes shade everything 0 (black).
    const double shade = range > 0 ? std::trunc((v - zmin) * 15 / range) : 0;
    if (!(shade >= 0))
        return -1;
    return static_cast<int>(std::min(shade, 15.0));
}

/// Doubles in order as 64-bit integers, so that a bisection can walk them one by one.
std::int64_t orderedKey(double x) {
    std::int64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits >= 0 ? bits : std::numeric_limits<std::int64_t>::min() - bits;
}

double fromOrderedKey(std::int64_t key) {
    const std::int64_t bits = key >= 0 ? key : std::numeric_limits<std::int64_t>::min() - key;
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

/// Every operation of the shade rule is correctly rounded and so never decreasing in the
/// sum; for one cell area the sixteen sums where the shade steps up therefore decide every
/// pixel exactly, without the rule's two divisions per pixel.
class ShadeSteps {
public:
    ShadeSteps(double area, double zmin, double range) : area_(area) {
        for (int s = 0; s < 16; ++s) {
            // The smallest finite sum whose shade is at least s.
            std::int64_t lo = orderedKey(-std::numeric_limits<double>::max());
            std::int64_t hi = orderedKey(std::numeric_limits<double>::max());
            if (shadeRule(fromOrderedKey(hi), area, zmin, range) < s) {
                step_[s] = std::numeric_limits<double>::infinity();
                continue;
            }
            while (lo < hi) {
                const std::int64_t mid = std::midpoint(lo, hi); // no overflow, rounds down
                if (shadeRule(fromOrderedKey(mid), area, zmin, range) >= s)
                    hi = mid;
                else
                    lo = mid + 1;
            }
            step_[s] = fromOrderedKey(lo);
        }
    }
    double area() const { return area_; }
    /// Same as shadeRule(sum, area, zmin, range) for a finite sum.
    int shade(double sum) const {
        if (!(sum >= step_[0]))
            return -1;
        int s = 0;
        for (int half = 8; half > 0; half /= 2) {
            if (sum >= step_[s + half])
                s += half;
        }
        return s;
    }

private:
    double area_;
    double step_[16];
};

} // namespace

std::optional<std::pair<double, double>> surfaceExtremes(const double* values, int count) {
    std::optional<std::pair<double, double>> e;
    for (int i = 0; i < count; ++i) {
        const double z = values[i];
        if (!finite(z))
            continue; // not a number: it cannot set the colour scale
        e = e ? std::pair{std::min(e->first, z), std::max(e->second, z)} : std::pair{z, z};
    }
    return e;
}

void GraphData::paintSurface(Canvas& dc, int left, int right, int top, int bottom) const {
    const int total = std::min<int>(count, int(values3.size()));
    if (total <= 0)
        return;
    const int k = static_cast<int>(std::sqrt(double(total)));
    const int cells = k - 1;
    const int w = right - left, h = bottom - top;
    if (cells <= 0 || w <= 0 || h <= 0)
        return;

    const auto extremes = surfaceExtremes(values3.data(), total);
    if (!extremes)
        return;
    const auto [zmin, zmax] = *extremes;
    const double range = zmax - zmin;
    // Sums of weighted corners stay finite while the values are below this, so the steps
    // decide them; larger values take the rule itself.
    const bool stepsApply =
        std::isfinite(range) && std::fabs(zmin) < 1e290 && std::fabs(zmax) < 1e290;

    auto z = [&](int column, int row) {
        return values3[std::size_t(surfaceIndex(column, row, k))];
    };
    std::vector<ShadeSteps> steps; // one per cell area: at most four distinct ones
    std::vector<Rgb> rowColours(static_cast<std::size_t>(w));
    for (int i = 0; i < cells; ++i) {
        const int cx = left + tickOffset(i, w, cells);
        const int cw = tickOffset(i + 1, w, cells) - tickOffset(i, w, cells);
        for (int j = 0; j < cells; ++j) {
            const int cy = top + tickOffset(j, h, cells);
            const int ch = tickOffset(j + 1, h, cells) - tickOffset(j, h, cells);
            const double tl = z(i, j), tr = z(i + 1, j), bl = z(i, j + 1), br = z(i + 1, j + 1);
            const double area = double(cw) * ch;
            const ShadeSteps* fast = nullptr;
            if (stepsApply && finite(tl) && finite(tr) && finite(bl) && finite(br)) {
                for (const ShadeSteps& st : steps) {
                    if (st.area() == area)
                        fast = &st;
                }
                if (!fast)
                    fast = &steps.emplace_back(area, zmin, range);
            }
            // Row by row, so that the pixels are written in memory order. The weights are
            // whole numbers, exact in doubles: a = (cw − px)(ch − py), b = px(ch − py),
            // c = (cw − px)py, d = px·py.
            for (int py = 0; py < ch; ++py) {
                const double upper = ch - py, lower = py;
                bool complete = true;
                for (int px = 0; px < cw; ++px) {
                    const double l = cw - px, r = px;
                    const double sum =
                        l * upper * tl + r * upper * tr + l * lower * bl + r * lower * br;
                    const int s = fast ? fast->shade(sum) : shadeRule(sum, area, zmin, range);
                    complete = complete && s >= 0;
                    rowColours[std::size_t(px)] = Rgb{0, 0, std::uint8_t(s >= 0 ? 16 * s : 0)};
                    if (s < 0)
                        rowColours[std::size_t(px)].r = 1; // marks a pixel left unpainted
                }
                if (complete) {
                    dc.setPixelRow(cx, cy + py, rowColours.data(), cw);
                    continue;
                }
                for (int px = 0; px < cw; ++px) {
                    if (rowColours[std::size_t(px)].r == 0)
                        dc.setPixel(cx + px, cy + py, rowColours[std::size_t(px)]);
                }
            }
        }
    }
}

} // namespace hydrolofter

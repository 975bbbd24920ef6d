// Painting a graph data set: frame, axes, ticks, labels, captions, grid and data.
#include "Canvas.h"
#include "GraphData.h"
#include "TickLabel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

namespace hydrolofter {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrid{168, 168, 168};
constexpr Rgb kData{0, 0, 128};
/// Rotated a tenth of a degree short of upright, as the y caption always has been.
constexpr int kYCaptionEscapement = 899;
/// Mapped positions are kept within this distance of the origin: far enough off any
/// window to clip, near enough that no line loop runs long or overflows.
constexpr double kPixelBound = 1 << 20;

/// Tick i of ticks across length pixels: (i × length) div ticks, truncating.
int tickOffset(int i, int length, int ticks) {
    return static_cast<int>(std::int64_t(i) * length / ticks);
}

int boundedPixel(double p) {
    if (std::isnan(p))
        return 0;
    return static_cast<int>(std::clamp(p, -kPixelBound, kPixelBound));
}

/// origin + trunc(span × (v − min) ÷ (max − min)) toward increasing pixels (sign +1) or
/// decreasing ones (sign −1); the middle of the span when the axis has no extent.
int mapValue(double v, double min, double max, int from, int to, int sign) {
    const int span = to - from;
    if (max == min)
        return sign > 0 ? from + span / 2 : to - span / 2;
    double offset = std::trunc(span * (v - min) / (max - min));
    if (!std::isfinite(span * (v - min)) || !std::isfinite(max - min)) {
        // Near the ends of the double range the product overflows; halving every term
        // first keeps the same proportion in range.
        offset = std::trunc(span * ((v * 0.5 - min * 0.5) / (max * 0.5 - min * 0.5)));
    }
    return boundedPixel(sign > 0 ? from + offset : to - offset);
}

/// A y tick label starts this far left of the axis, or ends kYLabelGap short of it when it
/// is too wide for that.
constexpr int kYLabelOffset = 30;
constexpr int kYLabelGap = 3;

/// Half the length of a point's cross, in pixels.
constexpr int kMarkArm = 2;

/// Whether every finite x among the first n is the same (and there is one).
bool allAtOneX(const std::vector<double>& x, int n) {
    const double* first = nullptr;
    for (int i = 0; i < n; ++i) {
        const double& v = x[std::size_t(i)];
        if (!std::isfinite(v))
            continue;
        if (first && v != *first)
            return false;
        first = &v;
    }
    return first != nullptr;
}

struct Layout {
    ClientRect client;
    int x0, x1, y0, y1, w, h;
};

Layout layoutOf(const ClientRect& c) {
    Layout l{c, c.left + 60, c.right - 40, c.top + 10, c.bottom - 50, 0, 0};
    l.w = l.x1 - l.x0;
    l.h = l.y1 - l.y0;
    return l;
}

bool finite(double v) {
    return std::isfinite(v);
}

} // namespace

int GraphData::mapX(double v, int left, int right) const {
    return mapValue(v, xMin, xMax, left, right, +1);
}

int GraphData::mapY(double v, int top, int bottom) const {
    return mapValue(v, yMin, yMax, top, bottom, -1);
}

int GraphData::surfaceIndex(int column, int rowFromTop, int k) {
    return k * (column + 1) - rowFromTop - 1;
}

void GraphData::paint(Canvas& dc) const {
    const Layout l = layoutOf(dc.clientRect());

    const Brush oldBrush = dc.selectBrush(Brush{kWhite});
    dc.rectangle(l.client.left, l.client.top, l.client.right, l.client.bottom);
    dc.selectBrush(oldBrush);

    const Pen axisPen{1, kBlack};
    const Pen oldPen = dc.selectPen(axisPen);
    dc.moveTo(l.x0, l.y0);
    dc.lineTo(l.x0, l.y1);
    dc.lineTo(l.x1, l.y1);
    if (xTicks == 0 || yTicks == 0) {
        dc.selectPen(oldPen);
        return;
    }

    const Font oldFont = dc.selectFont(Font{kYCaptionEscapement});
    dc.textOut(5, l.client.bottom - 100, yTitle);
    dc.selectFont(Font{0});
    dc.textOut(200, l.client.bottom - 25, xTitle);

    for (int i = 0; i <= xTicks; ++i) {
        const int x = l.x0 + tickOffset(i, l.w, xTicks);
        dc.moveTo(x, l.y1 + 10);
        dc.lineTo(x, l.y1);
        dc.textOut(x, l.y1 + 10, formatTickLabel(tickValue(xMin, xMax, i, xTicks)));
    }
    for (int i = 0; i <= yTicks; ++i) {
        const int y = l.y1 - tickOffset(i, l.h, yTicks);
        dc.moveTo(l.x0 - 10, y);
        dc.lineTo(l.x0, y);
        const std::string label = formatTickLabel(tickValue(yMin, yMax, i, yTicks));
        dc.textOut(std::min(l.x0 - kYLabelOffset, l.x0 - kYLabelGap - dc.textWidth(label)), y + 1,
                   label);
    }

    auto grid = [&](Rgb colour) {
        dc.selectPen(Pen{1, colour});
        for (int i = 1; i <= xTicks; ++i) {
            const int x = l.x0 + tickOffset(i, l.w, xTicks);
            dc.moveTo(x, l.y1);
            dc.lineTo(x, l.y0);
        }
        for (int i = 1; i <= yTicks; ++i) {
            const int y = l.y1 - tickOffset(i, l.h, yTicks);
            dc.moveTo(l.x0, y);
            dc.lineTo(l.x1, y);
        }
        dc.selectPen(axisPen);
    };
    if (mode != GraphMode::Surface)
        grid(kLightGrid); // under the data

    const int n = std::min<int>(count, int(std::min(values1.size(), values2.size())));
    if (n > 0 && mode != GraphMode::None) {
        dc.selectPen(Pen{1, kData});
        switch (mode) {
        case GraphMode::Line: {
            // A point that is not a number breaks the line: no segment to or from it.
            bool joined = false;
            for (int i = 0; i < n; ++i) {
                const double x = values1[std::size_t(i)], y = values2[std::size_t(i)];
                if (!finite(x) || !finite(y)) {
                    joined = false;
                    continue;
                }
                const int px = mapX(x, l.x0, l.x1), py = mapY(y, l.y0, l.y1);
                if (joined)
                    dc.lineTo(px, py);
                else
                    dc.moveTo(px, py);
                joined = true;
            }
            if (allAtOneX(values1, n)) {
                // Points stacked at one x draw no line of their own: mark each with a cross.
                for (int i = 0; i < n; ++i) {
                    const double x = values1[std::size_t(i)], y = values2[std::size_t(i)];
                    if (!finite(x) || !finite(y))
                        continue;
                    const int px = mapX(x, l.x0, l.x1), py = mapY(y, l.y0, l.y1);
                    dc.moveTo(px - kMarkArm, py);
                    dc.lineTo(px + kMarkArm + 1, py);
                    dc.moveTo(px, py - kMarkArm);
                    dc.lineTo(px, py + kMarkArm + 1);
                }
            }
            break;
        }
        case GraphMode::MinMaxBars: {
            const int bars = std::min<int>(n, int(values3.size()));
            for (int i = 0; i < bars; ++i) {
                const auto k = std::size_t(i);
                if (!finite(values1[k]) || !finite(values2[k]) || !finite(values3[k]))
                    continue;
                const int x = mapX(values3[k], l.x0, l.x1);
                // From one row above the maximum down to one row above the minimum, so a
                // bar whose minimum equals its maximum still shows one pixel.
                dc.moveTo(x, mapY(values2[k], l.y0, l.y1) - 1);
                dc.lineTo(x, mapY(values1[k], l.y0, l.y1));
            }
            break;
        }
        case GraphMode::Surface:
            paintSurface(dc, l.x0, l.x1, l.y0, l.y1);
            break;
        case GraphMode::None:
            break;
        }
        dc.selectPen(axisPen);
    }
    if (mode == GraphMode::Surface)
        grid(kBlack); // over the shading

    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
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

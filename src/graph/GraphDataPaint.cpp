// Painting a graph data set: frame, axes, ticks, labels, captions, grid and data.
#include "Canvas.h"
#include "GraphData.h"
#include "GraphLayout.h"
#include "TickLabel.h"
#include "units/NumberText.h"

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
/// The y caption's escapement: a tenth of a degree short of upright.
constexpr int kYCaptionEscapement = 899;
/// Mapped positions are kept within this distance of the origin: far enough off any
/// window to clip, near enough that no line loop runs long or overflows.
constexpr double kPixelBound = 1 << 20;

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
    // On a narrow graph the title moves left to stay whole, and only every step-th x label
    // is written so that they do not run together; a graph of the usual size is unchanged.
    const int titleWidth = dc.textWidth(xTitle);
    dc.textOut(200 + titleWidth <= l.client.right
                   ? 200
                   : std::max(l.client.left + 5, l.client.right - titleWidth - 5),
               l.client.bottom - 25, xTitle);
    int widest = 0;
    for (int i = 0; i <= xTicks; ++i)
        widest = std::max(widest, dc.textWidth(formatTickLabel(tickValue(xMin, xMax, i, xTicks))));
    int step = 1;
    while (step < xTicks && tickOffset(step, l.w, xTicks) < widest + 4)
        ++step;
    for (int i = 0; i <= xTicks; ++i) {
        const int x = l.x0 + tickOffset(i, l.w, xTicks);
        dc.moveTo(x, l.y1 + 10);
        dc.lineTo(x, l.y1);
        if (i % step == 0)
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

    if (mode == GraphMode::Surface) {
        if (std::min<int>(count, int(std::min(values1.size(), values2.size()))) > 0)
            paintSurface(dc, l.x0, l.x1, l.y0, l.y1);
    } else {
        // The compared flights under this run's, the measured samples over both.
        const ClientRect plot{l.x0, l.y0, l.x1, l.y1};
        for (const GraphCurve& c : curves)
            if (c.mode != GraphMode::Points)
                paintTrace(dc, plot, c.mode, c.colour, c.values1, c.values2, c.values3, c.count);
        paintTrace(dc, plot, mode, dataColour, values1, values2, values3, count);
        for (const GraphCurve& c : curves)
            if (c.mode == GraphMode::Points)
                paintTrace(dc, plot, c.mode, c.colour, c.values1, c.values2, c.values3, c.count);
        dc.selectPen(axisPen);
        paintLegend(dc, plot);
    }
    if (mode == GraphMode::Surface)
        grid(kBlack); // over the shading

    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
}

void GraphData::paintTrace(Canvas& dc, ClientRect plot, GraphMode how, Rgb colour,
                           const std::vector<double>& values1, const std::vector<double>& values2,
                           const std::vector<double>& values3, int entries) const {
    const int n = std::min<int>(entries, int(std::min(values1.size(), values2.size())));
    if (n <= 0)
        return;
    const int x0 = plot.left, x1 = plot.right, y0 = plot.top, y1 = plot.bottom;
    dc.selectPen(Pen{1, colour});
    auto mark = [&](int px, int py) {
        dc.moveTo(px - kMarkArm, py);
        dc.lineTo(px + kMarkArm + 1, py);
        dc.moveTo(px, py - kMarkArm);
        dc.lineTo(px, py + kMarkArm + 1);
    };
    switch (how) {
    case GraphMode::Line: {
        // A point that is not a number breaks the line: no segment to or from it.
        bool joined = false;
        for (int i = 0; i < n; ++i) {
            const double x = values1[std::size_t(i)], y = values2[std::size_t(i)];
            if (!finite(x) || !finite(y)) {
                joined = false;
                continue;
            }
            const int px = mapX(x, x0, x1), py = mapY(y, y0, y1);
            if (joined)
                dc.lineTo(px, py);
            else
                dc.moveTo(px, py);
            joined = true;
        }
        if (!allAtOneX(values1, n))
            break;
        // Points stacked at one x draw no line of their own: mark each with a cross.
        [[fallthrough]];
    }
    case GraphMode::Points:
        for (int i = 0; i < n; ++i) {
            const double x = values1[std::size_t(i)], y = values2[std::size_t(i)];
            if (finite(x) && finite(y))
                mark(mapX(x, x0, x1), mapY(y, y0, y1));
        }
        break;
    case GraphMode::MinMaxBars: {
        const int bars = std::min<int>(n, int(values3.size()));
        bool joined = false; // a bar before this one to join, as for a line
        int lastX = 0, lastTop = 0, lastBottom = 0;
        for (int i = 0; i < bars; ++i) {
            const auto k = std::size_t(i);
            if (!finite(values1[k]) || !finite(values2[k]) || !finite(values3[k])) {
                joined = false;
                continue;
            }
            const int x = mapX(values3[k], x0, x1);
            // From one row above the maximum down to one row above the minimum, so a
            // bar whose minimum equals its maximum still shows one pixel: rows
            // [top, bottom).
            const int top = mapY(values2[k], y0, y1) - 1;
            const int bottom = mapY(values1[k], y0, y1);
            if (joined && x > lastX + 1) {
                // Columns between two bars (a plot wider than its bars): a line from
                // the last bar's nearest row to this one's keeps the trace whole.
                const int from = bottom <= lastTop   ? lastTop
                                 : top >= lastBottom ? lastBottom - 1
                                                     : std::max(top, lastTop);
                const int to = bottom <= lastTop ? bottom - 1 : top >= lastBottom ? top : from;
                dc.moveTo(lastX, from);
                dc.lineTo(x, to);
            }
            dc.moveTo(x, top);
            dc.lineTo(x, bottom);
            joined = true;
            lastX = x;
            lastTop = top;
            lastBottom = std::max(bottom, top + 1);
        }
        break;
    }
    case GraphMode::Surface:
    case GraphMode::None:
        break;
    }
}

namespace {

std::string withUnit(double value, const GraphQuantity& q) {
    std::string s = q.name + " " + formatShort(value);
    if (!q.unit.empty())
        s.append(" ").append(q.unit);
    return s;
}

} // namespace

std::string GraphData::readout(int px, int py, int width, int height) const {
    const Layout l = layoutOf(ClientRect{0, 0, width, height});
    const int n = std::min<int>(count, int(std::min(values1.size(), values2.size())));
    if (px < l.x0 || px > l.x1 || py < l.y0 || py > l.y1 || n <= 0 || xTicks == 0)
        return {};
    // The entry drawn nearest the pointer (squared pixel distance; x only for bars).
    int best = -1;
    std::int64_t bestDistance = 0;
    for (int i = 0; i < n; ++i) {
        const auto k = std::size_t(i);
        std::int64_t dx = 0, dy = 0;
        if (mode == GraphMode::MinMaxBars) {
            if (k >= values3.size() || !finite(values3[k]))
                continue;
            dx = mapX(values3[k], l.x0, l.x1) - px;
        } else {
            if (!finite(values1[k]) || !finite(values2[k]))
                continue;
            dx = mapX(values1[k], l.x0, l.x1) - px;
            dy = mapY(values2[k], l.y0, l.y1) - py;
        }
        const std::int64_t d = dx * dx + dy * dy;
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    if (best < 0)
        return {};
    const auto k = std::size_t(best);
    switch (mode) {
    case GraphMode::MinMaxBars:
        return withUnit(values3[k], xQuantity) + ": " + yQuantity.name + " from " +
               formatShort(values1[k]) + " to " + formatShort(values2[k]) +
               (yQuantity.unit.empty() ? "" : " " + yQuantity.unit);
    case GraphMode::Line:
    case GraphMode::Points:
        return withUnit(values1[k], xQuantity) + ": " + withUnit(values2[k], yQuantity);
    case GraphMode::Surface:
        if (k >= values3.size())
            return {};
        return withUnit(values1[k], xQuantity) + ", " + withUnit(values2[k], yQuantity) + ": " +
               withUnit(values3[k], resultQuantity);
    case GraphMode::None:
        break;
    }
    return {};
}

} // namespace hydrolofter

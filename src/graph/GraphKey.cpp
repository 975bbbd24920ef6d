// The key beside a surface: what each of its sixteen shades means.
#include "Canvas.h"
#include "GraphData.h"

#include "units/NumberText.h"

#include <algorithm>

namespace hydrolofter {
namespace {

constexpr int kLine = 16;   ///< a line of key text
constexpr int kMargin = 4;  ///< around the text
constexpr int kBarLeft = 6; ///< the shade bar's left edge within the key
constexpr int kBarWidth = 18;

bool hasKey(const GraphData& g) {
    return g.mode == GraphMode::Surface && g.count > 0 && g.xTicks != 0 && g.yTicks != 0;
}

} // namespace

std::pair<std::string, std::string> GraphData::keyLabels() const {
    if (mode != GraphMode::Surface)
        return {};
    const int n = std::min<int>(count, int(values3.size()));
    const auto [low, high] = surfaceExtremes(values3.data(), n).value_or(std::pair{0.0, 0.0});
    const std::string unit = resultQuantity.unit.empty() ? "" : " " + resultQuantity.unit;
    return {formatShort(low) + unit, formatShort(high) + unit};
}

int GraphData::keyWidth(const Canvas& dc) const {
    if (!hasKey(*this))
        return 0;
    const auto [low, high] = keyLabels();
    const int text = std::max({dc.textWidth(resultQuantity.name), dc.textWidth(low),
                               dc.textWidth(high), kBarLeft + kBarWidth});
    return kMargin + text + 2 * kMargin;
}

void GraphData::paintKey(Canvas& dc, ClientRect a) const {
    if (!hasKey(*this))
        return;
    const auto [low, high] = keyLabels();
    const Font oldFont = dc.selectFont(Font{0});
    dc.textOut(a.left + kMargin, a.top + 2, resultQuantity.name);
    dc.textOut(a.left + kMargin, a.top + 2 + kLine, high);
    dc.textOut(a.left + kMargin, a.bottom - 2 - kLine, low);
    const int left = a.left + kBarLeft, right = left + kBarWidth;
    const int top = a.top + 4 + 2 * kLine, bottom = a.bottom - 4 - kLine;
    const int h = bottom - top;
    if (h >= 16) {
        const Brush oldBrush = dc.selectBrush(Brush{});
        const Pen oldPen = dc.selectPen(Pen{});
        for (int s = 0; s < 16; ++s) {
            // Shade s, as the surface draws it, fills the s-th sixteenth from the bottom.
            const Rgb colour{0, 0, std::uint8_t(16 * s)};
            dc.selectBrush(Brush{colour});
            dc.selectPen(Pen{1, colour});
            dc.rectangle(left, bottom - (s + 1) * h / 16, right, bottom - s * h / 16);
        }
        dc.selectPen(Pen{1, Rgb{}});
        dc.moveTo(left, top);
        dc.lineTo(right - 1, top);
        dc.lineTo(right - 1, bottom - 1);
        dc.lineTo(left, bottom - 1);
        dc.lineTo(left, top);
        dc.selectPen(oldPen);
        dc.selectBrush(oldBrush);
    }
    dc.selectFont(oldFont);
}

} // namespace hydrolofter

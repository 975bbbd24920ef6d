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

/// Wider than the graph font's average character (6.1 px for "Time Aloft"), so that the
/// key's text fits in any of the faces' fonts.
constexpr int kCharWidth = 7;

/// The width text is given in the key: kCharWidth for each character (UTF-8 lead bytes).
int nominalWidth(const std::string& text) {
    const auto chars = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    });
    return kCharWidth * int(chars);
}

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

int GraphData::keyWidth() const {
    if (!hasKey(*this))
        return 0;
    const auto [low, high] = keyLabels();
    const int text = std::max({nominalWidth(resultQuantity.name), nominalWidth(low),
                               nominalWidth(high), kBarLeft + kBarWidth});
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

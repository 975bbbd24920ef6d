// The legend of a graph that shows more than one flight: a colour and a name a line.
#include "Canvas.h"
#include "GraphData.h"

#include <algorithm>

namespace hydrolofter {
namespace {

constexpr int kLine = 16;   ///< a line of legend text, as in a surface's key
constexpr int kMargin = 4;  ///< inside the legend's frame, and between it and the axes
constexpr int kSwatch = 16; ///< the colour's sample: a bar this wide, kSwatchHeight high
constexpr int kSwatchHeight = 4;

} // namespace

void GraphData::paintLegend(Canvas& dc, ClientRect plot) const {
    if (legend.empty())
        return;
    int text = 0;
    for (const LegendEntry& e : legend)
        text = std::max(text, dc.textWidth(e.name));
    const int right = plot.right - kMargin;
    const int left =
        std::max(plot.left + kMargin, right - (kMargin + kSwatch + kMargin + text + kMargin));
    const int top = plot.top + kMargin;
    const int bottom = top + kMargin + int(legend.size()) * kLine + kMargin;
    const Brush oldBrush = dc.selectBrush(Brush{});
    const Pen oldPen = dc.selectPen(Pen{1, Rgb{0, 0, 0}});
    dc.rectangle(left, top, right, bottom);
    const Font oldFont = dc.selectFont(Font{0});
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const int rowTop = top + kMargin + int(i) * kLine;
        const int swatchTop = rowTop + (kLine - kSwatchHeight) / 2;
        dc.selectBrush(Brush{legend[i].colour});
        dc.selectPen(Pen{1, legend[i].colour});
        dc.rectangle(left + kMargin, swatchTop, left + kMargin + kSwatch,
                     swatchTop + kSwatchHeight);
        dc.textOut(left + kMargin + kSwatch + kMargin, rowTop, legend[i].name);
    }
    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
    dc.selectBrush(oldBrush);
}

} // namespace hydrolofter

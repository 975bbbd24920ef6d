// The browser edition's result on show: its picture, readout, CSV and printed lines.
#include "WebCanvas.h"
#include "WebSupport.h"
#include "graph/Presentation.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

using nlohmann::json;
using namespace hydrolofter;
using namespace hydrolofter::web;

extern "C" {

/// The shown graph's picture, width × height as the batch tool's PNG: a surface's key in a
/// strip at the right, the graph that much narrower; at a scale above 1 (the screen's device
/// pixel ratio) in that many times the pixels, laid out as at width × height, text as large.
/// {"pixels", "width", "height" (the pixels'), "graphWidth", "logicalWidth", "logicalHeight"
/// (the layout's)}, pixels RGBA.
EMSCRIPTEN_KEEPALIVE const char* hl_paint(int width, int height, double scale) {
    static std::vector<unsigned> pixels;
    if (!shown.graph)
        return answer({{"width", 0}, {"height", 0}, {"pixels", 0}});
    const int full = std::clamp(width, 1, 10000);
    height = std::clamp(height, 1, 10000);
    scale = std::isfinite(scale) ? std::clamp(scale, 1.0, 4.0) : 1.0;
    const auto pixelsOf = [scale](int units) { return int(std::ceil(units * scale)); };
    const int key = shown.graph->keyWidth();
    width = std::max(1, full - key);
    const int rowLength = pixelsOf(full), rows = pixelsOf(height);
    pixels.assign(std::size_t(rowLength) * std::size_t(rows), 0xffffffffu);
    {
        // The graph at its own size in the picture's left part: the canvas's rows are the
        // picture's, its width the graph's, so nothing it draws spills into the key's strip.
        WebCanvas canvas(pixels, rowLength, pixelsOf(width), rows, scale);
        shown.graph->paint(canvas);
    }
    if (key > 0) {
        WebCanvas canvas(pixels, rowLength, rowLength, rows, scale);
        shown.graph->paintKey(canvas, ClientRect{width, 10, full, height - 50});
    }
    for (unsigned& p : pixels) // 0xAARRGGBB to the bytes R, G, B, A of an ImageData
        p = (p & 0xff00ff00u) | ((p >> 16) & 0xffu) | ((p & 0xffu) << 16);
    return answer({{"width", rowLength},
                   {"height", rows},
                   {"graphWidth", width},
                   {"logicalWidth", full},
                   {"logicalHeight", height},
                   {"pixels", std::uintptr_t(pixels.data())}});
}

EMSCRIPTEN_KEEPALIVE const char* hl_readout(int px, int py, int width, int height) {
    return answerText(shown.graph ? shown.graph->readout(px, py, width, height) : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* hl_csv() {
    return answerText(shown.series ? comparedCsv() : "");
}

/// The shown result as text: a summary's own, or a graph's as its summary gives it (a launch
/// graph: its flight's results; a sweep: its table).
EMSCRIPTEN_KEEPALIVE const char* hl_summaryText() {
    if (!shown.series)
        return answerText({});
    const RunSettings& s = shown.options.settings;
    SampleSeries& series = *shown.series;
    const FlightResults kept = series.flight;
    if (s.mode == LaunchAnalysis)
        series.flight = shown.flight;
    std::string text = summaryText(series, s);
    series.flight = kept;
    return answerText(text);
}

/// What the printed page lists: the inputs, the time step and, for a launch analysis, the
/// flight's results.
EMSCRIPTEN_KEEPALIVE const char* hl_printLines() {
    if (!shown.series)
        return answer(json::object());
    json inputs = json::array();
    const RunSettings& s = shown.options.settings;
    for (const auto& line : inputLines(shown.options.inputs, s))
        inputs.push_back({line.first, line.second});
    json results = json::array();
    if (s.mode == LaunchAnalysis)
        for (const auto& line : resultLines(shown.flight, s.launchDisplay == Graph ? &s : nullptr))
            results.push_back({line.first, line.second});
    return answer({{"title", runTitle(shown.options.settings)},
                   {"description", shown.options.inputs.rocketDescription},
                   {"inputs", inputs},
                   {"results", results}});
}

} // extern "C"

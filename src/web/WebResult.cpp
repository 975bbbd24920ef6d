// The browser edition's result on show (its picture, readout, CSV and printed lines) and its
// design files.
#include "WebCanvas.h"
#include "WebSupport.h"
#include "designs/Design.h"
#include "graph/Presentation.h"

#include <emscripten.h>

#include <algorithm>

using nlohmann::json;
using namespace hydrolofter;
using namespace hydrolofter::web;

extern "C" {

/// The shown graph's picture, exactly width × height as the batch tool's PNG: a surface's key
/// in a strip at the right, the graph that much narrower. {"pixels", "width", "graphWidth",
/// "height"}, pixels RGBA.
EMSCRIPTEN_KEEPALIVE const char* hl_paint(int width, int height) {
    static std::vector<unsigned> pixels;
    if (!shown.graph)
        return answer({{"width", 0}, {"height", 0}, {"pixels", 0}});
    const int full = std::clamp(width, 1, 10000);
    height = std::clamp(height, 1, 10000);
    const int key = shown.graph->keyWidth();
    width = std::max(1, full - key);
    pixels.assign(std::size_t(full) * std::size_t(height), 0xffffffffu);
    {
        // The graph at its own size in the picture's left part: the canvas's rows are the
        // picture's, its width the graph's, so nothing it draws spills into the key's strip.
        WebCanvas canvas(pixels, full, width, height);
        shown.graph->paint(canvas);
    }
    if (key > 0) {
        WebCanvas canvas(pixels, full, full, height);
        shown.graph->paintKey(canvas, ClientRect{width, 10, full, height - 50});
    }
    for (unsigned& p : pixels) // 0xAARRGGBB to the bytes R, G, B, A of an ImageData
        p = (p & 0xff00ff00u) | ((p >> 16) & 0xffu) | ((p & 0xffu) << 16);
    return answer({{"width", full},
                   {"graphWidth", width},
                   {"height", height},
                   {"pixels", std::uintptr_t(pixels.data())}});
}

EMSCRIPTEN_KEEPALIVE const char* hl_readout(int px, int py, int width, int height) {
    return answerText(shown.graph ? shown.graph->readout(px, py, width, height) : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* hl_csv() {
    return answerText(shown.series ? seriesCsv(*shown.series, shown.options.settings) : "");
}

/// What the printed page lists: the inputs, the time step and, for a launch analysis, the
/// flight's results.
EMSCRIPTEN_KEEPALIVE const char* hl_printLines() {
    if (!shown.series)
        return answer(json::object());
    json inputs = json::array({{"Time step", precisionLabel(shown.options.settings.precision)}});
    const RunSettings& s = shown.options.settings;
    for (const auto& line : inputLines(shown.options.inputs, s))
        inputs.push_back({line.first, line.second});
    json results = json::array();
    if (s.mode == LaunchAnalysis)
        for (const auto& line : resultLines(shown.flight, s.launchDisplay == Graph ? &s : nullptr))
            results.push_back({line.first, line.second});
    return answer(
        {{"title", runTitle(shown.options.settings)}, {"inputs", inputs}, {"results", results}});
}

/// A design file's text read strictly: {"ok", "error", "notes", "args"} (its fields as
/// NAME=VALUE arguments) and "kind". kind 0 a rocket, 1 a launch site, -1 what the file says.
EMSCRIPTEN_KEEPALIVE const char* hl_readDesign(int kind, const char* text, const char* name) {
    const std::optional<DesignKind> wanted =
        kind < 0 ? std::nullopt : std::optional(kind == 0 ? DesignKind::Rocket : DesignKind::Site);
    const DesignRead read = parseDesign(wanted, text, name);
    const DesignKind k = read.kind;
    json args = json::array();
    if (read.ok) {
        const FieldGroup group =
            k == DesignKind::Rocket ? FieldGroup::Rocket : FieldGroup::Environment;
        for (const Field& f : fields())
            if (f.group == group)
                args.push_back(std::string(f.name) + "=" + valueOf(f, read.inputs, RunSettings{}));
    }
    return answer({{"ok", read.ok},
                   {"kind", k == DesignKind::Rocket ? 0 : 1},
                   {"error", read.error},
                   {"notes", read.notes},
                   {"args", args}});
}

/// The design file of the rocket (kind 0) or launch site (1) the arguments describe.
EMSCRIPTEN_KEEPALIVE const char* hl_designText(int kind, const char* args) {
    const BatchParse p = parse(args);
    return answerText(
        p.error.empty()
            ? designText(kind == 0 ? DesignKind::Rocket : DesignKind::Site, p.options.inputs)
            : std::string());
}

} // extern "C"

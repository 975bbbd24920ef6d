// Time to paint each kind of graph into an image of a window's size.
#include "graph/GraphData.h"
#include "toolkit/ImageCanvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

using namespace hydrolofter;

GraphData graphOf(GraphMode mode) {
    GraphData g;
    g.setXTitle("Empty Mass");
    g.setYTitle("Initial Water Level");
    g.setXAxis(50, 250, 10);
    g.setYAxis(25, 75, 10);
    std::vector<double> x, y, z;
    if (mode == GraphMode::Surface) {
        for (int j = 0; j < 11; ++j) {
            for (int i = 0; i < 11; ++i) {
                x.push_back(50 + 20 * j);
                y.push_back(25 + 5 * i);
                z.push_back(std::sin(j * 0.3) * std::cos(i * 0.4));
            }
        }
        g.setSurfaceData(x.data(), y.data(), z.data(), int(z.size()));
    } else if (mode == GraphMode::Line) {
        for (int j = 0; j < 11; ++j) {
            x.push_back(50 + 20 * j);
            y.push_back(50 + 20 * std::sin(j));
        }
        g.setLineData(x.data(), y.data(), int(x.size()));
    } else {
        // A launch analysis: 554 bars over 0..250 on a 0..75 axis.
        for (int k = 0; k < 554; ++k) {
            const double t = 50 + k * 200.0 / 554;
            x.push_back(40 + 30 * std::sin(k * 0.01));
            y.push_back(x.back() + 1);
            z.push_back(t);
        }
        g.setMinMaxData(x.data(), y.data(), z.data(), int(x.size()));
    }
    return g;
}

void paint(benchmark::State& state, GraphMode mode) {
    const int w = int(state.range(0)), h = int(state.range(1));
    const GraphData g = graphOf(mode);
    QImage image(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        ImageCanvas canvas(image);
        g.paint(canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintLine(benchmark::State& s) {
    paint(s, GraphMode::Line);
}
void BM_PaintMinMaxBars(benchmark::State& s) {
    paint(s, GraphMode::MinMaxBars);
}
void BM_PaintSurface(benchmark::State& s) {
    paint(s, GraphMode::Surface);
}

BENCHMARK(BM_PaintLine)->Args({800, 500})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintMinMaxBars)->Args({800, 500})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintSurface)->Args({800, 500})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

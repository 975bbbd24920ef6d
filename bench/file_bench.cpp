// Reading hostile files of the largest size accepted: the time must grow with the size, not
// with its square (a reader that rescans what it holds for every value took a minute here).
#include "designs/Design.h"
#include "designs/Flight.h"
#include "designs/TraceFile.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace hydrolofter;

/// A flight file of about `bytes` whose top level is `head` then entries made by `entry(i)`.
template <class Entry>
std::string filled(std::size_t bytes, const std::string& head, Entry entry,
                   const std::string& tail) {
    std::string text = head;
    for (int i = 0; text.size() + tail.size() + 32 < bytes; ++i)
        text += entry(i);
    if (text.back() == ',')
        text.pop_back();
    return text + tail;
}

const std::size_t kBytes = kMaxDesignBytes;

/// Times parseFlight on one hostile flight file.
void flightRead(benchmark::State& state, const std::string& text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(parseFlight(text, "hostile.flight.json"));
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK_CAPTURE(flightRead, ManyEmptyObjects,
                  filled(
                      kBytes, "{", [](int i) { return "\"k" + std::to_string(i) + "\":{},"; }, "}"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(flightRead, SameKeyOverAndOver,
                  filled(
                      kBytes, "{", [](int) { return std::string("\"k\":{},"); }, "}"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(flightRead, LongArrayOfObjects,
                  filled(
                      kBytes, "{\"unknown\":[", [](int) { return std::string("{},"); }, "]}"))
    ->Unit(benchmark::kMillisecond);

void BM_RocketDeeplyNestedArrays(benchmark::State& state) {
    const std::string text =
        "{\"x\":" + std::string(kBytes / 2 - 8, '[') + std::string(kBytes / 2 - 8, ']') + "}";
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDesign(DesignKind::Rocket, text, "deep.rocket.json"));
}
BENCHMARK(BM_RocketDeeplyNestedArrays)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

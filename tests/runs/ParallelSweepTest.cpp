// Optimisations flown on worker threads give the serial run's series, and cancel promptly.
#include "runs/RunSimulation.h"
#include "support/Printed.h"
#include "support/RecordingHost.h"

#include <chrono>
#include <cstring>
#include <dirent.h>
#include <gtest/gtest.h>
#include <memory>

namespace hydrolofter {
namespace {

std::unique_ptr<SampleSeries> fly(const RunSettings& s, int threads, RunHost& host) {
    auto series = std::make_unique<SampleSeries>();
    RunOptions options;
    options.threads = threads;
    options.maxFlightTime = 600; // the default rocket lands after about 6 s
    runSimulation({s, {}, options}, host, *series);
    return series;
}

bool sameSeries(const SampleSeries& a, const SampleSeries& b) {
    if (a.count != b.count || a.kind != b.kind || a.outcome != b.outcome)
        return false;
    const auto bytes = sizeof(double) * std::size_t(a.count);
    return std::memcmp(a.column1.data(), b.column1.data(), bytes) == 0 &&
           std::memcmp(a.column2.data(), b.column2.data(), bytes) == 0 &&
           std::memcmp(a.column3.data(), b.column3.data(), bytes) == 0;
}

int threadsOfThisProcess() {
    int n = 0;
    if (DIR* d = opendir("/proc/self/task")) {
        while (dirent* e = readdir(d))
            n += e->d_name[0] != '.';
        closedir(d);
    }
    return n;
}

TEST(ParallelSweep, SameSeriesAsTheSerialRun) {
    std::vector<RunSettings> cases;
    RunSettings one;
    one.mode = OneVariableOptimization;
    one.precision = 2;
    cases.push_back(one);
    one.oneVarIndependent = var::BottleVolume;
    one.oneVarIndependentUnit = unit::litre;
    one.oneVarRangeFrom = 3; // reversed
    one.oneVarRangeTo = 1;
    one.oneVarDependent = var::MaxHeight;
    one.oneVarDependentUnit = 0; // ft
    cases.push_back(one);
    RunSettings two;
    two.mode = TwoVariableOptimization;
    two.precision = 2;
    cases.push_back(two);
    two.xAxisVariable = var::InitialAirPressure;
    two.xAxisUnit = unit::psi;
    two.xRangeFrom = 30;
    two.xRangeTo = 90;
    two.yAxisVariable = var::InitialAirPressure; // the same variable on both axes
    two.yAxisUnit = unit::psi;
    two.twoVarDependent = var::MaxVelocity;
    two.twoVarDependentUnit = 3;
    cases.push_back(two);
    two.xAxisVariable = var::ParDeployTime;
    two.xAxisUnit = 0;
    two.xRangeFrom = 0;
    two.xRangeTo = 2;
    two.yAxisVariable = var::AtmTemperature;
    two.yAxisUnit = 1;
    two.yRangeFrom = 100;
    two.yRangeTo = 0;
    two.twoVarDependent = var::ApogeeTime;
    two.twoVarDependentUnit = 0;
    cases.push_back(two);
    for (std::size_t c = 0; c < cases.size(); ++c) {
        test::RecordingHost serialHost, parallelHost;
        const auto serial = fly(cases[c], 1, serialHost);
        ASSERT_EQ(serial->outcome, RunOutcome::Completed) << "case " << c;
        for (int threads : {2, 3, 8}) {
            const auto parallel = fly(cases[c], threads, parallelHost);
            EXPECT_TRUE(sameSeries(*serial, *parallel)) << "case " << c << ", " << threads;
        }
        EXPECT_EQ(parallelHost.begins, parallelHost.ends);
        ASSERT_FALSE(parallelHost.progress.empty());
        EXPECT_EQ(parallelHost.progress.back(), 100);
    }
}

TEST(ParallelSweep, EveryThreadCountFliesTheWorkedRocketToItsWorkedLanding) {
    // 150 g is point 5 of the default 50..250 g sweep, and 40 % point 3 of 25..75 %: that
    // point is the worked rocket, which lands after 6090 steps of a millisecond.
    RunSettings one;
    one.mode = OneVariableOptimization;
    RunSettings two;
    two.mode = TwoVariableOptimization;
    for (int threads : {1, 2, 3, 8}) {
        test::RecordingHost host;
        const auto line = fly(one, threads, host);
        ASSERT_EQ(line->count, 11);
        EXPECT_TRUE(test::matchesPrinted(line->column3[5], "6.090")) << threads << " threads";
        const auto surface = fly(two, threads, host);
        ASSERT_EQ(surface->count, 121);
        EXPECT_EQ(surface->column1[5 * 11 + 3], 150);
        EXPECT_EQ(surface->column2[5 * 11 + 3], 40);
        EXPECT_TRUE(test::matchesPrinted(surface->column3[5 * 11 + 3], "6.090"))
            << threads << " threads";
    }
}

TEST(ParallelSweep, CancelReturnsPromptlyAndLeavesNoThread) {
    // One thread flies its lanes on the calling thread and asks between blocks of steps.
    for (int threads : {1, 2}) {
        const int before = threadsOfThisProcess();
        RunSettings s;
        s.mode = TwoVariableOptimization;
        s.precision = 7; // a second or more per point: far longer than the cancel takes
        test::RecordingHost host;
        host.cancelAfterAsks = 3;
        const auto start = std::chrono::steady_clock::now();
        const auto series = fly(s, threads, host);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(elapsed, std::chrono::milliseconds(500)) << threads;
        EXPECT_EQ(series->outcome, RunOutcome::Cancelled);
        EXPECT_EQ(series->count, 0);
        EXPECT_EQ(host.ends, 1);
        EXPECT_EQ(threadsOfThisProcess(), before);
    }
}

TEST(ParallelSweep, AFlightThatNeverLandsEndsTheRunAtItsTimeLimit) {
    RunSettings s;
    s.mode = OneVariableOptimization;
    s.precision = 2;
    s.oneVarRangeFrom = 50;
    s.oneVarRangeTo = 3000; // g: the light rockets ride the updraft for ever
    SimulationInputs in;
    in.updraft = 100; // MPH
    for (int threads : {1, 2}) {
        test::RecordingHost host;
        auto series = std::make_unique<SampleSeries>();
        RunOptions options;
        options.threads = threads;
        options.maxFlightTime = 100;
        runSimulation({s, in, options}, host, *series);
        EXPECT_EQ(series->outcome, RunOutcome::TimedOut) << threads;
        EXPECT_EQ(host.ends, 1);
    }
}

} // namespace
} // namespace hydrolofter

// Captions, axes and scans of each kind of graph, and the summary texts.
#include "graph/Presentation.h"
#include "graph/Comparison.h"
#include "runs/RunSimulation.h"
#include "support/RecordingHost.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace hydrolofter {
namespace {

std::shared_ptr<SampleSeries> bars(std::vector<double> times, std::vector<double> values) {
    auto s = std::make_shared<SampleSeries>();
    s->kind = SeriesKind::MinMaxBars;
    s->count = int(times.size());
    for (std::size_t i = 0; i < times.size(); ++i) {
        s->column1[i] = values[i] - 1;
        s->column2[i] = values[i] + 1;
        s->column3[i] = times[i];
    }
    return s;
}

TEST(Presentation, LaunchTimeAxis) {
    const RunSettings st;
    // The last three entries are never scanned.
    auto g = makeGraph(*bars({1, 5, 12.3, 14, 15, 16}, {0, 0, 0, 0, 0, 0}), st);
    EXPECT_EQ(g->xMin, 0);
    EXPECT_EQ(g->xMax, 13);
    EXPECT_EQ(g->xTicks, 13);
    g = makeGraph(*bars({10, 20, 20, 30, 40, 50}, {0, 0, 0, 0, 0, 0}), st);
    EXPECT_EQ(g->xMax, 21);
    EXPECT_EQ(g->xTicks, 21);
    g = makeGraph(*bars({10, 37, 40, 50, 60, 70}, {0, 0, 0, 0, 0, 0}), st);
    EXPECT_EQ(g->xMax, 40);
    EXPECT_EQ(g->xTicks, 4);
    // With 1 to 4 entries only entry 0 is scanned.
    g = makeGraph(*bars({2.5, 30, 40, 50}, {10, 99, 99, 99}), st);
    EXPECT_EQ(g->xMax, 3);
    EXPECT_EQ(g->yMin, 0);
    EXPECT_EQ(g->yMax, 20);
    EXPECT_EQ(g->mode, GraphMode::MinMaxBars);
    EXPECT_EQ(g->count, 4);
}

TEST(Presentation, Captions) {
    RunSettings st;
    EXPECT_EQ(makeGraph(*bars({1}, {1}), st)->yTitle, "Height (m)");
    EXPECT_EQ(makeGraph(*bars({1}, {1}), st)->xTitle, "Time (sec)");
    st.plotVariable = var::AirVolume;
    st.plotUnit = kPercentUnit;
    EXPECT_EQ(makeGraph(*bars({1}, {1}), st)->yTitle, "Air Volume (%)");
    st.plotVariable = var::Thrust;
    st.plotUnit = 0;
    EXPECT_EQ(makeGraph(*bars({1}, {1}), st)->yTitle, "Thrust (N)");
}

TEST(Presentation, LineScansEveryPoint) {
    RunSettings st;
    auto s = std::make_unique<SampleSeries>();
    s->kind = SeriesKind::Line;
    s->count = 11;
    for (std::size_t j = 0; j < 11; ++j) {
        s->column1[j] = 50 + 20.0 * double(j);
        s->column3[j] = 5;
    }
    s->column3[10] = 9; // the 11th point is the largest
    const auto g = makeGraph(*s, st);
    EXPECT_EQ(g->xTitle, "Empty Mass (g)");
    EXPECT_EQ(g->yTitle, "Time Aloft (sec)");
    EXPECT_EQ(g->xMin, 50);
    EXPECT_EQ(g->xMax, 250);
    EXPECT_EQ(g->xTicks, 10);
    // 5 to 9 is more than an eighth of 9: zero-based, nine intervals of 1.
    EXPECT_EQ(g->yMin, 0);
    EXPECT_EQ(g->yMax, 9);
    EXPECT_EQ(g->yTicks, 9);
    EXPECT_EQ(g->mode, GraphMode::Line);
    EXPECT_EQ(g->values2[10], 9);
}

TEST(Presentation, ARangeWithEqualEndsIsWidenedAroundItsValue) {
    RunSettings st;
    st.oneVarRangeFrom = st.oneVarRangeTo = 60;
    auto s = std::make_unique<SampleSeries>();
    s->kind = SeriesKind::Line;
    s->count = 11;
    for (std::size_t j = 0; j < 11; ++j) {
        s->column1[j] = 60;
        s->column3[j] = 5;
    }
    const auto g = makeGraph(*s, st);
    // One step of 10 either side of 60, as a constant result of 60 would be scaled.
    EXPECT_EQ(g->xMin, 50);
    EXPECT_EQ(g->xMax, 70);
    EXPECT_EQ(g->xTicks, 2);
}

TEST(Presentation, SurfaceKeepsTheTypedYRange) {
    RunSettings st;
    auto s = std::make_unique<SampleSeries>();
    s->kind = SeriesKind::Surface;
    s->count = 121;
    for (std::size_t k = 0; k < 121; ++k)
        s->column3[k] = 1000 + double(k);
    const auto g = makeGraph(*s, st);
    EXPECT_EQ(g->xTitle, "Empty Mass (g)");
    EXPECT_EQ(g->yTitle, "Initial Water Level (%)");
    EXPECT_EQ(g->yMin, 25);
    EXPECT_EQ(g->yMax, 75);
    EXPECT_EQ(g->yTicks, 10);
    EXPECT_EQ(g->mode, GraphMode::Surface);
    EXPECT_EQ(displayChoice(*s, st), Graph);
}

/// The summary of a one-variable run over 50, 70, … 250 g with these results.
std::string lineSummaryOf(const std::vector<double>& results, VariableId result, int unit) {
    RunSettings st;
    st.mode = OneVariableOptimization;
    st.oneVarDisplay = Summary;
    st.oneVarDependent = result;
    st.oneVarDependentUnit = unit;
    auto s = std::make_unique<SampleSeries>();
    s->kind = SeriesKind::Line;
    s->count = int(results.size());
    for (std::size_t j = 0; j < results.size(); ++j) {
        s->column1[j] = 50 + 20 * double(j);
        s->column3[j] = results[j];
    }
    return summaryText(*s, st);
}

TEST(Presentation, LargestResultLineNamesTheValueAndItsPoint) {
    struct Case {
        std::vector<double> results;
        VariableId result;
        int unit;
        const char* line;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {{1, 2, 3, 9, 4, 5, 6, 7, 8, 2, 1},
         var::TimeAloft,
         0,
         "\nLargest Time Aloft: 9 sec at Empty Mass = 110 g\n"},
        // Ties: the first of the equal results.
        {{5, 9, 9, 1, 9, 0, 0, 0, 0, 0, 9},
         var::TimeAloft,
         0,
         "\nLargest Time Aloft: 9 sec at Empty Mass = 70 g\n"},
        // All negative: the one nearest zero, not 0.
        {{-5, -3.25, -3.25, -7, -8, -9, -10, -11, -12, -13, -14},
         var::ImpactVelocity,
         2,
         "\nLargest Impact Velocity: -3.25 m/sec at Empty Mass = 70 g\n"},
        // A result that is not a number is passed over, also in first place.
        {{nan, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10.5},
         var::MaxHeight,
         1,
         "\nLargest Max. Height: 10.5 m at Empty Mass = 250 g\n"},
    };
    for (const Case& c : cases) {
        const std::string text = lineSummaryOf(c.results, c.result, c.unit);
        const auto at = text.find("\nLargest ");
        ASSERT_NE(at, std::string::npos) << c.line;
        EXPECT_EQ(text.substr(at), c.line);
    }
    // No result that is a number: no such line.
    EXPECT_EQ(lineSummaryOf({nan, nan}, var::TimeAloft, 0).find("Largest"), std::string::npos);
}

TEST(Presentation, Summaries) {
    test::RecordingHost host;
    auto s = std::make_unique<SampleSeries>();
    RunSettings st;
    st.launchDisplay = Summary;
    RunOptions bounded;
    bounded.maxFlightTime = 60; // the default rocket lands after about 6 s
    runSimulation({st, {}, bounded}, host, *s);
    const std::string launch = summaryText(*s, st);
    EXPECT_NE(launch.find("Time step: 1 millisecond"), std::string::npos);
    EXPECT_NE(launch.find("Max. Height: 42.3451 m\n"), std::string::npos);
    EXPECT_NE(launch.find("Time Aloft: 6.09 sec\n"), std::string::npos);
    EXPECT_LT(launch.find("Apogee Time"), launch.find("Burnout Time"));

    st.mode = OneVariableOptimization;
    st.precision = 2;
    runSimulation({st, {}, bounded}, host, *s);
    const std::string line = summaryText(*s, st);
    EXPECT_NE(line.find("Empty Mass (g)"), std::string::npos);
    EXPECT_NE(line.find("\n           250  "), std::string::npos);
    EXPECT_NE(line.find("Largest Time Aloft: "), std::string::npos);

    st.mode = TwoVariableOptimization;
    st.precision = 1;
    runSimulation({st, {}, bounded}, host, *s);
    const std::string surface = summaryText(*s, st);
    EXPECT_NE(surface.find("Down: Empty Mass (g)"), std::string::npos);
    EXPECT_NE(surface.find("Across: Initial Water Level (%)"), std::string::npos);
    EXPECT_NE(surface.find(", Initial Water Level = "), std::string::npos);
    int rows = 0;
    for (char c : surface)
        rows += c == '\n';
    EXPECT_GE(rows, 11 + 2);
}

TEST(Presentation, ComparedFlightsGetAColumnGroupEachInTheShownRunsUnits) {
    // Flight 1 was plotted in feet (3.2808399 ft to the metre). Flight 2, shown in metres,
    // has one row more; Flight 1's cells there stay empty.
    RunSettings inFeet;
    inFeet.plotUnit = unit::ft;
    const std::vector<ComparedRun> runs = {
        {"Flight 1", bars({0.5}, {10}), inFeet},
        {"Flight, 2", bars({0.5, 1}, {2, 3}), RunSettings{}},
    };
    const std::string csv = comparisonCsv(runs, 1);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "Flight 1: Height min (m),Flight 1: Height max (m),Flight 1: Time (sec),"
              "\"Flight, 2: Height min (m)\",\"Flight, 2: Height max (m)\","
              "\"Flight, 2: Time (sec)\"");
    double low = 0, high = 0, t = 0;
    ASSERT_EQ(std::sscanf(csv.c_str() + csv.find('\n') + 1, "%lf,%lf,%lf", &low, &high, &t), 3);
    EXPECT_NEAR(low, 9 / 3.2808399, 1e-12);
    EXPECT_NEAR(high, 11 / 3.2808399, 1e-12);
    EXPECT_EQ(t, 0.5);
    EXPECT_NE(csv.find("\n,,,2,4,1\n"), std::string::npos) << csv;
}

} // namespace
} // namespace hydrolofter

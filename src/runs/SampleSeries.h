// The result of a run: three columns of samples, the flight's results, the notices and how
// it ended, in a record the caller owns.
#pragma once

#include "units/VariableTable.h"

#include <array>
#include <string>
#include <vector>

namespace hydrolofter {

/// What the columns hold; the codes equal the graph modes.
enum class SeriesKind : int { Unset = -1, Line = 0, MinMaxBars = 1, Surface = 2 };

/// How a run ended. Diverged: the numbers of a flight grew beyond what a double holds (an
/// extreme input, or a time step too coarse for it), so there is no result to show.
enum class RunOutcome : int { Completed, Cancelled, TimedOut, Refused, Diverged };

/// The results of one flight, one per result variable, in their default units (the
/// model's own), looked up by variable.
struct FlightResults {
    std::array<double, variableTable::kResultCount> values{};
    double& operator[](VariableId v) { return values[variableTable::resultPosition(v)]; }
    double operator[](VariableId v) const { return values[variableTable::resultPosition(v)]; }
};

/// Line: (swept value, unused, result); MinMaxBars: (min, max, time); Surface: (x, y, result).
/// 384 KiB: allocate it on the heap.
struct SampleSeries {
    static constexpr int capacity = 16384;
    std::array<double, capacity> column1;
    std::array<double, capacity> column2;
    std::array<double, capacity> column3;
    int count = 0;
    SeriesKind kind = SeriesKind::Unset;
    RunOutcome outcome = RunOutcome::Completed;
    /// The flight results of a launch analysis shown as a summary, or of a graph flown with
    /// them (RunOptions::flightResults); 0 otherwise.
    FlightResults flight;
    /// Whether flight holds the results of the whole flight, to the landing.
    bool flightTracked = false;
    /// A launch analysis that stopped at the record limit with the rocket still above the
    /// ground: the graph shows only the first part of the flight.
    bool airborneAtEnd = false;
    /// What a completed run tells the user beside its numbers (runNotices).
    std::vector<std::string> notices;
};

} // namespace hydrolofter

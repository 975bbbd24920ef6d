// The simulation settings' fields.
#include "FieldBuilder.h"

namespace hydrolofter::fieldtable {
namespace {

constexpr FieldOption kModes[] = {
    {"&Launch Analysis",
     "Fly the rocket once and show one variable over the flight, or the flight's results as a "
     "summary."},
    {"&1-Variable Optimization", "Fly the rocket 11 times with one input stepped over a range, "
                                 "and show how a result depends on it (a line)."},
    {"&2-Variable Optimization", "Fly the rocket 121 times with two inputs stepped over their "
                                 "ranges, and show a result over both (a shaded surface)."},
};
constexpr FieldOption kFlightModels[] = {
    {"&Classic",
     "The water leaves through the launch rod's bore, the air expands at its temperature and "
     "the bottle is at the outside pressure once the water is gone."},
    {"Exte&nded",
     "A nozzle of its own, the air cooling as it expands, the launch tube and the air pulse "
     "after the water: closer to measured firings."},
};
constexpr FieldOption kLaunchDisplays[] = {
    {"&Summary",
     "Show the flight's results as text: apogee, burnout, impact velocity, maxima and time "
     "aloft.",
     "Launch analysis: display results as summary"},
    {"&Graph", "Show the chosen variable over the flight as a graph.",
     "Launch analysis: display results as graph"},
};
constexpr FieldOption kOneVarDisplays[] = {
    {"&Summary", "Show the 11 results as a table.",
     "1-variable optimization: display results as summary"},
    {"&Graph", "Show the 11 results as a line.",
     "1-variable optimization: display results as graph"},
};
constexpr FieldOption kTwoVarDisplays[] = {
    {"&Summary", "Show the 121 results as a table.",
     "2-variable optimization: display results as summary"},
    {"&Graph", "Show the 121 results as a shaded surface with a colour key.",
     "2-variable optimization: display results as graph"},
};

constexpr Field kFields[] = {
    setting("mode", &RS::mode).choices(kModes),
    setting("precision", &RS::precision)
        .on("Precision", "&Precision",
            "The time step of the simulation, from 1/10th second (left) to 1/100th microsecond "
            "(right). Each step to the right is ten times as exact and takes ten times as long: "
            "a launch analysis at 1 microsecond takes about a tenth of a second, at 1/100th "
            "microsecond about ten seconds; an optimisation flies 11 or 121 such flights."),
    setting("flightModel", &RS::flightModel)
        .on("Flight Model", "Flight Model:", {})
        .choices(kFlightModels),
    setting("launchDisplay", &RS::launchDisplay)
        .on({}, "Display Results As:", {})
        .choices(kLaunchDisplays),
    variable("plotVariable", &RS::plotVariable, L::PlotVariables, "plotUnit")
        .on({}, "Plo&t:", "The variable drawn over the flight."),
    unitOfVariable("plotUnit", &RS::plotUnit, "plotVariable"),
    setting("oneVarDisplay", &RS::oneVarDisplay)
        .on({}, "Display Results As:", {})
        .choices(kOneVarDisplays),
    variable("oneVarDependent", &RS::oneVarDependent, L::ResultVariables, "oneVarDependentUnit")
        .on({}, "&Dependent Variable:", "The result computed for every flight."),
    unitOfVariable("oneVarDependentUnit", &RS::oneVarDependentUnit, "oneVarDependent"),
    variable("oneVarIndependent", &RS::oneVarIndependent, L::SweepVariables,
             "oneVarIndependentUnit")
        .on({}, "&Independent Variable:", "The input stepped over the range, in 10 equal steps."),
    unitOfVariable("oneVarIndependentUnit", &RS::oneVarIndependentUnit, "oneVarIndependent"),
    range("oneVarRangeFrom", &RS::oneVarRangeFrom)
        .on({}, "&Range:", "The first value of the stepped input, in its unit.")
        .spoken("Range from"),
    range("oneVarRangeTo", &RS::oneVarRangeTo)
        .on({}, "to", "The last value of the stepped input; it may be smaller than the first.")
        .spoken("Range to"),
    setting("twoVarDisplay", &RS::twoVarDisplay)
        .on({}, "Display Results As:", {})
        .choices(kTwoVarDisplays),
    variable("twoVarDependent", &RS::twoVarDependent, L::ResultVariables, "twoVarDependentUnit")
        .on({}, "&Dependent Variable:",
            "The result computed for every flight; its value sets the shade."),
    unitOfVariable("twoVarDependentUnit", &RS::twoVarDependentUnit, "twoVarDependent"),
    variable("xAxisVariable", &RS::xAxisVariable, L::SweepVariables, "xAxisUnit")
        .on({}, "&X-Axis Variable:", "The input stepped across the surface (the x axis)."),
    unitOfVariable("xAxisUnit", &RS::xAxisUnit, "xAxisVariable"),
    range("xRangeFrom", &RS::xRangeFrom)
        .on({}, "&Range:", "The first value of the x-axis input.")
        .spoken("X-axis range from"),
    range("xRangeTo", &RS::xRangeTo)
        .on({}, "to", "The last value of the x-axis input.")
        .spoken("X-axis range to"),
    variable("yAxisVariable", &RS::yAxisVariable, L::SweepVariables, "yAxisUnit")
        .on({}, "&Y-Axis Variable:", "The input stepped up the surface (the y axis)."),
    unitOfVariable("yAxisUnit", &RS::yAxisUnit, "yAxisVariable"),
    range("yRangeFrom", &RS::yRangeFrom)
        .on({}, {}, "The first value of the y-axis input.")
        .spoken("Y-axis range from"),
    range("yRangeTo", &RS::yRangeTo)
        .on({}, "to", "The last value of the y-axis input.")
        .spoken("Y-axis range to"),
};

} // namespace

std::span<const Field> settingFields() {
    return kFields;
}

} // namespace hydrolofter::fieldtable

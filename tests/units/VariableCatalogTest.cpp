// The variable catalogue and the unit selector beside each variable drop-down.
#include "units/VariableCatalog.h"
#include "support/FakeListControl.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

using test::FakeListControl;

TEST(VariableCatalog, ListsHoldTheirNamesInOrder) {
    FakeListControl plot, result, sweep;
    fillVariableList(VariableList::PlotVariables, plot);
    fillVariableList(VariableList::ResultVariables, result);
    fillVariableList(VariableList::SweepVariables, sweep);
    EXPECT_EQ(plot.items, (std::vector<std::string>{"Acceleration", "Air Pressure", "Air Volume",
                                                    "Height", "Launch Rod Force", "Mass", "Thrust",
                                                    "Velocity", "Water Level", "Wind Resistance"}));
    EXPECT_EQ(result.items,
              (std::vector<std::string>{"Apogee Time", "Burnout Time", "Impact Velocity",
                                        "Max. Acceleration", "Max. Height", "Max. Velocity",
                                        "Time Aloft"}));
    EXPECT_EQ(sweep.items, (std::vector<std::string>{"Air Temperature",
                                                     "Atm. Pressure",
                                                     "Atm. Temperature",
                                                     "Bottle Volume",
                                                     "Diameter",
                                                     "Drag Coefficient",
                                                     "Empty Mass",
                                                     "Gravity",
                                                     "Initial Air Pressure",
                                                     "Initial Height",
                                                     "Initial Velocity",
                                                     "Initial Water Level",
                                                     "Launch Rod Diameter",
                                                     "Launch Rod Height",
                                                     "Par. Deploy Time",
                                                     "Par. Diameter",
                                                     "Par. Drag Coefficient",
                                                     "Par., Number of",
                                                     "Par. Surface Area",
                                                     "Water Density"}));
    EXPECT_EQ(plot.selection(), -1);

    FakeListControl none;
    fillVariableList(VariableList(3), none);
    EXPECT_EQ(none.count(), 0);
}

struct Selector {
    VariableList list;
    int position;
    const char* selectedName;
    int entries;
};

TEST(VariableCatalog, RefillSelectsTheDefaultUnit) {
    using L = VariableList;
    const Selector cases[] = {
        {L::SweepVariables, 8, "PSI", 6},  // Initial Air Pressure
        {L::SweepVariables, 1, "atm", 6},  // Atm. Pressure
        {L::SweepVariables, 15, "cm", 3},  // Par. Diameter
        {L::SweepVariables, 4, "mm", 3},   // Diameter
        {L::SweepVariables, 12, "mm", 3},  // Launch Rod Diameter
        {L::SweepVariables, 13, "mm", 3},  // Launch Rod Height
        {L::PlotVariables, 2, "%", 6},     // Air Volume
        {L::PlotVariables, 8, "%", 6},     // Water Level
        {L::SweepVariables, 11, "%", 6},   // Initial Water Level
        {L::PlotVariables, 6, "N", 1},     // Thrust
        {L::ResultVariables, 0, "sec", 1}, // Apogee Time
        {L::SweepVariables, 5, "Cd", 1},   // Drag Coefficient
        {L::SweepVariables, 17, "#", 1},   // Par., Number of
        {L::PlotVariables, 3, "m", 3},     // Height
        {L::PlotVariables, 5, "g", 4},     // Mass
        {L::PlotVariables, 0, "m/sec^2", 6}, {L::ResultVariables, 2, "m/sec", 5},
        {L::SweepVariables, 0, "deg C", 3},  {L::SweepVariables, 3, "L", 5},
        {L::SweepVariables, 18, "m^2", 5},   {L::SweepVariables, 19, "kg/m^3", 4},
    };
    for (const Selector& c : cases) {
        FakeListControl units;
        units.addString("stale");
        units.setSelection(0);
        refillUnitSelector(units, c.position, c.list);
        ASSERT_GE(units.selection(), 0) << c.selectedName;
        EXPECT_EQ(units.items[std::size_t(units.selection())], c.selectedName);
        EXPECT_EQ(units.count(), c.entries) << c.selectedName;
    }
}

TEST(VariableCatalog, PickingAnotherVariableDiscardsTheUnit) {
    FakeListControl units;
    refillUnitSelector(units, 3, VariableList::PlotVariables); // Height: m
    units.setSelection(0);                                     // user picks ft
    refillUnitSelector(units, 7, VariableList::PlotVariables); // Velocity
    EXPECT_EQ(units.items[std::size_t(units.selection())], "m/sec");
    refillUnitSelector(units, 3, VariableList::PlotVariables);
    EXPECT_EQ(units.items[std::size_t(units.selection())], "m");
}

TEST(VariableCatalog, InvalidPositionLeavesTheSelectorEmpty) {
    const std::pair<VariableList, int> cases[] = {
        {VariableList::PlotVariables, 10},
        {VariableList::ResultVariables, 7},
        {VariableList::SweepVariables, 20},
        {VariableList::SweepVariables, -1},
        {VariableList(3), 0},
        {VariableList(-1), 0},
    };
    for (const auto& [list, position] : cases) {
        FakeListControl units;
        fillUnitList(UnitFamily::Mass, units);
        units.setSelection(1);
        refillUnitSelector(units, position, list);
        EXPECT_EQ(units.count(), 0);
        EXPECT_EQ(units.selection(), -1);
    }
}

TEST(VariableCatalog, UnitNamesAndLookup) {
    EXPECT_EQ(unitName(var::AirVolume, kPercentUnit), "%");
    EXPECT_EQ(unitName(var::AirVolume, 3), "mL");
    EXPECT_EQ(unitName(var::Thrust, 0), "N");
    EXPECT_EQ(unitName(var::Thrust, 1), "");
    EXPECT_EQ(unitName(99, 0), "");
    EXPECT_EQ(unitIndexByName(var::AtmTemperature, "deg F"), 1);
    EXPECT_EQ(unitIndexByName(var::AtmTemperature, "F"), -1);
    EXPECT_EQ(variableAt(VariableList::SweepVariables, 6), var::EmptyMass);
    EXPECT_TRUE(inList(var::TimeAloft, VariableList::ResultVariables));
    EXPECT_FALSE(inList(var::TimeAloft, VariableList::SweepVariables));
}

} // namespace
} // namespace hydrolofter

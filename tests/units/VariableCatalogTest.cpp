// The variable catalogue and the unit selector beside each variable drop-down.
#include "units/VariableCatalog.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

TEST(VariableCatalog, ListsHoldTheirNamesInOrder) {
    const std::vector<std::string> plot = variableNames(VariableList::PlotVariables),
                                   result = variableNames(VariableList::ResultVariables),
                                   sweep = variableNames(VariableList::SweepVariables);
    EXPECT_EQ(plot, (std::vector<std::string>{"Acceleration", "Air Pressure", "Air Volume",
                                              "Height", "Launch Rod Force", "Mass", "Thrust",
                                              "Velocity", "Water Level", "Wind Resistance"}));
    EXPECT_EQ(result, (std::vector<std::string>{"Apogee Time", "Burnout Time", "Impact Velocity",
                                                "Max. Acceleration", "Max. Height", "Max. Velocity",
                                                "Time Aloft", "Total Impulse", "Max. Thrust"}));
    EXPECT_EQ(sweep, (std::vector<std::string>{"Air Temperature",
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
                                               "Water Density",
                                               "Nozzle Diameter",
                                               "Discharge Coefficient",
                                               "Expansion Exponent"}));
    EXPECT_TRUE(variableNames(VariableList(3)).empty());
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
        const VariableId id = variableAt(c.list, c.position);
        const std::vector<std::string> units = variableUnitNames(id);
        ASSERT_GE(id, 0) << c.selectedName;
        EXPECT_EQ(units.at(std::size_t(variableInfo(id).defaultUnit)), c.selectedName);
        EXPECT_EQ(int(units.size()), c.entries) << c.selectedName;
    }
}

TEST(VariableCatalog, InvalidPositionLeavesTheSelectorEmpty) {
    const std::pair<VariableList, int> cases[] = {
        {VariableList::PlotVariables, 10},
        {VariableList::ResultVariables, 9},
        {VariableList::SweepVariables, 23},
        {VariableList::SweepVariables, -1},
        {VariableList(3), 0},
        {VariableList(-1), 0},
    };
    for (const auto& [list, position] : cases)
        EXPECT_TRUE(variableUnitNames(variableAt(list, position)).empty());
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

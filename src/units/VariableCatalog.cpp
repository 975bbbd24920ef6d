// The variable catalogue table and the drop-down operations over it.
#include "VariableCatalog.h"

#include "NumberText.h"

#include <array>

namespace hydrolofter {
namespace {

constexpr UnitList family(UnitFamily f) {
    return {UnitListKind::Family, f, {}};
}
constexpr UnitList fixed(std::string_view label) {
    return {UnitListKind::Fixed, UnitFamily::SmallLength, label};
}
constexpr UnitList volumeOrPercent{UnitListKind::VolumeOrPercent, UnitFamily::Volume, {}};

using F = UnitFamily;

constexpr std::array<VariableInfo, var::Count> kCatalogue{{
    {"Acceleration", family(F::Acceleration), 3, unit::mPerSec2},
    {"Air Pressure", family(F::Pressure), 4, unit::pascal},
    {"Air Volume", volumeOrPercent, kPercentUnit, unit::litre},
    {"Height", family(F::LargeLength), 1, unit::m},
    {"Launch Rod Force", fixed("N"), 0, 0},
    {"Mass", family(F::Mass), 0, unit::kg},
    {"Thrust", fixed("N"), 0, 0},
    {"Velocity", family(F::Velocity), 2, unit::mPerSec},
    {"Water Level", volumeOrPercent, kPercentUnit, unit::litre},
    {"Wind Resistance", fixed("N"), 0, 0},
    {"Apogee Time", fixed("sec"), 0, 0},
    {"Burnout Time", fixed("sec"), 0, 0},
    {"Impact Velocity", family(F::Velocity), 2, unit::mPerSec},
    {"Max. Acceleration", family(F::Acceleration), 3, unit::mPerSec2},
    {"Max. Height", family(F::LargeLength), 1, unit::m},
    {"Max. Velocity", family(F::Velocity), 2, unit::mPerSec},
    {"Time Aloft", fixed("sec"), 0, 0},
    {"Air Temperature", family(F::Temperature), 0, unit::degC},
    {"Atm. Pressure", family(F::Pressure), 0, unit::atm},
    {"Atm. Temperature", family(F::Temperature), 0, unit::degC},
    {"Bottle Volume", family(F::Volume), 1, unit::litre},
    {"Diameter", family(F::SmallLength), 2, unit::mm},
    {"Drag Coefficient", fixed("Cd"), 0, 0},
    {"Empty Mass", family(F::Mass), 0, unit::kg},
    {"Gravity", family(F::Acceleration), 3, unit::mPerSec2},
    {"Initial Air Pressure", family(F::Pressure), 4, unit::pascal},
    {"Initial Height", family(F::LargeLength), 1, unit::m},
    {"Initial Velocity", family(F::Velocity), 2, unit::mPerSec},
    {"Initial Water Level", volumeOrPercent, kPercentUnit, kPercentUnit},
    {"Launch Rod Diameter", family(F::SmallLength), 2, unit::mm},
    {"Launch Rod Height", family(F::SmallLength), 2, unit::mm},
    {"Par. Deploy Time", fixed("sec"), 0, 0},
    {"Par. Diameter", family(F::SmallLength), 0, unit::cm},
    {"Par. Drag Coefficient", fixed("Cd"), 0, 0},
    {"Par., Number of", fixed("#"), 0, 0},
    {"Par. Surface Area", family(F::Area), 3, unit::m2},
    {"Water Density", family(F::Density), 2, unit::kgPerM3},
}};

struct ListRange {
    int first;
    int size;
};
constexpr std::array<ListRange, 3> kLists{{{0, 10}, {10, 7}, {17, 20}}};

const ListRange* range(VariableList list) {
    const int l = static_cast<int>(list);
    if (l < 0 || l >= static_cast<int>(kLists.size()))
        return nullptr;
    return &kLists[static_cast<std::size_t>(l)];
}

} // namespace

bool isValidVariable(VariableId id) {
    return id >= 0 && id < var::Count;
}

const VariableInfo& variableInfo(VariableId id) {
    return kCatalogue[static_cast<std::size_t>(id)];
}

int listFirst(VariableList list) {
    const ListRange* r = range(list);
    return r ? r->first : 0;
}

int listSize(VariableList list) {
    const ListRange* r = range(list);
    return r ? r->size : 0;
}

VariableId variableAt(VariableList list, int position) {
    const ListRange* r = range(list);
    if (!r || position < 0 || position >= r->size)
        return -1;
    return r->first + position;
}

bool inList(VariableId id, VariableList list) {
    const ListRange* r = range(list);
    return r && id >= r->first && id < r->first + r->size;
}

int unitListSize(VariableId id) {
    if (!isValidVariable(id))
        return 0;
    const UnitList& u = variableInfo(id).units;
    switch (u.kind) {
    case UnitListKind::Family:
        return unitCount(u.family);
    case UnitListKind::VolumeOrPercent:
        return unitCount(UnitFamily::Volume) + 1;
    case UnitListKind::Fixed:
        break;
    }
    return 1;
}

std::string unitName(VariableId id, int unitIndex) {
    if (unitIndex < 0 || unitIndex >= unitListSize(id))
        return {};
    const UnitList& u = variableInfo(id).units;
    switch (u.kind) {
    case UnitListKind::Family:
        return std::string(unitNames(u.family)[static_cast<std::size_t>(unitIndex)]);
    case UnitListKind::VolumeOrPercent:
        if (unitIndex == kPercentUnit)
            return "%";
        return std::string(unitNames(UnitFamily::Volume)[static_cast<std::size_t>(unitIndex)]);
    case UnitListKind::Fixed:
        break;
    }
    return std::string(u.fixedLabel);
}

int unitIndexByName(VariableId id, std::string_view name) {
    const int n = unitListSize(id);
    for (int i = 0; i < n; ++i) {
        if (unitName(id, i) == name)
            return i;
    }
    return -1;
}

std::vector<std::string> variableNames(VariableList list) {
    std::vector<std::string> names;
    if (const ListRange* r = range(list)) {
        for (int id = r->first; id < r->first + r->size; ++id)
            names.emplace_back(variableInfo(id).name);
    }
    return names;
}

std::vector<std::string> variableUnitNames(VariableId id) {
    std::vector<std::string> names;
    for (int i = 0; i < unitListSize(id); ++i)
        names.push_back(unitName(id, i));
    return names;
}

std::string valueWithUnit(double value, VariableId id, int unitIndex) {
    const std::string unit = unitName(id, unitIndex);
    return unit.empty() ? formatShort(value) : formatShort(value) + " " + unit;
}

} // namespace hydrolofter

// The variable catalogue table and the drop-down operations over it.
#include "VariableCatalog.h"

#include "NumberText.h"
#include "VariableTable.h"

namespace hydrolofter {
namespace {

std::span<const VariableId> members(VariableList list) {
    const int l = static_cast<int>(list);
    if (l < 0 || l >= static_cast<int>(variableTable::kLists.size()))
        return {};
    return variableTable::kLists[static_cast<std::size_t>(l)];
}

} // namespace

bool isValidVariable(VariableId id) {
    return id >= 0 && id < var::Count;
}

const VariableInfo& variableInfo(VariableId id) {
    return variableTable::kCatalogue[static_cast<std::size_t>(id)];
}

int listSize(VariableList list) {
    return int(members(list).size());
}

int positionIn(VariableList list, VariableId id) {
    return variableTable::positionOf(members(list), id);
}

VariableId variableAt(VariableList list, int position) {
    const std::span<const VariableId> m = members(list);
    if (position < 0 || position >= int(m.size()))
        return -1;
    return m[std::size_t(position)];
}

bool inList(VariableId id, VariableList list) {
    return positionIn(list, id) >= 0;
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
    for (VariableId id : members(list))
        names.emplace_back(variableInfo(id).name);
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

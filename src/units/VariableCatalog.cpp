// The variable catalogue table and the drop-down operations over it.
#include "VariableCatalog.h"

#include "NumberText.h"
#include "VariableTable.h"

namespace hydrolofter {
namespace {

const variableTable::ListRange* range(VariableList list) {
    const int l = static_cast<int>(list);
    if (l < 0 || l >= static_cast<int>(variableTable::kLists.size()))
        return nullptr;
    return &variableTable::kLists[static_cast<std::size_t>(l)];
}

} // namespace

bool isValidVariable(VariableId id) {
    return id >= 0 && id < var::Count;
}

const VariableInfo& variableInfo(VariableId id) {
    return variableTable::kCatalogue[static_cast<std::size_t>(id)];
}

int listFirst(VariableList list) {
    const variableTable::ListRange* r = range(list);
    return r ? r->first : 0;
}

int listSize(VariableList list) {
    const variableTable::ListRange* r = range(list);
    return r ? r->size : 0;
}

VariableId variableAt(VariableList list, int position) {
    const variableTable::ListRange* r = range(list);
    if (!r || position < 0 || position >= r->size)
        return -1;
    return r->first + position;
}

bool inList(VariableId id, VariableList list) {
    const variableTable::ListRange* r = range(list);
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
    if (const variableTable::ListRange* r = range(list)) {
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

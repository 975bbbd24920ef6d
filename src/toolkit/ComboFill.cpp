#include "ComboFill.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <algorithm>

namespace hydrolofter {

void fillCombo(QComboBox& combo, const std::vector<std::string>& names, int selected) {
    combo.clear();
    for (const std::string& name : names)
        combo.addItem(QString::fromStdString(name));
    // The closed box is as narrow as its template; the open list shows every name whole.
    QAbstractItemView* list = combo.view();
    list->setMinimumWidth(std::max(list->minimumWidth(), list->sizeHintForColumn(0) + 8));
    combo.setCurrentIndex(selected >= 0 && selected < combo.count() ? selected : -1);
}

void fillUnitCombo(QComboBox& combo, UnitFamily family, int selected, bool withPercent) {
    fillCombo(combo, unitChoices(family, withPercent), selected);
}

void refillUnitCombo(QComboBox& units, int position, VariableList list) {
    const VariableId id = variableAt(list, position);
    fillCombo(units, variableUnitNames(id), id < 0 ? -1 : variableInfo(id).defaultUnit);
}

} // namespace hydrolofter

#include "ComboListControl.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <algorithm>

namespace hydrolofter {

void ComboListControl::addString(const std::string& text) {
    m_combo.addItem(QString::fromStdString(text));
    // The closed box is as narrow as its template; the open list shows every name whole.
    QAbstractItemView* list = m_combo.view();
    list->setMinimumWidth(std::max(list->minimumWidth(), list->sizeHintForColumn(0) + 8));
}

void ComboListControl::reset() {
    m_combo.clear();
}

void ComboListControl::setSelection(int index) {
    m_combo.setCurrentIndex(index >= 0 && index < m_combo.count() ? index : -1);
}

int ComboListControl::selection() const {
    return m_combo.currentIndex();
}

int ComboListControl::count() const {
    return m_combo.count();
}

void fillUnitCombo(QComboBox& combo, UnitFamily family, int selected) {
    ComboListControl list(combo);
    fillUnitList(family, list);
    list.setSelection(selected);
}

} // namespace hydrolofter

#include "ComboListControl.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <algorithm>

namespace hydrolofter {

void ComboListControl::addString(const std::string& text) {
    combo_.addItem(QString::fromStdString(text));
    // The closed box is as narrow as its template; the open list shows every name whole.
    QAbstractItemView* list = combo_.view();
    list->setMinimumWidth(std::max(list->minimumWidth(), list->sizeHintForColumn(0) + 8));
}

void ComboListControl::reset() {
    combo_.clear();
}

void ComboListControl::setSelection(int index) {
    combo_.setCurrentIndex(index >= 0 && index < combo_.count() ? index : -1);
}

int ComboListControl::selection() const {
    return combo_.currentIndex();
}

int ComboListControl::count() const {
    return combo_.count();
}

void fillUnitCombo(QComboBox& combo, UnitFamily family, int selected) {
    ComboListControl list(combo);
    fillUnitList(family, list);
    list.setSelection(selected);
}

} // namespace hydrolofter

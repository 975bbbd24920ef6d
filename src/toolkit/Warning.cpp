#include "Warning.h"

#include <QMessageBox>

namespace hydrolofter {

void warnUser(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace hydrolofter

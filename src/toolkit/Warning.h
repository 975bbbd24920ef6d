// The program's warning: a modal message box with one OK button, over parent.
#pragma once

#include <QString>

class QWidget;

namespace hydrolofter {

void warnUser(QWidget* parent, const QString& text);

} // namespace hydrolofter

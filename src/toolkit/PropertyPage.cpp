#include "PropertyPage.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>

namespace hydrolofter {

PropertyPage::PropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption) {}

void PropertyPage::initialise() {
    if (m_initialised)
        return;
    m_initialised = true;
    initialiseControls();
}

void PropertyPage::showEvent(QShowEvent* event) {
    initialise();
    QWidget::showEvent(event);
}

QWidget* PropertyPage::controlWidget(std::string_view name) const {
    return findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

void PropertyPage::enableControl(std::string_view name, bool enable) {
    if (QWidget* w = controlWidget(name))
        w->setEnabled(enable);
}

void PropertyPage::showControl(std::string_view name, bool show) {
    if (QWidget* w = controlWidget(name))
        w->setVisible(show);
}

void PropertyPage::refuse(QWidget* control, const QString& message) {
    // Named, so that the message says which field when it stands over another page.
    const QString name = control->accessibleName();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                    name.isEmpty() ? message : name + QStringLiteral(": ") + message,
                    QMessageBox::Ok, this);
    box.exec();
    reveal();
    m_refused = control;
    focusRefusedControl();
}

void PropertyPage::focusRefusedControl() {
    if (!m_refused)
        return;
    m_refused->activateWindow(); // the message box had the focus
    m_refused->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(m_refused.data()))
        edit->selectAll();
}

void PropertyPage::reveal() {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setCurrentWidget(this);
            return;
        }
    }
}

} // namespace hydrolofter

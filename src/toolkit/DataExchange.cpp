#include "DataExchange.h"

#include "PropertyPage.h"
#include "units/NumberText.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSlider>

namespace hydrolofter {

void DataExchange::refuse(QWidget* control, const QString& message) {
    failedControl_ = control;
    if (quiet_)
        return;
    // Named, so that the message says which field when it stands over another page.
    const QString name = control->accessibleName();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                    name.isEmpty() ? message : name + QStringLiteral(": ") + message,
                    QMessageBox::Ok, &page_);
    box.exec();
}

void DataExchange::number(int id, double& value) {
    auto* edit = page_.control<QLineEdit>(id);
    if (failed() || !edit)
        return;
    if (!save_) {
        edit->setText(QString::fromStdString(formatDecimal(value)));
        return;
    }
    if (const std::optional<double> v = parseDecimal(edit->text().toStdString()))
        value = *v;
    else
        refuse(edit, QStringLiteral("Please enter a number."));
}

void DataExchange::integer(int id, int& value) {
    auto* edit = page_.control<QLineEdit>(id);
    if (failed() || !edit)
        return;
    if (!save_) {
        edit->setText(QString::number(value));
        return;
    }
    if (const std::optional<int> v = parseWholeNumber(edit->text().toStdString()))
        value = *v;
    else
        refuse(edit, QStringLiteral("Please enter an integer."));
}

void DataExchange::text(int id, std::string& value, std::size_t maxChars) {
    if (failed())
        return;
    if (auto* edit = page_.control<QPlainTextEdit>(id)) {
        const QString text = edit->toPlainText();
        if (save_ && std::size_t(text.toUcs4().size()) > maxChars)
            refuse(edit, QStringLiteral("Please shorten the text to %1 characters.").arg(maxChars));
        else if (save_)
            value = text.toStdString();
        else
            edit->setPlainText(QString::fromStdString(value));
    } else if (auto* line = page_.control<QLineEdit>(id)) {
        if (save_)
            value = line->text().toStdString();
        else
            line->setText(QString::fromStdString(value));
    }
}

void DataExchange::check(int id, int& value) {
    auto* box = page_.control<QCheckBox>(id);
    if (failed() || !box)
        return;
    if (save_)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DataExchange::radio(int firstId, int& value) {
    QButtonGroup* group = page_.radioGroup(firstId);
    if (failed() || !group)
        return;
    if (save_) {
        value = group->checkedId();
        return;
    }
    if (QAbstractButton* b = group->button(value)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false); // the only way to leave an exclusive group empty
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

void DataExchange::listIndex(int id, int& value) {
    auto* combo = page_.control<QComboBox>(id);
    if (failed() || !combo)
        return;
    if (save_)
        value = combo->currentIndex();
    else
        combo->setCurrentIndex(value);
}

void DataExchange::slider(int id, int& value) {
    auto* s = page_.control<QSlider>(id);
    if (failed() || !s)
        return;
    if (save_)
        value = s->value();
    else
        s->setValue(value);
}

} // namespace hydrolofter

#include "CFitDlg.h"

#include "runs/FieldTable.h"
#include "toolkit/PageControls.h"
#include "toolkit/Warning.h"
#include "units/NumberText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace hydrolofter {

CFitDlg::CFitDlg(QWidget* parent, const SimulationInputs& inputs)
    : QDialog(parent), m_inputs(inputs) {
    setWindowTitle(QStringLiteral("Fit to the Measured Flight"));
    auto* form = new QFormLayout(this);
    auto* intro = new QLabel(QStringLiteral("The value of one input that brings the simulated "
                                            "heights closest to the measured ones (the least "
                                            "RMS difference), each flight at the precision "
                                            "of the Simulation Settings page."),
                             this);
    intro->setWordWrap(true);
    form->addRow(intro);
    m_input = helped(new QComboBox(this), "input", "The input to fit.");
    for (const Field& f : fields()) {
        if (f.sweep >= 0 && fittable(f.sweep))
            m_input->addItem(QString::fromUtf8(variableInfo(f.sweep).name.data(),
                                               qsizetype(variableInfo(f.sweep).name.size())),
                             f.sweep);
    }
    m_input->setCurrentIndex(m_input->findData(var::DragCoefficient));
    m_from = helped(new QLineEdit(this), "from", "The smallest value to try.");
    m_to = helped(new QLineEdit(this), "to", "The largest value to try.");
    m_unit = helped(new QLabel(this), "unit", "The unit of the range: the input's own.");
    auto* range = new QHBoxLayout;
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("to"), this));
    range->addWidget(m_to);
    range->addWidget(m_unit);
    form->addRow(QStringLiteral("&Input:"), m_input);
    form->addRow(QStringLiteral("&Range:"), range);
    static_cast<QLabel*>(form->labelForField(range))->setBuddy(m_from);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Fit"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFitDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_input, &QComboBox::currentIndexChanged, this, &CFitDlg::showInput);
    showInput();
}

void CFitDlg::showInput() {
    const VariableId v = m_input->currentData().toInt();
    const Field& f = *sweptField(v);
    const FitRequest range = defaultFitRange(v, m_inputs.*std::get<InputNumber>(f.member));
    m_from->setText(QString::fromStdString(formatDecimal(range.from)));
    m_to->setText(QString::fromStdString(formatDecimal(range.to)));
    const int unitIndex = unitIndexOf(f, m_inputs);
    m_unit->setText(QString::fromStdString(unitName(v, unitIndex < 0 ? kOnlyUnit : unitIndex)));
}

void CFitDlg::accept() {
    const auto from = parseDecimal(m_from->text().toStdString());
    const auto to = parseDecimal(m_to->text().toStdString());
    if (!from || !to || !(*from < *to)) {
        warnUser(this, QStringLiteral("Please enter a range from a smaller number to a larger "
                                      "one."));
        (from ? m_to : m_from)->setFocus();
        return;
    }
    m_request = {m_input->currentData().toInt(), *from, *to};
    QDialog::accept();
}

} // namespace hydrolofter

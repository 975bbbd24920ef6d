#include "CMeasuredFlightDlg.h"

#include "toolkit/PageControls.h"
#include "toolkit/Warning.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace hydrolofter {

namespace {

QComboBox* unitChoice(const char* name, const char* help, QStringList units, QWidget* parent) {
    auto* box = helped(new QComboBox(parent), name, help);
    units.prepend(QStringLiteral("As its header says"));
    box->addItems(units);
    return box;
}

} // namespace

CMeasuredFlightDlg::CMeasuredFlightDlg(QWidget* parent, QString folder, Take take)
    : QDialog(parent), m_folder(std::move(folder)), m_take(std::move(take)) {
    setWindowTitle(QStringLiteral("Import Measured Flight"));
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    auto* form = new QFormLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("A table of times and altitudes, as a recording altimeter writes it, or "
                       "of times and forces, as a test stand's load cell does (shown over a "
                       "Thrust graph): comma, semicolon or tab separated; lines without numbers "
                       "are passed over."),
        this);
    intro->setWordWrap(true);
    form->addRow(intro);
    m_file = helped(new QLineEdit(this), "file", "The measured flight's file.");
    auto* browse =
        helped(new QPushButton(QStringLiteral("&Browse..."), this), "browse", "Choose the file.");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    form->addRow(QStringLiteral("&File:"), fileRow);
    static_cast<QLabel*>(form->labelForField(fileRow))->setBuddy(m_file);
    m_timeColumn = helped(new QLineEdit(this), "timeColumn",
                          "The time column: its header's name or its position from 1. Empty: "
                          "the column whose header holds \"time\", else the first.");
    m_heightColumn = helped(new QLineEdit(this), "heightColumn",
                            "The altitude or force column: its header's name or its position "
                            "from 1. Empty: the column whose header holds \"alt\", \"height\", "
                            "\"force\" or \"thrust\", else the second.");
    m_timeUnit = unitChoice("timeUnit",
                            "What the times are counted in; as its header says "
                            "(\"ms\"), else seconds.",
                            {QStringLiteral("s"), QStringLiteral("ms")}, this);
    m_heightUnit = unitChoice("heightUnit",
                              "What the altitudes are measured in; as its header "
                              "says (\"ft\", \"feet\"), else metres.",
                              {QStringLiteral("m"), QStringLiteral("ft")}, this);
    m_forceUnit =
        unitChoice("forceUnit",
                   "For a firing, what the forces are measured in; as its header says "
                   "(\"lbf\", \"kgf\"), else newtons. A unit chosen here makes the "
                   "table a firing whatever its header says.",
                   {QStringLiteral("N"), QStringLiteral("lbf"), QStringLiteral("kgf")}, this);
    form->addRow(QStringLiteral("&Time column:"), m_timeColumn);
    form->addRow(QStringLiteral("&Altitude or force column:"), m_heightColumn);
    form->addRow(QStringLiteral("Time &unit:"), m_timeUnit);
    form->addRow(QStringLiteral("Altitude u&nit:"), m_heightUnit);
    form->addRow(QStringLiteral("Fo&rce unit:"), m_forceUnit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMeasuredFlightDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CMeasuredFlightDlg::browse);
}

TraceFormat CMeasuredFlightDlg::format() const {
    return {
        m_timeColumn->text().trimmed().toStdString(),
        m_heightColumn->text().trimmed().toStdString(), TraceTimeUnit(m_timeUnit->currentIndex()),
        TraceHeightUnit(m_heightUnit->currentIndex()), TraceForceUnit(m_forceUnit->currentIndex())};
}

void CMeasuredFlightDlg::browse() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Choose a measured flight"), m_folder,
                                     QStringLiteral("Tables (*.csv *.txt *.tsv);;All files (*)"));
    if (!path.isEmpty())
        m_file->setText(path);
}

void CMeasuredFlightDlg::accept() {
    const QString error = m_take(m_file->text(), format());
    if (error.isEmpty())
        return QDialog::accept();
    warnUser(this, error);
    m_file->setFocus();
}

} // namespace hydrolofter

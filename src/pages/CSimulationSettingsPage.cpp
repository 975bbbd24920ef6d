// The settings page laid out by Qt: the precision, then a framed row for each kind of run.
#include "CSimulationSettingsPage.h"

#include "designs/Flight.h"
#include "runs/FieldTable.h"
#include "toolkit/ComboFill.h"
#include "toolkit/Controls.h"
#include "toolkit/PageControls.h"
#include "units/NumberText.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>

namespace hydrolofter {
namespace {

const Field& field(std::string_view name) {
    return *findField(name);
}

/// The variable fields of the settings, each with its unit field.
std::vector<const Field*> variableFields() {
    std::vector<const Field*> out;
    for (const Field& f : fields()) {
        if (f.kind == FieldKind::Variable)
            out.push_back(&f);
    }
    return out;
}

/// The table of the three kinds of run: a frame around each kind's rows, a margin column
/// on both sides and a margin row above and below each kind.
constexpr int kRowsPerMode = 6;
constexpr int kLastColumn = 9;

QButtonGroup* optionsOf(const QWidget& page, std::string_view name) {
    return page.findChild<QButtonGroup*>(qstr(name) + QStringLiteral("Options"));
}

} // namespace

CSimulationSettingsPage::CSimulationSettingsPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Simulation Settings"), parent) {
    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    QSlider* slider = nullptr;
    top->addWidget(makePrecisionBox(slider));
    top->addWidget(makeFlightModelBox(), 0, Qt::AlignTop);
    top->addStretch(1);
    top->addLayout(makeFlightButtons());
    page->addLayout(top);
    page->addLayout(makeModeTable());
    page->addStretch(1);

    for (QRadioButton* radio : findChildren<QRadioButton*>()) {
        if (radio->objectName().startsWith("mode=") ||
            radio->objectName().startsWith("launchDisplay=") ||
            radio->objectName().startsWith("flightModel="))
            connect(radio, &QRadioButton::clicked, this,
                    &CSimulationSettingsPage::applyEnablingRule);
    }
    // valueChanged also arrives while the slider is dragged, so the label follows it.
    connect(slider, &QSlider::valueChanged, this, &CSimulationSettingsPage::updatePrecisionLabel);
    for (const Field* v : variableFields()) {
        connect(control<QComboBox>(v->name), &QComboBox::activated, this,
                [this, v] { refillUnits(*v); });
    }
}

QGridLayout* CSimulationSettingsPage::makeModeTable() {
    // One table for the three kinds of run, so that their columns line up; one button
    // group for the modes across it.
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(6);
    table->setVerticalSpacing(4);
    table->setColumnMinimumWidth(0, 2);
    table->setColumnMinimumWidth(kLastColumn, 2);
    table->setColumnStretch(kLastColumn - 1, 1);
    const std::vector<QRadioButton*> modes = FieldForm::makeOptions(field("mode"), this);
    for (QRadioButton* radio : modes) {
        // On two lines, as the table's narrow first column has always shown them.
        radio->setAccessibleName(radio->text().remove(QLatin1Char('&')));
        radio->setText(radio->text().replace(' ', '\n'));
    }
    addMode(*table, modes[0], LaunchAnalysis, "launchDisplay", {"plotVariable"});
    addMode(*table, modes[1], OneVariableOptimization, "oneVarDisplay",
            {"oneVarDependent", "oneVarIndependent"});
    addMode(*table, modes[2], TwoVariableOptimization, "twoVarDisplay",
            {"twoVarDependent", "xAxisVariable", "yAxisVariable"});
    return table;
}

void CSimulationSettingsPage::addMode(QGridLayout& table, QRadioButton* radio, RunMode mode,
                                      std::string_view display,
                                      std::initializer_list<std::string_view> variables) {
    const int top = int(mode) * kRowsPerMode;
    // The frame first, so that it lies behind the controls.
    auto* frame = new BlackFrame(this);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    table.addWidget(frame, top, 0, kRowsPerMode - 1, kLastColumn + 1);
    table.setRowMinimumHeight(top, 2);
    table.setRowMinimumHeight(top + kRowsPerMode - 2, 2);
    const int first = top + 1; // the kind's first row of controls
    table.addWidget(radio, first, 1, 3, 1, Qt::AlignTop | Qt::AlignLeft);
    std::vector<QWidget*>& own = mode == LaunchAnalysis ? m_launchDisplay : m_modeControls[mode];

    const Field& d = field(display);
    auto* displayCaption = new QLabel(qstr(d.caption), this);
    table.addWidget(displayCaption, first, 2);
    own.push_back(displayCaption);
    int row = first + 1;
    for (QRadioButton* option : FieldForm::makeOptions(d, this)) {
        table.addWidget(option, row++, 2, Qt::AlignLeft);
        own.push_back(option);
    }

    std::vector<QWidget*>& vars = mode == LaunchAnalysis ? m_plot : own;
    row = first;
    for (std::string_view name : variables) {
        const Field& v = field(name);
        auto* list = new QComboBox(this);
        list->setObjectName(qstr(v.name));
        list->setToolTip(qstr(v.help));
        list->setAccessibleName(QString::fromStdString(v.plainCaption()));
        list->setAccessibleDescription(list->toolTip());
        fillCombo(*list, variableNames(v.list), 0);
        auto* units = new QComboBox(this);
        units->setObjectName(qstr(v.paired));
        units->setAccessibleName(QString::fromStdString(v.plainCaption()) +
                                 QStringLiteral(" unit"));
        units->setToolTip(QStringLiteral("The unit of the %1: a range is typed in it and the "
                                         "result is shown in it.")
                              .arg(QString::fromStdString(v.plainCaption())));
        units->setAccessibleDescription(units->toolTip());
        QLabel* caption = FieldForm::makeCaption(v, list, this);
        table.addWidget(caption, row, 3);
        table.addWidget(list, row, 4);
        table.addWidget(units, row, 5);
        vars.insert(vars.end(), {caption, list, units});
        ++row;
    }
    if (mode == OneVariableOptimization) {
        addRange(table, first + 1, "oneVarRangeFrom", "oneVarRangeTo", own);
    } else if (mode == TwoVariableOptimization) {
        addRange(table, first + 1, "xRangeFrom", "xRangeTo", own);
        addRange(table, first + 2, "yRangeFrom", "yRangeTo", own);
    }
}

void CSimulationSettingsPage::addRange(QGridLayout& grid, int row, std::string_view from,
                                       std::string_view to, std::vector<QWidget*>& group) {
    QWidget* parent = this;
    const Field& first = field(from);
    QLineEdit* fromEdit = FieldForm::makeEdit(first, parent);
    const int digits = fromEdit->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    if (!first.caption.empty()) { // "Range:" stands above the first range
        QLabel* caption = FieldForm::makeCaption(first, fromEdit, parent);
        grid.addWidget(caption, row - 1, 6, 1, 3);
        group.push_back(caption);
    }
    const Field& last = field(to);
    QLineEdit* toEdit = FieldForm::makeEdit(last, parent);
    fromEdit->setMinimumWidth(digits);
    toEdit->setMinimumWidth(digits);
    auto* between = new QLabel(qstr(last.caption), parent);
    between->setAlignment(Qt::AlignCenter);
    grid.addWidget(fromEdit, row, 6);
    grid.addWidget(between, row, 7);
    grid.addWidget(toEdit, row, 8);
    group.insert(group.end(), {fromEdit, between, toEdit});
}

void CSimulationSettingsPage::initialiseControls() {
    m_settings = RunSettings{};
    showSettings();
    updatePrecisionLabel();
    applyEnablingRule();
}

void CSimulationSettingsPage::resetToDefaults() {
    // The session is remembered: this is the way back to the first start's settings.
    if (flightText({}, shownSettings(), "") != flightText({}, RunSettings{}, "")) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Hydrolofter"),
                        QStringLiteral("Put the defaults in place of the changes to the "
                                       "simulation settings?"),
                        QMessageBox::Yes | QMessageBox::Cancel, this);
        if (box.exec() != QMessageBox::Yes)
            return;
    }
    applySettings(RunSettings{});
}

void CSimulationSettingsPage::applySettings(const RunSettings& settings) {
    initialise();
    m_settings = settings;
    showSettings();
    updatePrecisionLabel();
    applyEnablingRule();
}

void CSimulationSettingsPage::showSettings() {
    const RunSettings& s = m_settings;
    control<QSlider>("precision")->setValue(s.precision);
    for (const Field& f : fields()) {
        if (f.group != FieldGroup::Settings)
            continue;
        if (f.entry == Entry::Choice) {
            FieldForm::showChoice(optionsOf(*this, f.name), settingInt(f, s));
        } else if (f.kind == FieldKind::Variable) {
            // Drop-downs hold positions within their list; the record, catalogue ids.
            control<QComboBox>(f.name)->setCurrentIndex(
                positionIn(f.list, s.*std::get<SettingInt>(f.member)));
            refillUnits(f);
            control<QComboBox>(f.paired)->setCurrentIndex(
                s.*std::get<SettingInt>(findField(f.paired)->member));
        } else if (f.kind == FieldKind::Number) {
            control<QLineEdit>(f.name)->setText(
                QString::fromStdString(formatDecimal(s.*std::get<SettingNumber>(f.member))));
        }
    }
}

std::optional<Refusal> CSimulationSettingsPage::readSettings(RunSettings& s,
                                                             bool passOverRefused) const {
    // Every choice is read even when a range is refused; the ranges stop at the refusal.
    std::optional<Refusal> refused;
    s.precision = control<QSlider>("precision")->value();
    for (const Field& f : fields()) {
        if (f.group != FieldGroup::Settings)
            continue;
        if (f.entry == Entry::Choice) {
            setSettingInt(f, s, optionsOf(*this, f.name)->checkedId());
        } else if (f.kind == FieldKind::Variable) {
            s.*std::get<SettingInt>(f.member) =
                variableAt(f.list, control<QComboBox>(f.name)->currentIndex());
            s.*std::get<SettingInt>(findField(f.paired)->member) =
                control<QComboBox>(f.paired)->currentIndex();
        } else if (f.kind == FieldKind::Number && (!refused || passOverRefused)) {
            auto problem = FieldForm::readNumber(control<QLineEdit>(f.name),
                                                 s.*std::get<SettingNumber>(f.member));
            refused = refused ? refused : problem;
        }
    }
    return refused;
}

bool CSimulationSettingsPage::commit() {
    if (const std::optional<Refusal> refused = readSettings(m_settings)) {
        refuse(refused->control, refused->message);
        return false;
    }
    return true;
}

QString CSimulationSettingsPage::unreadableField() {
    RunSettings scratch = m_settings;
    const std::optional<Refusal> refused = readSettings(scratch);
    return refused ? refused->control->accessibleName() : QString();
}

void CSimulationSettingsPage::applyEnablingRule() {
    // The choices are taken even while a range waits to be corrected.
    readSettings(m_settings);
    const int mode = m_settings.mode;
    const bool graph = m_settings.launchDisplay == Graph;
    auto enable = [](const std::vector<QWidget*>& group, bool on) {
        for (QWidget* w : group)
            w->setEnabled(on);
    };
    enable(m_launchDisplay, mode == LaunchAnalysis);
    enable(m_plot, mode == LaunchAnalysis && graph);
    enable(m_modeControls[OneVariableOptimization], mode == OneVariableOptimization);
    enable(m_modeControls[TwoVariableOptimization], mode == TwoVariableOptimization);
    emit flightModelChosen(m_settings.flightModel);
}

void CSimulationSettingsPage::updatePrecisionLabel() {
    const std::string_view label =
        hydrolofter::precisionLabel(control<QSlider>("precision")->value());
    if (!label.empty())
        m_precisionLabel = qstr(label);
    control<QLabel>("precisionLabel")->setText(m_precisionLabel);
}

void CSimulationSettingsPage::refillUnits(const Field& variable) {
    refillUnitCombo(*control<QComboBox>(variable.paired),
                    control<QComboBox>(variable.name)->currentIndex(), variable.list);
}

} // namespace hydrolofter

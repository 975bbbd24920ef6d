// The settings page's template, lists, enabling rule and precision label.
#include "CSimulationSettingsPage.h"

#include "toolkit/ComboListControl.h"
#include "toolkit/DataExchange.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <array>

namespace hydrolofter {
namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Precision", 4, 4, 120, 36},
    ControlSpec{1033, K::Label, "", 8, 16, 112, 8, Centred},
    ControlSpec{1032, K::Slider, nullptr, 8, 24, 112, 12},
    ControlSpec{1034, K::Radio, "Launch Analysis", 8, 52, 44, 16, GroupStart},
    ControlSpec{1035, K::Radio, "1-Variable Optimization", 8, 96, 52, 16},
    ControlSpec{1036, K::Radio, "2-Variable Optimization", 8, 140, 52, 16},
    ControlSpec{0, K::Frame, nullptr, 4, 44, 412, 44},
    ControlSpec{1037, K::Label, "Display Results As:", 68, 52, 60, 8},
    ControlSpec{1038, K::Radio, "Summary", 68, 64, 52, 8, GroupStart},
    ControlSpec{1039, K::Radio, "Graph", 68, 76, 52, 8},
    ControlSpec{1040, K::Label, "Plot:", 140, 60, 16, 8},
    ControlSpec{1041, K::ComboBox, nullptr, 160, 56, 72, 80},
    ControlSpec{1071, K::ComboBox, nullptr, 236, 56, 44, 68},
    ControlSpec{0, K::Frame, nullptr, 4, 88, 412, 44},
    ControlSpec{1044, K::Label, "Display Results As:", 68, 96, 60, 8},
    ControlSpec{1042, K::Radio, "Summary", 68, 108, 48, 8, GroupStart},
    ControlSpec{1043, K::Radio, "Graph", 68, 120, 48, 8},
    ControlSpec{1051, K::Label, "Dependent Variable:", 140, 104, 68, 8},
    ControlSpec{1052, K::ComboBox, nullptr, 212, 100, 72, 68},
    ControlSpec{1072, K::ComboBox, nullptr, 288, 100, 44, 68},
    ControlSpec{1049, K::Label, "Independent Variable:", 140, 120, 72, 8},
    ControlSpec{1050, K::ComboBox, nullptr, 212, 116, 72, 76},
    ControlSpec{1073, K::ComboBox, nullptr, 288, 116, 44, 80},
    ControlSpec{1059, K::Label, "Range:", 336, 104, 36, 8},
    ControlSpec{1003, K::Edit, nullptr, 336, 116, 32, 12},
    ControlSpec{1061, K::Label, "to", 368, 120, 12, 8, Centred},
    ControlSpec{1060, K::Edit, nullptr, 380, 116, 32, 12},
    ControlSpec{0, K::Frame, nullptr, 4, 132, 412, 56},
    ControlSpec{1045, K::Label, "Display Results As:", 68, 140, 64, 8},
    ControlSpec{1046, K::Radio, "Summary", 68, 152, 44, 8, GroupStart},
    ControlSpec{1047, K::Radio, "Graph", 68, 164, 44, 8},
    ControlSpec{1055, K::Label, "Dependent Variable:", 140, 144, 68, 8},
    ControlSpec{1058, K::ComboBox, nullptr, 212, 140, 72, 76},
    ControlSpec{1074, K::ComboBox, nullptr, 288, 140, 44, 76},
    ControlSpec{1053, K::Label, "X-Axis Variable:", 140, 160, 56, 8},
    ControlSpec{1056, K::ComboBox, nullptr, 212, 156, 72, 64},
    ControlSpec{1075, K::ComboBox, nullptr, 288, 156, 44, 76},
    ControlSpec{1054, K::Label, "Y-Axis Variable:", 140, 176, 56, 8},
    ControlSpec{1057, K::ComboBox, nullptr, 212, 172, 72, 72},
    ControlSpec{1076, K::ComboBox, nullptr, 288, 172, 44, 68},
    ControlSpec{1062, K::Label, "Range:", 336, 144, 28, 8},
    ControlSpec{1063, K::Edit, nullptr, 336, 156, 32, 12},
    ControlSpec{1067, K::Label, "to", 368, 160, 12, 8, Centred},
    ControlSpec{1064, K::Edit, nullptr, 380, 156, 32, 12},
    ControlSpec{1065, K::Edit, nullptr, 336, 172, 32, 12},
    ControlSpec{1068, K::Label, "to", 368, 176, 12, 8, Centred},
    ControlSpec{1066, K::Edit, nullptr, 380, 172, 32, 12},
};

constexpr DialogTemplate kTemplate{109, "Simulation Settings", 420, 194, kControls};

constexpr int kLaunchDisplayGroup[] = {1037, 1038, 1039};
constexpr int kPlotGroup[] = {1040, 1041, 1071};
constexpr int kOneVariableGroup[] = {1044, 1042, 1043, 1051, 1049, 1059, 1061,
                                     1052, 1072, 1050, 1073, 1003, 1060};
constexpr int kTwoVariableGroup[] = {1045, 1046, 1047, 1055, 1053, 1054, 1062, 1067, 1068, 1058,
                                     1074, 1056, 1075, 1063, 1064, 1057, 1076, 1065, 1066};

/// A variable drop-down, its list and the unit drop-down beside it, with the fields they show.
struct VariablePair {
    int variableId;
    VariableList list;
    int unitsId;
    int RunSettings::*variable;
    int RunSettings::*unit;
};
using RS = RunSettings;
constexpr VariablePair kVariablePairs[] = {
    {1041, VariableList::PlotVariables, 1071, &RS::plotVariable, &RS::plotUnit},
    {1052, VariableList::ResultVariables, 1072, &RS::oneVarDependent, &RS::oneVarDependentUnit},
    {1050, VariableList::SweepVariables, 1073, &RS::oneVarIndependent, &RS::oneVarIndependentUnit},
    {1058, VariableList::ResultVariables, 1074, &RS::twoVarDependent, &RS::twoVarDependentUnit},
    {1056, VariableList::SweepVariables, 1075, &RS::xAxisVariable, &RS::xAxisUnit},
    {1057, VariableList::SweepVariables, 1076, &RS::yAxisVariable, &RS::yAxisUnit},
};

} // namespace

CSimulationSettingsPage::CSimulationSettingsPage(QWidget* parent)
    : PropertyPage(kTemplate, {}, parent) {
    connectHandlers();
}

void CSimulationSettingsPage::connectHandlers() {
    for (int id : {1034, 1035, 1036, 1038, 1039}) {
        connect(control<QAbstractButton>(id), &QAbstractButton::clicked, this,
                &CSimulationSettingsPage::applyEnablingRule);
    }
    // valueChanged also arrives while the slider is dragged, so the label follows it.
    connect(control<QSlider>(1032), &QSlider::valueChanged, this,
            &CSimulationSettingsPage::updatePrecisionLabel);
    for (const VariablePair& pair : kVariablePairs) {
        const int id = pair.variableId;
        connect(control<QComboBox>(id), &QComboBox::activated, this,
                [this, id] { refillUnits(id); });
    }
}

void CSimulationSettingsPage::onInitDialog() {
    for (const VariablePair& pair : kVariablePairs) {
        ComboListControl list(*control<QComboBox>(pair.variableId));
        fillVariableList(pair.list, list);
    }
    auto* slider = control<QSlider>(1032);
    {
        const QSignalBlocker quiet(slider); // the range is set without a redraw or label
        slider->setRange(kMinPrecision, kMaxPrecision);
    }
    m_settings = RunSettings{};
    updateData(false);
    updatePrecisionLabel();
    applyEnablingRule();
}

void CSimulationSettingsPage::exchangeData(DataExchange& dx) {
    RunSettings& s = m_settings;
    dx.slider(1032, s.precision);
    dx.radio(1034, s.mode);
    dx.radio(1038, s.launchDisplay);
    dx.radio(1042, s.oneVarDisplay);
    dx.radio(1046, s.twoVarDisplay);
    for (const VariablePair& pair : kVariablePairs) {
        // Drop-downs hold positions within their list; the record, catalogue ids.
        int position = s.*pair.variable - listFirst(pair.list);
        dx.listIndex(pair.variableId, position);
        if (dx.saving())
            s.*pair.variable = listFirst(pair.list) + position;
        else
            refillUnits(pair.variableId);
        dx.listIndex(pair.unitsId, s.*pair.unit);
    }
    dx.number(1003, s.oneVarRangeFrom);
    dx.number(1060, s.oneVarRangeTo);
    dx.number(1063, s.xRangeFrom);
    dx.number(1064, s.xRangeTo);
    dx.number(1065, s.yRangeFrom);
    dx.number(1066, s.yRangeTo);
}

void CSimulationSettingsPage::applyEnablingRule() {
    // The radios come first in the exchange, so they are taken even when a range is refused.
    const bool committed = updateData(true);
    auto enable = [this](std::span<const int> ids, bool on = true) {
        for (int id : ids)
            enableControl(id, on);
    };
    enable(kLaunchDisplayGroup, false);
    enable(kPlotGroup, false);
    enable(kOneVariableGroup, false);
    enable(kTwoVariableGroup, false);
    if (m_settings.mode == LaunchAnalysis) {
        enable(kLaunchDisplayGroup);
        if (m_settings.launchDisplay == Graph)
            enable(kPlotGroup);
    } else if (m_settings.mode == OneVariableOptimization) {
        enable(kOneVariableGroup);
    } else if (m_settings.mode == TwoVariableOptimization) {
        enable(kTwoVariableGroup);
    }
    if (committed)
        updateData(false);
}

void CSimulationSettingsPage::updatePrecisionLabel() {
    const int position = control<QSlider>(1032)->value();
    const std::string_view label = hydrolofter::precisionLabel(position);
    if (!label.empty())
        m_precisionLabel = QString::fromUtf8(label.data(), qsizetype(label.size()));
    control<QLabel>(1033)->setText(m_precisionLabel);
}

void CSimulationSettingsPage::refillUnits(int variableId) {
    for (const VariablePair& pair : kVariablePairs) {
        if (pair.variableId != variableId)
            continue;
        ComboListControl units(*control<QComboBox>(pair.unitsId));
        refillUnitSelector(units, control<QComboBox>(variableId)->currentIndex(), pair.list);
    }
}

} // namespace hydrolofter

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

using enum CSimulationSettingsPage::Control;

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Precision", 4, 4, 120, 36},
    ControlSpec{PrecisionLabel, K::Label, "", 8, 16, 112, 8, Centred},
    ControlSpec{PrecisionSlider, K::Slider, nullptr, 8, 24, 112, 12},
    ControlSpec{LaunchAnalysisRadio, K::Radio, "Launch Analysis", 8, 52, 44, 16, GroupStart},
    ControlSpec{OneVariableRadio, K::Radio, "1-Variable Optimization", 8, 96, 52, 16},
    ControlSpec{TwoVariableRadio, K::Radio, "2-Variable Optimization", 8, 140, 52, 16},
    ControlSpec{0, K::Frame, nullptr, 4, 44, 412, 44},
    ControlSpec{LaunchDisplayLabel, K::Label, "Display Results As:", 68, 52, 60, 8},
    ControlSpec{LaunchSummaryRadio, K::Radio, "Summary", 68, 64, 52, 8, GroupStart},
    ControlSpec{LaunchGraphRadio, K::Radio, "Graph", 68, 76, 52, 8},
    ControlSpec{PlotLabel, K::Label, "Plot:", 140, 60, 16, 8},
    ControlSpec{PlotVariableList, K::ComboBox, nullptr, 160, 56, 72, 80},
    ControlSpec{PlotUnitList, K::ComboBox, nullptr, 236, 56, 44, 68},
    ControlSpec{0, K::Frame, nullptr, 4, 88, 412, 44},
    ControlSpec{OneVarDisplayLabel, K::Label, "Display Results As:", 68, 96, 60, 8},
    ControlSpec{OneVarSummaryRadio, K::Radio, "Summary", 68, 108, 48, 8, GroupStart},
    ControlSpec{OneVarGraphRadio, K::Radio, "Graph", 68, 120, 48, 8},
    ControlSpec{OneVarDependentLabel, K::Label, "Dependent Variable:", 140, 104, 68, 8},
    ControlSpec{OneVarDependentList, K::ComboBox, nullptr, 212, 100, 72, 68},
    ControlSpec{OneVarDependentUnitList, K::ComboBox, nullptr, 288, 100, 44, 68},
    ControlSpec{OneVarIndependentLabel, K::Label, "Independent Variable:", 140, 120, 72, 8},
    ControlSpec{OneVarIndependentList, K::ComboBox, nullptr, 212, 116, 72, 76},
    ControlSpec{OneVarIndependentUnitList, K::ComboBox, nullptr, 288, 116, 44, 80},
    ControlSpec{OneVarRangeLabel, K::Label, "Range:", 336, 104, 36, 8},
    ControlSpec{OneVarRangeFromEdit, K::Edit, nullptr, 336, 116, 32, 12},
    ControlSpec{OneVarRangeToLabel, K::Label, "to", 368, 120, 12, 8, Centred},
    ControlSpec{OneVarRangeToEdit, K::Edit, nullptr, 380, 116, 32, 12},
    ControlSpec{0, K::Frame, nullptr, 4, 132, 412, 56},
    ControlSpec{TwoVarDisplayLabel, K::Label, "Display Results As:", 68, 140, 64, 8},
    ControlSpec{TwoVarSummaryRadio, K::Radio, "Summary", 68, 152, 44, 8, GroupStart},
    ControlSpec{TwoVarGraphRadio, K::Radio, "Graph", 68, 164, 44, 8},
    ControlSpec{TwoVarDependentLabel, K::Label, "Dependent Variable:", 140, 144, 68, 8},
    ControlSpec{TwoVarDependentList, K::ComboBox, nullptr, 212, 140, 72, 76},
    ControlSpec{TwoVarDependentUnitList, K::ComboBox, nullptr, 288, 140, 44, 76},
    ControlSpec{XAxisLabel, K::Label, "X-Axis Variable:", 140, 160, 56, 8},
    ControlSpec{XAxisList, K::ComboBox, nullptr, 212, 156, 72, 64},
    ControlSpec{XAxisUnitList, K::ComboBox, nullptr, 288, 156, 44, 76},
    ControlSpec{YAxisLabel, K::Label, "Y-Axis Variable:", 140, 176, 56, 8},
    ControlSpec{YAxisList, K::ComboBox, nullptr, 212, 172, 72, 72},
    ControlSpec{YAxisUnitList, K::ComboBox, nullptr, 288, 172, 44, 68},
    ControlSpec{TwoVarRangeLabel, K::Label, "Range:", 336, 144, 28, 8},
    ControlSpec{XRangeFromEdit, K::Edit, nullptr, 336, 156, 32, 12},
    ControlSpec{XRangeToLabel, K::Label, "to", 368, 160, 12, 8, Centred},
    ControlSpec{XRangeToEdit, K::Edit, nullptr, 380, 156, 32, 12},
    ControlSpec{YRangeFromEdit, K::Edit, nullptr, 336, 172, 32, 12},
    ControlSpec{YRangeToLabel, K::Label, "to", 368, 176, 12, 8, Centred},
    ControlSpec{YRangeToEdit, K::Edit, nullptr, 380, 172, 32, 12},
};

constexpr std::array kHelp{
    ControlHelp{PrecisionSlider,
                "The time step of the simulation, from 1/10th second (left) to "
                "1/100th microsecond (right). Each step to the right is ten "
                "times as exact and takes ten times as long: a launch analysis "
                "at 1 microsecond takes about a tenth of a second, at 1/100th "
                "microsecond about ten seconds; an optimisation flies 11 or "
                "121 such flights.",
                "Precision"},
    ControlHelp{LaunchAnalysisRadio, "Fly the rocket once and show one variable over the flight, "
                                     "or the flight's results as a summary."},
    ControlHelp{OneVariableRadio, "Fly the rocket 11 times with one input stepped over a range, "
                                  "and show how a result depends on it (a line)."},
    ControlHelp{TwoVariableRadio, "Fly the rocket 121 times with two inputs stepped over their "
                                  "ranges, and show a result over both (a shaded surface)."},
    ControlHelp{LaunchSummaryRadio,
                "Show the flight's results as text: apogee, burnout, impact "
                "velocity, maxima and time aloft.",
                "Launch analysis: display results as summary"},
    ControlHelp{LaunchGraphRadio, "Show the chosen variable over the flight as a graph.",
                "Launch analysis: display results as graph"},
    ControlHelp{PlotVariableList, "The variable drawn over the flight."},
    ControlHelp{OneVarSummaryRadio, "Show the 11 results as a table.",
                "1-variable optimization: display results as summary"},
    ControlHelp{OneVarGraphRadio, "Show the 11 results as a line.",
                "1-variable optimization: display results as graph"},
    ControlHelp{OneVarDependentList, "The result computed for every flight."},
    ControlHelp{OneVarIndependentList, "The input stepped over the range, in 10 equal steps."},
    ControlHelp{OneVarRangeFromEdit, "The first value of the stepped input, in its unit.",
                "Range from"},
    ControlHelp{OneVarRangeToEdit,
                "The last value of the stepped input; it may be smaller than "
                "the first.",
                "Range to"},
    ControlHelp{TwoVarSummaryRadio, "Show the 121 results as a table.",
                "2-variable optimization: display results as summary"},
    ControlHelp{TwoVarGraphRadio, "Show the 121 results as a shaded surface with a colour key.",
                "2-variable optimization: display results as graph"},
    ControlHelp{TwoVarDependentList, "The result computed for every flight; its value sets the "
                                     "shade."},
    ControlHelp{XAxisList, "The input stepped across the surface (the x axis)."},
    ControlHelp{YAxisList, "The input stepped up the surface (the y axis)."},
    ControlHelp{XRangeFromEdit, "The first value of the x-axis input.", "X-axis range from"},
    ControlHelp{XRangeToEdit, "The last value of the x-axis input.", "X-axis range to"},
    ControlHelp{YRangeFromEdit, "The first value of the y-axis input.", "Y-axis range from"},
    ControlHelp{YRangeToEdit, "The last value of the y-axis input.", "Y-axis range to"},
};

constexpr DialogTemplate kTemplate{109, "Simulation Settings", 420, 194, kControls, kHelp};

constexpr int kLaunchDisplayGroup[] = {LaunchDisplayLabel, LaunchSummaryRadio, LaunchGraphRadio};
constexpr int kPlotGroup[] = {PlotLabel, PlotVariableList, PlotUnitList};
constexpr int kOneVariableGroup[] = {
    OneVarDisplayLabel,      OneVarSummaryRadio,    OneVarGraphRadio,          OneVarDependentLabel,
    OneVarIndependentLabel,  OneVarRangeLabel,      OneVarRangeToLabel,        OneVarDependentList,
    OneVarDependentUnitList, OneVarIndependentList, OneVarIndependentUnitList, OneVarRangeFromEdit,
    OneVarRangeToEdit};
constexpr int kTwoVariableGroup[] = {TwoVarDisplayLabel,
                                     TwoVarSummaryRadio,
                                     TwoVarGraphRadio,
                                     TwoVarDependentLabel,
                                     XAxisLabel,
                                     YAxisLabel,
                                     TwoVarRangeLabel,
                                     XRangeToLabel,
                                     YRangeToLabel,
                                     TwoVarDependentList,
                                     TwoVarDependentUnitList,
                                     XAxisList,
                                     XAxisUnitList,
                                     XRangeFromEdit,
                                     XRangeToEdit,
                                     YAxisList,
                                     YAxisUnitList,
                                     YRangeFromEdit,
                                     YRangeToEdit};

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
    {PlotVariableList, VariableList::PlotVariables, PlotUnitList, &RS::plotVariable, &RS::plotUnit},
    {OneVarDependentList, VariableList::ResultVariables, OneVarDependentUnitList,
     &RS::oneVarDependent, &RS::oneVarDependentUnit},
    {OneVarIndependentList, VariableList::SweepVariables, OneVarIndependentUnitList,
     &RS::oneVarIndependent, &RS::oneVarIndependentUnit},
    {TwoVarDependentList, VariableList::ResultVariables, TwoVarDependentUnitList,
     &RS::twoVarDependent, &RS::twoVarDependentUnit},
    {XAxisList, VariableList::SweepVariables, XAxisUnitList, &RS::xAxisVariable, &RS::xAxisUnit},
    {YAxisList, VariableList::SweepVariables, YAxisUnitList, &RS::yAxisVariable, &RS::yAxisUnit},
};

} // namespace

CSimulationSettingsPage::CSimulationSettingsPage(QWidget* parent)
    : PropertyPage(kTemplate, {}, parent) {
    connectHandlers();
}

void CSimulationSettingsPage::connectHandlers() {
    for (int id : {LaunchAnalysisRadio, OneVariableRadio, TwoVariableRadio, LaunchSummaryRadio,
                   LaunchGraphRadio}) {
        connect(control<QAbstractButton>(id), &QAbstractButton::clicked, this,
                &CSimulationSettingsPage::applyEnablingRule);
    }
    // valueChanged also arrives while the slider is dragged, so the label follows it.
    connect(control<QSlider>(PrecisionSlider), &QSlider::valueChanged, this,
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
    auto* slider = control<QSlider>(PrecisionSlider);
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
    dx.slider(PrecisionSlider, s.precision);
    dx.radio(LaunchAnalysisRadio, s.mode);
    dx.radio(LaunchSummaryRadio, s.launchDisplay);
    dx.radio(OneVarSummaryRadio, s.oneVarDisplay);
    dx.radio(TwoVarSummaryRadio, s.twoVarDisplay);
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
    dx.number(OneVarRangeFromEdit, s.oneVarRangeFrom);
    dx.number(OneVarRangeToEdit, s.oneVarRangeTo);
    dx.number(XRangeFromEdit, s.xRangeFrom);
    dx.number(XRangeToEdit, s.xRangeTo);
    dx.number(YRangeFromEdit, s.yRangeFrom);
    dx.number(YRangeToEdit, s.yRangeTo);
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
    const int position = control<QSlider>(PrecisionSlider)->value();
    const std::string_view label = hydrolofter::precisionLabel(position);
    if (!label.empty())
        m_precisionLabel = QString::fromUtf8(label.data(), qsizetype(label.size()));
    control<QLabel>(PrecisionLabel)->setText(m_precisionLabel);
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

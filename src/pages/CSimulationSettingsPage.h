// The "Simulation Settings" page: precision, mode, display choices, variables and ranges.
#pragma once

#include "runs/RunSettings.h"
#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CSimulationSettingsPage : public PropertyPage {
    Q_OBJECT
public:
    /// The page's controls by their template ids.
    enum Control : int {
        OneVarRangeFromEdit = 1003,
        PrecisionSlider = 1032,
        PrecisionLabel = 1033,
        LaunchAnalysisRadio = 1034,
        OneVariableRadio = 1035,
        TwoVariableRadio = 1036,
        LaunchDisplayLabel = 1037,
        LaunchSummaryRadio = 1038,
        LaunchGraphRadio = 1039,
        PlotLabel = 1040,
        PlotVariableList = 1041,
        OneVarSummaryRadio = 1042,
        OneVarGraphRadio = 1043,
        OneVarDisplayLabel = 1044,
        TwoVarDisplayLabel = 1045,
        TwoVarSummaryRadio = 1046,
        TwoVarGraphRadio = 1047,
        OneVarIndependentLabel = 1049,
        OneVarIndependentList = 1050,
        OneVarDependentLabel = 1051,
        OneVarDependentList = 1052,
        XAxisLabel = 1053,
        YAxisLabel = 1054,
        TwoVarDependentLabel = 1055,
        XAxisList = 1056,
        YAxisList = 1057,
        TwoVarDependentList = 1058,
        OneVarRangeLabel = 1059,
        OneVarRangeToEdit = 1060,
        OneVarRangeToLabel = 1061,
        TwoVarRangeLabel = 1062,
        XRangeFromEdit = 1063,
        XRangeToEdit = 1064,
        YRangeFromEdit = 1065,
        YRangeToEdit = 1066,
        XRangeToLabel = 1067,
        YRangeToLabel = 1068,
        PlotUnitList = 1071,
        OneVarDependentUnitList = 1072,
        OneVarIndependentUnitList = 1073,
        TwoVarDependentUnitList = 1074,
        XAxisUnitList = 1075,
        YAxisUnitList = 1076,
    };

    explicit CSimulationSettingsPage(QWidget* parent = nullptr);

    /// The settings as last committed (every exchange reads the drop-downs too).
    const RunSettings& runSettings() const { return m_settings; }
    QString precisionLabel() const { return m_precisionLabel; }

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;

private:
    void connectHandlers();
    void applyEnablingRule();
    void updatePrecisionLabel();
    void refillUnits(int variableId);

    RunSettings m_settings;
    QString m_precisionLabel;
};

} // namespace hydrolofter

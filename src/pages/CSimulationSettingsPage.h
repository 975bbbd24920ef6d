// The "Simulation Settings" page: precision, mode, display choices, variables and ranges.
#pragma once

#include "runs/RunSettings.h"
#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CSimulationSettingsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CSimulationSettingsPage(QWidget* parent = nullptr);

    /// The committed values with the variables and units selected now.
    RunSettings runSettings() const;
    QString precisionLabel() const { return m_precisionLabel; }

    int mode = -1;
    int precision = 0;
    int launchDisplay = -1;
    int oneVarDisplay = -1;
    int twoVarDisplay = -1;
    double oneVarRangeFrom = 0;
    double oneVarRangeTo = 0;
    double xRangeFrom = 0;
    double xRangeTo = 0;
    double yRangeFrom = 0;
    double yRangeTo = 0;

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;

private:
    void connectHandlers();
    void applyEnablingRule();
    void updatePrecisionLabel();
    void refillUnits(int variableId);

    QString m_precisionLabel;
};

} // namespace hydrolofter

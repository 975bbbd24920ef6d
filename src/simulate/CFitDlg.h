// The dialog that asks which input to fit to the measured flight, and over what range.
#pragma once

#include "runs/SimulationInputs.h"
#include "runs/TraceFit.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace hydrolofter {

/// Its controls are named "input", "from", "to" and "unit". The range starts at a quarter
/// to four times the input's value, in the unit the inputs hold it in.
class CFitDlg : public QDialog {
    Q_OBJECT
public:
    CFitDlg(QWidget* parent, const SimulationInputs& inputs);

    /// What OK accepted.
    FitRequest request() const { return m_request; }
    void accept() override;

private:
    void showInput();

    SimulationInputs m_inputs;
    FitRequest m_request;
    QComboBox* m_input;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QLabel* m_unit;
};

} // namespace hydrolofter

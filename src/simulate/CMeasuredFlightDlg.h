// The dialog that imports a measured flight: its file, its columns and their units.
#pragma once

#include "designs/TraceFile.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;

namespace hydrolofter {

/// Its controls are named "file", "browse", "timeColumn", "heightColumn", "timeUnit",
/// "heightUnit". OK hands the file and format to take, which reads it and says what is
/// wrong (empty: taken); the dialog stays open over a refusal.
class CMeasuredFlightDlg : public QDialog {
    Q_OBJECT
public:
    using Take = std::function<QString(const QString& path, const TraceFormat& format)>;
    CMeasuredFlightDlg(QWidget* parent, QString folder, Take take);

    TraceFormat format() const;
    void accept() override;

private:
    void browse();

    QString m_folder;
    Take m_take;
    QLineEdit* m_file;
    QLineEdit* m_timeColumn;
    QLineEdit* m_heightColumn;
    QComboBox* m_timeUnit;
    QComboBox* m_heightUnit;
    QComboBox* m_forceUnit;
};

} // namespace hydrolofter

// The Simulate page's measured flight: the dialogs and worker jobs of MeasuredFlight.
#include "CFitDlg.h"
#include "CMeasuredFlightDlg.h"
#include "CSimulatePage.h"
#include "GraphFrame.h"
#include "runs/RunMessages.h"
#include "toolkit/LastFolders.h"
#include "toolkit/Warning.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

namespace hydrolofter {

QString CSimulatePage::importMeasured(const QString& path, const TraceFormat& format) {
    std::vector<std::string> read;
    const std::string error =
        m_measured.load(std::string(QFile::encodeName(path)),
                        QFileInfo(path).fileName().toStdString(), format, read);
    if (!error.empty())
        return QString::fromStdString(error);
    rememberFolder(FolderKind::Measured, path);
    refreshComparison();
    QStringList notes;
    for (const std::string& n : read)
        notes << QString::fromStdString(n);
    if (!notes.isEmpty())
        m_notices = notes.join(' ') + ' ' + m_notices;
    showReadout({});
    startFigures();
    return {};
}

void CSimulatePage::onImportMeasured() {
    CMeasuredFlightDlg dialog(
        window(), lastFolder(FolderKind::Measured),
        [this](const QString& path, const TraceFormat& f) { return importMeasured(path, f); });
    dialog.exec();
}

void CSimulatePage::onClearMeasured() {
    m_measured.forget();
    refreshComparison();
}

void CSimulatePage::startFigures() {
    if (!m_series || m_running || m_runSettings.mode != LaunchAnalysis || !m_measured.loaded())
        return;
    m_job = Job::Figures;
    m_running = true;
    beginRun();
    m_printWorker.start([this, inputs = m_runInputs, settings = m_runSettings,
                         trace = m_measured.trace()](RunHost& host, SampleSeries&) {
        m_measured.flyAgainst(inputs, settings, trace, host);
    });
}

void CSimulatePage::onFit() {
    SimulationInputs inputs;
    RunSettings settings;
    if (m_running || !m_measured.loaded() || !m_inputs.commitInputs(inputs, settings))
        return;
    CFitDlg dialog(window(), inputs);
    if (dialog.exec() == QDialog::Accepted)
        startFit(dialog.request());
}

void CSimulatePage::startFit(const FitRequest& request) {
    SimulationInputs inputs;
    RunSettings settings;
    if (m_running || !m_measured.loaded() || !m_inputs.commitInputs(inputs, settings))
        return;
    m_job = Job::Fit;
    m_running = true;
    m_cancelRequested = false;
    beginRun();
    m_worker.start([this, inputs, settings, request, trace = m_measured.trace()](RunHost& host,
                                                                                 SampleSeries&) {
        m_measured.fit(inputs, settings, trace, request, host);
    });
}

void CSimulatePage::onJobEnded(Job job) {
    m_running = false;
    m_job = Job::Run;
    endRun();
    if (job == Job::Fit)
        return onFitEnded();
    if (m_series)
        m_measured.takeFigures();
    refreshComparison();
    emit runFinished();
}

void CSimulatePage::onFitEnded() {
    const FitResult& r = m_measured.fitResult();
    if (m_cancelRequested || r.outcome == RunOutcome::Cancelled) {
        m_cancelRequested = false;
        showNotices({"Fit cancelled"});
    } else if (r.outcome == RunOutcome::Refused) {
        warnUser(this, QString::fromStdString("The fit cannot start: " + r.refusal));
    } else if (r.outcome != RunOutcome::Completed) {
        warnUser(this, QString::fromUtf8(kDivergedMessage));
    } else {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Hydrolofter"),
                        QString::fromStdString(m_measured.fitQuestion()),
                        QMessageBox::Yes | QMessageBox::No, this);
        if (box.exec() == QMessageBox::Yes)
            m_inputs.putInput(m_measured.fitRequest().input, m_measured.fittedValue());
    }
    emit runFinished();
}

} // namespace hydrolofter

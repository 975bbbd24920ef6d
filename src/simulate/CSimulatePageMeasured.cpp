// The Simulate page's measured flight: a trace imported over a launch graph, its figures
// against the flight, and the fit of an input to it.
#include "CFitDlg.h"
#include "CMeasuredFlightDlg.h"
#include "CSimulatePage.h"
#include "GraphFrame.h"
#include "designs/JsonText.h"
#include "runs/FieldTable.h"
#include "runs/RunMessages.h"
#include "toolkit/LastFolders.h"
#include "toolkit/Warning.h"
#include "units/NumberText.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

namespace hydrolofter {

QString CSimulatePage::importMeasured(const QString& path, const TraceFormat& format) {
    const TraceRead read = readTraceFile(std::string(QFile::encodeName(path)), format, true);
    if (!read.ok)
        return QString::fromStdString(read.error);
    m_trace = read.trace;
    m_traceName = QFileInfo(path).fileName();
    rememberFolder(FolderKind::Measured, path);
    m_figures.reset();
    refreshComparison();
    QStringList notes;
    for (const std::string& n : read.notes)
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
    m_trace = {};
    m_traceName.clear();
    m_figures.reset();
    refreshComparison();
}

void CSimulatePage::startFigures() {
    if (!m_series || m_running || m_runSettings.mode != LaunchAnalysis || m_trace.time.empty())
        return;
    m_job = Job::Figures;
    m_running = true;
    beginRun();
    m_printWorker.start([this, inputs = m_runInputs, dt = timeStep(m_runSettings.precision),
                         trace = m_trace](RunHost& host, SampleSeries&) {
        m_pendingComparison = compareWithTrace(inputs, dt, trace, host);
    });
}

void CSimulatePage::onFit() {
    SimulationInputs inputs;
    RunSettings settings;
    if (m_running || m_trace.time.empty() || !m_inputs.commitInputs(inputs, settings))
        return;
    CFitDlg dialog(window(), inputs);
    if (dialog.exec() == QDialog::Accepted)
        startFit(dialog.request());
}

void CSimulatePage::startFit(const FitRequest& request) {
    SimulationInputs inputs;
    RunSettings settings;
    if (m_running || m_trace.time.empty() || !m_inputs.commitInputs(inputs, settings))
        return;
    m_job = Job::Fit;
    m_fitRequest = request;
    m_running = true;
    m_cancelRequested = false;
    beginRun();
    m_worker.start(
        [this, inputs, settings, request, trace = m_trace](RunHost& host, SampleSeries&) {
            m_fitResult = fitToTrace(inputs, settings, trace, request, host);
        });
}

void CSimulatePage::onJobEnded(Job job) {
    m_running = false;
    m_job = Job::Run;
    endRun();
    if (job == Job::Fit)
        return onFitEnded();
    if (m_pendingComparison.outcome == RunOutcome::Completed && m_series)
        m_figures = m_pendingComparison.figures;
    refreshComparison();
    emit runFinished();
}

void CSimulatePage::onFitEnded() {
    const FitResult& r = m_fitResult;
    if (m_cancelRequested || r.outcome == RunOutcome::Cancelled) {
        m_cancelRequested = false;
        showNotices({"Fit cancelled"});
    } else if (r.outcome == RunOutcome::Refused) {
        warnUser(this, QString::fromStdString("The fit cannot start: " + r.refusal));
    } else if (r.outcome != RunOutcome::Completed) {
        warnUser(this, QString::fromUtf8(kDivergedMessage));
    } else {
        const Field& f = *sweptField(m_fitRequest.input);
        const std::string name(variableInfo(m_fitRequest.input).name);
        const std::vector<std::string> lines = fitLines(r, name, unit::m);
        QString text;
        for (const std::string& line : lines)
            text += QString::fromStdString(line) + '\n';
        const QString page = f.group == FieldGroup::Rocket        ? QStringLiteral("Rocket")
                             : f.group == FieldGroup::Environment ? QStringLiteral("Environment")
                                                                  : QStringLiteral("Launch");
        text += QStringLiteral("\nPut %1 into the %2 page?")
                    .arg(QString::fromStdString(formatShort(r.value)), page);
        QMessageBox box(QMessageBox::Question, QStringLiteral("Hydrolofter"), text,
                        QMessageBox::Yes | QMessageBox::No, this);
        if (box.exec() == QMessageBox::Yes)
            m_inputs.putInput(m_fitRequest.input, std::stod(formatShort(r.value)));
    }
    emit runFinished();
}

} // namespace hydrolofter

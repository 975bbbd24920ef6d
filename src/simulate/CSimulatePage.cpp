// The Simulate page: a run and its result on the page, the full-screen view; the result
// leaves the window through ResultOutput.
#include "CSimulatePage.h"

#include "CFullScreenGraphDlg.h"
#include "ColourKey.h"
#include "GraphFrame.h"
#include "graph/Presentation.h"
#include "runs/FieldTable.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"
#include "toolkit/PageControls.h"
#include "toolkit/Warning.h"
#include "units/Units.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>

namespace hydrolofter {

CSimulatePage::CSimulatePage(InputSource& inputs, QWidget* parent)
    : PropertyPage(QStringLiteral("Simulate"), parent), m_inputs(inputs) {
    build();
    // The summary's tables line up only in a fixed-width font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics fm(fixed);
    if (fm.horizontalAdvance('i') != fm.horizontalAdvance('W')) {
        fixed.setFamily(QStringLiteral("monospace"));
        fixed.setStyleHint(QFont::TypeWriter);
        fixed.setFixedPitch(true);
    }
    control<QPlainTextEdit>("summary")->setFont(fixed);
    control<QPlainTextEdit>("summary")->setLineWrapMode(QPlainTextEdit::NoWrap);
    connectHandlers();
}

CSimulatePage::~CSimulatePage() = default;

void CSimulatePage::connectHandlers() {
    connect(control<QPushButton>("simulate"), &QPushButton::clicked, this,
            &CSimulatePage::onSimulate);
    connect(control<QPushButton>("cancel"), &QPushButton::clicked, this, &CSimulatePage::onCancel);
    for (RunWorker* worker : {&m_worker, &m_printWorker})
        connect(worker, &RunWorker::progressChanged, this, &CSimulatePage::setProgress);
    connect(&m_worker, &RunWorker::finished, this, &CSimulatePage::onRunEnded);
    connect(control<QPushButton>("fullScreen"), &QPushButton::clicked, this,
            &CSimulatePage::onFullScreen);
    connect(control<QPushButton>("print"), &QPushButton::clicked, this, &CSimulatePage::onPrint);
    connect(control<QPushButton>("export"), &QPushButton::clicked, this, &CSimulatePage::onExport);
    connect(static_cast<GraphFrame*>(controlWidget("graph")), &GraphFrame::readoutChanged, this,
            &CSimulatePage::showReadout);
    // Ctrl+C while the page is shown, wherever the focus is in the window (after a run it
    // is often on the tab bar or Close); the summary box keeps it for a selection of its own.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &CSimulatePage::copyResult);
    control<QPlainTextEdit>("summary")->installEventFilter(this);
    connectCompareHandlers();
}

void CSimulatePage::initialiseControls() {
    control<QProgressBar>("progress")->setRange(0, 100);
    control<QProgressBar>("progress")->setValue(0);
    m_cancelRequested = false;
    hideResults();
    showControl("pleaseWait", false);
}

void CSimulatePage::hideResults() {
    for (std::string_view id : {"graph", "colourKey", "summary", "fullScreen", "figures"})
        showControl(id, false);
    enableResultActions(false);
    m_series.reset();
    m_summary.clear();
}

void CSimulatePage::enableResultActions(bool enable) {
    enableControl("print", enable);
    enableControl("export", enable);
}

void CSimulatePage::onSimulate() {
    if (m_running)
        return;
    // A refused value or a non-physical input starts nothing and keeps the last result.
    SimulationInputs inputs;
    RunSettings settings;
    if (!m_inputs.commitInputs(inputs, settings)) {
        emit runFinished();
        return;
    }
    const std::vector<std::string> problems = checkInputs(settings, inputs);
    if (!problems.empty()) {
        QString text = QStringLiteral("The simulation cannot start:\n");
        for (const std::string& p : problems)
            text += "\n" + QString::fromStdString(p);
        warnUser(this, text);
        // To the field the first problem names, as a refused text takes the user there.
        if (const Field* f = problemField(problems.front()))
            m_inputs.showField(f->name);
        emit runFinished();
        return;
    }

    hideResults();
    showNotices({});
    showControl("pleaseWait", true);
    static_cast<GraphFrame*>(controlWidget("graph"))->setGraph(nullptr);
    static_cast<ColourKey*>(controlWidget("colourKey"))->setGraph(nullptr);
    m_graph.reset();
    m_running = true;
    m_cancelRequested = false;
    m_pendingSettings = settings;
    m_pendingInputs = inputs;
    m_job = Job::Run;
    beginRun();
    // A launch analysis is held against the measured flight, if there is one, on the worker
    // too: the figures need a flight of their own.
    const bool measured = m_measured.loaded() && settings.mode == LaunchAnalysis;
    m_measured.clearFigures();
    m_worker.start([this, settings, inputs, measured,
                    trace = m_measured.trace()](RunHost& host, SampleSeries& series) {
        RunOptions options;
        options.flightResults = true; // a launch graph's results, for its printed page
        runSimulation({settings, inputs, options}, host, series);
        m_measured.forgetPending();
        if (measured && series.outcome == RunOutcome::Completed)
            m_measured.flyAgainst(inputs, settings, trace, host);
    }); // onRunEnded follows
}

void CSimulatePage::onRunEnded() {
    if (m_job != Job::Run)
        return onJobEnded(m_job);
    std::unique_ptr<SampleSeries> series = m_worker.takeSeries();
    m_running = false;
    endRun();
    const RunSettings settings = m_pendingSettings;
    const SimulationInputs inputs = m_pendingInputs;
    m_runSettings = settings;
    m_runInputs = inputs;
    showControl("pleaseWait", false);
    if (m_cancelRequested || series->outcome != RunOutcome::Completed) {
        if (m_cancelRequested || series->outcome == RunOutcome::Cancelled)
            showNotices({"Cancelled"}); // the last result was cleared when the run began
        m_cancelRequested = false;
        if (series->outcome == RunOutcome::Diverged) {
            // No graph of numbers that are not numbers: say why instead.
            warnUser(this, QString::fromUtf8(kDivergedMessage));
        }
        emit runFinished();
        return;
    }
    m_series = std::move(series);
    nameShownRun();
    if (settings.mode == LaunchAnalysis)
        m_measured.takeFigures();
    present(*m_series, settings);
    enableResultActions(true);
    enableCompareActions();
    emit runFinished();
}

void CSimulatePage::present(const SampleSeries& series, const RunSettings& settings) {
    std::vector<std::string> notices = series.notices;
    if (displayChoice(series, settings) != Graph) {
        auto* box = control<QPlainTextEdit>("summary");
        m_summary =
            QString::fromStdString(summaryText(series, settings) + m_measured.summaryText());
        box->setPlainText(m_summary);
        box->verticalScrollBar()->setValue(0);
        showControl("summary", true);
        showNotices(notices);
        showFigures(false);
        return;
    }
    m_graph = composeGraph(notices);
    showNotices(notices);
    showFigures(true);
    static_cast<GraphFrame*>(controlWidget("graph"))->setGraph(m_graph.get());
    showControl("graph", true);
    showControl("fullScreen", true);
    if (series.kind == SeriesKind::Surface) {
        static_cast<ColourKey*>(controlWidget("colourKey"))->setGraph(m_graph.get());
        showControl("colourKey", true);
    }
    update();
}

void CSimulatePage::onFullScreen() {
    if (!m_graph)
        return;
    CFullScreenGraphDlg dialog(window());
    dialog.setGraph(m_graph.get());
    dialog.exec();
}

void CSimulatePage::beginRun() {
    enableControl("simulate", false);
    enableResultActions(false);
    enableControl("cancel", true);
    enableCompareActions();
}

void CSimulatePage::setProgress(int percent) {
    auto* bar = control<QProgressBar>("progress");
    if (bar->value() != percent)
        bar->setValue(percent);
}

void CSimulatePage::endRun() {
    enableControl("simulate", true);
    enableResultActions(hasResult());
    enableControl("cancel", false);
    control<QProgressBar>("progress")->setValue(0);
    enableCompareActions();
}

void CSimulatePage::requestCancel() {
    if (!m_running)
        return;
    m_cancelRequested = true;
    m_worker.cancel();
    m_printWorker.cancel();
}

bool CSimulatePage::eventFilter(QObject* watched, QEvent* event) {
    // The summary box claims Ctrl+C even with nothing selected; then the result is copied.
    auto* box = control<QPlainTextEdit>("summary");
    if (watched == box && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !box->textCursor().hasSelection())
        return true;
    return PropertyPage::eventFilter(watched, event);
}

void CSimulatePage::onPrint() {
    if (!m_running)
        m_output.printWithDialog();
}

void CSimulatePage::onExport() {
    if (!m_running)
        m_output.exportWithDialog();
}

void CSimulatePage::copyResult() {
    if (!m_running)
        m_output.copy();
}

QSize CSimulatePage::shownGraphSize() const {
    return controlWidget("graph")->size();
}

} // namespace hydrolofter

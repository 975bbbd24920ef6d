// The Simulate page: its controls, a run and its result on the page, the full-screen view.
#include "CSimulatePage.h"

#include "CFullScreenGraphDlg.h"
#include "ColourKey.h"
#include "GraphFrame.h"
#include "graph/Presentation.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <array>

namespace hydrolofter {
namespace {

using enum CSimulatePage::Control;

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{SimulateButton, K::PushButton, "&Simulate", 8, 8, 80, 16},
    ControlSpec{ProgressBar, K::Progress, nullptr, 96, 8, 216, 16},
    ControlSpec{CancelButton, K::PushButton, "&Cancel Simulation", 320, 8, 80, 16, Disabled},
    // In the progress bar's place between runs: what the result alone does not say.
    ControlSpec{NoticeLabel, K::Label, "", 96, 8, 216, 16, Hidden},
    ControlSpec{GraphArea, K::Frame, nullptr, 8, 32, 304, 156, Hidden},
    ControlSpec{ColourKeyArea, K::Frame, nullptr, 320, 84, 80, 104, Hidden},
    ControlSpec{SummaryBox, K::Edit, nullptr, 8, 32, 304, 152, MultiLine | ReadOnly | Hidden},
    // Shown and disabled until there is a result to print or export.
    ControlSpec{PrintButton, K::PushButton, "&Print...", 320, 32, 80, 12, Disabled},
    ControlSpec{FullScreenButton, K::PushButton, "&Full Screen...", 320, 48, 80, 12, Hidden},
    ControlSpec{ExportButton, K::PushButton, "E&xport...", 320, 64, 80, 12, Disabled},
    ControlSpec{PleaseWaitLabel, K::Label, "Please Wait\nSimulating ...", 160, 100, 84, 16,
                Centred | Hidden},
};

constexpr std::array kHelp{
    ControlHelp{SimulateButton, "Fly the run chosen on the Simulation Settings page with the "
                                "inputs of the first three pages."},
    ControlHelp{ProgressBar, "How far the run has got.", "Progress"},
    ControlHelp{CancelButton, "Stop the run; nothing of it is shown."},
    ControlHelp{NoticeLabel,
                "Notes on the last run, and the values under the mouse pointer "
                "when it is over the graph.",
                "Status"},
    ControlHelp{GraphArea,
                "The result as a graph. Point at it to read the values; Ctrl+C "
                "copies it.",
                "Graph"},
    ControlHelp{ColourKeyArea,
                "What the shades of the surface mean: dark for the lowest result, "
                "bright blue for the highest.",
                "Colour key"},
    ControlHelp{SummaryBox, "The result as text; select and copy any part of it.", "Results"},
    ControlHelp{PrintButton, "Print the result on one page with the inputs it was flown with "
                             "(choose \"Print to File (PDF)\" for a PDF)."},
    ControlHelp{FullScreenButton, "Show the graph over the whole screen; any key or a click "
                                  "closes it."},
    ControlHelp{ExportButton, "Save the result as a PNG image, a PDF page, a CSV table of its "
                              "numbers, or a summary's text."},
};

constexpr DialogTemplate kTemplate{110, "Simulate", 408, 194, kControls, kHelp};

QWidget* makeFrame(const ControlSpec& control, QWidget* parent) {
    if (control.id == GraphArea)
        return new GraphFrame(parent);
    if (control.id == ColourKeyArea)
        return new ColourKey(parent);
    return nullptr;
}

} // namespace

CSimulatePage::CSimulatePage(InputSource& inputs, QWidget* parent)
    : TemplatePage(kTemplate, makeFrame, parent), m_inputs(inputs) {
    // The summary's tables line up only in a fixed-width font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics fm(fixed);
    if (fm.horizontalAdvance('i') != fm.horizontalAdvance('W')) {
        fixed.setFamily(QStringLiteral("monospace"));
        fixed.setStyleHint(QFont::TypeWriter);
        fixed.setFixedPitch(true);
    }
    control<QPlainTextEdit>(SummaryBox)->setFont(fixed);
    control<QPlainTextEdit>(SummaryBox)->setLineWrapMode(QPlainTextEdit::NoWrap);
    connectHandlers();
}

CSimulatePage::~CSimulatePage() = default;

void CSimulatePage::connectHandlers() {
    connect(control<QPushButton>(SimulateButton), &QPushButton::clicked, this,
            &CSimulatePage::onSimulate);
    connect(control<QPushButton>(CancelButton), &QPushButton::clicked, this,
            &CSimulatePage::onCancel);
    for (RunWorker* worker : {&m_worker, &m_printWorker})
        connect(worker, &RunWorker::progressChanged, this, &CSimulatePage::setProgress);
    connect(&m_worker, &RunWorker::finished, this, &CSimulatePage::onRunEnded);
    connect(control<QPushButton>(FullScreenButton), &QPushButton::clicked, this,
            &CSimulatePage::onFullScreen);
    connect(control<QPushButton>(PrintButton), &QPushButton::clicked, this,
            &CSimulatePage::onPrint);
    connect(control<QPushButton>(ExportButton), &QPushButton::clicked, this,
            &CSimulatePage::onExport);
    connect(static_cast<GraphFrame*>(controlWidget(GraphArea)), &GraphFrame::readoutChanged, this,
            &CSimulatePage::showReadout);
    // Ctrl+C while the page is shown, wherever the focus is in the window (after a run it
    // is often on the tab bar or Close); the summary box keeps it for a selection of its own.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &CSimulatePage::copyResult);
    control<QPlainTextEdit>(SummaryBox)->installEventFilter(this);
}

void CSimulatePage::initialiseControls() {
    control<QProgressBar>(ProgressBar)->setRange(0, 100);
    control<QProgressBar>(ProgressBar)->setValue(0);
    m_bCancelRequested = false;
    hideResults();
    showControl(PleaseWaitLabel, false);
}

void CSimulatePage::resizeEvent(QResizeEvent* event) {
    TemplatePage::resizeEvent(event);
    const int dx = std::max(0, width() - dluToPixelsX(kTemplate.width));
    const int dy = std::max(0, height() - dluToPixelsY(kTemplate.height));
    for (const ControlSpec& c : kControls) {
        QRect r(dluToPixelsX(c.x), dluToPixelsY(c.y), dluToPixelsX(c.width),
                dluToPixelsY(c.height));
        switch (c.id) {
        case GraphArea:
        case SummaryBox:
            r.adjust(0, 0, dx, dy);
            break;
        case ColourKeyArea:
            r.adjust(dx, 0, dx, dy);
            break;
        case ProgressBar:
        case NoticeLabel:
            r.adjust(0, 0, dx, 0);
            break;
        case CancelButton:
        case PrintButton:
        case FullScreenButton:
        case ExportButton:
            r.translate(dx, 0);
            break;
        case PleaseWaitLabel:
            r.translate(dx / 2, dy / 2);
            break;
        default:
            continue;
        }
        controlWidget(c.id)->setGeometry(r);
    }
}

// ---- Print, export and copy

void CSimulatePage::showNotices(const std::vector<std::string>& notices) {
    QStringList lines;
    for (const std::string& n : notices)
        lines << QString::fromStdString(n);
    m_notices = lines.join(' ');
    showReadout({});
}

void CSimulatePage::showReadout(const QString& readout) {
    // The readout stands in the notices' place while the pointer is over the plot.
    const QString text = readout.isEmpty() ? m_notices : readout;
    auto* label = control<QLabel>(NoticeLabel);
    label->setText(text);
    label->setToolTip(text);
    showControl(NoticeLabel, !text.isEmpty());
    showControl(ProgressBar, text.isEmpty());
}

QString CSimulatePage::statusText() const {
    const auto* label = control<QLabel>(NoticeLabel);
    return label->isVisibleTo(this) ? label->text() : QString();
}

void CSimulatePage::hideResults() {
    for (int id : {GraphArea, ColourKeyArea, SummaryBox, FullScreenButton})
        showControl(id, false);
    enableResultActions(false);
    m_pSeries.reset();
    m_flightResults.reset();
    m_summary.clear();
}

void CSimulatePage::enableResultActions(bool enable) {
    enableControl(PrintButton, enable);
    enableControl(ExportButton, enable);
}

void CSimulatePage::onSimulate() {
    if (m_bRunning)
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
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"), text, QMessageBox::Ok,
                        this);
        box.exec();
        emit runFinished();
        return;
    }

    hideResults();
    showNotices({});
    showControl(PleaseWaitLabel, true);
    static_cast<GraphFrame*>(controlWidget(GraphArea))->setGraph(nullptr);
    static_cast<ColourKey*>(controlWidget(ColourKeyArea))->setGraph(nullptr);
    m_pGraph.reset();
    m_bRunning = true;
    m_bCancelRequested = false;
    m_pendingSettings = settings;
    m_pendingInputs = inputs;
    beginRun();
    m_worker.start(settings, inputs); // onRunEnded follows
}

void CSimulatePage::onRunEnded() {
    std::unique_ptr<SampleSeries> series = m_worker.takeSeries();
    m_bRunning = false;
    endRun();
    const RunSettings settings = m_pendingSettings;
    const SimulationInputs inputs = m_pendingInputs;
    m_runSettings = settings;
    m_runInputs = inputs;
    showControl(PleaseWaitLabel, false);
    if (m_bCancelRequested || series->outcome != RunOutcome::Completed) {
        if (m_bCancelRequested || series->outcome == RunOutcome::Cancelled)
            showNotices({"Cancelled"}); // the last result was cleared when the run began
        m_bCancelRequested = false;
        if (series->outcome == RunOutcome::Diverged) {
            // No graph of numbers that are not numbers: say why instead.
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                            QString::fromUtf8(kDivergedMessage), QMessageBox::Ok, this);
            box.exec();
        }
        emit runFinished();
        return;
    }
    present(*series, settings);
    m_pSeries = std::move(series);
    enableResultActions(true);
    showNotices(runNotices(settings, inputs, *m_pSeries));
    emit runFinished();
}

void CSimulatePage::present(const SampleSeries& series, const RunSettings& settings) {
    if (displayChoice(series, settings) != Graph) {
        auto* box = control<QPlainTextEdit>(SummaryBox);
        m_summary = QString::fromStdString(summaryText(series, settings));
        box->setPlainText(m_summary);
        box->verticalScrollBar()->setValue(0);
        showControl(SummaryBox, true);
        return;
    }
    m_pGraph = makeGraph(series, settings);
    static_cast<GraphFrame*>(controlWidget(GraphArea))->setGraph(m_pGraph.get());
    showControl(GraphArea, true);
    showControl(FullScreenButton, true);
    if (series.kind == SeriesKind::Surface) {
        static_cast<ColourKey*>(controlWidget(ColourKeyArea))->setGraph(m_pGraph.get());
        showControl(ColourKeyArea, true);
    }
    update();
}

void CSimulatePage::onFullScreen() {
    if (!m_pGraph)
        return;
    CFullScreenGraphDlg dialog(window());
    dialog.setGraph(m_pGraph.get());
    dialog.exec();
}

void CSimulatePage::beginRun() {
    enableControl(SimulateButton, false);
    enableResultActions(false);
    enableControl(CancelButton, true);
}

void CSimulatePage::setProgress(int percent) {
    auto* bar = control<QProgressBar>(ProgressBar);
    if (bar->value() != percent)
        bar->setValue(percent);
}

void CSimulatePage::endRun() {
    enableControl(SimulateButton, true);
    enableResultActions(hasResult());
    enableControl(CancelButton, false);
    control<QProgressBar>(ProgressBar)->setValue(0);
}

} // namespace hydrolofter

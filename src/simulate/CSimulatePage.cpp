// The Simulate page: run and present, the run host, the full-screen view.
#include "CSimulatePage.h"

#include "CFullScreenGraphDlg.h"
#include "ColourKey.h"
#include "GraphFrame.h"
#include "graph/Presentation.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
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
    ControlSpec{ColourKeyArea, K::Frame, nullptr, 320, 68, 80, 120, Hidden},
    ControlSpec{SummaryBox, K::Edit, nullptr, 8, 32, 304, 152, MultiLine | ReadOnly | Hidden},
    ControlSpec{PrintButton, K::PushButton, "&Print...", 320, 32, 80, 12, Hidden | Disabled},
    ControlSpec{FullScreenButton, K::PushButton, "&Full Screen...", 320, 48, 80, 12, Hidden},
    ControlSpec{PleaseWaitLabel, K::Label, "Please Wait\nSimulating ...", 160, 100, 84, 16,
                Centred | Hidden},
};

constexpr DialogTemplate kTemplate{110, "Simulate", 408, 194, kControls};

QWidget* makeFrame(const ControlSpec& control, QWidget* parent) {
    if (control.id == GraphArea)
        return new GraphFrame(parent);
    if (control.id == ColourKeyArea)
        return new ColourKey(parent);
    return nullptr;
}

} // namespace

CSimulatePage::CSimulatePage(InputSource& inputs, QWidget* parent)
    : PropertyPage(kTemplate, makeFrame, parent), m_inputs(inputs) {
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
    connect(control<QPushButton>(FullScreenButton), &QPushButton::clicked, this,
            &CSimulatePage::onFullScreen);
}

void CSimulatePage::onInitDialog() {
    control<QProgressBar>(ProgressBar)->setRange(0, 100);
    control<QProgressBar>(ProgressBar)->setValue(0);
    m_bCancelRequested = false;
    hideResults();
    showControl(PleaseWaitLabel, false);
}

void CSimulatePage::showNotices(const std::vector<std::string>& notices) {
    QStringList lines;
    for (const std::string& n : notices)
        lines << QString::fromStdString(n);
    auto* label = control<QLabel>(NoticeLabel);
    label->setText(lines.join(' '));
    label->setToolTip(label->text());
    showControl(NoticeLabel, !lines.isEmpty());
    showControl(ProgressBar, lines.isEmpty());
}

void CSimulatePage::hideResults() {
    for (int id : {GraphArea, ColourKeyArea, SummaryBox, PrintButton, FullScreenButton})
        showControl(id, false);
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
    m_pGraph.reset();
    m_bRunning = true;
    auto series = std::make_unique<SampleSeries>();
    runSimulation(settings, inputs, *this, *series);
    m_bRunning = false;
    showControl(PleaseWaitLabel, false);
    if (m_bCancelRequested || series->outcome != RunOutcome::Completed) {
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
    showNotices(runNotices(settings, inputs, *series));
    emit runFinished();
}

void CSimulatePage::present(const SampleSeries& series, const RunSettings& settings) {
    if (displayChoice(series, settings) != Graph) {
        auto* box = control<QPlainTextEdit>(SummaryBox);
        box->setPlainText(QString::fromStdString(summaryText(series, settings)));
        box->verticalScrollBar()->setValue(0);
        showControl(SummaryBox, true);
        showControl(PrintButton, true);
        return;
    }
    m_pGraph = makeGraph(series, settings);
    static_cast<GraphFrame*>(controlWidget(GraphArea))->setGraph(m_pGraph.get());
    showControl(GraphArea, true);
    showControl(PrintButton, true);
    showControl(FullScreenButton, true);
    if (series.kind == SeriesKind::Surface) {
        const VariableId result = settings.twoVarDependent;
        const auto [low, high] =
            surfaceExtremes(series.column3.data(), series.count).value_or(std::pair{0.0, 0.0});
        static_cast<ColourKey*>(controlWidget(ColourKeyArea))
            ->setScale(low, high,
                       QString::fromStdString(unitName(result, settings.twoVarDependentUnit)));
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
    enableControl(CancelButton, true);
    m_pump.restart();
    // Let the page show the running state before the first step.
    QCoreApplication::processEvents();
}

void CSimulatePage::setProgress(int percent) {
    auto* bar = control<QProgressBar>(ProgressBar);
    if (bar->value() != percent)
        bar->setValue(percent);
}

void CSimulatePage::pumpMessages() {
    m_pump.pump();
}

void CSimulatePage::endRun() {
    enableControl(SimulateButton, true);
    enableControl(CancelButton, false);
    control<QProgressBar>(ProgressBar)->setValue(0);
}

} // namespace hydrolofter

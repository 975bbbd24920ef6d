// The Simulate page: run and present, the run host, the full-screen view.
#include "CSimulatePage.h"

#include "CFullScreenGraphDlg.h"
#include "ColourKey.h"
#include "GraphFrame.h"
#include "ResultPage.h"
#include "designs/Design.h"
#include "graph/Presentation.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"
#include "toolkit/GraphImage.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
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

void CSimulatePage::onInitDialog() {
    control<QProgressBar>(ProgressBar)->setRange(0, 100);
    control<QProgressBar>(ProgressBar)->setValue(0);
    m_bCancelRequested = false;
    hideResults();
    showControl(PleaseWaitLabel, false);
}

void CSimulatePage::resizeEvent(QResizeEvent* event) {
    PropertyPage::resizeEvent(event);
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

std::vector<CSimulatePage::ExportFormat> CSimulatePage::exportFormats() const {
    if (!m_pSeries)
        return {};
    if (m_pGraph)
        return {ExportFormat::Png, ExportFormat::Pdf, ExportFormat::Csv};
    std::vector<ExportFormat> formats{ExportFormat::Text, ExportFormat::Pdf};
    if (m_pSeries->count > 0)
        formats.push_back(ExportFormat::Csv);
    return formats;
}

QSize CSimulatePage::defaultImageSize() const {
    return controlWidget(GraphArea)->size() * 2;
}

bool CSimulatePage::resultDocument(ResultDocument& doc) {
    doc.title = QString::fromStdString(runTitle(m_runSettings));
    const std::string rocket = m_inputs.rocketFileName();
    if (!rocket.empty())
        doc.title += QStringLiteral(" \u2014 ") + QString::fromStdString(rocket);
    doc.inputs = inputLines(m_runInputs);
    doc.inputs.insert(doc.inputs.begin(),
                      {"Time step", std::string(precisionLabel(m_runSettings.precision))});
    if (!m_pGraph) {
        doc.summary = m_summary;
        return true;
    }
    doc.graph = m_pGraph.get();
    doc.graphSize = controlWidget(GraphArea)->size();
    if (m_pSeries->kind == SeriesKind::Surface) {
        doc.colourKey = true;
    }
    if (m_pSeries->kind == SeriesKind::MinMaxBars) {
        if (!m_flightResults && !flyFlightResults())
            return false;
        doc.results = resultLines(*m_flightResults);
    }
    return true;
}

bool CSimulatePage::flyFlightResults() {
    // A graph run records no results: the same flight again, for its summary.
    RunSettings summary = m_runSettings;
    summary.launchDisplay = Summary;
    m_bRunning = true;
    beginRun();
    m_printWorker.start(summary, m_runInputs);
    QEventLoop loop; // the window answers (Cancel, closing) while the flight flies
    connect(&m_printWorker, &RunWorker::finished, &loop, &QEventLoop::quit);
    if (m_printWorker.isRunning())
        loop.exec();
    m_bRunning = false;
    endRun();
    const std::unique_ptr<SampleSeries> flown = m_printWorker.takeSeries();
    const bool completed = !m_bCancelRequested && flown && flown->outcome == RunOutcome::Completed;
    m_bCancelRequested = false;
    if (completed)
        m_flightResults = flown->flight;
    emit runFinished(); // a close waiting for the run goes on
    return completed;
}

void CSimulatePage::requestCancel() {
    if (!m_bRunning)
        return;
    m_bCancelRequested = true;
    m_worker.cancel();
    m_printWorker.cancel();
}

bool CSimulatePage::printResultOn(QPagedPaintDevice& device) {
    ResultDocument doc;
    if (!m_pSeries || !resultDocument(doc))
        return false;
    printResult(device, doc);
    return true;
}

void CSimulatePage::onPrint() {
    if (!m_pSeries || m_bRunning)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(runTitle(m_runSettings)));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printResultOn(printer);
}

namespace {

QString filterOf(CSimulatePage::ExportFormat format) {
    switch (format) {
    case CSimulatePage::ExportFormat::Png:
        return QStringLiteral("PNG image (*.png)");
    case CSimulatePage::ExportFormat::Pdf:
        return QStringLiteral("PDF page, as printed (*.pdf)");
    case CSimulatePage::ExportFormat::Csv:
        return QStringLiteral("CSV table of the series (*.csv)");
    case CSimulatePage::ExportFormat::Text:
        return QStringLiteral("Summary as text (*.txt)");
    }
    return {};
}

QString suffixOf(CSimulatePage::ExportFormat format) {
    switch (format) {
    case CSimulatePage::ExportFormat::Png:
        return QStringLiteral("png");
    case CSimulatePage::ExportFormat::Pdf:
        return QStringLiteral("pdf");
    case CSimulatePage::ExportFormat::Csv:
        return QStringLiteral("csv");
    case CSimulatePage::ExportFormat::Text:
        return QStringLiteral("txt");
    }
    return {};
}

/// Asks for the size of an exported image; an empty size when the user cancels.
QSize askImageSize(QWidget* parent, QSize proposed) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Image Size"));
    auto* width = new QSpinBox(&dialog);
    auto* height = new QSpinBox(&dialog);
    for (QSpinBox* box : {width, height}) {
        box->setRange(16, 10000);
        box->setSuffix(QStringLiteral(" px"));
    }
    width->setValue(proposed.width());
    height->setValue(proposed.height());
    width->setAccessibleName(QStringLiteral("Width"));
    height->setAccessibleName(QStringLiteral("Height"));
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("&Width:"), width);
    form->addRow(QStringLiteral("&Height:"), height);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {width->value(), height->value()};
}

} // namespace

void CSimulatePage::onExport() {
    if (!m_pSeries || m_bRunning)
        return;
    const std::vector<ExportFormat> formats = exportFormats();
    QStringList filters;
    for (ExportFormat f : formats)
        filters << filterOf(f);
    QFileDialog dialog(this, QStringLiteral("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixOf(formats.front()));
    // A name to start from: the rocket's file, or the kind of run.
    const std::string rocket = m_inputs.rocketFileName();
    const QString base = rocket.empty()
                             ? QStringList{"launch", "sweep", "surface"}.value(m_runSettings.mode)
                             : QString::fromStdString(rocket).section('.', 0, 0);
    dialog.selectFile(base + "." + suffixOf(formats.front()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(formats[std::size_t(filters.indexOf(filter))]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    ExportFormat format =
        formats[std::size_t(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))];
    // A typed suffix of another offered format wins over the selected filter.
    for (ExportFormat f : formats) {
        if (QFileInfo(path).suffix().compare(suffixOf(f), Qt::CaseInsensitive) == 0)
            format = f;
    }
    QSize size;
    if (format == ExportFormat::Png) {
        size = askImageSize(this, defaultImageSize());
        if (size.isEmpty())
            return;
    }
    const QString error = exportResult(path, format, size);
    if (!error.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                        QStringLiteral("The result was not exported to %1:\n%2")
                            .arg(QDir::toNativeSeparators(path), error),
                        QMessageBox::Ok, this);
        box.exec();
    }
}

QString CSimulatePage::exportResult(const QString& path, ExportFormat format, QSize imageSize) {
    if (!m_pSeries)
        return QStringLiteral("there is no result to export");
    QByteArray bytes;
    switch (format) {
    case ExportFormat::Png:
        if (!m_pGraph)
            return QStringLiteral("the result is a summary, not a graph");
        if (imageSize.isEmpty())
            imageSize = defaultImageSize();
        bytes = encodeGraphImage(*m_pGraph, imageSize.width(), imageSize.height(),
                                 QStringLiteral("image.png"));
        break;
    case ExportFormat::Pdf: {
        ResultDocument doc;
        if (!resultDocument(doc))
            return QStringLiteral("the flight's results were not completed");
        bytes = resultPdf(doc);
        break;
    }
    case ExportFormat::Csv:
        bytes = QByteArray::fromStdString(seriesCsv(*m_pSeries, m_runSettings));
        break;
    case ExportFormat::Text:
        bytes = m_summary.toUtf8();
        break;
    }
    if (bytes.isEmpty())
        return QStringLiteral("nothing could be made to write");
    const std::string error =
        writeFileAtomically(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return QString::fromStdString(error);
}

bool CSimulatePage::eventFilter(QObject* watched, QEvent* event) {
    // The summary box claims Ctrl+C even with nothing selected; then the result is copied.
    auto* box = control<QPlainTextEdit>(SummaryBox);
    if (watched == box && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !box->textCursor().hasSelection())
        return true;
    return PropertyPage::eventFilter(watched, event);
}

void CSimulatePage::copyResult() {
    if (!m_pSeries || m_bRunning)
        return;
    auto* data = new QMimeData;
    if (m_pGraph) {
        const QSize size = defaultImageSize();
        data->setImageData(paintGraphPicture(*m_pGraph, size.width(), size.height()));
        data->setText(QString::fromStdString(seriesCsv(*m_pSeries, m_runSettings)));
    } else {
        data->setText(m_summary);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

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

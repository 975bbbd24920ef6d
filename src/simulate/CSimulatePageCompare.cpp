// The Simulate page's comparison: flights kept and drawn together, a measured flight over a
// launch graph with its figures, the fit of an input to it, and the notices that tell of them.
#include "CFitDlg.h"
#include "CMeasuredFlightDlg.h"
#include "CSimulatePage.h"
#include "GraphFrame.h"
#include "toolkit/PageControls.h"
#include "designs/JsonText.h"
#include "runs/FieldTable.h"
#include "runs/RunMessages.h"
#include "toolkit/LastFolders.h"
#include "units/NumberText.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace hydrolofter {
namespace {

void warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace

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
    auto* label = control<QLabel>("notice");
    label->setText(text);
    label->setToolTip(text);
    showControl("notice", !text.isEmpty());
    showControl("progress", text.isEmpty());
}

QString CSimulatePage::statusText() const {
    const auto* label = control<QLabel>("notice");
    return label->isVisibleTo(this) ? label->text() : QString();
}

void CSimulatePage::nameShownRun() {
    m_shownName = fileLabel(m_inputs.flightFileName());
    if (m_shownName.empty())
        m_shownName = fileLabel(m_inputs.rocketFileName());
    if (m_shownName.empty())
        m_shownName = "Flight " + std::to_string(m_compared.size() + 1);
}

void CSimulatePage::buildCompareActions(QBoxLayout* side) {
    auto* group = new QGroupBox(QStringLiteral("Compare"), this);
    auto* column = new QVBoxLayout(group);
    // Close together: on a screen scaled by 2 the column must stand beside the graph whole.
    column->setSpacing(2);
    column->setContentsMargins(4, 4, 4, 4);
    const std::pair<const char*, const char*> texts[][2] = {
        {{"addToComparison", "&Add to comparison"},
         {"Keep this result: the graphs of the next runs draw it with theirs, in a colour of "
          "its own (up to six flights).",
          nullptr}},
        {{"removeFromComparison", "&Remove..."},
         {"Take one kept flight out of the comparison.", nullptr}},
        {{"renameKept", "Re&name..."},
         {"Give a kept flight the name its line in the legend shows (it is named by what "
          "differs from the run on show until you do).",
          nullptr}},
        {{"clearComparison", "C&lear Comparison"}, {"Take every kept flight out.", nullptr}},
        {{"importMeasured", "&Measured Flight..."},
         {"Import a flight measured by an altimeter (time and altitude) and show it over the "
          "Height graph, with how far the simulation is from it.",
          nullptr}},
        {{"clearMeasured", "Forget Measured"}, {"Stop showing the measured flight.", nullptr}},
        {{"fit", "F&it..."},
         {"Find the value of one input (the drag coefficient, say) that brings the simulated "
          "heights closest to the measured ones.",
          nullptr}},
    };
    for (const auto& [id, help] : texts) {
        auto* b = button(id.first, id.second, help.first, group);
        b->setEnabled(false);
        column->addWidget(b);
    }
    control<QPushButton>("removeFromComparison")->setMenu(new QMenu(this));
    control<QPushButton>("renameKept")->setMenu(new QMenu(this));
    side->addWidget(group);
}

void CSimulatePage::connectCompareHandlers() {
    connect(control<QPushButton>("addToComparison"), &QPushButton::clicked, this,
            &CSimulatePage::onAddToComparison);
    connect(control<QPushButton>("clearComparison"), &QPushButton::clicked, this,
            &CSimulatePage::onClearComparison);
    connect(control<QPushButton>("importMeasured"), &QPushButton::clicked, this,
            &CSimulatePage::onImportMeasured);
    connect(control<QPushButton>("clearMeasured"), &QPushButton::clicked, this,
            &CSimulatePage::onClearMeasured);
    connect(control<QPushButton>("fit"), &QPushButton::clicked, this, &CSimulatePage::onFit);
    connect(&m_printWorker, &RunWorker::finished, this, [this] {
        if (m_job == Job::Figures)
            onJobEnded(Job::Figures);
    });
}

void CSimulatePage::enableCompareActions() {
    const bool idle = !m_running && !m_worker.isRunning() && !m_printWorker.isRunning();
    const ComparedRun shownRun{m_shownName, m_series, m_runSettings, m_runInputs};
    const bool kept =
        m_series && std::any_of(m_compared.begin(), m_compared.end(), [&](const KeptFlight& k) {
            return k.run.series == m_series || sameFlight(k.run, shownRun);
        });
    enableControl("addToComparison", idle && m_series && !kept &&
                                         !comparisonSubject(*m_series, m_runSettings).empty());
    for (const char* id : {"removeFromComparison", "renameKept", "clearComparison"})
        enableControl(id, idle && !m_compared.empty());
    enableControl("importMeasured", idle);
    enableControl("clearMeasured", idle && !m_trace.time.empty());
    enableControl("fit", idle && !m_trace.time.empty());
    // The menus name each kept flight as the legend does.
    std::size_t shown = 0;
    const std::vector<ComparedRun> runs =
        m_series && keptAreDrawn() ? comparedRuns(shown) : std::vector<ComparedRun>{};
    for (const char* id : {"removeFromComparison", "renameKept"}) {
        QMenu* menu = control<QPushButton>(id)->menu();
        menu->clear();
        for (std::size_t i = 0; i < m_compared.size(); ++i) {
            const std::string name = i < runs.size() ? runs[i].name : keptName(i);
            QAction* action = menu->addAction(QString::fromStdString(name));
            if (std::string_view(id) == "renameKept")
                connect(action, &QAction::triggered, this, [this, i, name] {
                    bool ok = false;
                    const QString given = QInputDialog::getText(
                        this, QStringLiteral("Rename"), QStringLiteral("&Name in the legend:"),
                        QLineEdit::Normal, QString::fromStdString(name), &ok);
                    if (ok)
                        renameKept(int(i), given.trimmed().toStdString());
                });
            else
                connect(action, &QAction::triggered, this,
                        [this, i] { removeFromComparison(int(i)); });
        }
    }
}

std::string CSimulatePage::keptName(std::size_t index) const {
    const KeptFlight& k = m_compared[index];
    return !k.givenName.empty() ? k.givenName : k.fileName;
}

void CSimulatePage::renameKept(int index, const std::string& name) {
    if (index < 0 || index >= int(m_compared.size()) || m_running)
        return;
    m_compared[std::size_t(index)].givenName = name;
    refreshComparison();
}

std::vector<ComparedRun> CSimulatePage::comparedRuns(std::size_t& shown) const {
    std::vector<ComparedRun> runs;
    const ComparedRun shownRun{m_shownName, m_series, m_runSettings, m_runInputs};
    const bool keptDrawn = keptAreDrawn();
    if (keptDrawn) {
        for (const KeptFlight& k : m_compared)
            runs.push_back(k.run);
    }
    // The shown result is one of the kept flights when it is the same flight, flown again.
    const auto kept = std::find_if(runs.begin(), runs.end(), [&](const ComparedRun& r) {
        return r.series == m_series || sameFlight(r, shownRun);
    });
    shown = std::size_t(kept - runs.begin());
    if (kept == runs.end()) {
        runs.push_back(shownRun);
        runs.back().colour = freeColour();
    } else {
        kept->series = m_series; // drawn as now flown
    }
    // Each by what tells it apart from the shown one; by its given name, or its file's,
    // where nothing does; no two alike.
    const std::vector<std::string> differences = differenceNames(runs, shown);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const bool isKept = keptDrawn && i < m_compared.size();
        std::string name = isKept && !m_compared[i].givenName.empty() ? m_compared[i].givenName
                           : !differences[i].empty()                  ? differences[i]
                           : isKept                                   ? m_compared[i].fileName
                                                                      : m_shownName;
        const std::string base = name;
        for (int n = 2; std::find(names.begin(), names.end(), name) != names.end(); ++n)
            name = base + " (" + std::to_string(n) + ")";
        names.push_back(name);
        runs[i].name = name;
    }
    return runs;
}

bool CSimulatePage::keptAreDrawn() const {
    if (m_compared.empty() || !m_series)
        return false;
    const std::string subject = comparisonSubject(*m_series, m_runSettings);
    return !subject.empty() && comparisonSubject(*m_compared.front().run.series,
                                                 m_compared.front().run.settings) == subject;
}

int CSimulatePage::freeColour() const {
    for (int c = 0;; ++c) {
        if (std::none_of(m_compared.begin(), m_compared.end(),
                         [c](const KeptFlight& k) { return k.run.colour == c; }))
            return c;
    }
}

std::string CSimulatePage::shownCsv() const {
    std::size_t shown = 0;
    const std::vector<ComparedRun> runs = comparedRuns(shown);
    return comparisonCsv(runs, shown);
}

std::unique_ptr<GraphData> CSimulatePage::composeGraph(std::vector<std::string>& notes) const {
    std::size_t shown = 0;
    const std::vector<ComparedRun> runs = comparedRuns(shown);
    if (!m_compared.empty() && !keptAreDrawn())
        notes.push_back(
            "The kept flights are not drawn: they show " +
            comparisonSubject(*m_compared.front().run.series, m_compared.front().run.settings) +
            ", this run does not.");
    std::unique_ptr<GraphData> graph = comparisonGraph(runs, shown);
    if (!m_trace.time.empty() &&
        !addMeasuredTrace(*graph, m_runSettings, m_trace,
                          "Measured (" + m_traceName.toStdString() + ")", runs[shown].name))
        notes.push_back("The measured flight is drawn over a launch graph of Height.");
    return graph;
}

void CSimulatePage::showFigures(bool shown) {
    QString line;
    if (m_figures && shown) {
        const int unit =
            m_runSettings.plotVariable == var::Height ? m_runSettings.plotUnit : unit::m;
        for (const std::string& f : figureLines(*m_figures, unit))
            line += (line.isEmpty() ? "" : "; ") + QString::fromStdString(f);
    }
    control<QLabel>("figures")->setText(line.isEmpty() ? line : line + '.');
    showControl("figures", !line.isEmpty());
}

void CSimulatePage::refreshComparison() {
    enableCompareActions();
    if (m_series && !m_running)
        present(*m_series, m_runSettings);
}

void CSimulatePage::onAddToComparison() {
    if (!m_series || m_running)
        return;
    const std::string subject = comparisonSubject(*m_series, m_runSettings);
    const std::string kept =
        m_compared.empty()
            ? subject
            : comparisonSubject(*m_compared.front().run.series, m_compared.front().run.settings);
    if (kept != subject)
        return warn(this, QString::fromStdString("The comparison holds graphs of " + kept +
                                                 "; this one shows " + subject +
                                                 ". Clear the comparison to start another."));
    if (int(m_compared.size()) >= kMaxCompared)
        return warn(this, QStringLiteral("The comparison holds six flights already: remove one "
                                         "to add this one."));
    // It keeps the colour it has on show, and the file it came from names it where
    // nothing else tells it apart.
    const ComparedRun run{m_shownName, m_series, m_runSettings, m_runInputs, freeColour()};
    if (std::any_of(m_compared.begin(), m_compared.end(),
                    [&](const KeptFlight& k) { return sameFlight(k.run, run); }))
        return; // kept already: a second copy would only hide the first
    m_compared.push_back({run, m_shownName, {}});
    refreshComparison();
}

void CSimulatePage::removeFromComparison(int index) {
    if (index < 0 || index >= int(m_compared.size()) || m_running)
        return;
    m_compared.erase(m_compared.begin() + index);
    refreshComparison();
}

void CSimulatePage::onClearComparison() {
    if (m_running)
        return;
    m_compared.clear();
    refreshComparison();
}

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
        warn(this, QString::fromStdString("The fit cannot start: " + r.refusal));
    } else if (r.outcome != RunOutcome::Completed) {
        warn(this, QString::fromUtf8(kDivergedMessage));
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

// The Simulate page's comparison: flights kept and drawn together, and the notices that tell
// of them and of a measured flight.
#include "CFitDlg.h"
#include "CMeasuredFlightDlg.h"
#include "CSimulatePage.h"
#include "GraphFrame.h"
#include "designs/JsonText.h"
#include "runs/FieldTable.h"
#include "runs/RunMessages.h"
#include "toolkit/LastFolders.h"
#include "toolkit/PageControls.h"
#include "toolkit/Warning.h"
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
        return warnUser(this, QString::fromStdString("The comparison holds graphs of " + kept +
                                                     "; this one shows " + subject +
                                                     ". Clear the comparison to start another."));
    if (int(m_compared.size()) >= kMaxCompared)
        return warnUser(this, QStringLiteral("The comparison holds six flights already: remove one "
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

} // namespace hydrolofter

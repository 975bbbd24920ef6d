// The Simulate page's comparison: its buttons and menus over the kept flights
// (FlightComparison), the graph drawn with them, and the notices that tell of them and of a
// measured flight.
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
        m_shownName = "Flight " + std::to_string(m_comparison.kept().size() + 1);
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
    const bool kept = m_comparison.holds(shownRun());
    enableControl("addToComparison", idle && m_series && !kept &&
                                         !comparisonSubject(*m_series, m_runSettings).empty());
    for (const char* id : {"removeFromComparison", "renameKept", "clearComparison"})
        enableControl(id, idle && !m_comparison.empty());
    enableControl("importMeasured", idle);
    enableControl("clearMeasured", idle && m_measured.loaded());
    enableControl("fit", idle && m_measured.loaded());
    // The menus name each kept flight as the legend does.
    std::size_t shown = 0;
    const std::vector<ComparedRun> runs = m_comparison.drawnWith(shownRun())
                                              ? m_comparison.runs(shownRun(), shown)
                                              : std::vector<ComparedRun>{};
    for (const char* id : {"removeFromComparison", "renameKept"}) {
        QMenu* menu = control<QPushButton>(id)->menu();
        menu->clear();
        for (std::size_t i = 0; i < m_comparison.kept().size(); ++i) {
            const std::string name = i < runs.size() ? runs[i].name : m_comparison.keptName(i);
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

void CSimulatePage::renameKept(int index, const std::string& name) {
    if (m_running)
        return;
    m_comparison.rename(index, name);
    refreshComparison();
}

std::unique_ptr<GraphData> CSimulatePage::composeGraph(std::vector<std::string>& notes) const {
    std::size_t shown = 0;
    const std::vector<ComparedRun> runs = m_comparison.runs(shownRun(), shown);
    if (const std::string note = m_comparison.notDrawnNote(shownRun()); !note.empty())
        notes.push_back(note);
    std::unique_ptr<GraphData> graph = comparisonGraph(runs, shown);
    if (m_measured.loaded() && !addMeasuredTrace(*graph, m_runSettings, m_measured.trace(),
                                                 m_measured.legend(), runs[shown].name))
        notes.push_back(m_measured.trace().thrust
                            ? "The measured firing is drawn over a launch graph of Thrust."
                            : "The measured flight is drawn over a launch graph of Height.");
    return graph;
}

void CSimulatePage::showFigures(bool shown) {
    QString line;
    if (shown) {
        for (const std::string& f : m_measured.figureLinesIn(figureHeightUnit(m_runSettings)))
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
    if (const std::string refusal = m_comparison.keep(shownRun()); !refusal.empty())
        return warnUser(this, QString::fromStdString(refusal));
    refreshComparison();
}

void CSimulatePage::removeFromComparison(int index) {
    if (m_running)
        return;
    m_comparison.remove(index);
    refreshComparison();
}

void CSimulatePage::onClearComparison() {
    if (m_running)
        return;
    m_comparison.clear();
    refreshComparison();
}

} // namespace hydrolofter

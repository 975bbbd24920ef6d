// The "Simulate" page: starts a run, shows its progress, and presents its result.
#pragma once

#include "MeasuredFlight.h"
#include "ResultOutput.h"
#include "RunWorker.h"
#include "graph/Comparison.h"
#include "graph/FlightComparison.h"
#include "graph/GraphData.h"
#include "runs/RunSettings.h"
#include "runs/SampleSeries.h"
#include "runs/SimulationInputs.h"
#include "toolkit/InputSource.h"
#include "toolkit/PropertyPage.h"

#include <QSize>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QBoxLayout;
class QLayout;

namespace hydrolofter {

/// Its controls are named: "simulate", "progress", "cancel", "notice", "graph",
/// "colourKey", "summary", "print", "fullScreen", "export", "pleaseWait", and for comparing
/// "addToComparison", "removeFromComparison", "clearComparison", "importMeasured",
/// "clearMeasured", "fit", "figures".
class CSimulatePage : public PropertyPage, private ShownResult {
    Q_OBJECT
public:
    using ExportFormat = hydrolofter::ExportFormat;

    explicit CSimulatePage(InputSource& inputs, QWidget* parent = nullptr);
    ~CSimulatePage() override;

    bool isRunning() const { return m_running; }
    /// Cancels a run in progress after its current step; runFinished follows.
    void requestCancel();
    const GraphData* graph() const { return m_graph.get(); }
    /// Whether a result is shown (a graph or a summary), which Print and Export act on.
    bool hasResult() const { return m_series != nullptr; }
    /// The formats the shown result can be exported in, in the save dialog's order.
    std::vector<ExportFormat> exportFormats() const { return m_output.formats(); }
    /// Writes the shown result to path (through a temporary file and a rename). An image
    /// is imageSize pixels (empty: the default, twice the window's graph). Returns the
    /// reason on failure, empty on success; nothing is left at path on failure.
    QString exportResult(const QString& path, ExportFormat format, QSize imageSize = {}) {
        return m_output.exportTo(path, format, imageSize);
    }
    /// The graph's size in the window times two: sharp in a document.
    QSize defaultImageSize() const { return m_output.defaultImageSize(); }
    /// Prints the shown result on the device's first page (a printer, a PDF). False when
    /// the result could not be completed (its flight results were cancelled).
    bool printResultOn(QPagedPaintDevice& device) { return m_output.printOn(device); }
    /// Puts the shown result on the clipboard: the graph as an image and the series as
    /// CSV text, or the summary as text.
    void copyResult();
    /// What the status area says (notices, or the readout under the pointer).
    QString statusText() const;

    /// The flights kept for comparison, in the order they were added.
    const std::vector<FlightComparison::KeptFlight>& comparison() const {
        return m_comparison.kept();
    }
    /// Gives a kept flight the name its legend line shows; empty: named by what differs.
    void renameKept(int index, const std::string& name);
    /// Reads a measured flight and shows it over the Height graph; the reason on failure.
    QString importMeasured(const QString& path, const TraceFormat& format);
    /// The figures of the shown launch analysis against the measured flight, once flown.
    const std::optional<TraceFigures>& measuredFigures() const { return m_measured.figures(); }
    /// Fits an input to the measured flight on the worker, with the page's inputs and
    /// settings; runFinished follows, and the result is offered for its page.
    void startFit(const FitRequest& request);
    const FitResult& fitResult() const { return m_measured.fitResult(); }

public slots:
    void onSimulate();
    void onCancel() { requestCancel(); }
    void onFullScreen();
    void onPrint();
    void onExport();
    void onAddToComparison();
    void onClearComparison();
    /// Takes the flight at index out of the comparison.
    void removeFromComparison(int index);
    void onImportMeasured();
    void onClearMeasured();
    void onFit();

signals:
    /// A run has ended (completed, cancelled or refused) and its handler has returned.
    void runFinished();

protected:
    void initialiseControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The page while a run flies: Simulate off, Cancel on, Print and Export off.
    void beginRun();
    void setProgress(int percent);
    void endRun();
    /// The run started by Simulate has ended: shows its result, or why there is none.
    void onRunEnded();
    void connectHandlers();
    /// The controls in their layout: Simulate, progress and Cancel along the top; the
    /// result under them with Print, Full Screen, Export and the colour key beside it.
    void build();
    /// Simulate, the progress bar (or the notes in its place) and Cancel.
    QLayout* buildRunRow();
    /// The graph, the summary and the wait notice, in one place.
    QLayout* buildResultPlace();
    /// Print, Full Screen, Export and the colour key.
    QLayout* buildResultActions();
    void hideResults();
    /// Shows the notes on the last run in the progress bar's place (none: the bar).
    void showNotices(const std::vector<std::string>& notices);
    void present(const SampleSeries& series, const RunSettings& settings);
    /// Print and Export act on a shown result and are off during a run.
    void enableResultActions(bool enable);
    void showReadout(const QString& text);

    /// What the worker is doing, for its end.
    enum class Job { Run, Figures, Fit };
    /// Compare's buttons, under the result's.
    void buildCompareActions(QBoxLayout* side);
    void connectCompareHandlers();
    /// The shown result's graph with the compared flights and the measured one.
    std::unique_ptr<GraphData> composeGraph(std::vector<std::string>& notes) const;
    /// The shown result presented again after the comparison or the measured flight changed.
    void refreshComparison();
    /// The measured flight's figures under the graph (shown false: none).
    void showFigures(bool shown);
    void enableCompareActions();
    /// What the notices say of the comparison and the measured flight.
    std::vector<std::string> comparisonNotices() const;
    /// Flies the shown launch analysis against the measured flight for its figures.
    void startFigures();
    void onJobEnded(Job job);
    /// The label of the file the result just flown came from (its flight or rocket file),
    /// by which it is named when nothing else tells it apart.
    void nameShownRun();
    void onFitEnded();
    // The shown result, as its output reads it.
    const SampleSeries* shownSeries() const override { return m_series.get(); }
    const GraphData* shownGraph() const override { return m_graph.get(); }
    QString shownSummary() const override { return m_summary; }
    const RunSettings& shownSettings() const override { return m_runSettings; }
    const SimulationInputs& shownInputs() const override { return m_runInputs; }
    QSize shownGraphSize() const override;
    std::string shownRocketFile() const override { return m_inputs.rocketFileName(); }
    std::string shownCsv() const override { return m_comparison.csv(shownRun()); }
    std::vector<std::pair<std::string, std::string>> shownCompared() const override {
        return m_comparison.differences(shownRun());
    }
    /// The shown result as a comparison holds it, named by its file.
    ComparedRun shownRun() const { return {m_shownName, m_series, m_runSettings, m_runInputs}; }

    std::unique_ptr<GraphData> m_graph;
    std::shared_ptr<SampleSeries> m_series; ///< the shown result's series
    std::string m_shownName;                ///< its file's label, or "Flight N"
    RunSettings m_runSettings;              ///< what the shown result was flown with
    SimulationInputs m_runInputs;
    QString m_summary;
    QString m_notices;
    bool m_cancelRequested = false;
    bool m_running = false;
    InputSource& m_inputs;
    RunWorker m_worker;            ///< the runs that Simulate starts
    RunWorker m_printWorker;       ///< a launch graph's flight flown again for its results
    RunSettings m_pendingSettings; ///< what the run in progress flies
    SimulationInputs m_pendingInputs;
    Job m_job = Job::Run;
    FlightComparison m_comparison;
    MeasuredFlight m_measured;
    ResultOutput m_output{*this, *this}; ///< print, export and copy of the shown result
};

} // namespace hydrolofter

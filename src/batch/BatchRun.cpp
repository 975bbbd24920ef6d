#include "BatchRun.h"

#include "BatchImage.h"
#include "designs/MessageText.h"
#include "graph/Comparison.h"
#include "graph/Presentation.h"
#include "runs/FieldTable.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"
#include "runs/TraceFit.h"

#include <memory>
#include <utility>

namespace hydrolofter {
namespace {

/// Flies one run.
std::shared_ptr<SampleSeries> fly(const RunSettings& settings, const SimulationInputs& inputs,
                                  const BatchOptions& o, bool flightResults) {
    QuietRunHost host;
    auto series = std::make_shared<SampleSeries>();
    RunOptions options;
    options.maxFlightTime = o.maxTime;
    options.threads = o.threads;
    options.flightResults = flightResults;
    runSimulation({settings, inputs, options}, host, *series);
    return series;
}

ExitStatus fit(const BatchOptions& o, std::string& output, std::vector<std::string>& said) {
    const Field& field = *findField(o.fit);
    QuietRunHost host;
    const FitResult r = fitToTrace(o.inputs, o.settings, o.measured,
                                   {field.sweep, o.fitFrom, o.fitTo}, host, o.maxTime, o.threads);
    if (r.outcome == RunOutcome::Refused) {
        said.push_back(r.refusal);
        return ExitStatus::Refused;
    }
    if (r.outcome != RunOutcome::Completed) {
        said.push_back(outcomeMessage(r.outcome, o.maxTime));
        return exitStatusFor(r.outcome);
    }
    for (const std::string& line :
         fitLines(r, std::string(field.name), figureHeightUnit(o.settings)))
        output += line + "\n";
    return ExitStatus::Done;
}

/// The flight, then each compared one, flown with settings: the runs of a graph or CSV,
/// the shown run last. Empty with said filled when one did not complete.
std::vector<ComparedRun> flyAll(const BatchOptions& o, const RunSettings& settings,
                                std::vector<std::string>& said, ExitStatus& status,
                                bool flightResults) {
    std::vector<ComparedRun> runs;
    for (const auto& [name, inputs] : o.compared)
        runs.push_back({name, fly(settings, inputs, o, flightResults), settings});
    const std::string name = !o.flightName.empty() ? o.flightName
                             : o.compared.empty()  ? std::string()
                                                   : "Flight " + std::to_string(runs.size() + 1);
    runs.push_back({name, fly(settings, o.inputs, o, flightResults), settings});
    for (const ComparedRun& run : runs) {
        if (run.series->outcome != RunOutcome::Completed) {
            said.push_back((o.compared.empty() ? "" : run.name + ": ") +
                           outcomeMessage(run.series->outcome, o.maxTime));
            status = exitStatusFor(run.series->outcome);
            return {};
        }
    }
    return runs;
}

std::string measuredSummary(const BatchOptions& o, std::vector<std::string>& said,
                            ExitStatus& status) {
    QuietRunHost host;
    const TraceComparison c = compareWithTrace(o.inputs, o.settings, o.measured, host, o.maxTime);
    if (c.outcome != RunOutcome::Completed) {
        said.push_back(outcomeMessage(c.outcome, o.maxTime));
        status = exitStatusFor(c.outcome);
        return {};
    }
    std::string text =
        (o.measured.thrust ? "\nMeasured firing: " : "\nMeasured flight: ") + o.measuredName + "\n";
    for (const std::string& line : figureLines(c.figures, figureHeightUnit(o.settings)))
        text += line + "\n";
    return text;
}

} // namespace

ExitStatus runBatch(const BatchOptions& o, std::string& output, std::vector<std::string>& said) {
    for (const auto& [name, inputs] : o.compared) {
        for (const std::string& p : checkInputs(o.settings, inputs))
            said.push_back(name + ": " + p);
    }
    if (!said.empty())
        return ExitStatus::Refused;
    if (!o.fit.empty())
        return fit(o, output, said);
    // A launch analysis lists its flight's results when flown for a summary; with an image
    // wanted too, the flight that records the graph tracks them as well.
    RunSettings textSettings = o.settings;
    if (o.summary)
        textSettings.launchDisplay = Summary;
    const bool both = !o.pngFile.empty() && o.summary && o.settings.mode == LaunchAnalysis;
    ExitStatus status = ExitStatus::Done;
    const std::vector<ComparedRun> runs =
        flyAll(o, both ? o.settings : textSettings, said, status, both);
    if (runs.empty())
        return status;
    const std::vector<ComparedRun>& forImage = runs;
    const ComparedRun& shown = runs.back();
    if (!o.pngFile.empty()) {
        // "--png -": the image is the output, and nothing else goes there.
        std::string error;
        if (displayChoice(*forImage.back().series, forImage.back().settings) != Graph) {
            error = "the run's display choice is Summary, so it has no graph to write to " +
                    messageSafe(o.pngFile, 200);
        } else {
            const std::unique_ptr<GraphData> graph = comparisonGraph(forImage, forImage.size() - 1);
            if (!o.measuredName.empty())
                addMeasuredTrace(*graph, forImage.back().settings, o.measured,
                                 "Measured (" + o.measuredName + ")",
                                 shown.name.empty() ? "Simulated" : shown.name);
            error = writeGraphImage(*graph, o.pngFile, o.pngWidth, o.pngHeight, output);
        }
        if (!error.empty()) {
            said.push_back(error);
            return ExitStatus::NoImage;
        }
    }
    if (o.pngFile != "-" && o.summary) {
        // Compared flights each under their name, in the legend's order.
        for (const ComparedRun& run : runs)
            output += (runs.size() > 1 ? (output.empty() ? "" : "\n") + run.name + ":\n" : "") +
                      summaryText(*run.series, textSettings);
        if (!o.measuredName.empty())
            output += measuredSummary(o, said, status);
        if (status != ExitStatus::Done)
            output.clear();
    } else if (o.pngFile != "-") {
        output = runs.size() > 1 ? comparisonCsv(runs, runs.size() - 1)
                                 : seriesCsv(*shown.series, textSettings);
    }
    for (const std::string& notice : runs.back().series->notices)
        said.push_back(notice);
    return status;
}

} // namespace hydrolofter

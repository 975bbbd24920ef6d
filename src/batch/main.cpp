// hydrolofter-batch: flies a run from NAME=VALUE arguments and prints its series or summary.
#include "BatchArguments.h"
#include "BatchImage.h"
#include "Version.h"
#include "designs/Design.h"
#include "graph/Presentation.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"

#include <cstdio>
#include <iostream>
#include <memory>

using namespace hydrolofter;

/// Flies one run.
std::unique_ptr<SampleSeries> fly(const RunSettings& settings, const SimulationInputs& inputs,
                                  double maxTime, int threads) {
    QuietRunHost host;
    auto series = std::make_unique<SampleSeries>();
    RunOptions options;
    options.maxFlightTime = maxTime;
    options.threads = threads;
    runSimulation(settings, inputs, host, *series, options);
    return series;
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const BatchParse parsed = parseBatchArguments(args);
    if (!parsed.error.empty()) {
        std::cerr << "hydrolofter-batch: " << parsed.error << "\n";
        return int(ExitStatus::BadArguments);
    }
    for (const std::string& note : parsed.notes)
        std::cerr << note << "\n";
    const BatchOptions& o = parsed.options;
    if (o.help) {
        std::cout << batchUsage();
        return int(ExitStatus::Done);
    }
    if (o.version) {
        std::cout << "hydrolofter-batch " << kVersion << "\n";
        return int(ExitStatus::Done);
    }
    for (const auto& [file, kind] :
         {std::pair{o.saveRocket, DesignKind::Rocket}, std::pair{o.saveSite, DesignKind::Site}}) {
        if (file.empty())
            continue;
        const std::string error = writeFileAtomically(file, designText(kind, o.inputs));
        if (!error.empty()) {
            std::cerr << "hydrolofter-batch: the " << designName(kind)
                      << " was not saved: " << error << "\n";
            return int(ExitStatus::NotSaved);
        }
    }
    const std::vector<std::string> problems = checkInputs(o.settings, o.inputs);
    if (!problems.empty()) {
        for (const std::string& p : problems)
            std::cerr << p << "\n";
        return int(ExitStatus::Refused);
    }

    // A launch analysis lists its flight's results only when flown for a summary; with an
    // image wanted too, the graph is flown separately.
    RunSettings textSettings = o.settings;
    if (o.summary)
        textSettings.launchDisplay = Summary;
    const bool separateImageRun =
        !o.pngFile.empty() && o.summary && o.settings.mode == LaunchAnalysis;
    const std::unique_ptr<SampleSeries> series = fly(textSettings, o.inputs, o.maxTime, o.threads);
    std::unique_ptr<SampleSeries> imageSeries;
    if (separateImageRun && series->outcome == RunOutcome::Completed)
        imageSeries = fly(o.settings, o.inputs, o.maxTime, o.threads);
    for (const SampleSeries* s : {series.get(), imageSeries.get()}) {
        if (s && s->outcome != RunOutcome::Completed) {
            std::cerr << "hydrolofter-batch: " << outcomeMessage(s->outcome, o.maxTime) << "\n";
            return int(exitStatusFor(s->outcome));
        }
    }
    if (!o.pngFile.empty()) {
        const SampleSeries& forImage = imageSeries ? *imageSeries : *series;
        const std::string error = writeGraphImage(forImage, imageSeries ? o.settings : textSettings,
                                                  o.pngFile, o.pngWidth, o.pngHeight);
        if (!error.empty()) {
            std::cerr << "hydrolofter-batch: " << error << "\n";
            return int(ExitStatus::NoImage);
        }
    }
    if (o.summary)
        std::cout << summaryText(*series, textSettings);
    else
        std::cout << seriesCsv(*series);
    for (const SampleSeries* s : {series.get(), imageSeries.get()}) {
        if (s)
            for (const std::string& notice : runNotices(o.settings, o.inputs, *s))
                std::cerr << notice << "\n";
    }
    return int(ExitStatus::Done);
}

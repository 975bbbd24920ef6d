// Draws the run's graph, as the window would show it, into an image file.
#include "BatchImage.h"

#include "graph/Presentation.h"
#include "toolkit/GraphImage.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace hydrolofter {

std::string writeGraphImage(const SampleSeries& series, const RunSettings& settings,
                            const std::string& file, int width, int height) {
    if (displayChoice(series, settings) != Graph)
        return "the run's display choice is Summary, so it has no graph to write to " + file;
    const std::unique_ptr<GraphData> graph = makeGraph(series, settings);
    if (!graph)
        return "the run has no graph to write to " + file;

    // Text needs a GUI application; a batch run needs no display for it.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "hydrolofter-batch";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QImage image = paintGraphImage(*graph, width, height);
    if (!image.save(QString::fromStdString(file), nullptr))
        return "could not write the image " + file;
    return {};
}

} // namespace hydrolofter

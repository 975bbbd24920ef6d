// Draws the run's graph, as the window would show it, into an image file.
#include "BatchImage.h"

#include "designs/Design.h"
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
    const QByteArray bytes = encodeGraphImage(*graph, width, height, QString::fromStdString(file));
    if (bytes.isEmpty())
        return "could not encode the image " + file;
    const std::string error =
        writeFileAtomically(file, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!error.empty())
        return "could not write the image " + file + ": " + error;
    return {};
}

} // namespace hydrolofter

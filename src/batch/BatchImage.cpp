// Draws the run's graph, as the window would show it, into an image file.
#include "BatchImage.h"

#include "designs/FileAccess.h"
#include "designs/MessageText.h"
#include "graph/Presentation.h"
#include "toolkit/GraphImage.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace hydrolofter {

std::string writeGraphImage(const SampleSeries& series, const RunSettings& settings,
                            const std::string& file, int width, int height,
                            std::string& standardOutput) {
    if (displayChoice(series, settings) != Graph)
        return "the run's display choice is Summary, so it has no graph to write to " +
               messageSafe(file, 200);
    const std::unique_ptr<GraphData> graph = makeGraph(series, settings);
    if (!graph)
        return "the run has no graph to write to " + messageSafe(file, 200);

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
    const std::string_view image(bytes.constData(), std::size_t(bytes.size()));
    if (bytes.isEmpty())
        return "could not encode the image " + messageSafe(file, 200);
    if (file == "-") {
        standardOutput.assign(image);
        return {};
    }
    const std::string error = writeFileAtomically(file, image);
    if (!error.empty())
        return "the image was not saved: " + messageSafe(file, 200) + ": " + error;
    return {};
}

} // namespace hydrolofter

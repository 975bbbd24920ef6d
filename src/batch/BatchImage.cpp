// Draws the run's graph, as the window would show it, into an image file.
#include "BatchImage.h"

#include "designs/FileAccess.h"
#include "designs/MessageText.h"
#include "graph/Presentation.h"
#include "toolkit/GraphImage.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace hydrolofter {
namespace {

/// Qt's notes that a batch run has no use for (a script run from cron has no
/// XDG_RUNTIME_DIR, and the image needs none); everything else goes through as before.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

std::string writeGraphImage(const GraphData& graph, const std::string& file, int width, int height,
                            std::string& standardOutput) {
    // Text needs a GUI application; a batch run needs no display for it.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        previousHandler = qInstallMessageHandler(quietHandler);
        static int argc = 1;
        static char name[] = "hydrolofter-batch";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QByteArray bytes = encodeGraphImage(graph, width, height, QString::fromStdString(file));
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

// Hydrolofter: the property sheet is the program.
#include "CMainApp.h"
#include "Version.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] =
    "usage: hydrolofter [--help] [--version] [FILE]...\n"
    "Simulates the vertical flight of a water rocket in a window: describe the rocket, the\n"
    "launch pad and environment and the launch, choose what to compute, and get a graph or\n"
    "a summary to print or export.\n"
    "\n"
    "  FILE        a rocket (*.rocket.json) or launch site (*.site.json) design to open\n"
    "  --help      print this text and exit\n"
    "  --version   print the program's name and version and exit\n"
    "\n"
    "hydrolofter-batch flies the same runs without a window (see hydrolofter-batch --help).\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is opened, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("hydrolofter %s\n", hydrolofter::kVersion);
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hydrolofter"));
    QApplication::setApplicationVersion(QString::fromUtf8(hydrolofter::kVersion));
    hydrolofter::CMainApp app;
    // Design files to open, as a file manager passes them.
    return app.run(QApplication::arguments().mid(1));
}

// Hydrolofter: the property sheet is the program.
#include "CMainApp.h"
#include "Version.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kUsage[] =
    "usage: hydrolofter [--help] [--version] [FILE]...\n"
    "Simulates the vertical flight of a water rocket in a window: describe the rocket, the\n"
    "launch pad and environment and the launch, choose what to compute, and get a graph or\n"
    "a summary to print or export.\n"
    "\n"
    "  FILE        a flight (*.flight.json), rocket (*.rocket.json) or launch site\n"
    "              (*.site.json) to open\n"
    "  --help      print this text and exit\n"
    "  --version   print the program's name and version and exit\n"
    "\n"
    "hydrolofter-batch flies the same runs without a window (see hydrolofter-batch --help).\n";

bool hasEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is opened, so that they work without a display.
    bool platformGiven =
        hasEnv("QT_QPA_PLATFORM") || hasEnv("DISPLAY") || hasEnv("WAYLAND_DISPLAY");
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return std::fflush(stdout) == 0 ? 0 : 8;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("hydrolofter %s\n", hydrolofter::kVersion);
            return std::fflush(stdout) == 0 ? 0 : 8;
        }
        platformGiven = platformGiven || std::strcmp(argv[i], "-platform") == 0;
    }
    // Qt would abort without a display; say so plainly instead.
    if (!platformGiven) {
        std::fputs("hydrolofter: there is no display to open the window on (neither DISPLAY "
                   "nor WAYLAND_DISPLAY is set); hydrolofter-batch flies the same runs without "
                   "one.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv); // takes Qt's own options (-platform, -style ...)
    QApplication::setApplicationName(QStringLiteral("Hydrolofter"));
    QApplication::setApplicationVersion(QString::fromUtf8(hydrolofter::kVersion));
    std::vector<std::string> files;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!optionsEnd && std::strcmp(arg, "--") == 0) {
            optionsEnd = true;
        } else if (!optionsEnd && arg[0] == '-' && arg[1] != '\0') {
            std::fprintf(stderr, "hydrolofter: unknown option '%s'\n%s", arg, kUsage);
            return 2;
        } else {
            files.emplace_back(arg); // the bytes as given: a file name need not be UTF-8
        }
    }
    hydrolofter::CMainApp app;
    return app.run(files);
}

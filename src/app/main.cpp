// Hydrolofter: the property sheet is the program.
#include "CMainApp.h"
#include "Version.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
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

/// Qt's own command-line options (QGuiApplication and QApplication take them), and whether
/// each takes a value.
constexpr std::pair<const char*, bool> kQtOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-reverse", false},
    {"-session", true},         {"-style", true},
    {"-stylesheet", true},      {"-widgetcount", false},
    {"-display", true},         {"-geometry", true},
    {"-title", true},           {"-name", true},
    {"-visual", true},          {"-nograb", false},
    {"-dograb", false},         {"-sync", false},
};

/// The Qt option arg is, or nullptr.
const std::pair<const char*, bool>* qtOption(const char* arg) {
    for (const auto& option : kQtOptions) {
        // Qt takes "-style=fusion" and "--style fusion" too.
        const char* name = arg[1] == '-' ? arg + 1 : arg;
        const std::size_t n = std::strlen(option.first);
        if (std::strncmp(name, option.first, n) == 0 && (name[n] == '\0' || name[n] == '='))
            return &option;
    }
    return nullptr;
}

int unknownOption(const char* arg) {
    std::fprintf(stderr, "hydrolofter: unknown option '%s'\n%s", arg, kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is opened, so that they work without a display.
    bool platformGiven =
        hasEnv("QT_QPA_PLATFORM") || hasEnv("DISPLAY") || hasEnv("WAYLAND_DISPLAY");
    bool xcbDisplayGiven = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return std::fflush(stdout) == 0 ? 0 : 8;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("hydrolofter %s\n", hydrolofter::kVersion);
            return std::fflush(stdout) == 0 ? 0 : 8;
        }
        if (argv[i][0] != '-' || argv[i][1] == '\0')
            continue; // a file
        const auto* qt = qtOption(argv[i]);
        if (!qt)
            return unknownOption(argv[i]); // before the display: a typo is told as one
        const bool platform = std::strcmp(qt->first, "-platform") == 0;
        const bool display = std::strcmp(qt->first, "-display") == 0;
        platformGiven = platformGiven || platform || display;
        xcbDisplayGiven = xcbDisplayGiven || display;
        if (qt->second && !std::strchr(argv[i], '=') && i + 1 < argc)
            ++i; // its value
    }
    // Qt would abort without a display; say so plainly instead.
    const char* platformName = std::getenv("QT_QPA_PLATFORM");
    const bool xcbWithout = platformName && std::strncmp(platformName, "xcb", 3) == 0 &&
                            !hasEnv("DISPLAY") && !xcbDisplayGiven;
    if (!platformGiven || xcbWithout) {
        std::fputs(xcbWithout
                       ? "hydrolofter: there is no display to open the window on "
                         "(QT_QPA_PLATFORM is xcb, but DISPLAY is not set); hydrolofter-batch "
                         "flies the same runs without one.\n"
                       : "hydrolofter: there is no display to open the window on (neither "
                         "DISPLAY nor WAYLAND_DISPLAY is set); hydrolofter-batch flies the same "
                         "runs without one.\n",
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
            return unknownOption(arg); // one Qt did not take
        } else {
            files.emplace_back(arg); // the bytes as given: a file name need not be UTF-8
        }
    }
    hydrolofter::CMainApp app;
    return app.run(files);
}

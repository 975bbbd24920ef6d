// Writes the application icon as PNG files for installing into a desktop's icon theme.
#include "Artwork.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: hydrolofter-artwork OUTPUT_DIRECTORY SIZE...\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "hydrolofter-artwork: %s is not a size (16 to 1024)\n", argv[i]);
            return 2;
        }
        const QString file = QString("%1/hydrolofter-%2.png").arg(argv[1]).arg(size);
        if (!hydrolofter::drawIcon(size).save(file)) {
            std::fprintf(stderr, "hydrolofter-artwork: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

// Writes the application icon as PNG files for installing into a desktop's icon theme.
#include "Artwork.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hydrolofter-artwork OUTPUT_DIRECTORY\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (int size : {16, 32, 48, 64}) {
        const QString file = QString("%1/hydrolofter-%2.png").arg(argv[1]).arg(size);
        if (!hydrolofter::drawIcon(size).save(file)) {
            std::fprintf(stderr, "hydrolofter-artwork: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

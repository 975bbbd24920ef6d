// Hydrolofter: the property sheet is the program.
#include "CMainApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hydrolofter"));
    hydrolofter::CMainApp app;
    // Design files to open, as a file manager passes them.
    return app.run(QApplication::arguments().mid(1));
}

// The launch analysis started from the real window (offscreen) against the same run
// through hydrolofter-batch, and the longest the window went without handling events.
// Usage: window_bench PATH/TO/hydrolofter-batch [PRECISION]
#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "pages/CSimulationSettingsPage.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace hydrolofter;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The window as a new user sees it: nothing remembered from the user's own sessions.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench PATH/TO/hydrolofter-batch [PRECISION]\n");
        return 2;
    }
    const int precision = argc > 2 ? std::atoi(argv[2]) : 7;

    CMainApp app;
    app.createSheet();
    app.sheet()->show();
    app.settingsPage()->control<QSlider>("precision")->setValue(precision);
    app.sheet()->tabs()->setCurrentWidget(app.simulatePage());
    QApplication::processEvents();

    // Every pass of event processing wakes the dispatcher; the longest pause between two
    // wake-ups is how long the window could not react. A timer every 5 ms stands for a
    // user's input, so that a window idle while its worker flies is not counted as stuck.
    QTimer input;
    input.start(5);
    QElapsedTimer sincePass;
    qint64 longestGap = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&] {
        if (sincePass.isValid())
            longestGap = std::max(longestGap, sincePass.nsecsElapsed());
        sincePass.restart();
    });

    QElapsedTimer clock;
    clock.start();
    sincePass.start();
    {
        // The run flies on its own thread; the window answers events until it has ended.
        QEventLoop loop;
        QObject::connect(app.simulatePage(), &CSimulatePage::runFinished, &loop, &QEventLoop::quit);
        app.simulatePage()->control<QPushButton>("simulate")->click();
        if (app.simulatePage()->isRunning())
            loop.exec();
    }
    const double window = clock.nsecsElapsed() / 1e9;

    QProcess batch;
    batch.setStandardOutputFile(QProcess::nullDevice());
    clock.restart();
    batch.start(QString::fromLocal8Bit(argv[1]), {QString("precision=%1").arg(precision)});
    batch.waitForFinished(-1);
    const double tool = clock.nsecsElapsed() / 1e9;

    std::printf("precision %d: window %.3f s, hydrolofter-batch %.3f s, ratio %.3f, "
                "longest gap between event passes %.1f ms\n",
                precision, window, tool, window / tool, longestGap / 1e6);
    return 0;
}

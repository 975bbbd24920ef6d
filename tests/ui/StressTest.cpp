// Repetition: start and cancel, runs in a row, closing during runs, the full-screen window.
#include "UiTestSupport.h"

#include "pages/CSimulationSettingsPage.h"
#include "simulate/CFullScreenGraphDlg.h"
#include "simulate/CSimulatePage.h"

#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <fstream>
#include <unistd.h>

namespace hydrolofter {
namespace {

// AddressSanitizer keeps freed memory in quarantine, so resident memory grows by design
// there; LeakSanitizer checks for leaks at exit instead.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kQuarantinedHeap = true;
#else
constexpr bool kQuarantinedHeap = false;
#endif

/// Resident memory of this process in KiB.
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class StressTest : public test::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        page = app->simulatePage();
        settings = app->settingsPage();
    }
    void mode(std::string_view radioId, int precision) {
        QTest::mouseClick(settings->control<QRadioButton>(radioId), Qt::LeftButton);
        settings->control<QSlider>("precision")->setValue(precision);
    }
    void simulate() {
        sheet->tabs()->setCurrentWidget(page);
        QTest::mouseClick(page->control<QPushButton>("simulate"), Qt::LeftButton);
        test::waitForRun(page);
    }
    bool idle() {
        return enabled(page, "simulate") && !enabled(page, "cancel") && !page->isRunning() &&
               page->control<QProgressBar>("progress")->value() == 0;
    }
    CSimulatePage* page = nullptr;
    CSimulationSettingsPage* settings = nullptr;
};

TEST_F(StressTest, TwoHundredStartAndCancelCycles) {
    const std::string_view radios[] = {"mode=0", "mode=1", "mode=2"};
    for (int cycle = 0; cycle < 200; ++cycle) {
        mode(radios[cycle % 3], 8);
        // Pressed as soon as the window answers once the run has started.
        QTimer::singleShot(0, page, [this] {
            QTest::mouseClick(page->control<QPushButton>("cancel"), Qt::LeftButton);
        });
        QTimer::singleShot(20000, page, [this] { page->requestCancel(); }); // never hang
        simulate();
        ASSERT_TRUE(idle()) << "cycle " << cycle;
        ASSERT_EQ(page->graph(), nullptr) << "cycle " << cycle;
    }
}

TEST_F(StressTest, FiftyRunsOfEachKindKeepMemoryFlat) {
    struct Kind {
        std::string_view radio;
        int precision;
        GraphMode mode;
    };
    const Kind kinds[] = {{"mode=0", 3, GraphMode::MinMaxBars},
                          {"mode=1", 2, GraphMode::Line},
                          {"mode=2", 1, GraphMode::Surface}};
    long after10 = 0;
    for (int run = 0; run < 50; ++run) {
        for (const Kind& k : kinds) {
            mode(k.radio, k.precision);
            simulate();
            ASSERT_TRUE(idle());
            ASSERT_NE(page->graph(), nullptr);
            ASSERT_EQ(page->graph()->mode, k.mode);
        }
        if (run == 9)
            after10 = residentKiB();
    }
    // Each run replaces the last graph and frees its series: nothing piles up.
    if (!kQuarantinedHeap) {
        EXPECT_LT(residentKiB() - after10, 8 * 1024);
    }
}

TEST_F(StressTest, FullScreenOpenedAndClosedAHundredTimes) {
    simulate();
    const GraphData* graph = page->graph();
    ASSERT_NE(graph, nullptr);
    int opened = 0;
    for (int i = 0; i < 100; ++i) {
        QTimer::singleShot(0, [&opened] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<CFullScreenGraphDlg*>(w); d && d->isVisible()) {
                    ++opened;
                    QTest::keyClick(d, Qt::Key_Escape);
                }
            }
        });
        QTimer::singleShot(5000, [] { // never hang
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        QTest::mouseClick(page->control<QPushButton>("fullScreen"), Qt::LeftButton);
        ASSERT_EQ(page->graph(), graph);
    }
    EXPECT_EQ(opened, 100);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<CFullScreenGraphDlg*>(w) != nullptr;
    EXPECT_EQ(open, 0); // every window was destroyed when it closed
}

class CloseDuringRun : public StressTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(CloseDuringRun, EndsTheRunAndTheSheet) {
    const std::string_view radio = GetParam();
    mode(radio, radio == "mode=0" ? 8 : 7);
    QTimer::singleShot(200, sheet, [this] { sheet->close(); });
    QTimer::singleShot(20000, page, [this] { page->requestCancel(); }); // never hang
    QElapsedTimer clock;
    clock.start();
    simulate();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(page->isRunning());
    EXPECT_FALSE(sheet->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EachKind, CloseDuringRun, ::testing::Values("mode=0", "mode=1", "mode=2"));

} // namespace
} // namespace hydrolofter

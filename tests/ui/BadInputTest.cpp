// Bad input through the window: text that is not a number, non-physical values, extremes.
#include "UiTestSupport.h"

#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"
#include "simulate/CSimulatePage.h"
#include "simulate/GraphFrame.h"
#include "toolkit/GraphImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace hydrolofter {
namespace {

using test::MessageBoxWatcher;

class BadInputTest : public test::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        page = app->simulatePage();
    }
    /// Presses "Simulate" and returns the text of the message box it raised ("" if none).
    QString simulateExpectingMessage() {
        MessageBoxWatcher watcher;
        sheet->tabs()->setCurrentWidget(page);
        QTest::mouseClick(page->control<QPushButton>("simulate"), Qt::LeftButton);
        test::waitForRun(page);
        return watcher.text;
    }
    CSimulatePage* page = nullptr;
};

TEST_F(BadInputTest, EveryNumericEditRefusesTextThatIsNotANumber) {
    struct Edit {
        PropertyPage* page;
        std::string_view id;
    };
    const std::vector<Edit> edits = {
        {app->rocketPage(), "bottleDiameter"},
        {app->rocketPage(), "bottleVolume"},
        {app->rocketPage(), "dragCoefficient"},
        {app->rocketPage(), "emptyMass"},
        {app->rocketPage(), "parachuteDiameter"},
        {app->rocketPage(), "parachuteSurfaceArea"},
        {app->rocketPage(), "parachuteDragCoefficient"},
        {app->rocketPage(), "parachuteDeployTime"},
        {app->rocketPage(), "parachuteCount"},
        {app->environmentPage(), "launchRodDiameter"},
        {app->environmentPage(), "launchRodHeight"},
        {app->environmentPage(), "atmPressure"},
        {app->environmentPage(), "atmTemperature"},
        {app->environmentPage(), "gravity"},
        {app->environmentPage(), "updraft"},
        {app->launchPage(), "waterAmount"},
        {app->launchPage(), "initialPressure"},
        {app->launchPage(), "airTemperature"},
        {app->launchPage(), "waterDensity"},
        {app->launchPage(), "initialHeight"},
        {app->launchPage(), "initialVelocity"},
        {app->settingsPage(), "oneVarRangeFrom"},
        {app->settingsPage(), "oneVarRangeTo"},
        {app->settingsPage(), "xRangeFrom"},
        {app->settingsPage(), "xRangeTo"},
        {app->settingsPage(), "yRangeFrom"},
        {app->settingsPage(), "yRangeTo"},
    };
    const char* bad[] = {"", "abc", "1,5", "nan", "inf", "1e999", "--3", "0x10"};
    // Kamikaze off, so that the parachute edits can take the focus.
    QTest::mouseClick(app->rocketPage()->control<QCheckBox>("kamikaze"), Qt::LeftButton);
    // A first run leaves a graph that every refused run must keep.
    EXPECT_EQ(simulateExpectingMessage(), "");
    const GraphData* graph = page->graph();
    ASSERT_NE(graph, nullptr);
    auto* settings = app->settingsPage();
    for (const Edit& e : edits) {
        if (e.page == settings) {
            // The range edits can only be typed into (and focused) in their own mode.
            const std::string_view mode =
                e.id == "oneVarRangeFrom" || e.id == "oneVarRangeTo" ? "mode=1" : "mode=2";
            QTest::mouseClick(settings->control<QRadioButton>(mode), Qt::LeftButton);
        }
        if (e.page == app->rocketPage() &&
            (e.id == "parachuteDiameter" || e.id == "parachuteSurfaceArea")) {
            const std::string_view shape = e.id == "parachuteDiameter"
                                               ? "parachuteShape=0"
                                               : "parachuteShape=1"; // the row of the chosen shape
            QTest::mouseClick(e.page->control<QRadioButton>(shape), Qt::LeftButton);
        }
        auto* edit = e.page->control<QLineEdit>(e.id);
        ASSERT_TRUE(edit->isEnabled()) << e.id;
        const QString good = edit->text();
        const bool integer = e.page == app->rocketPage() && e.id == "parachuteCount";
        for (const char* text : bad) {
            edit->setText(text);
            const QString message = simulateExpectingMessage();
            // Named by the edit's caption, so the message says which field.
            EXPECT_EQ(message, edit->accessibleName() + (integer ? ": Please enter an integer."
                                                                 : ": Please enter a number."))
                << e.page->caption().toStdString() << " " << e.id << " '" << text << "'";
            EXPECT_EQ(sheet->tabs()->currentWidget(), e.page);
            EXPECT_EQ(sheet->focusWidget(), edit);
            EXPECT_EQ(edit->text(), text);   // the user's text stays to be corrected
            EXPECT_EQ(page->graph(), graph); // no run started, the last result stays
            EXPECT_FALSE(page->isRunning());
        }
        edit->setText(good);
    }
    QTest::mouseClick(settings->control<QRadioButton>("mode=0"), Qt::LeftButton);
    EXPECT_EQ(simulateExpectingMessage(), ""); // all good again: the run starts
    EXPECT_NE(page->graph(), nullptr);
}

TEST_F(BadInputTest, NonPhysicalValuesAreRefusedByName) {
    auto* rocket = app->rocketPage();
    auto* environment = app->environmentPage();
    auto* launch = app->launchPage();
    setText(rocket, "bottleVolume", "0");
    setText(rocket, "emptyMass", "0");
    setText(environment, "launchRodDiameter",
            "200"); // a rod wider than the bottle
    setText(launch, "airTemperature", "-300");
    launch->control<QComboBox>("airTemperatureUnit")->setCurrentIndex(0); // deg C
    const QString message = simulateExpectingMessage();
    EXPECT_TRUE(message.contains("Bottle Volume: must be greater than 0."))
        << message.toStdString();
    EXPECT_TRUE(message.contains("Empty Mass: must be greater than 0."));
    EXPECT_TRUE(
        message.contains("Launch Rod Diameter: must be smaller than the bottle's diameter."));
    EXPECT_TRUE(message.contains("Air Temperature: must be above absolute zero"));
    EXPECT_EQ(page->graph(), nullptr);
    // The first refused value's page is shown with the focus in its field.
    EXPECT_EQ(sheet->tabs()->currentWidget(), rocket);
    EXPECT_EQ(sheet->focusWidget(), rocket->controlWidget("bottleVolume"));

    setText(rocket, "bottleVolume", "2");
    setText(rocket, "emptyMass", "150");
    setText(environment, "launchRodDiameter", "22");
    setText(launch, "airTemperature", "15");
    setText(launch, "waterAmount", "3"); // 3 L of water in a 2 L bottle
    launch->control<QComboBox>("waterAmountUnit")->setCurrentIndex(unit::litre);
    EXPECT_TRUE(simulateExpectingMessage().contains("Water Volume: leaves no room for air"));

    setText(launch, "waterAmount", "40");
    launch->control<QComboBox>("waterAmountUnit")->setCurrentIndex(kPercentUnit);
    auto* settings = app->settingsPage();
    QTest::mouseClick(settings->control<QRadioButton>("mode=1"), Qt::LeftButton);
    auto* variable = settings->control<QComboBox>("oneVarIndependent");
    variable->setCurrentIndex(3); // Bottle Volume
    emit variable->activated(3);
    setText(settings, "oneVarRangeFrom", "0");
    setText(settings, "oneVarRangeTo", "3");
    EXPECT_TRUE(simulateExpectingMessage().contains(
        "Bottle Volume: must be greater than 0 (sweep point 1: Bottle Volume = 0 L)."));
    EXPECT_EQ(page->graph(), nullptr);
    EXPECT_TRUE(enabled(page, "simulate"));
}

TEST_F(BadInputTest, ExtremeButValidValuesRun) {
    auto* rocket = app->rocketPage();
    auto* environment = app->environmentPage();
    setText(rocket, "bottleVolume", "1000"); // a 1000 L bottle
    setText(rocket, "bottleDiameter", "1000");
    setText(environment, "launchRodDiameter", "0.001"); // a 0.001 mm rod
    EXPECT_EQ(simulateExpectingMessage(), "");
    ASSERT_NE(page->graph(), nullptr);
    EXPECT_GE(page->graph()->count, 1);

    setText(rocket, "bottleVolume", "2");
    setText(rocket, "bottleDiameter", "110");
    app->settingsPage()->control<QSlider>("precision")->setValue(1);           // precision 1
    app->launchPage()->control<QLineEdit>("initialPressure")->setText("3000"); // a fast rocket
    // Its air pressure in Pa: y labels as wide as "2.e+007".
    auto* settings = app->settingsPage();
    auto* plot = settings->control<QComboBox>("plotVariable");
    plot->setCurrentIndex(var::AirPressure);
    emit plot->activated(var::AirPressure);
    settings->control<QComboBox>("plotUnit")->setCurrentIndex(3); // "Pa"
    EXPECT_EQ(simulateExpectingMessage(), "");
    ASSERT_NE(page->graph(), nullptr);
    EXPECT_EQ(page->graph()->yTitle, "Air Pressure (Pa)");
    // The labels end short of the y axis (x = 60): the three columns left of it are white
    // but on the rows of tick marks, which run from x = 50 to the axis.
    const QImage image = page->controlWidget("graph")->grab().toImage();
    const int bottom = image.height() - 50;
    int dark = 0;
    for (int y = 10; y <= bottom; ++y) {
        const bool tick = image.pixel(52, y) == qRgb(0, 0, 0);
        for (int x = 57; x < 60 && !tick; ++x)
            dark += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_EQ(dark, 0);
}

TEST_F(BadInputTest, AFlightThatNeverLandsStaysCancellable) {
    // An updraft stronger than the parachute's sink rate holds the rocket up for ever.
    auto* rocket = app->rocketPage();
    QTest::mouseClick(rocket->control<QCheckBox>("kamikaze"), Qt::LeftButton);
    setText(rocket, "parachuteSurfaceArea", "20");
    QTest::mouseClick(rocket->control<QRadioButton>("parachuteShape=1"), Qt::LeftButton);
    setText(app->environmentPage(), "updraft", "20"); // MPH
    // As a summary nothing is recorded, so no record limit ends the flight: only a cancel.
    QTest::mouseClick(app->settingsPage()->control<QRadioButton>("launchDisplay=0"),
                      Qt::LeftButton);
    QTimer::singleShot(500, page, [this] {
        QTest::mouseClick(page->control<QPushButton>("cancel"), Qt::LeftButton);
    });
    QTimer::singleShot(20000, page, [this] { page->requestCancel(); }); // never hang
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(simulateExpectingMessage(), "");
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(page->isRunning());
    EXPECT_EQ(page->graph(), nullptr);
    EXPECT_TRUE(enabled(page, "simulate"));
}

TEST(GraphLabels, TinyAndHugeRangesDrawWithoutOverflow) {
    for (const auto& [lo, hi] : std::vector<std::pair<double, double>>{
             {1e-300, 3e-300}, {-1e300, 1e300}, {0, 1e-12}, {7e307, 9e307}, {-5e-320, 5e-320}}) {
        GraphData g;
        g.setXTitle("x");
        g.setYTitle("y");
        g.scaleXAxis(lo, hi);
        g.scaleYAxis(lo, hi);
        double x[] = {lo, hi}, y[] = {hi, lo};
        g.setLineData(x, y, 2);
        const QImage image = paintGraphImage(g, 400, 300);
        int data = 0;
        for (int py = 0; py < 300; ++py) {
            for (int px = 0; px < 400; ++px)
                data += image.pixel(px, py) == qRgb(0, 0, 128);
        }
        EXPECT_GT(data, 0) << lo << ".." << hi;
    }
}

} // namespace
} // namespace hydrolofter

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
        QTest::mouseClick(page->control<QPushButton>(CSimulatePage::SimulateButton),
                          Qt::LeftButton);
        test::waitForRun(page);
        return watcher.text;
    }
    CSimulatePage* page = nullptr;
};

TEST_F(BadInputTest, EveryNumericEditRefusesTextThatIsNotANumber) {
    struct Edit {
        PropertyPage* page;
        int id;
    };
    const std::vector<Edit> edits = {
        {app->rocketPage(), CRocketSpecsPage::DiameterEdit},
        {app->rocketPage(), CRocketSpecsPage::BottleVolumeEdit},
        {app->rocketPage(), CRocketSpecsPage::DragCoefficientEdit},
        {app->rocketPage(), CRocketSpecsPage::EmptyMassEdit},
        {app->rocketPage(), CRocketSpecsPage::ParachuteDiameterEdit},
        {app->rocketPage(), CRocketSpecsPage::SurfaceAreaEdit},
        {app->rocketPage(), CRocketSpecsPage::ParachuteDragEdit},
        {app->rocketPage(), CRocketSpecsPage::DeployTimeEdit},
        {app->rocketPage(), CRocketSpecsPage::ParachuteCountEdit},
        {app->environmentPage(), CEnvironmentSpecsPage::RodDiameterEdit},
        {app->environmentPage(), CEnvironmentSpecsPage::RodHeightEdit},
        {app->environmentPage(), CEnvironmentSpecsPage::AtmPressureEdit},
        {app->environmentPage(), CEnvironmentSpecsPage::AtmTemperatureEdit},
        {app->environmentPage(), CEnvironmentSpecsPage::GravityEdit},
        {app->environmentPage(), CEnvironmentSpecsPage::UpdraftEdit},
        {app->launchPage(), CLaunchSpecsPage::WaterAmountEdit},
        {app->launchPage(), CLaunchSpecsPage::PressureEdit},
        {app->launchPage(), CLaunchSpecsPage::AirTemperatureEdit},
        {app->launchPage(), CLaunchSpecsPage::WaterDensityEdit},
        {app->launchPage(), CLaunchSpecsPage::HeightEdit},
        {app->launchPage(), CLaunchSpecsPage::VelocityEdit},
        {app->settingsPage(), CSimulationSettingsPage::OneVarRangeFromEdit},
        {app->settingsPage(), CSimulationSettingsPage::OneVarRangeToEdit},
        {app->settingsPage(), CSimulationSettingsPage::XRangeFromEdit},
        {app->settingsPage(), CSimulationSettingsPage::XRangeToEdit},
        {app->settingsPage(), CSimulationSettingsPage::YRangeFromEdit},
        {app->settingsPage(), CSimulationSettingsPage::YRangeToEdit},
    };
    const char* bad[] = {"", "abc", "1,5", "nan", "inf", "1e999", "--3", "0x10"};
    // Kamikaze off, so that the parachute edits can take the focus.
    QTest::mouseClick(app->rocketPage()->control<QCheckBox>(CRocketSpecsPage::KamikazeCheck),
                      Qt::LeftButton);
    // A first run leaves a graph that every refused run must keep.
    EXPECT_EQ(simulateExpectingMessage(), "");
    const GraphData* graph = page->graph();
    ASSERT_NE(graph, nullptr);
    auto* settings = app->settingsPage();
    for (const Edit& e : edits) {
        if (e.page == settings) {
            // The range edits can only be typed into (and focused) in their own mode.
            const int mode = e.id == CSimulationSettingsPage::OneVarRangeFromEdit ||
                                     e.id == CSimulationSettingsPage::OneVarRangeToEdit
                                 ? CSimulationSettingsPage::OneVariableRadio
                                 : CSimulationSettingsPage::TwoVariableRadio;
            QTest::mouseClick(settings->control<QRadioButton>(mode), Qt::LeftButton);
        }
        if (e.page == app->rocketPage() && (e.id == CRocketSpecsPage::ParachuteDiameterEdit ||
                                            e.id == CRocketSpecsPage::SurfaceAreaEdit)) {
            const int shape = e.id == CRocketSpecsPage::ParachuteDiameterEdit
                                  ? CRocketSpecsPage::CircularRadio
                                  : CRocketSpecsPage::IrregularRadio; // the row of the chosen shape
            QTest::mouseClick(e.page->control<QRadioButton>(shape), Qt::LeftButton);
        }
        auto* edit = e.page->control<QLineEdit>(e.id);
        ASSERT_TRUE(edit->isEnabled()) << e.id;
        const QString good = edit->text();
        const bool integer =
            e.page == app->rocketPage() && e.id == CRocketSpecsPage::ParachuteCountEdit;
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
    QTest::mouseClick(settings->control<QRadioButton>(CSimulationSettingsPage::LaunchAnalysisRadio),
                      Qt::LeftButton);
    EXPECT_EQ(simulateExpectingMessage(), ""); // all good again: the run starts
    EXPECT_NE(page->graph(), nullptr);
}

TEST_F(BadInputTest, NonPhysicalValuesAreRefusedByName) {
    auto* rocket = app->rocketPage();
    auto* environment = app->environmentPage();
    auto* launch = app->launchPage();
    setText(rocket, CRocketSpecsPage::BottleVolumeEdit, "0");
    setText(rocket, CRocketSpecsPage::EmptyMassEdit, "0");
    setText(environment, CEnvironmentSpecsPage::RodDiameterEdit,
            "200"); // a rod wider than the bottle
    setText(launch, CLaunchSpecsPage::AirTemperatureEdit, "-300");
    launch->control<QComboBox>(CLaunchSpecsPage::AirTemperatureUnit)->setCurrentIndex(0); // deg C
    const QString message = simulateExpectingMessage();
    EXPECT_TRUE(message.contains("Bottle Volume: must be greater than 0."))
        << message.toStdString();
    EXPECT_TRUE(message.contains("Empty Mass: must be greater than 0."));
    EXPECT_TRUE(
        message.contains("Launch Rod Diameter: must be smaller than the bottle's diameter."));
    EXPECT_TRUE(message.contains("Air Temperature: must be above absolute zero"));
    EXPECT_EQ(page->graph(), nullptr);

    setText(rocket, CRocketSpecsPage::BottleVolumeEdit, "2");
    setText(rocket, CRocketSpecsPage::EmptyMassEdit, "150");
    setText(environment, CEnvironmentSpecsPage::RodDiameterEdit, "22");
    setText(launch, CLaunchSpecsPage::AirTemperatureEdit, "15");
    setText(launch, CLaunchSpecsPage::WaterAmountEdit, "3"); // 3 L of water in a 2 L bottle
    launch->control<QComboBox>(CLaunchSpecsPage::WaterAmountUnit)->setCurrentIndex(unit::litre);
    EXPECT_TRUE(simulateExpectingMessage().contains("Water Volume: leaves no room for air"));

    setText(launch, CLaunchSpecsPage::WaterAmountEdit, "40");
    launch->control<QComboBox>(CLaunchSpecsPage::WaterAmountUnit)->setCurrentIndex(kPercentUnit);
    auto* settings = app->settingsPage();
    QTest::mouseClick(settings->control<QRadioButton>(CSimulationSettingsPage::OneVariableRadio),
                      Qt::LeftButton);
    auto* variable = settings->control<QComboBox>(CSimulationSettingsPage::OneVarIndependentList);
    variable->setCurrentIndex(3); // Bottle Volume
    emit variable->activated(3);
    setText(settings, CSimulationSettingsPage::OneVarRangeFromEdit, "0");
    setText(settings, CSimulationSettingsPage::OneVarRangeToEdit, "3");
    EXPECT_TRUE(simulateExpectingMessage().contains(
        "Bottle Volume: must be greater than 0 (sweep point 1: Bottle Volume = 0 L)."));
    EXPECT_EQ(page->graph(), nullptr);
    EXPECT_TRUE(enabled(page, CSimulatePage::SimulateButton));
}

TEST_F(BadInputTest, ExtremeButValidValuesRun) {
    auto* rocket = app->rocketPage();
    auto* environment = app->environmentPage();
    setText(rocket, CRocketSpecsPage::BottleVolumeEdit, "1000"); // a 1000 L bottle
    setText(rocket, CRocketSpecsPage::DiameterEdit, "1000");
    setText(environment, CEnvironmentSpecsPage::RodDiameterEdit, "0.001"); // a 0.001 mm rod
    EXPECT_EQ(simulateExpectingMessage(), "");
    ASSERT_NE(page->graph(), nullptr);
    EXPECT_GE(page->graph()->count, 1);

    setText(rocket, CRocketSpecsPage::BottleVolumeEdit, "2");
    setText(rocket, CRocketSpecsPage::DiameterEdit, "110");
    app->settingsPage()
        ->control<QSlider>(CSimulationSettingsPage::PrecisionSlider)
        ->setValue(1); // precision 1
    app->launchPage()
        ->control<QLineEdit>(CLaunchSpecsPage::PressureEdit)
        ->setText("3000"); // a fast rocket
    // Its air pressure in Pa: y labels as wide as "2.e+007".
    auto* settings = app->settingsPage();
    auto* plot = settings->control<QComboBox>(CSimulationSettingsPage::PlotVariableList);
    plot->setCurrentIndex(var::AirPressure);
    emit plot->activated(var::AirPressure);
    settings->control<QComboBox>(CSimulationSettingsPage::PlotUnitList)->setCurrentIndex(3); // "Pa"
    EXPECT_EQ(simulateExpectingMessage(), "");
    ASSERT_NE(page->graph(), nullptr);
    EXPECT_EQ(page->graph()->yTitle, "Air Pressure (Pa)");
    // The labels end short of the y axis (x = 60): the three columns left of it are white
    // but on the rows of tick marks, which run from x = 50 to the axis.
    const QImage image = page->controlWidget(CSimulatePage::GraphArea)->grab().toImage();
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
    QTest::mouseClick(rocket->control<QCheckBox>(CRocketSpecsPage::KamikazeCheck), Qt::LeftButton);
    setText(rocket, CRocketSpecsPage::SurfaceAreaEdit, "20");
    QTest::mouseClick(rocket->control<QRadioButton>(CRocketSpecsPage::IrregularRadio),
                      Qt::LeftButton);
    setText(app->environmentPage(), CEnvironmentSpecsPage::UpdraftEdit, "20"); // MPH
    // As a summary nothing is recorded, so no record limit ends the flight: only a cancel.
    QTest::mouseClick(
        app->settingsPage()->control<QRadioButton>(CSimulationSettingsPage::LaunchSummaryRadio),
        Qt::LeftButton);
    QTimer::singleShot(500, page, [this] {
        QTest::mouseClick(page->control<QPushButton>(CSimulatePage::CancelButton), Qt::LeftButton);
    });
    QTimer::singleShot(20000, page, [this] { page->requestCancel(); }); // never hang
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(simulateExpectingMessage(), "");
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(page->isRunning());
    EXPECT_EQ(page->graph(), nullptr);
    EXPECT_TRUE(enabled(page, CSimulatePage::SimulateButton));
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

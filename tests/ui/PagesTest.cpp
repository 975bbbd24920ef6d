// The sheet and the four input and settings pages, driven as a user would.
#include "UiTestSupport.h"

#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"
#include "toolkit/Controls.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>

namespace hydrolofter {
namespace {

using test::MessageBoxWatcher;
using test::SheetTest;

TEST_F(SheetTest, CaptionTabsAndOneCloseButton) {
    EXPECT_EQ(sheet->windowTitle(), "Hydrolofter");
    const QStringList expected = {"Rocket Specifications",
                                  "Launch Pad / Environment Specifications",
                                  "Launch Specifications",
                                  "Simulation Settings",
                                  "Simulate",
                                  "About"};
    QStringList tabs;
    for (int i = 0; i < sheet->tabs()->count(); ++i)
        tabs << sheet->tabs()->tabText(i);
    EXPECT_EQ(tabs, expected);
    EXPECT_EQ(sheet->tabs()->currentIndex(), 0);
    // The only button outside the pages is "Close", an ordinary (not default) button.
    int outside = 0;
    for (QPushButton* b : sheet->findChildren<QPushButton*>()) {
        if (!sheet->tabs()->isAncestorOf(b)) {
            ++outside;
            EXPECT_EQ(b->text(), "Close");
            EXPECT_FALSE(b->isDefault());
            EXPECT_FALSE(b->autoDefault());
        }
    }
    EXPECT_EQ(outside, 1);
    EXPECT_FALSE(sheet->windowIcon().isNull());
    // The input and settings pages hold their defaults before anyone has looked at them.
    EXPECT_TRUE(app->settingsPage()->isInitialised());
    EXPECT_TRUE(app->launchPage()->isInitialised());
}

TEST_F(SheetTest, ScreenshotsOnRequest) {
    // HYDROLOFTER_SCREENSHOTS=DIR writes each page as the user sees it, for a look by eye.
    const QString dir = qEnvironmentVariable("HYDROLOFTER_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "set HYDROLOFTER_SCREENSHOTS to a directory to write them";
    QDir().mkpath(dir);
    for (int i = 0; i < sheet->tabs()->count(); ++i) {
        sheet->tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_TRUE(sheet->grab().save(QString("%1/page%2.png").arg(dir).arg(i + 1)));
    }
}

TEST_F(SheetTest, RocketPageDefaults) {
    auto* p = app->rocketPage();
    EXPECT_EQ(editText(p, CRocketSpecsPage::DiameterEdit), "110");
    EXPECT_EQ(unitText(p, CRocketSpecsPage::DiameterUnit), "mm");
    EXPECT_EQ(editText(p, CRocketSpecsPage::BottleVolumeEdit), "2");
    EXPECT_EQ(unitText(p, CRocketSpecsPage::BottleVolumeUnit), "L");
    EXPECT_EQ(editText(p, CRocketSpecsPage::DragCoefficientEdit), "0.3");
    EXPECT_EQ(editText(p, CRocketSpecsPage::EmptyMassEdit), "150");
    EXPECT_EQ(unitText(p, CRocketSpecsPage::EmptyMassUnit), "g");
    EXPECT_EQ(editText(p, CRocketSpecsPage::StabilityEdit), "1");
    EXPECT_FALSE(enabled(p, CRocketSpecsPage::StabilityEdit));
    EXPECT_TRUE(p->control<QCheckBox>(CRocketSpecsPage::KamikazeCheck)->isChecked());
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteCountEdit), "1");
    EXPECT_TRUE(p->control<QRadioButton>(CRocketSpecsPage::CircularRadio)->isChecked());
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteDiameterEdit), "100");
    EXPECT_EQ(unitText(p, CRocketSpecsPage::ParachuteDiameterUnit), "cm");
    EXPECT_EQ(editText(p, CRocketSpecsPage::SurfaceAreaEdit), "1");
    EXPECT_EQ(unitText(p, CRocketSpecsPage::SurfaceAreaUnit), "m^2");
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteDragEdit), "1");
    EXPECT_EQ(editText(p, CRocketSpecsPage::DeployTimeEdit), "1");
    for (int id : {CRocketSpecsPage::ParachuteCountEdit, CRocketSpecsPage::ParachuteCountLabel,
                   CRocketSpecsPage::ParachuteCountSpin, CRocketSpecsPage::CircularRadio,
                   CRocketSpecsPage::IrregularRadio, CRocketSpecsPage::ParachuteDragEdit,
                   CRocketSpecsPage::ParachuteDragLabel, CRocketSpecsPage::ParachuteDragUnitLabel,
                   CRocketSpecsPage::DeployTimeEdit, CRocketSpecsPage::DeployTimeLabel,
                   CRocketSpecsPage::DeployTimeUnitLabel, CRocketSpecsPage::ParachuteDiameterEdit,
                   CRocketSpecsPage::ParachuteDiameterLabel,
                   CRocketSpecsPage::ParachuteDiameterUnit, CRocketSpecsPage::SurfaceAreaEdit,
                   CRocketSpecsPage::SurfaceAreaLabel, CRocketSpecsPage::SurfaceAreaUnit})
        EXPECT_FALSE(enabled(p, id)) << id;
    EXPECT_TRUE(enabled(p, CRocketSpecsPage::KamikazeCheck));
    for (int id : {CRocketSpecsPage::LoadButton, CRocketSpecsPage::SaveButton,
                   CRocketSpecsPage::DefaultsButton})
        EXPECT_TRUE(enabled(p, id)) << id; // designs can be loaded, saved and reset
    EXPECT_EQ(p->control<QPushButton>(CRocketSpecsPage::DefaultsButton)->text(), "De&faults");
}

TEST_F(SheetTest, RocketParachuteEnablingSequence) {
    auto* p = app->rocketPage();
    const int always[] = {
        CRocketSpecsPage::ParachuteCountEdit, CRocketSpecsPage::ParachuteCountLabel,
        CRocketSpecsPage::ParachuteCountSpin, CRocketSpecsPage::CircularRadio,
        CRocketSpecsPage::IrregularRadio,     CRocketSpecsPage::ParachuteDragEdit,
        CRocketSpecsPage::ParachuteDragLabel, CRocketSpecsPage::ParachuteDragUnitLabel,
        CRocketSpecsPage::DeployTimeEdit,     CRocketSpecsPage::DeployTimeLabel,
        CRocketSpecsPage::DeployTimeUnitLabel};
    const int diameterRow[] = {CRocketSpecsPage::ParachuteDiameterEdit,
                               CRocketSpecsPage::ParachuteDiameterLabel,
                               CRocketSpecsPage::ParachuteDiameterUnit};
    const int areaRow[] = {CRocketSpecsPage::SurfaceAreaEdit, CRocketSpecsPage::SurfaceAreaLabel,
                           CRocketSpecsPage::SurfaceAreaUnit};
    auto expectRows = [&](bool common, bool diameter, bool area) {
        for (int id : always)
            EXPECT_EQ(enabled(p, id), common) << id;
        for (int id : diameterRow)
            EXPECT_EQ(enabled(p, id), diameter) << id;
        for (int id : areaRow)
            EXPECT_EQ(enabled(p, id), area) << id;
    };
    QTest::mouseClick(p->control<QCheckBox>(CRocketSpecsPage::KamikazeCheck), Qt::LeftButton);
    expectRows(true, true, false);
    QTest::mouseClick(p->control<QRadioButton>(CRocketSpecsPage::IrregularRadio), Qt::LeftButton);
    expectRows(true, false, true);
    QTest::mouseClick(p->control<QRadioButton>(CRocketSpecsPage::CircularRadio), Qt::LeftButton);
    expectRows(true, true, false);
    QTest::mouseClick(p->control<QRadioButton>(CRocketSpecsPage::IrregularRadio), Qt::LeftButton);
    QTest::mouseClick(p->control<QCheckBox>(CRocketSpecsPage::KamikazeCheck), Qt::LeftButton);
    expectRows(false, false, false);
    EXPECT_TRUE(enabled(p, CRocketSpecsPage::KamikazeCheck));
}

TEST_F(SheetTest, SpinArrowsStayInRangeButTypingIsFree) {
    auto* p = app->rocketPage();
    QTest::mouseClick(p->control<QCheckBox>(CRocketSpecsPage::KamikazeCheck), Qt::LeftButton);
    auto* spin = p->control<SpinButton>(CRocketSpecsPage::ParachuteCountSpin);
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteCountEdit), "10");
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteCountEdit), "1");
    auto* count = p->control<QLineEdit>(CRocketSpecsPage::ParachuteCountEdit);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteCountEdit), "2");
    count->clear();
    QTest::keyClicks(count, "2a5"); // digits only
    EXPECT_EQ(editText(p, CRocketSpecsPage::ParachuteCountEdit), "25");
    ASSERT_TRUE(p->updateData(true));
    EXPECT_EQ(p->inputs().parachuteCount, 25);
}

TEST_F(SheetTest, DescriptionTakesCtrlEnterOnly) {
    auto* p = app->rocketPage();
    sheet->tabs()->setCurrentWidget(p);
    auto* box = p->control<QPlainTextEdit>(CRocketSpecsPage::DescriptionEdit);
    box->setFocus();
    QTest::keyClicks(box, "red");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(box, "fins");
    EXPECT_EQ(box->toPlainText(), "red\nfins");
}

TEST_F(SheetTest, EscapeAndEnterInAnEditKeepTheSheetOpen) {
    auto* p = app->rocketPage();
    auto* edit = p->control<QLineEdit>(CRocketSpecsPage::EmptyMassEdit);
    edit->setFocus();
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), 0);
    EXPECT_TRUE(editText(p, CRocketSpecsPage::EmptyMassEdit).endsWith("5"));
}

/// Whether every entry of a closed drop-down fits the field the style draws its text in.
bool showsEveryEntryWhole(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.frame = true;
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, &combo);
    const QFontMetrics fm(combo.font());
    for (int i = 0; i < combo.count(); ++i) {
        if (fm.horizontalAdvance(combo.itemText(i)) > field.width())
            return false;
    }
    return true;
}

/// Unit lists hold at most six names; the shortest variable list, seven.
constexpr int kShortestVariableList = 7;

TEST_F(SheetTest, EveryUnitNameShowsWholeInItsDropDown) {
    QStringList clipped;
    auto check = [&](PropertyPage* page) {
        for (QComboBox* combo : page->findChildren<QComboBox*>()) {
            if (combo->count() < kShortestVariableList && !showsEveryEntryWhole(*combo))
                clipped << page->caption() + ": " + combo->currentText();
        }
    };
    check(app->rocketPage());
    check(app->environmentPage());
    check(app->launchPage());
    // The settings page's unit lists change with the variable beside them: try them all.
    auto* settings = app->settingsPage();
    for (QComboBox* variables : settings->findChildren<QComboBox*>()) {
        if (variables->count() < kShortestVariableList)
            continue;
        for (int i = 0; i < variables->count(); ++i) {
            variables->setCurrentIndex(i);
            emit variables->activated(i);
            check(settings);
        }
    }
    clipped.removeDuplicates();
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join("\n").toStdString();
}

TEST_F(SheetTest, EnvironmentAndLaunchDefaults) {
    auto* e = app->environmentPage();
    EXPECT_EQ(editText(e, CEnvironmentSpecsPage::RodDiameterEdit), "22");
    EXPECT_EQ(unitText(e, CEnvironmentSpecsPage::RodDiameterUnit), "mm");
    EXPECT_EQ(editText(e, CEnvironmentSpecsPage::RodHeightEdit), "15");
    EXPECT_EQ(unitText(e, CEnvironmentSpecsPage::RodHeightUnit), "mm");
    EXPECT_EQ(editText(e, CEnvironmentSpecsPage::AtmPressureEdit), "1");
    EXPECT_EQ(unitText(e, CEnvironmentSpecsPage::AtmPressureUnit), "atm");
    EXPECT_EQ(editText(e, CEnvironmentSpecsPage::AtmTemperatureEdit), "70");
    EXPECT_EQ(unitText(e, CEnvironmentSpecsPage::AtmTemperatureUnit), "deg F");
    EXPECT_EQ(editText(e, CEnvironmentSpecsPage::GravityEdit), "-9.806");
    EXPECT_EQ(unitText(e, CEnvironmentSpecsPage::GravityUnit), "m/sec^2");
    EXPECT_EQ(editText(e, CEnvironmentSpecsPage::UpdraftEdit), "0");
    EXPECT_EQ(unitText(e, CEnvironmentSpecsPage::UpdraftUnit), "MPH");
    EXPECT_TRUE(e->control<QPlainTextEdit>(CEnvironmentSpecsPage::DescriptionEdit)
                    ->toPlainText()
                    .isEmpty());

    auto* l = app->launchPage();
    EXPECT_EQ(editText(l, CLaunchSpecsPage::WaterAmountEdit), "40");
    EXPECT_EQ(unitText(l, CLaunchSpecsPage::WaterAmountUnit), "%");
    EXPECT_EQ(editText(l, CLaunchSpecsPage::PressureEdit), "60");
    EXPECT_EQ(unitText(l, CLaunchSpecsPage::PressureUnit), "PSI");
    EXPECT_EQ(editText(l, CLaunchSpecsPage::AirTemperatureEdit), "60");
    EXPECT_EQ(unitText(l, CLaunchSpecsPage::AirTemperatureUnit), "deg F");
    EXPECT_EQ(editText(l, CLaunchSpecsPage::WaterDensityEdit), "1000");
    EXPECT_EQ(unitText(l, CLaunchSpecsPage::WaterDensityUnit), "kg/m^3");
    EXPECT_EQ(editText(l, CLaunchSpecsPage::HeightEdit), "0");
    EXPECT_EQ(unitText(l, CLaunchSpecsPage::HeightUnit), "m");
    EXPECT_EQ(editText(l, CLaunchSpecsPage::VelocityEdit), "0");
    EXPECT_EQ(unitText(l, CLaunchSpecsPage::VelocityUnit), "m/sec");
    QStringList water;
    for (int i = 0; i < l->control<QComboBox>(CLaunchSpecsPage::WaterAmountUnit)->count(); ++i)
        water << l->control<QComboBox>(CLaunchSpecsPage::WaterAmountUnit)->itemText(i);
    EXPECT_EQ(water, (QStringList{"gal", "L", "m^3", "mL", "qt", "%"}));
}

TEST_F(SheetTest, AUnitChangeAloneKeepsTheNumber) {
    SimulationInputs in;
    RunSettings s;
    // 22 with "cm" is 22 cm: the number is not converted when the unit changes.
    app->environmentPage()
        ->control<QComboBox>(CEnvironmentSpecsPage::RodDiameterUnit)
        ->setCurrentIndex(unit::cm);
    ASSERT_TRUE(app->commitInputs(in, s));
    EXPECT_EQ(in.launchRodDiameter, 22);
    EXPECT_EQ(in.launchRodDiameterUnit, unit::cm);
}

TEST_F(SheetTest, SettingsDefaultsAndEnabling) {
    auto* p = app->settingsPage();
    EXPECT_EQ(p->control<QLabel>(CSimulationSettingsPage::PrecisionLabel)->text(), "1 millisecond");
    EXPECT_EQ(p->control<QSlider>(CSimulationSettingsPage::PrecisionSlider)->value(), 3);
    EXPECT_TRUE(
        p->control<QRadioButton>(CSimulationSettingsPage::LaunchAnalysisRadio)->isChecked());
    EXPECT_TRUE(p->control<QRadioButton>(CSimulationSettingsPage::LaunchGraphRadio)->isChecked());
    EXPECT_EQ(p->control<QComboBox>(CSimulationSettingsPage::PlotVariableList)->currentText(),
              "Height");
    EXPECT_EQ(unitText(p, CSimulationSettingsPage::PlotUnitList), "m");
    EXPECT_EQ(p->control<QComboBox>(CSimulationSettingsPage::OneVarDependentList)->currentText(),
              "Time Aloft");
    EXPECT_EQ(unitText(p, CSimulationSettingsPage::OneVarDependentUnitList), "sec");
    EXPECT_EQ(p->control<QComboBox>(CSimulationSettingsPage::OneVarIndependentList)->currentText(),
              "Empty Mass");
    EXPECT_EQ(unitText(p, CSimulationSettingsPage::OneVarIndependentUnitList), "g");
    EXPECT_EQ(p->control<QComboBox>(CSimulationSettingsPage::YAxisList)->currentText(),
              "Initial Water Level");
    EXPECT_EQ(unitText(p, CSimulationSettingsPage::YAxisUnitList), "%");
    EXPECT_EQ(editText(p, CSimulationSettingsPage::OneVarRangeFromEdit), "50");
    EXPECT_EQ(editText(p, CSimulationSettingsPage::OneVarRangeToEdit), "250");
    EXPECT_EQ(editText(p, CSimulationSettingsPage::YRangeFromEdit), "25");
    EXPECT_EQ(editText(p, CSimulationSettingsPage::YRangeToEdit), "75");
    for (int id :
         {CSimulationSettingsPage::LaunchDisplayLabel, CSimulationSettingsPage::LaunchSummaryRadio,
          CSimulationSettingsPage::LaunchGraphRadio, CSimulationSettingsPage::PlotLabel,
          CSimulationSettingsPage::PlotVariableList, CSimulationSettingsPage::PlotUnitList})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (int id :
         {CSimulationSettingsPage::OneVarDisplayLabel, CSimulationSettingsPage::OneVarDependentList,
          CSimulationSettingsPage::OneVarRangeFromEdit, CSimulationSettingsPage::OneVarRangeToEdit,
          CSimulationSettingsPage::TwoVarDisplayLabel, CSimulationSettingsPage::TwoVarDependentList,
          CSimulationSettingsPage::YRangeToEdit})
        EXPECT_FALSE(enabled(p, id)) << id;

    QTest::mouseClick(p->control<QRadioButton>(CSimulationSettingsPage::LaunchSummaryRadio),
                      Qt::LeftButton); // Summary
    for (int id : {CSimulationSettingsPage::PlotLabel, CSimulationSettingsPage::PlotVariableList,
                   CSimulationSettingsPage::PlotUnitList})
        EXPECT_FALSE(enabled(p, id)) << id;
    QTest::mouseClick(p->control<QRadioButton>(CSimulationSettingsPage::LaunchGraphRadio),
                      Qt::LeftButton); // Graph
    EXPECT_TRUE(enabled(p, CSimulationSettingsPage::PlotVariableList));

    setText(p, CSimulationSettingsPage::OneVarRangeFromEdit, "60");
    QTest::mouseClick(p->control<QRadioButton>(CSimulationSettingsPage::OneVariableRadio),
                      Qt::LeftButton);
    for (int id :
         {CSimulationSettingsPage::OneVarDisplayLabel, CSimulationSettingsPage::OneVarDependentList,
          CSimulationSettingsPage::OneVarRangeFromEdit, CSimulationSettingsPage::OneVarRangeToEdit,
          CSimulationSettingsPage::OneVarDependentUnitList,
          CSimulationSettingsPage::OneVarIndependentUnitList})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (int id :
         {CSimulationSettingsPage::LaunchDisplayLabel, CSimulationSettingsPage::PlotVariableList,
          CSimulationSettingsPage::TwoVarDependentList, CSimulationSettingsPage::YRangeToEdit})
        EXPECT_FALSE(enabled(p, id)) << id;
    QTest::mouseClick(p->control<QRadioButton>(CSimulationSettingsPage::TwoVariableRadio),
                      Qt::LeftButton);
    for (int id :
         {CSimulationSettingsPage::TwoVarDisplayLabel, CSimulationSettingsPage::TwoVarDependentList,
          CSimulationSettingsPage::YRangeToEdit, CSimulationSettingsPage::YAxisUnitList})
        EXPECT_TRUE(enabled(p, id)) << id;
    EXPECT_FALSE(enabled(p, CSimulationSettingsPage::OneVarDependentList));
    EXPECT_EQ(editText(p, CSimulationSettingsPage::OneVarRangeFromEdit),
              "60"); // switching modes keeps every value
    EXPECT_EQ(p->runSettings().mode, TwoVariableOptimization);
}

TEST_F(SheetTest, PrecisionLabelFollowsTheSlider) {
    auto* p = app->settingsPage();
    const char* labels[] = {"1/10th second",      "1/100th second",      "1 millisecond",
                            "1/10th millisecond", "1/100th millisecond", "1 microsecond",
                            "1/10th microsecond", "1/100th microsecond"};
    auto* slider = p->control<QSlider>(CSimulationSettingsPage::PrecisionSlider);
    for (int position = 1; position <= 8; ++position) {
        slider->setSliderPosition(position); // as a drag moves it
        EXPECT_EQ(p->control<QLabel>(CSimulationSettingsPage::PrecisionLabel)->text(),
                  labels[position - 1]);
    }
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 8);
}

TEST_F(SheetTest, NewVariableResetsItsUnitAndKeepsTheRange) {
    auto* p = app->settingsPage();
    QTest::mouseClick(p->control<QRadioButton>(CSimulationSettingsPage::OneVariableRadio),
                      Qt::LeftButton);
    auto* variable = p->control<QComboBox>(CSimulationSettingsPage::OneVarIndependentList);
    auto* units = p->control<QComboBox>(CSimulationSettingsPage::OneVarIndependentUnitList);
    units->setCurrentIndex(2); // lbs
    setText(p, CSimulationSettingsPage::OneVarRangeFromEdit, "7");
    // Pick "Initial Air Pressure" as a user would, through the list.
    variable->setCurrentIndex(8);
    emit variable->activated(8);
    EXPECT_EQ(units->currentText(), "PSI");
    EXPECT_EQ(units->count(), 6);
    EXPECT_EQ(editText(p, CSimulationSettingsPage::OneVarRangeFromEdit), "7");
    variable->setCurrentIndex(1);
    emit variable->activated(1);
    EXPECT_EQ(units->currentText(), "atm");
    ASSERT_TRUE(p->updateData(true));
    const RunSettings s = p->runSettings();
    EXPECT_EQ(s.oneVarIndependent, var::AtmPressure);
    EXPECT_EQ(s.oneVarIndependentUnit, 0);
    EXPECT_EQ(s.oneVarRangeFrom, 7);
}

TEST_F(SheetTest, TextThatIsNotANumberIsRefused) {
    auto* p = app->environmentPage();
    const char* bad[] = {"", "abc", "1,5", "nan", "inf", "1e999", "--3", "0x10"};
    for (const char* text : bad) {
        setText(p, CEnvironmentSpecsPage::GravityEdit, "-9.806");
        sheet->tabs()->setCurrentIndex(4);
        setText(p, CEnvironmentSpecsPage::GravityEdit, text);
        MessageBoxWatcher watcher;
        SimulationInputs in;
        RunSettings s;
        EXPECT_FALSE(app->commitInputs(in, s)) << text;
        EXPECT_EQ(watcher.seen, 1) << text;
        EXPECT_EQ(watcher.text, "Gravity Constant: Please enter a number.") << text;
        EXPECT_EQ(sheet->tabs()->currentWidget(), p) << text; // the page is shown
        // The edit holds the focus within the sheet (the window is active again once the
        // message box has gone).
        EXPECT_EQ(sheet->focusWidget(), p->controlWidget(CEnvironmentSpecsPage::GravityEdit))
            << text;
    }
    setText(p, CEnvironmentSpecsPage::GravityEdit, "  -9.81 ");
    SimulationInputs in;
    RunSettings s;
    EXPECT_TRUE(app->commitInputs(in, s));
    EXPECT_EQ(in.gravity, -9.81);

    auto* rocket = app->rocketPage();
    setText(rocket, CRocketSpecsPage::ParachuteCountEdit, "");
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app->commitInputs(in, s));
    EXPECT_EQ(watcher.text, "Number of Parachutes: Please enter an integer.");
}

TEST_F(SheetTest, APageWithTextThatIsNotANumberCannotBeLeft) {
    auto* p = app->settingsPage();
    sheet->tabs()->setCurrentWidget(p);
    QTest::mouseClick(p->control<QRadioButton>(CSimulationSettingsPage::OneVariableRadio),
                      Qt::LeftButton);
    setText(p, CSimulationSettingsPage::OneVarRangeFromEdit, "6o"); // the range's first end
    QTabBar* bar = sheet->tabs()->tabBar();
    {
        MessageBoxWatcher watcher;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
        EXPECT_EQ(watcher.seen, 1);
        EXPECT_TRUE(watcher.text.endsWith(": Please enter a number."))
            << watcher.text.toStdString();
    }
    EXPECT_EQ(sheet->tabs()->currentWidget(), p);
    EXPECT_EQ(sheet->focusWidget(), p->controlWidget(CSimulationSettingsPage::OneVarRangeFromEdit));

    setText(p, CSimulationSettingsPage::OneVarRangeFromEdit, "60");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
    EXPECT_EQ(sheet->tabs()->currentIndex(), 4);
    EXPECT_EQ(p->runSettings().oneVarRangeFrom, 60); // taken when the page was left
}

TEST_F(SheetTest, CloseButtonAndCloseBoxOfferToCloseWithoutSavingTextThatIsNotANumber) {
    auto* p = app->rocketPage();
    for (const bool button : {true, false}) {
        sheet->show();
        sheet->tabs()->setCurrentIndex(3);
        setText(p, CRocketSpecsPage::BottleVolumeEdit, "two");
        const auto close = [&] {
            if (button)
                QTest::mouseClick(sheet->closeButton(), Qt::LeftButton);
            else
                sheet->close();
        };
        {
            test::AnswerNextBox cancel(QMessageBox::Cancel);
            close();
            EXPECT_EQ(cancel.text, "The rocket cannot be saved: \"Bottle Volume\" is not a "
                                   "number. Close without saving it?");
        }
        EXPECT_TRUE(sheet->isVisible()) << button; // kept, with the page shown
        EXPECT_EQ(sheet->tabs()->currentWidget(), p);
        {
            test::AnswerNextBox discard(QMessageBox::Discard);
            close();
        }
        EXPECT_FALSE(sheet->isVisible()) << button;
        setText(p, CRocketSpecsPage::BottleVolumeEdit, "2");
    }
}

TEST_F(SheetTest, CloseBoxEndsTheProgram) {
    sheet->close();
    EXPECT_FALSE(sheet->isVisible());
}

} // namespace
} // namespace hydrolofter

namespace hydrolofter {
namespace {

TEST_F(SheetTest, EveryControlHasHelpAndANameForScreenReaders) {
    using K = ControlKind;
    // What a screen reader names a control by: its own accessible name, or what the
    // accessibility layer derives (a button's text, a buddy caption).
    auto accessibleName = [](QWidget* w) {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    int checked = 0;
    for (int i = 0; i < sheet->tabs()->count(); ++i) {
        auto* page = qobject_cast<PropertyPage*>(sheet->tabs()->widget(i));
        ASSERT_NE(page, nullptr);
        page->initialise();
        for (const ControlSpec& c : page->dialogTemplate().controls) {
            const bool input = c.kind == K::Edit || c.kind == K::ComboBox ||
                               c.kind == K::CheckBox || c.kind == K::Radio ||
                               c.kind == K::PushButton || c.kind == K::Spin ||
                               c.kind == K::Slider || c.kind == K::Progress;
            if (!input)
                continue;
            QWidget* w = page->controlWidget(c.id);
            ASSERT_NE(w, nullptr) << c.id;
            const std::string where =
                page->caption().toStdString() + ", control " + std::to_string(c.id);
            EXPECT_FALSE(w->toolTip().isEmpty()) << where << ": no tooltip";
            EXPECT_FALSE(accessibleName(w).isEmpty()) << where << ": no accessible name";
            ++checked;
        }
    }
    EXPECT_GT(checked, 70);
    EXPECT_FALSE(sheet->closeButton()->toolTip().isEmpty());

    // A caption names its edit and is its buddy; the unit beside it says whose unit it is.
    auto* rocket = app->rocketPage();
    QWidget* diameter = rocket->controlWidget(CRocketSpecsPage::DiameterEdit);
    EXPECT_EQ(accessibleName(diameter), "Diameter");
    EXPECT_EQ(accessibleName(rocket->controlWidget(CRocketSpecsPage::DiameterUnit)),
              "Diameter unit");
    EXPECT_EQ(accessibleName(rocket->controlWidget(CRocketSpecsPage::BottleVolumeEdit)),
              "Bottle Volume");
    const auto labels = rocket->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [&](QLabel* l) { return l->buddy() == diameter; }));
    // The one fact newcomers get wrong: the launch pressure is absolute.
    EXPECT_TRUE(app->launchPage()
                    ->controlWidget(CLaunchSpecsPage::PressureEdit)
                    ->toolTip()
                    .contains("74.7 PSI absolute"));
}

} // namespace
} // namespace hydrolofter

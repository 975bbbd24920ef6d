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
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>
#include <map>

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
    EXPECT_EQ(editText(p, "bottleDiameter"), "110");
    EXPECT_EQ(unitText(p, "bottleDiameterUnit"), "mm");
    EXPECT_EQ(editText(p, "bottleVolume"), "2");
    EXPECT_EQ(unitText(p, "bottleVolumeUnit"), "L");
    EXPECT_EQ(editText(p, "dragCoefficient"), "0.3");
    EXPECT_EQ(editText(p, "emptyMass"), "150");
    EXPECT_EQ(unitText(p, "emptyMassUnit"), "g");
    EXPECT_EQ(editText(p, "stability"), "1");
    EXPECT_FALSE(enabled(p, "stability"));
    EXPECT_TRUE(p->control<QCheckBox>("kamikaze")->isChecked());
    EXPECT_EQ(editText(p, "parachuteCount"), "1");
    EXPECT_TRUE(p->control<QRadioButton>("parachuteShape=0")->isChecked());
    EXPECT_EQ(editText(p, "parachuteDiameter"), "100");
    EXPECT_EQ(unitText(p, "parachuteDiameterUnit"), "cm");
    EXPECT_EQ(editText(p, "parachuteSurfaceArea"), "1");
    EXPECT_EQ(unitText(p, "parachuteSurfaceAreaUnit"), "m^2");
    EXPECT_EQ(editText(p, "parachuteDragCoefficient"), "1");
    EXPECT_EQ(editText(p, "parachuteDeployTime"), "1");
    for (std::string_view id :
         {"parachuteCount", "parachuteCountArrows", "parachuteShape=0", "parachuteShape=1",
          "parachuteDragCoefficient", "parachuteDeployTime", "parachuteDiameter",
          "parachuteDiameterUnit", "parachuteSurfaceArea", "parachuteSurfaceAreaUnit"})
        EXPECT_FALSE(enabled(p, id)) << id;
    EXPECT_TRUE(enabled(p, "kamikaze"));
    for (std::string_view id : {"load", "save", "defaults"})
        EXPECT_TRUE(enabled(p, id)) << id; // designs can be loaded, saved and reset
    EXPECT_EQ(p->control<QPushButton>("defaults")->text(), "De&faults");
}

TEST_F(SheetTest, RocketParachuteEnablingSequence) {
    auto* p = app->rocketPage();
    const std::string_view always[] = {
        "parachuteCount",   "parachuteCountArrows",     "parachuteShape=0",
        "parachuteShape=1", "parachuteDragCoefficient", "parachuteDeployTime",
    };
    const std::string_view diameterRow[] = {"parachuteDiameter", "parachuteDiameterUnit"};
    const std::string_view areaRow[] = {"parachuteSurfaceArea", "parachuteSurfaceAreaUnit"};
    auto expectRows = [&](bool common, bool diameter, bool area) {
        for (std::string_view id : always)
            EXPECT_EQ(enabled(p, id), common) << id;
        for (std::string_view id : diameterRow)
            EXPECT_EQ(enabled(p, id), diameter) << id;
        for (std::string_view id : areaRow)
            EXPECT_EQ(enabled(p, id), area) << id;
    };
    QTest::mouseClick(p->control<QCheckBox>("kamikaze"), Qt::LeftButton);
    expectRows(true, true, false);
    QTest::mouseClick(p->control<QRadioButton>("parachuteShape=1"), Qt::LeftButton);
    expectRows(true, false, true);
    QTest::mouseClick(p->control<QRadioButton>("parachuteShape=0"), Qt::LeftButton);
    expectRows(true, true, false);
    QTest::mouseClick(p->control<QRadioButton>("parachuteShape=1"), Qt::LeftButton);
    QTest::mouseClick(p->control<QCheckBox>("kamikaze"), Qt::LeftButton);
    expectRows(false, false, false);
    EXPECT_TRUE(enabled(p, "kamikaze"));
    // The extended model's inputs follow the flight model chosen on the settings page.
    for (const char* model : {"flightModel=1", "flightModel=0"}) {
        app->settingsPage()->control<QRadioButton>(model)->click();
        for (std::string_view id :
             {"nozzleDiameter", "nozzleDiameterUnit", "dischargeCoefficient", "expansionExponent"})
            EXPECT_EQ(enabled(p, id), model[12] == '1') << id << ", " << model;
    }
}

TEST_F(SheetTest, SpinArrowsStayInRangeButTypingIsFree) {
    auto* p = app->rocketPage();
    QTest::mouseClick(p->control<QCheckBox>("kamikaze"), Qt::LeftButton);
    auto* spin = p->control<SpinButton>("parachuteCountArrows");
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(editText(p, "parachuteCount"), "10");
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(editText(p, "parachuteCount"), "1");
    auto* count = p->control<QLineEdit>("parachuteCount");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(editText(p, "parachuteCount"), "2");
    count->clear();
    QTest::keyClicks(count, "2a5"); // digits only
    EXPECT_EQ(editText(p, "parachuteCount"), "25");
    ASSERT_TRUE(p->commit());
    EXPECT_EQ(p->inputs().parachuteCount, 25);
}

TEST_F(SheetTest, DescriptionTakesCtrlEnterOnly) {
    auto* p = app->rocketPage();
    sheet->tabs()->setCurrentWidget(p);
    auto* box = p->control<QPlainTextEdit>("rocketDescription");
    box->setFocus();
    QTest::keyClicks(box, "red");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(box, "fins");
    EXPECT_EQ(box->toPlainText(), "red\nfins");
}

TEST_F(SheetTest, EscapeAndEnterInAnEditKeepTheSheetOpen) {
    auto* p = app->rocketPage();
    auto* edit = p->control<QLineEdit>("emptyMass");
    edit->setFocus();
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), 0);
    EXPECT_TRUE(editText(p, "emptyMass").endsWith("5"));
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
    EXPECT_EQ(editText(e, "launchRodDiameter"), "22");
    EXPECT_EQ(unitText(e, "launchRodDiameterUnit"), "mm");
    EXPECT_EQ(editText(e, "launchRodHeight"), "15");
    EXPECT_EQ(unitText(e, "launchRodHeightUnit"), "mm");
    EXPECT_EQ(editText(e, "atmPressure"), "1");
    EXPECT_EQ(unitText(e, "atmPressureUnit"), "atm");
    EXPECT_EQ(editText(e, "atmTemperature"), "70");
    EXPECT_EQ(unitText(e, "atmTemperatureUnit"), "deg F");
    EXPECT_EQ(editText(e, "gravity"), "-9.806");
    EXPECT_EQ(unitText(e, "gravityUnit"), "m/sec^2");
    EXPECT_EQ(editText(e, "updraft"), "0");
    EXPECT_EQ(unitText(e, "updraftUnit"), "MPH");
    EXPECT_TRUE(e->control<QPlainTextEdit>("environmentDescription")->toPlainText().isEmpty());

    auto* l = app->launchPage();
    EXPECT_EQ(editText(l, "waterAmount"), "40");
    EXPECT_EQ(unitText(l, "waterAmountUnit"), "%");
    EXPECT_EQ(editText(l, "initialPressure"), "60");
    EXPECT_EQ(unitText(l, "initialPressureUnit"), "PSI");
    EXPECT_EQ(editText(l, "airTemperature"), "60");
    EXPECT_EQ(unitText(l, "airTemperatureUnit"), "deg F");
    EXPECT_EQ(editText(l, "waterDensity"), "1000");
    EXPECT_EQ(unitText(l, "waterDensityUnit"), "kg/m^3");
    EXPECT_EQ(editText(l, "initialHeight"), "0");
    EXPECT_EQ(unitText(l, "initialHeightUnit"), "m");
    EXPECT_EQ(editText(l, "initialVelocity"), "0");
    EXPECT_EQ(unitText(l, "initialVelocityUnit"), "m/sec");
    QStringList water;
    for (int i = 0; i < l->control<QComboBox>("waterAmountUnit")->count(); ++i)
        water << l->control<QComboBox>("waterAmountUnit")->itemText(i);
    EXPECT_EQ(water, (QStringList{"gal", "L", "m^3", "mL", "qt", "%"}));

    // The session is remembered, so Defaults is the way back; it asks first.
    setText(l, "waterAmount", "33");
    {
        test::AnswerNextBox yes(QMessageBox::Yes);
        QTest::mouseClick(l->control<QPushButton>("defaults"), Qt::LeftButton);
        EXPECT_EQ(yes.text, "Put the defaults in place of the changes to the launch?");
    }
    EXPECT_EQ(editText(l, "waterAmount"), "40");
}

TEST_F(SheetTest, AUnitChangeAloneKeepsTheNumber) {
    SimulationInputs in;
    RunSettings s;
    // 22 with "cm" is 22 cm: the number is not converted when the unit changes.
    app->environmentPage()->control<QComboBox>("launchRodDiameterUnit")->setCurrentIndex(unit::cm);
    ASSERT_TRUE(app->commitInputs(in, s));
    EXPECT_EQ(in.launchRodDiameter, 22);
    EXPECT_EQ(in.launchRodDiameterUnit, unit::cm);
}

TEST_F(SheetTest, SettingsDefaultsAndEnabling) {
    auto* p = app->settingsPage();
    EXPECT_EQ(p->control<QLabel>("precisionLabel")->text(), "1 millisecond");
    EXPECT_EQ(p->control<QSlider>("precision")->value(), 3);
    EXPECT_TRUE(p->control<QRadioButton>("mode=0")->isChecked());
    EXPECT_TRUE(p->control<QRadioButton>("launchDisplay=1")->isChecked());
    EXPECT_EQ(p->control<QComboBox>("plotVariable")->currentText(), "Height");
    EXPECT_EQ(unitText(p, "plotUnit"), "m");
    EXPECT_EQ(p->control<QComboBox>("oneVarDependent")->currentText(), "Time Aloft");
    EXPECT_EQ(unitText(p, "oneVarDependentUnit"), "sec");
    EXPECT_EQ(p->control<QComboBox>("oneVarIndependent")->currentText(), "Empty Mass");
    EXPECT_EQ(unitText(p, "oneVarIndependentUnit"), "g");
    EXPECT_EQ(p->control<QComboBox>("yAxisVariable")->currentText(), "Initial Water Level");
    EXPECT_EQ(unitText(p, "yAxisUnit"), "%");
    EXPECT_EQ(editText(p, "oneVarRangeFrom"), "50");
    EXPECT_EQ(editText(p, "oneVarRangeTo"), "250");
    EXPECT_EQ(editText(p, "yRangeFrom"), "25");
    EXPECT_EQ(editText(p, "yRangeTo"), "75");
    for (std::string_view id : {"launchDisplay=0", "launchDisplay=1", "plotVariable", "plotUnit"})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (std::string_view id :
         {"oneVarDependent", "oneVarRangeFrom", "oneVarRangeTo", "twoVarDependent", "yRangeTo"})
        EXPECT_FALSE(enabled(p, id)) << id;

    QTest::mouseClick(p->control<QRadioButton>("launchDisplay=0"),
                      Qt::LeftButton); // Summary
    for (std::string_view id : {"plotVariable", "plotUnit"})
        EXPECT_FALSE(enabled(p, id)) << id;
    QTest::mouseClick(p->control<QRadioButton>("launchDisplay=1"),
                      Qt::LeftButton); // Graph
    EXPECT_TRUE(enabled(p, "plotVariable"));

    setText(p, "oneVarRangeFrom", "60");
    QTest::mouseClick(p->control<QRadioButton>("mode=1"), Qt::LeftButton);
    for (std::string_view id : {"oneVarDependent", "oneVarRangeFrom", "oneVarRangeTo",
                                "oneVarDependentUnit", "oneVarIndependentUnit"})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (std::string_view id : {"plotVariable", "twoVarDependent", "yRangeTo"})
        EXPECT_FALSE(enabled(p, id)) << id;
    QTest::mouseClick(p->control<QRadioButton>("mode=2"), Qt::LeftButton);
    for (std::string_view id : {"twoVarDependent", "yRangeTo", "yAxisUnit"})
        EXPECT_TRUE(enabled(p, id)) << id;
    EXPECT_FALSE(enabled(p, "oneVarDependent"));
    EXPECT_EQ(editText(p, "oneVarRangeFrom"),
              "60"); // switching modes keeps every value
    EXPECT_EQ(p->runSettings().mode, TwoVariableOptimization);
    {
        test::AnswerNextBox yes(QMessageBox::Yes);
        QTest::mouseClick(p->control<QPushButton>("defaults"), Qt::LeftButton);
        EXPECT_EQ(yes.text, "Put the defaults in place of the changes to the simulation settings?");
    }
    EXPECT_EQ(editText(p, "oneVarRangeFrom"), "50");
    EXPECT_EQ(p->runSettings().mode, LaunchAnalysis);
}

// Ctrl+Tab and Ctrl+Shift+Tab change the page whatever control has the focus (a drop-down
// list would take them for itself); every field of the launch and settings pages has a
// mnemonic of its own among the controls that can take it.
TEST_F(SheetTest, KeysReachEveryPageAndEveryField) {
    for (const char* name :
         {"bottleDiameter", "bottleDiameterUnit", "kamikaze", "rocketDescription"}) {
        SCOPED_TRACE(name);
        QWidget* w = app->rocketPage()->controlWidget(name);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet->tabs()->currentIndex(), 1);
        QWidget* there = QApplication::focusWidget();
        ASSERT_NE(there, nullptr);
        QTest::keyClick(there, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(sheet->tabs()->currentIndex(), 0);
    }
    for (PropertyPage* page : {static_cast<PropertyPage*>(app->launchPage()),
                               static_cast<PropertyPage*>(app->settingsPage())}) {
        sheet->tabs()->setCurrentWidget(page);
        std::map<QChar, QString> taken;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QAbstractButton*>(w);
            const QWidget* target = label ? label->buddy() : w; // what the key reaches
            const QString text = !target  ? QString()
                                 : label  ? label->text()
                                 : button ? button->text()
                                          : QString();
            if (text.isEmpty() || !w->isEnabled() || !target->isEnabled())
                continue;
            const qsizetype at = text.indexOf('&');
            ASSERT_GE(at, 0) << text.toStdString() << ": no mnemonic";
            const QChar key = text[at + 1].toLower();
            EXPECT_FALSE(taken.count(key))
                << text.toStdString() << " and " << taken[key].toStdString();
            taken[key] = text;
        }
        EXPECT_GE(taken.size(), 7u);
    }
}

TEST_F(SheetTest, PrecisionLabelFollowsTheSlider) {
    auto* p = app->settingsPage();
    const char* labels[] = {"1/10th second",      "1/100th second",      "1 millisecond",
                            "1/10th millisecond", "1/100th millisecond", "1 microsecond",
                            "1/10th microsecond", "1/100th microsecond"};
    auto* slider = p->control<QSlider>("precision");
    for (int position = 1; position <= 8; ++position) {
        slider->setSliderPosition(position); // as a drag moves it
        EXPECT_EQ(p->control<QLabel>("precisionLabel")->text(), labels[position - 1]);
    }
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 8);
}

TEST_F(SheetTest, NewVariableResetsItsUnitAndKeepsTheRange) {
    auto* p = app->settingsPage();
    QTest::mouseClick(p->control<QRadioButton>("mode=1"), Qt::LeftButton);
    auto* variable = p->control<QComboBox>("oneVarIndependent");
    auto* units = p->control<QComboBox>("oneVarIndependentUnit");
    units->setCurrentIndex(2); // lbs
    setText(p, "oneVarRangeFrom", "7");
    // Pick "Initial Air Pressure" as a user would, through the list.
    variable->setCurrentIndex(8);
    emit variable->activated(8);
    EXPECT_EQ(units->currentText(), "PSI");
    EXPECT_EQ(units->count(), 6);
    EXPECT_EQ(editText(p, "oneVarRangeFrom"), "7");
    variable->setCurrentIndex(1);
    emit variable->activated(1);
    EXPECT_EQ(units->currentText(), "atm");
    ASSERT_TRUE(p->commit());
    const RunSettings s = p->runSettings();
    EXPECT_EQ(s.oneVarIndependent, var::AtmPressure);
    EXPECT_EQ(s.oneVarIndependentUnit, 0);
    EXPECT_EQ(s.oneVarRangeFrom, 7);
}

TEST_F(SheetTest, TextThatIsNotANumberIsRefused) {
    auto* p = app->environmentPage();
    const char* bad[] = {"", "abc", "1,5", "nan", "inf", "1e999", "--3", "0x10"};
    for (const char* text : bad) {
        setText(p, "gravity", "-9.806");
        sheet->tabs()->setCurrentIndex(4);
        setText(p, "gravity", text);
        MessageBoxWatcher watcher;
        SimulationInputs in;
        RunSettings s;
        EXPECT_FALSE(app->commitInputs(in, s)) << text;
        EXPECT_EQ(watcher.seen, 1) << text;
        EXPECT_EQ(watcher.text, "Gravity Constant: Please enter a number.") << text;
        EXPECT_EQ(sheet->tabs()->currentWidget(), p) << text; // the page is shown
        // The edit holds the focus within the sheet (the window is active again once the
        // message box has gone).
        EXPECT_EQ(sheet->focusWidget(), p->controlWidget("gravity")) << text;
    }
    setText(p, "gravity", "  -9.81 ");
    SimulationInputs in;
    RunSettings s;
    EXPECT_TRUE(app->commitInputs(in, s));
    EXPECT_EQ(in.gravity, -9.81);

    auto* rocket = app->rocketPage();
    setText(rocket, "parachuteCount", "");
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app->commitInputs(in, s));
    EXPECT_EQ(watcher.text, "Number of Parachutes: Please enter an integer.");
}

TEST_F(SheetTest, APageWithTextThatIsNotANumberCannotBeLeft) {
    auto* p = app->settingsPage();
    sheet->tabs()->setCurrentWidget(p);
    QTest::mouseClick(p->control<QRadioButton>("mode=1"), Qt::LeftButton);
    setText(p, "oneVarRangeFrom", "6o"); // the range's first end
    QTabBar* bar = sheet->tabs()->tabBar();
    {
        MessageBoxWatcher watcher;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
        EXPECT_EQ(watcher.seen, 1);
        EXPECT_TRUE(watcher.text.endsWith(": Please enter a number."))
            << watcher.text.toStdString();
    }
    EXPECT_EQ(sheet->tabs()->currentWidget(), p);
    EXPECT_EQ(sheet->focusWidget(), p->controlWidget("oneVarRangeFrom"));

    setText(p, "oneVarRangeFrom", "60");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
    EXPECT_EQ(sheet->tabs()->currentIndex(), 4);
    EXPECT_EQ(p->runSettings().oneVarRangeFrom, 60); // taken when the page was left
}

TEST_F(SheetTest, CloseButtonAndCloseBoxOfferToCloseWithoutSavingTextThatIsNotANumber) {
    auto* p = app->rocketPage();
    for (const bool button : {true, false}) {
        sheet->show();
        sheet->tabs()->setCurrentIndex(3);
        setText(p, "bottleVolume", "two");
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
        setText(p, "bottleVolume", "2");
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
    // What a screen reader names a control by: its own accessible name, or what the
    // accessibility layer derives (a button's text, a buddy caption).
    auto accessibleName = [](QWidget* w) {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    auto isInput = [](QWidget* w) {
        return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
               qobject_cast<QPushButton*>(w) || qobject_cast<SpinButton*>(w) ||
               qobject_cast<QSlider*>(w) || qobject_cast<QProgressBar*>(w) ||
               qobject_cast<QPlainTextEdit*>(w);
    };
    int checked = 0;
    for (int i = 0; i < sheet->tabs()->count(); ++i) {
        auto* page = qobject_cast<PropertyPage*>(sheet->tabs()->widget(i));
        ASSERT_NE(page, nullptr);
        page->initialise();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!isInput(w) || qobject_cast<QPlainTextEdit*>(w->parentWidget()))
                continue;
            const std::string where = page->caption().toStdString() + ", control " +
                                      w->objectName().toStdString() + " " +
                                      w->metaObject()->className();
            EXPECT_FALSE(w->toolTip().isEmpty()) << where << ": no tooltip";
            EXPECT_FALSE(accessibleName(w).isEmpty()) << where << ": no accessible name";
            ++checked;
        }
    }
    EXPECT_GT(checked, 70);
    EXPECT_FALSE(sheet->closeButton()->toolTip().isEmpty());

    // A caption names its edit and is its buddy; the unit beside it says whose unit it is.
    auto* rocket = app->rocketPage();
    QWidget* diameter = rocket->controlWidget("bottleDiameter");
    EXPECT_EQ(accessibleName(diameter), "Diameter");
    EXPECT_EQ(accessibleName(rocket->controlWidget("bottleDiameterUnit")), "Diameter unit");
    EXPECT_EQ(accessibleName(rocket->controlWidget("bottleVolume")), "Bottle Volume");
    const auto labels = rocket->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [&](QLabel* l) { return l->buddy() == diameter; }));
    // The one fact newcomers get wrong: the launch pressure is absolute.
    EXPECT_TRUE(app->launchPage()
                    ->controlWidget("initialPressure")
                    ->toolTip()
                    .contains("74.7 PSI absolute"));
}

} // namespace
} // namespace hydrolofter

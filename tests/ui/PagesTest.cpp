// The sheet and the four input and settings pages, driven as a user would.
#include "UiTestSupport.h"

#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"
#include "toolkit/Controls.h"

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
    EXPECT_EQ(editText(p, 1003), "110");
    EXPECT_EQ(unitText(p, 1005), "mm");
    EXPECT_EQ(editText(p, 1006), "2");
    EXPECT_EQ(unitText(p, 1007), "L");
    EXPECT_EQ(editText(p, 1008), "0.3");
    EXPECT_EQ(editText(p, 1011), "150");
    EXPECT_EQ(unitText(p, 1012), "g");
    EXPECT_EQ(editText(p, 1077), "1");
    EXPECT_FALSE(enabled(p, 1077));
    EXPECT_TRUE(p->control<QCheckBox>(1083)->isChecked());
    EXPECT_EQ(editText(p, 1084), "1");
    EXPECT_TRUE(p->control<QRadioButton>(1086)->isChecked());
    EXPECT_EQ(editText(p, 1088), "100");
    EXPECT_EQ(unitText(p, 1089), "cm");
    EXPECT_EQ(editText(p, 1090), "1");
    EXPECT_EQ(unitText(p, 1091), "m^2");
    EXPECT_EQ(editText(p, 1095), "1");
    EXPECT_EQ(editText(p, 1096), "1");
    for (int id : {1084, 1094, 1085, 1086, 1087, 1095, 1097, 1098, 1096, 1099, 1100, 1088, 1092,
                   1089, 1090, 1093, 1091})
        EXPECT_FALSE(enabled(p, id)) << id;
    EXPECT_TRUE(enabled(p, 1083));
    for (int id : {1009, 1004, 1010})
        EXPECT_FALSE(enabled(p, id)) << id;
    EXPECT_EQ(p->control<QPushButton>(1010)->text(), "De&faults");
}

TEST_F(SheetTest, RocketParachuteEnablingSequence) {
    auto* p = app->rocketPage();
    const int always[] = {1084, 1094, 1085, 1086, 1087, 1095, 1097, 1098, 1096, 1099, 1100};
    const int diameterRow[] = {1088, 1092, 1089};
    const int areaRow[] = {1090, 1093, 1091};
    auto expectRows = [&](bool common, bool diameter, bool area) {
        for (int id : always)
            EXPECT_EQ(enabled(p, id), common) << id;
        for (int id : diameterRow)
            EXPECT_EQ(enabled(p, id), diameter) << id;
        for (int id : areaRow)
            EXPECT_EQ(enabled(p, id), area) << id;
    };
    QTest::mouseClick(p->control<QCheckBox>(1083), Qt::LeftButton);
    expectRows(true, true, false);
    QTest::mouseClick(p->control<QRadioButton>(1087), Qt::LeftButton);
    expectRows(true, false, true);
    QTest::mouseClick(p->control<QRadioButton>(1086), Qt::LeftButton);
    expectRows(true, true, false);
    QTest::mouseClick(p->control<QRadioButton>(1087), Qt::LeftButton);
    QTest::mouseClick(p->control<QCheckBox>(1083), Qt::LeftButton);
    expectRows(false, false, false);
    EXPECT_TRUE(enabled(p, 1083));
}

TEST_F(SheetTest, SpinArrowsStayInRangeButTypingIsFree) {
    auto* p = app->rocketPage();
    QTest::mouseClick(p->control<QCheckBox>(1083), Qt::LeftButton);
    auto* spin = p->control<SpinButton>(1085);
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(editText(p, 1084), "10");
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(editText(p, 1084), "1");
    auto* count = p->control<QLineEdit>(1084);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(editText(p, 1084), "2");
    count->clear();
    QTest::keyClicks(count, "2a5"); // digits only
    EXPECT_EQ(editText(p, 1084), "25");
    ASSERT_TRUE(p->updateData(true));
    EXPECT_EQ(p->inputs().parachuteCount, 25);
}

TEST_F(SheetTest, DescriptionTakesCtrlEnterOnly) {
    auto* p = app->rocketPage();
    sheet->tabs()->setCurrentWidget(p);
    auto* box = p->control<QPlainTextEdit>(1031);
    box->setFocus();
    QTest::keyClicks(box, "red");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(box, "fins");
    EXPECT_EQ(box->toPlainText(), "red\nfins");
}

TEST_F(SheetTest, EscapeAndEnterInAnEditKeepTheSheetOpen) {
    auto* p = app->rocketPage();
    auto* edit = p->control<QLineEdit>(1011);
    edit->setFocus();
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), 0);
    EXPECT_TRUE(editText(p, 1011).endsWith("5"));
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
    EXPECT_EQ(editText(e, 1003), "22");
    EXPECT_EQ(unitText(e, 1014), "mm");
    EXPECT_EQ(editText(e, 1013), "15");
    EXPECT_EQ(unitText(e, 1015), "mm");
    EXPECT_EQ(editText(e, 1017), "1");
    EXPECT_EQ(unitText(e, 1019), "atm");
    EXPECT_EQ(editText(e, 1016), "70");
    EXPECT_EQ(unitText(e, 1018), "deg F");
    EXPECT_EQ(editText(e, 1101), "-9.806");
    EXPECT_EQ(unitText(e, 1102), "m/sec^2");
    EXPECT_EQ(editText(e, 1110), "0");
    EXPECT_EQ(unitText(e, 1111), "MPH");
    EXPECT_TRUE(e->control<QPlainTextEdit>(1078)->toPlainText().isEmpty());

    auto* l = app->launchPage();
    EXPECT_EQ(editText(l, 1003), "40");
    EXPECT_EQ(unitText(l, 1026), "%");
    EXPECT_EQ(editText(l, 1022), "60");
    EXPECT_EQ(unitText(l, 1027), "PSI");
    EXPECT_EQ(editText(l, 1069), "60");
    EXPECT_EQ(unitText(l, 1070), "deg F");
    EXPECT_EQ(editText(l, 1103), "1000");
    EXPECT_EQ(unitText(l, 1104), "kg/m^3");
    EXPECT_EQ(editText(l, 1023), "0");
    EXPECT_EQ(unitText(l, 1028), "m");
    EXPECT_EQ(editText(l, 1024), "0");
    EXPECT_EQ(unitText(l, 1029), "m/sec");
    QStringList water;
    for (int i = 0; i < l->control<QComboBox>(1026)->count(); ++i)
        water << l->control<QComboBox>(1026)->itemText(i);
    EXPECT_EQ(water, (QStringList{"gal", "L", "m^3", "mL", "qt", "%"}));
}

TEST_F(SheetTest, AUnitChangeAloneKeepsTheNumber) {
    SimulationInputs in;
    RunSettings s;
    // 22 with "cm" is 22 cm: the number is not converted when the unit changes.
    app->environmentPage()->control<QComboBox>(1014)->setCurrentIndex(unit::cm);
    ASSERT_TRUE(app->commitInputs(in, s));
    EXPECT_EQ(in.launchRodDiameter, 22);
    EXPECT_EQ(in.launchRodDiameterUnit, unit::cm);
}

TEST_F(SheetTest, SettingsDefaultsAndEnabling) {
    auto* p = app->settingsPage();
    EXPECT_EQ(p->control<QLabel>(1033)->text(), "1 millisecond");
    EXPECT_EQ(p->control<QSlider>(1032)->value(), 3);
    EXPECT_TRUE(p->control<QRadioButton>(1034)->isChecked());
    EXPECT_TRUE(p->control<QRadioButton>(1039)->isChecked());
    EXPECT_EQ(p->control<QComboBox>(1041)->currentText(), "Height");
    EXPECT_EQ(unitText(p, 1071), "m");
    EXPECT_EQ(p->control<QComboBox>(1052)->currentText(), "Time Aloft");
    EXPECT_EQ(unitText(p, 1072), "sec");
    EXPECT_EQ(p->control<QComboBox>(1050)->currentText(), "Empty Mass");
    EXPECT_EQ(unitText(p, 1073), "g");
    EXPECT_EQ(p->control<QComboBox>(1057)->currentText(), "Initial Water Level");
    EXPECT_EQ(unitText(p, 1076), "%");
    EXPECT_EQ(editText(p, 1003), "50");
    EXPECT_EQ(editText(p, 1060), "250");
    EXPECT_EQ(editText(p, 1065), "25");
    EXPECT_EQ(editText(p, 1066), "75");
    for (int id : {1037, 1038, 1039, 1040, 1041, 1071})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (int id : {1044, 1052, 1003, 1060, 1045, 1058, 1066})
        EXPECT_FALSE(enabled(p, id)) << id;

    QTest::mouseClick(p->control<QRadioButton>(1038), Qt::LeftButton); // Summary
    for (int id : {1040, 1041, 1071})
        EXPECT_FALSE(enabled(p, id)) << id;
    QTest::mouseClick(p->control<QRadioButton>(1039), Qt::LeftButton); // Graph
    EXPECT_TRUE(enabled(p, 1041));

    setText(p, 1003, "60");
    QTest::mouseClick(p->control<QRadioButton>(1035), Qt::LeftButton);
    for (int id : {1044, 1052, 1003, 1060, 1072, 1073})
        EXPECT_TRUE(enabled(p, id)) << id;
    for (int id : {1037, 1041, 1058, 1066})
        EXPECT_FALSE(enabled(p, id)) << id;
    QTest::mouseClick(p->control<QRadioButton>(1036), Qt::LeftButton);
    for (int id : {1045, 1058, 1066, 1076})
        EXPECT_TRUE(enabled(p, id)) << id;
    EXPECT_FALSE(enabled(p, 1052));
    EXPECT_EQ(editText(p, 1003), "60"); // switching modes keeps every value
    EXPECT_EQ(p->runSettings().mode, TwoVariableOptimization);
}

TEST_F(SheetTest, PrecisionLabelFollowsTheSlider) {
    auto* p = app->settingsPage();
    const char* labels[] = {"1/10th second",      "1/100th second",      "1 millisecond",
                            "1/10th millisecond", "1/100th millisecond", "1 microsecond",
                            "1/10th microsecond", "1/100th microsecond"};
    auto* slider = p->control<QSlider>(1032);
    for (int position = 1; position <= 8; ++position) {
        slider->setSliderPosition(position); // as a drag moves it
        EXPECT_EQ(p->control<QLabel>(1033)->text(), labels[position - 1]);
    }
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 8);
}

TEST_F(SheetTest, NewVariableResetsItsUnitAndKeepsTheRange) {
    auto* p = app->settingsPage();
    QTest::mouseClick(p->control<QRadioButton>(1035), Qt::LeftButton);
    auto* variable = p->control<QComboBox>(1050);
    auto* units = p->control<QComboBox>(1073);
    units->setCurrentIndex(2); // lbs
    setText(p, 1003, "7");
    // Pick "Initial Air Pressure" as a user would, through the list.
    variable->setCurrentIndex(8);
    emit variable->activated(8);
    EXPECT_EQ(units->currentText(), "PSI");
    EXPECT_EQ(units->count(), 6);
    EXPECT_EQ(editText(p, 1003), "7");
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
        setText(p, 1101, "-9.806");
        sheet->tabs()->setCurrentIndex(4);
        setText(p, 1101, text);
        MessageBoxWatcher watcher;
        SimulationInputs in;
        RunSettings s;
        EXPECT_FALSE(app->commitInputs(in, s)) << text;
        EXPECT_EQ(watcher.seen, 1) << text;
        EXPECT_EQ(watcher.text, "Please enter a number.") << text;
        EXPECT_EQ(sheet->tabs()->currentWidget(), p) << text; // the page is shown
        // The edit holds the focus within the sheet (the window is active again once the
        // message box has gone).
        EXPECT_EQ(sheet->focusWidget(), p->controlWidget(1101)) << text;
    }
    setText(p, 1101, "  -9.81 ");
    SimulationInputs in;
    RunSettings s;
    EXPECT_TRUE(app->commitInputs(in, s));
    EXPECT_EQ(in.gravity, -9.81);

    auto* rocket = app->rocketPage();
    setText(rocket, 1084, "");
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app->commitInputs(in, s));
    EXPECT_EQ(watcher.text, "Please enter an integer.");
}

TEST_F(SheetTest, APageWithTextThatIsNotANumberCannotBeLeft) {
    auto* p = app->settingsPage();
    sheet->tabs()->setCurrentWidget(p);
    QTest::mouseClick(p->control<QRadioButton>(1035), Qt::LeftButton);
    setText(p, 1003, "6o"); // the range's first end
    QTabBar* bar = sheet->tabs()->tabBar();
    {
        MessageBoxWatcher watcher;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
        EXPECT_EQ(watcher.seen, 1);
        EXPECT_EQ(watcher.text, "Please enter a number.");
    }
    EXPECT_EQ(sheet->tabs()->currentWidget(), p);
    EXPECT_EQ(sheet->focusWidget(), p->controlWidget(1003));

    setText(p, 1003, "60");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
    EXPECT_EQ(sheet->tabs()->currentIndex(), 4);
    EXPECT_EQ(p->runSettings().oneVarRangeFrom, 60); // taken when the page was left
}

TEST_F(SheetTest, CloseAcceptsTheActivePageFirst) {
    auto* p = app->rocketPage();
    setText(p, 1006, "two");
    {
        MessageBoxWatcher watcher;
        QTest::mouseClick(sheet->closeButton(), Qt::LeftButton);
        EXPECT_EQ(watcher.seen, 1);
    }
    EXPECT_TRUE(sheet->isVisible()); // refused: the sheet stays open
    setText(p, 1006, "2");
    QTest::mouseClick(sheet->closeButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
}

TEST_F(SheetTest, CloseBoxEndsTheProgram) {
    sheet->close();
    EXPECT_FALSE(sheet->isVisible());
}

} // namespace
} // namespace hydrolofter

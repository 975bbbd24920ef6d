// Designs in the window: save, load into a fresh window, refusals, defaults, unsaved changes.
#include "UiTestSupport.h"

#include "app/SessionFile.h"
#include "designs/Flight.h"
#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"
#include "runs/FieldTable.h"
#include "simulate/CSimulatePage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/stat.h>

namespace hydrolofter {
namespace {

using test::MessageBoxWatcher;
using Answer = test::AnswerNextBox;
using test::SheetTest;
using R = CRocketSpecsPage;
using E = CEnvironmentSpecsPage;

class DesignsTest : public SheetTest {
protected:
    /// A rocket unlike the default in every kind of control.
    void describeRocket() {
        auto* r = app->rocketPage();
        setText(r, "bottleVolume", "1500");
        r->control<QComboBox>("bottleVolumeUnit")->setCurrentIndex(unit::mL);
        setText(r, "emptyMass", "0.2");
        r->control<QComboBox>("emptyMassUnit")->setCurrentIndex(unit::kg);
        QTest::mouseClick(r->control<QCheckBox>("kamikaze"), Qt::LeftButton);
        QTest::mouseClick(r->control<QRadioButton>("parachuteShape=1"), Qt::LeftButton);
        setText(r, "parachuteSurfaceArea", "0.75");
        r->control<QPlainTextEdit>("rocketDescription")->setPlainText("Monday's rocket");
    }
    QString path(const char* name) { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};

TEST_F(DesignsTest, ASavedRocketAndSiteLoadIntoAFreshWindowIdentically) {
    describeRocket();
    setText(app->environmentPage(), "gravity", "-9.81");
    ASSERT_TRUE(app->rocketPage()->saveDesign(path("m.rocket.json")));
    ASSERT_TRUE(app->environmentPage()->saveDesign(path("f.site.json")));
    SimulationInputs saved;
    RunSettings settings;
    ASSERT_TRUE(app->commitInputs(saved, settings));
    EXPECT_EQ(sheet->windowTitle(), "m.rocket.json - Hydrolofter");

    CMainApp fresh;
    fresh.createSheet();
    ASSERT_TRUE(fresh.rocketPage()->loadDesign(path("m.rocket.json")));
    ASSERT_TRUE(fresh.environmentPage()->loadDesign(path("f.site.json")));
    SimulationInputs loaded;
    ASSERT_TRUE(fresh.commitInputs(loaded, settings));
    for (const Field& f : fields()) {
        if (const auto* m = std::get_if<InputNumber>(&f.member)) {
            EXPECT_EQ(loaded.**m, saved.**m) << f.name;
        } else if (const auto* n = std::get_if<InputInt>(&f.member)) {
            EXPECT_EQ(loaded.**n, saved.**n) << f.name;
        } else if (const auto* t = std::get_if<InputText>(&f.member)) {
            EXPECT_EQ(loaded.**t, saved.**t) << f.name;
        }
    }
    // The enabling rules follow the loaded kamikaze and shape.
    EXPECT_TRUE(fresh.rocketPage()->controlWidget("parachuteSurfaceArea")->isEnabled());
    EXPECT_FALSE(fresh.rocketPage()->controlWidget("parachuteDiameter")->isEnabled());
    EXPECT_FALSE(fresh.rocketPage()->isModified());
    EXPECT_EQ(fresh.sheet()->windowTitle(), "m.rocket.json - Hydrolofter");
}

TEST_F(DesignsTest, TheBatchToolFliesASavedDesignAsTheWindowDoes) {
    describeRocket();
    setText(app->environmentPage(), "updraft", "2");
    ASSERT_TRUE(app->rocketPage()->saveDesign(path("m.rocket.json")));
    ASSERT_TRUE(app->environmentPage()->saveDesign(path("f.site.json")));
    auto* settings = app->settingsPage();
    QTest::mouseClick(settings->control<QRadioButton>("launchDisplay=0"), Qt::LeftButton);
    auto* page = app->simulatePage();
    sheet->tabs()->setCurrentWidget(page);
    QTest::mouseClick(page->control<QPushButton>("simulate"), Qt::LeftButton);
    test::waitForRun(page);
    const QString window = page->control<QPlainTextEdit>("summary")->toPlainText();
    ASSERT_TRUE(window.contains("Max. Height: "));

    QProcess batch;
    batch.start(HYDROLOFTER_BATCH, {"--rocket", path("m.rocket.json"), "--site",
                                    path("f.site.json"), "--summary", "--max-time", "600"});
    ASSERT_TRUE(batch.waitForFinished(60000));
    EXPECT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(batch.readAllStandardOutput()), window);
}

TEST_F(DesignsTest, AFileGivenToTheProgramGoesToThePageOfItsKind) {
    setText(app->environmentPage(), "updraft", "7");
    ASSERT_TRUE(app->environmentPage()->saveDesign(path("field.json"))); // no telling suffix
    setText(app->rocketPage(), "emptyMass", "222");
    ASSERT_TRUE(app->rocketPage()->saveDesign(path("r.json")));

    CMainApp fresh;
    fresh.createSheet();
    EXPECT_TRUE(fresh.openDesign(path("field.json")));
    EXPECT_TRUE(fresh.openDesign(path("r.json")));
    EXPECT_EQ(editText(fresh.environmentPage(), "updraft"), "7");
    EXPECT_EQ(editText(fresh.rocketPage(), "emptyMass"), "222");
}

TEST_F(DesignsTest, ARefusedLoadLeavesThePageUntouched) {
    describeRocket();
    auto* r = app->rocketPage();
    ASSERT_TRUE(r->commit());
    const SimulationInputs before = r->inputs();
    const QString bottle = editText(r, "bottleVolume");
    QFile bad(path("bad.rocket.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(
        R"({"format": "hydrolofter-rocket", "version": 1, "emptyMass": {"value": 1, "unit": "stone"}})");
    bad.close();
    MessageBoxWatcher watcher;
    EXPECT_FALSE(r->loadDesign(bad.fileName()));
    EXPECT_EQ(watcher.text, "bad.rocket.json: emptyMass: the unit \"stone\" is not one of g, kg, "
                            "lbs, oz.");
    ASSERT_TRUE(r->commit());
    EXPECT_EQ(r->inputs().emptyMass, before.emptyMass);
    EXPECT_EQ(r->inputs().emptyMassUnit, before.emptyMassUnit);
    EXPECT_EQ(r->inputs().bottleVolumeUnit, before.bottleVolumeUnit);
    EXPECT_EQ(editText(r, "bottleVolume"), bottle);
    EXPECT_EQ(r->inputs().parachuteShape, 1);
}

TEST_F(DesignsTest, ChangesMarkTheTabAndDefaultsAskFirst) {
    auto* r = app->rocketPage();
    EXPECT_EQ(sheet->tabs()->tabText(0), "Rocket Specifications");
    setText(r, "emptyMass", "200");
    EXPECT_TRUE(r->isModified());
    EXPECT_EQ(sheet->tabs()->tabText(0), "Rocket Specifications *");
    {
        Answer cancel(QMessageBox::Cancel);
        r->resetToDefaults();
        EXPECT_EQ(cancel.text, "Put the defaults in place of the changes to the rocket?");
    }
    EXPECT_EQ(editText(r, "emptyMass"), "200");
    {
        Answer yes(QMessageBox::Yes);
        r->resetToDefaults();
    }
    EXPECT_EQ(editText(r, "emptyMass"), "150");
    EXPECT_FALSE(r->isModified());
    EXPECT_EQ(sheet->tabs()->tabText(0), "Rocket Specifications");
}

TEST_F(DesignsTest, ClosingWithUnsavedChangesAsksSaveDiscardOrCancel) {
    auto* r = app->rocketPage();
    ASSERT_TRUE(r->saveDesign(path("m.rocket.json")));
    setText(r, "emptyMass", "175");
    {
        Answer cancel(QMessageBox::Cancel);
        sheet->close();
        EXPECT_EQ(cancel.text, "Save changes to the rocket in m.rocket.json?");
    }
    EXPECT_TRUE(sheet->isVisible()); // Cancel keeps the window
    {
        Answer save(QMessageBox::Save);
        sheet->close();
    }
    EXPECT_FALSE(sheet->isVisible());
    QFile saved(path("m.rocket.json"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"value\": 175.0"));

    sheet->show();
    setText(app->environmentPage(), "updraft", "3");
    {
        Answer discard(QMessageBox::Discard);
        sheet->close();
        EXPECT_EQ(discard.text, "Save changes to the launch site?");
    }
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(DesignsTest, LoadAsksFirstAndOpeningRefusesPipesButNotOddNames) {
    auto* r = app->rocketPage();
    ASSERT_TRUE(r->saveDesign(path("m.rocket.json")));
    setText(r, "emptyMass", "200");
    {
        Answer cancel(QMessageBox::Cancel);
        QTest::mouseClick(r->control<QPushButton>("load"), Qt::LeftButton);
        EXPECT_EQ(cancel.text, "Load a file in place of the changes to the rocket?");
    }
    EXPECT_EQ(editText(r, "emptyMass"), "200");

    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    const std::string odd = folder + "/caf\xe9.rocket.json"; // Latin-1, not UTF-8
    ASSERT_EQ(std::rename((folder + "/m.rocket.json").c_str(), odd.c_str()), 0);
    ASSERT_TRUE(app->saveFlight(path("w.flight.json")));
    setText(app->environmentPage(), "updraft", "3");
    // Open Recent and Open Flight ask too, naming the file and what would be lost.
    for (const auto& [file, text] :
         {std::pair{odd, "Open caf\\xe9.rocket.json in place of the changes to the rocket?"},
          std::pair{folder + "/w.flight.json", "Open w.flight.json in place of the changes to "
                                               "the rocket and the launch site?"}}) {
        Answer cancel(QMessageBox::Cancel);
        EXPECT_FALSE(file.ends_with(".flight.json") ? app->openFlight(file)
                                                    : app->openDesign(file));
        EXPECT_EQ(cancel.text, QString::fromUtf8(text));
        EXPECT_EQ(editText(r, "emptyMass"), "200");
    }
    {
        Answer yes(QMessageBox::Yes);
        EXPECT_TRUE(app->openDesign(odd));
    }
    EXPECT_EQ(editText(r, "emptyMass"), "150");

    ASSERT_EQ(mkfifo((folder + "/pipe.rocket.json").c_str(), 0600), 0);
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app->openDesign(folder + "/pipe.rocket.json")); // returns, never waits
    EXPECT_EQ(watcher.text, "pipe.rocket.json: is not a regular file.");
    for (const std::string& made : {odd, folder + "/pipe.rocket.json"})
        std::remove(made.c_str()); // QDir cannot remove a name that is not UTF-8

    // Saved under a bare name with the rocket filter chosen, the file gets its suffix.
    QTimer::singleShot(100, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path("bottle"));
            QMetaObject::invokeMethod(d, "accept");
        }
    });
    EXPECT_EQ(InputPage::askSavePath(sheet, DesignKind::Rocket, {}), path("bottle.rocket.json"));
}

// A flight saved by the window is the batch tool's file for the same inputs, and opens
// into every page of a fresh window.
TEST_F(DesignsTest, AFlightIsTheBatchToolsFileAndOpensIntoEveryPage) {
    describeRocket();
    setText(app->launchPage(), "initialPressure", "75");
    QTest::mouseClick(app->settingsPage()->control<QRadioButton>("mode=1"), Qt::LeftButton);
    ASSERT_TRUE(app->saveFlight(path("w.flight.json")));
    EXPECT_EQ(sheet->windowTitle(), "w.flight.json - Hydrolofter");
    QProcess batch;
    batch.start(HYDROLOFTER_BATCH,
                {"bottleVolume=1500", "bottleVolumeUnit=mL", "emptyMass=0.2", "emptyMassUnit=kg",
                 "kamikaze=0", "parachuteShape=1", "parachuteSurfaceArea=0.75",
                 "rocketDescription=Monday's rocket", "initialPressure=75", "mode=1",
                 "--save-flight", path("b.flight.json"), "--summary", "precision=1"});
    ASSERT_TRUE(batch.waitForFinished(60000));
    // The batch run's precision differs; everything else is the same text.
    QFile b(path("b.flight.json"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    QFile w(path("w.flight.json"));
    ASSERT_TRUE(w.open(QIODevice::ReadOnly));
    EXPECT_EQ(w.readAll().replace("\"precision\": 3", "\"precision\": 1"), b.readAll());

    CMainApp fresh;
    fresh.createSheet();
    ASSERT_TRUE(fresh.openFlight(QFile::encodeName(path("w.flight.json")).toStdString()));
    SimulationInputs before, after;
    RunSettings settingsBefore, settingsAfter;
    ASSERT_TRUE(app->commitInputs(before, settingsBefore));
    ASSERT_TRUE(fresh.commitInputs(after, settingsAfter));
    EXPECT_EQ(flightText(after, settingsAfter, ""), flightText(before, settingsBefore, ""));
    EXPECT_EQ(settingsAfter.mode, OneVariableOptimization);
    EXPECT_TRUE(fresh.rocketPage()->controlWidget("parachuteSurfaceArea")->isEnabled());
}

} // namespace
} // namespace hydrolofter

namespace hydrolofter {
namespace {

// What the window held when it closed is what the next start shows; Defaults still puts
// the program's own values back.
TEST_F(DesignsTest, TheNextStartShowsWhatTheLastOneLeft) {
    struct Forget {
        ~Forget() { QSettings("Hydrolofter", "Hydrolofter").clear(); }
    } forget; // the tests after this one start from the defaults
    describeRocket();
    setText(app->launchPage(), "waterAmount", "33");
    QTest::mouseClick(app->settingsPage()->control<QRadioButton>("mode=2"), Qt::LeftButton);
    ASSERT_TRUE(app->saveFlight(path("s.flight.json")));
    ASSERT_TRUE(app->rocketPage()->saveDesign(path("m.rocket.json")));
    setText(app->rocketPage(), "dragCoefficient", "abc"); // unreadable: the last value stays
    app->saveSession();
    SimulationInputs left;
    RunSettings leftSettings;
    setText(app->rocketPage(), "dragCoefficient", "0.3");
    ASSERT_TRUE(app->commitInputs(left, leftSettings));

    CMainApp next;
    next.createSheet();
    SimulationInputs shown;
    RunSettings shownSettings;
    ASSERT_TRUE(next.commitInputs(shown, shownSettings));
    EXPECT_EQ(flightText(shown, shownSettings, ""), flightText(left, leftSettings, ""));
    EXPECT_EQ(shown.waterAmount, 33);
    EXPECT_EQ(shownSettings.mode, TwoVariableOptimization);
    // The files used last, newest first, in the settings page's Open Recent menu.
    const QStringList recent = {path("m.rocket.json"), path("s.flight.json")};
    EXPECT_EQ(next.recentFiles(), recent);
    const auto actions = next.settingsPage()->control<QPushButton>("openRecent")->menu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_TRUE(actions[0]->text().startsWith("m.rocket.json"));
    Answer yes(QMessageBox::Yes);
    next.rocketPage()->resetToDefaults();
    EXPECT_EQ(next.rocketPage()->control<QLineEdit>("bottleVolume")->text(), "2");
}

} // namespace
} // namespace hydrolofter

namespace hydrolofter {
namespace {

// A session the program cannot read never holds up the start and is never overwritten: it is
// kept aside and the user told once. A saved place off every screen is not used.
TEST_F(DesignsTest, AnUnreadableSessionIsKeptAsideAndAStartNeverWaits) {
    const QString file = sessionFilePath(), aside = file + ".unreadable";
    const auto forget = qScopeGuard([&] {
        QFile::remove(aside);
        QSettings("Hydrolofter", "Hydrolofter").clear();
    });
    QDir().mkpath(QFileInfo(file).path());
    std::string text = flightText({}, {}, "");
    text.replace(text.find("\"version\": 1"), 12, "\"version\": 99");
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "a newer version's");
        QFile::remove(file);
        if (fifo)
            ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else
            QSettings("Hydrolofter", "Hydrolofter")
                .setValue("session/flight", QString::fromStdString(text));
        QFile::remove(aside);
        CMainApp next;
        next.createSheet(); // returns at once: nothing waits on a FIFO
        EXPECT_TRUE(next.sessionNotice().contains(
            fifo ? "could not be read: it is not a regular file. It is kept as "
                   "Hydrolofter.conf.unreadable"
                 : "could not be read: the last session: version: the file was written by a "
                   "newer Hydrolofter (version 99)"))
            << next.sessionNotice().toStdString();
        EXPECT_TRUE(QFileInfo(aside).exists() || QFileInfo(aside).isSymLink());
        EXPECT_FALSE(QFileInfo::exists(file));
        next.saveSession(); // a new session; the old one stays aside untouched
        if (!fifo) {        // reading the FIFO would wait
            QSettings kept(aside, QSettings::IniFormat);
            EXPECT_EQ(kept.value("session/flight").toString().toStdString(), text);
        }
    }
    QFile::remove(file);

    CMainApp first;
    first.createSheet();
    QWidget huge;
    huge.setGeometry(5000, 5000, 900, 32767);
    QSettings("Hydrolofter", "Hydrolofter").setValue("session/geometry", huge.saveGeometry());
    CMainApp next;
    next.createSheet();
    EXPECT_TRUE(next.sessionNotice().isEmpty());
    EXPECT_EQ(next.sheet()->size(), first.sheet()->size());
}

} // namespace
} // namespace hydrolofter

// Results leave the window: export and copy give the batch tool's files, print gives a page
// with the graph and the inputs, the graph grows with the sheet and reads out under the mouse.
#include "UiTestSupport.h"

#include "pages/CLaunchSpecsPage.h"

#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"
#include "simulate/CFullScreenGraphDlg.h"
#include "simulate/CSimulatePage.h"
#include "simulate/GraphFrame.h"
#include "toolkit/GraphImage.h"
#include "units/NumberText.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>

namespace hydrolofter {
namespace {

using Format = CSimulatePage::ExportFormat;

class ResultsTest : public test::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        page = app->simulatePage();
        ASSERT_TRUE(dir.isValid());
    }
    /// Flies the run that the radio button names at the precision given, in the window.
    void fly(std::string_view radioId, int precision) {
        auto* settings = app->settingsPage();
        QTest::mouseClick(settings->control<QRadioButton>(radioId), Qt::LeftButton);
        settings->control<QSlider>("precision")->setValue(precision);
        sheet->tabs()->setCurrentWidget(page);
        QTest::mouseClick(page->control<QPushButton>("simulate"), Qt::LeftButton);
        test::waitForRun(page);
        ASSERT_TRUE(page->hasResult());
        // The result's controls appeared: let the layout give the graph its size.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }
    /// The batch tool's standard output for these arguments.
    QByteArray batch(const QStringList& args) {
        QProcess p;
        p.start(HYDROLOFTER_BATCH, args + QStringList{"--max-time", "600"});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput();
    }
    QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString path(const QString& name) { return dir.filePath(name); }
    GraphFrame* frame() { return page->control<GraphFrame>("graph"); }

    CSimulatePage* page = nullptr;
    QTemporaryDir dir;
};

TEST_F(ResultsTest, ExportsAreTheBatchToolsFilesForEveryKindOfRun) {
    struct Run {
        std::string_view radio;
        QStringList args; ///< the same run for the batch tool
    };
    const Run runs[] = {
        {"mode=0", {"precision=3"}},
        {"mode=1", {"mode=1", "precision=1"}},
        {"mode=2", {"mode=2", "precision=2"}},
    };
    for (const Run& run : runs) {
        fly(run.radio, run.args.back().section('=', 1).toInt());
        SCOPED_TRACE(run.args.join(' ').toStdString());
        ASSERT_EQ(page->exportResult(path("w.csv"), Format::Csv), "");
        EXPECT_EQ(read(path("w.csv")), batch(run.args));

        ASSERT_EQ(page->exportResult(path("w.png"), Format::Png, QSize(500, 320)), "");
        batch(run.args + QStringList{"--png", path("b.png"), "--size", "500x320"});
        const QImage window = QImage(path("w.png")).convertToFormat(QImage::Format_RGB32);
        const QImage tool = QImage(path("b.png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(window, tool);
        // Exactly the size asked for. A surface's picture has its key in a strip at the right,
        // beside the graph's own pixels: the shade bar 6..24 px into the strip, the plot's
        // rows 10..270 less two lines of text and margins above (46) and one below (250),
        // sixteenths of its 204 rows.
        const bool keyed = run.radio == "mode=2";
        ASSERT_EQ(window.size(), QSize(500, 320));
        const int graphWidth = keyed ? 500 - page->graph()->keyWidth() : 500;
        ASSERT_EQ(graphWidth < 500 - 24, keyed);
        EXPECT_EQ(window.copy(0, 0, graphWidth, 320),
                  paintGraphImage(*page->graph(), graphWidth, 320));
        if (keyed) {
            const int x = graphWidth + 15;
            EXPECT_EQ(window.pixel(x, 47), qRgb(0, 0, 240)); // the highest shade, top
            EXPECT_EQ(window.pixel(x, 58), qRgb(0, 0, 240));
            EXPECT_EQ(window.pixel(x, 59), qRgb(0, 0, 224));
            EXPECT_EQ(window.pixel(x, 238), qRgb(0, 0, 0)); // the lowest, bottom
            EXPECT_EQ(window.pixel(x, 237), qRgb(0, 0, 16));
        }
    }
    // The default image is the window's graph at twice its size, for sharp documents, the
    // surface's key inside it.
    ASSERT_EQ(page->exportResult(path("d.png"), Format::Png), "");
    EXPECT_EQ(QImage(path("d.png")).size(), frame()->size() * 2);
}

TEST_F(ResultsTest, FlightsComparedAndAMeasuredOneFittedInTheWindow) {
    fly("mode=0", 3);
    auto* add = page->control<QPushButton>("addToComparison");
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(page->statusText(), ""); // kept and drawn: nothing to say
    EXPECT_FALSE(add->isEnabled());    // the same flight is not kept twice
    fly("mode=0", 3);
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(page->graph()->legend.empty());
    // Each flight named by what differs; each keeps its colour when another goes.
    setText(app->rocketPage(), "dragCoefficient", "0.45");
    fly("mode=0", 3);
    QTest::mouseClick(add, Qt::LeftButton);
    setText(app->rocketPage(), "dragCoefficient", "0.3");
    setText(app->launchPage(), "waterAmount", "25");
    fly("mode=0", 3);
    const auto names = [&] {
        std::vector<std::string> n;
        for (const LegendEntry& e : page->graph()->legend)
            n.push_back(e.name);
        return n;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"Water Volume 40 %",
                                                 "Drag Coefficient 0.45 Cd, Water Volume 40 %",
                                                 "Drag Coefficient 0.3 Cd, Water Volume 25 %"}));
    const Rgb second = page->graph()->legend[1].colour;
    page->renameKept(1, "smooth");
    EXPECT_EQ(page->graph()->legend[1].name, "smooth");
    page->removeFromComparison(0);
    ASSERT_EQ(page->graph()->legend.size(), 2u);
    EXPECT_EQ(page->graph()->legend[0].colour, second);
    page->onClearComparison();
    setText(app->launchPage(), "waterAmount", "40");
    fly("mode=0", 3);
    QTest::mouseClick(add, Qt::LeftButton);
    setText(app->rocketPage(), "dragCoefficient", "0.45");
    fly("mode=0", 3);
    EXPECT_EQ(names(),
              (std::vector<std::string>{"Drag Coefficient 0.3 Cd", "Drag Coefficient 0.45 Cd"}));
    ASSERT_EQ(page->exportResult(path("two.csv"), Format::Csv), "");
    EXPECT_TRUE(read(path("two.csv"))
                    .startsWith("Drag Coefficient 0.3 Cd: Height min (m),Drag Coefficient 0.3 Cd: "
                                "Height max (m),Drag Coefficient 0.3 Cd: Time (sec),Drag "
                                "Coefficient 0.45 Cd: Height"));

    // The sample trace (drag coefficient 0.45) over the graph, with its figures.
    const QString trace = QStringLiteral(HYDROLOFTER_EXAMPLES "/sample-trace.csv");
    ASSERT_EQ(page->importMeasured(trace, {}), "");
    test::waitForRun(page);
    ASSERT_TRUE(page->measuredFigures());
    EXPECT_LT(page->measuredFigures()->rms, 0.2);
    EXPECT_EQ(page->graph()->curves.back().mode, GraphMode::Points);
    EXPECT_TRUE(page->control<QLabel>("figures")->text().startsWith("Measured apogee: 37.04 m"));

    // Fitted from 0.3 back to 0.45 within 1 %, and put into the rocket's page when asked.
    setText(app->rocketPage(), "dragCoefficient", "0.3");
    test::AnswerNextBox yes(QMessageBox::Yes);
    page->startFit({var::DragCoefficient, 0.1, 1});
    test::waitForRun(page);
    EXPECT_TRUE(yes.text.startsWith("Drag Coefficient: 0.45")) << yes.text.toStdString();
    EXPECT_NEAR(editText(app->rocketPage(), "dragCoefficient").toDouble(), 0.45, 0.0045);

    // At 0.1 µs steps a fit takes a minute (its flights 1 s each): Cancel stops it within the
    // scan, and nothing is put.
    app->settingsPage()->control<QSlider>("precision")->setValue(7);
    setText(app->rocketPage(), "dragCoefficient", "0.3");
    page->startFit({var::DragCoefficient, 0.1, 1});
    QTest::qWait(300);
    QTest::mouseClick(page->control<QPushButton>("cancel"), Qt::LeftButton);
    test::waitForRun(page);
    EXPECT_LT(page->fitResult().flights, 12); // stopped within the scan (1 + 11 flights)
    EXPECT_EQ(page->statusText(), "Fit cancelled");
    EXPECT_EQ(editText(app->rocketPage(), "dragCoefficient"), "0.3");
}

TEST_F(ResultsTest, ASummaryExportsAsItsTextAndNotAsAnImage) {
    fly("launchDisplay=0", 3);
    const std::vector<Format> formats = page->exportFormats();
    EXPECT_EQ(formats.front(), Format::Text);
    EXPECT_EQ(std::count(formats.begin(), formats.end(), Format::Png), 0);
    ASSERT_EQ(page->exportResult(path("s.txt"), Format::Text), "");
    EXPECT_EQ(read(path("s.txt")), batch({"precision=3", "--summary"}));
    EXPECT_NE(page->exportResult(path("s.png"), Format::Png), "");
    EXPECT_FALSE(QFile::exists(path("s.png")));
}

TEST_F(ResultsTest, AFailedExportSaysWhyAndLeavesNothingBehind) {
    fly("mode=1", 1);
    const QString missing = page->exportResult(path("no/such/folder/x.csv"), Format::Csv);
    EXPECT_TRUE(missing.contains("No such file or directory")) << missing.toStdString();
    // A file that exists keeps its old content when the new one cannot replace it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.csv"));
    const QString folder = page->exportResult(path("taken.csv"), Format::Csv);
    EXPECT_TRUE(folder.contains("is a folder")) << folder.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

/// Pixels darker than mid-grey in rows [top, bottom) of an image.
int darkPixels(const QImage& image, int top, int bottom) {
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 100;
    }
    return n;
}

TEST_F(ResultsTest, PrintingToPdfGivesOnePageWithTitleGraphAndInputs) {
    if (QProcess::execute("pdftoppm", {"-v"}) < 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils, scripts/setup-deps) is not installed";
    fly("mode=2", 1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("page.pdf"));
    ASSERT_TRUE(page->printResultOn(printer));
    ASSERT_GT(QFileInfo(path("page.pdf")).size(), 0);

    QProcess info;
    info.start("pdfinfo", {path("page.pdf")});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           1"));
    ASSERT_EQ(QProcess::execute(
                  "pdftoppm", {"-r", "72", "-png", "-singlefile", path("page.pdf"), path("page")}),
              0);
    const QImage shot(path("page.png"));
    ASSERT_FALSE(shot.isNull());
    // Rows from the top: the title, then the graph box (a surface: long dark runs of its
    // shading and axes), then the inputs in text, and a white bottom half of the page.
    const int h = shot.height();
    int graphTop = -1, graphRows = 0;
    for (int y = 0; y < h; ++y) {
        if (darkPixels(shot, y, y + 1) > shot.width() / 3) {
            graphTop = graphTop < 0 ? y : graphTop;
            ++graphRows;
        }
    }
    ASSERT_GT(graphTop, 0);
    EXPECT_GT(graphRows, h / 10);
    EXPECT_GT(darkPixels(shot, 0, graphTop), 20) << "title";
    // Below the plot: its tick labels and caption, the "Inputs" heading and the inputs,
    // two to a line (nine lines for the default rocket): bands of text between blank rows
    // (lines set close together may touch, so this is the least there must be).
    int bands = 0;
    bool inText = false;
    for (int y = graphTop + graphRows; y < h; ++y) {
        const bool text = darkPixels(shot, y, y + 1) > 0;
        bands += text && !inText;
        inText = text;
    }
    EXPECT_GE(bands, 2 + 9) << "the inputs under the graph";
    EXPECT_EQ(darkPixels(shot, h * 3 / 4, h), 0) << "one page, filled from the top";
}

TEST_F(ResultsTest, PrintedPagesSayWhatWasFlownAndWhatCameOfIt) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0)
        GTEST_SKIP() << "pdftotext (poppler-utils, scripts/setup-deps) is not installed";
    auto printedText = [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("text.pdf"));
        EXPECT_TRUE(page->printResultOn(printer));
        QProcess p;
        p.start("pdftotext", {"-layout", path("text.pdf"), "-"});
        EXPECT_TRUE(p.waitForFinished(30000));
        // pdftotext gives ligatures as one character ("ﬁ"): compatibility form spells them.
        return QString::fromUtf8(p.readAllStandardOutput())
            .normalized(QString::NormalizationForm_KC);
    };
    // A launch graph records no results: printing flies it again for them (the worked
    // flight: 42.3451 m high, 6.09 s aloft). The title names the rocket's file.
    ASSERT_TRUE(app->rocketPage()->saveDesign(path("mine.rocket.json")));
    fly("mode=0", 3);
    QString text = printedText();
    for (const char* expected :
         {"Launch Analysis", "mine.rocket.json", "Time step: 1 millisecond", "Diameter: 110 mm",
          "Initial Air Pressure: 60 PSI", "Max. Height: 42.3451 m", "Time Aloft: 6.09 sec"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    // A summary prints as its text.
    fly("launchDisplay=0", 3);
    text = printedText();
    EXPECT_TRUE(text.contains("Apogee Time: 2.91 sec")) << text.toStdString();
    EXPECT_TRUE(text.contains("Bottle Volume: 2 L")) << text.toStdString();
    // A graph of the height in feet gives the highest point in feet (the batch tool's series
    // peaks at 138.92755 ft); a kept flight under its own name says what it differs in.
    app->settingsPage()->control<QComboBox>("plotUnit")->setCurrentIndex(0); // ft
    fly("launchDisplay=1", 3);
    EXPECT_TRUE(printedText().contains("Max. Height: 138.928 ft"));
    QTest::mouseClick(page->control<QPushButton>("addToComparison"), Qt::LeftButton);
    page->renameKept(0, "first");
    setText(app->rocketPage(), "dragCoefficient", "0.45");
    fly("mode=0", 3);
    text = printedText();
    for (const char* expected : {"Compared", "first: Drag Coefficient 0.3 Cd"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    // A swept input is printed as its range.
    fly("mode=1", 1);
    EXPECT_TRUE(printedText().contains("Empty Mass: 50 to 250 g (swept)"));
}

TEST_F(ResultsTest, CopyPutsTheGraphAndItsSeriesOnTheClipboard) {
    fly("mode=1", 1);
    QApplication::clipboard()->clear();
    page->control<QPushButton>("simulate")->setFocus();
    QTest::keyClick(page->control<QPushButton>("simulate"), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), frame()->size() * 2);
    EXPECT_EQ(data->text().toUtf8(), batch({"mode=1", "precision=1"}));
}

TEST_F(ResultsTest, TheGraphGrowsWithTheSheetAndIsTheBatchToolsImageAtItsSize) {
    fly("mode=0", 3);
    const QSize before = frame()->size();
    sheet->resize(sheet->size() + QSize(300, 200));
    QTest::qWait(50); // the layouts pass the new size down in posted events
    const QSize after = frame()->size();
    EXPECT_GT(after.width(), before.width());
    EXPECT_GT(after.height(), before.height());
    // The buttons keep to the right edge, beside the graph.
    EXPECT_GT(page->controlWidget("print")->x(), frame()->geometry().right());
    const QImage shown = frame()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    batch({"precision=3", "--png", path("big.png"), "--size",
           QStringLiteral("%1x%2").arg(after.width()).arg(after.height())});
    EXPECT_EQ(shown, QImage(path("big.png")).convertToFormat(QImage::Format_RGB32));
}

TEST_F(ResultsTest, OnAScaledScreenTheGraphIsDrawnAtTheDevicesResolution) {
    // Runs as its own test with QT_SCALE_FACTOR=1.5 and 2 (ctest "scaled_screen_*").
    if (frame()->devicePixelRatioF() == 1)
        GTEST_SKIP() << "the screen is not scaled";
    const double scale = frame()->devicePixelRatioF();
    fly("mode=0", 3);
    const QImage shot = frame()->grab().toImage();
    ASSERT_EQ(shot.size(), frame()->size() * scale);
    // The x axis (y1 = height − 50) is a line of exactly round(scale) device rows along the
    // plot box (x0 = 60 .. x1 = width − 40; the grid lines start on it, so a few of its
    // pixels are grey), with no dark row just above or below it.
    const int width = qRound(scale);
    const int y1 = int((frame()->height() - 50) * scale);
    const int from = int(70 * scale), to = int((frame()->width() - 50) * scale);
    int axisRows = 0;
    for (int y = y1 - 3; y <= y1 + 3; ++y) {
        int dark = 0;
        for (int x = from; x < to; ++x)
            dark += qGray(shot.pixel(x, y)) < 100;
        axisRows += dark > (to - from) * 9 / 10;
    }
    EXPECT_EQ(axisRows, width);
    // The tick labels under the axis are drawn at the device's resolution, not as a
    // window-sized image blown up: some 2 × 2 block of device pixels there is not one colour.
    int detailed = 0;
    for (int y = y1 + int(12 * scale); y + 1 < y1 + int(24 * scale); y += 2) {
        for (int x = from; x + 1 < to; x += 2) {
            const QRgb p = shot.pixel(x, y);
            detailed += shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p ||
                        shot.pixel(x + 1, y + 1) != p;
        }
    }
    EXPECT_GT(detailed, 0);
}

TEST_F(ResultsTest, OnAScreenSmallerThanTheSheetThePagesScroll) {
    // With a larger font the pages grow wider than the offscreen screen (800 × 600): a
    // sheet made afresh under it.
    const QFont usual = QApplication::font();
    QFont large = usual;
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 2);
    else
        large.setPixelSize(large.pixelSize() * 2);
    sheet = nullptr;
    app.reset();
    QApplication::setFont(large);
    app = std::make_unique<CMainApp>();
    app->createSheet();
    sheet = app->sheet();
    sheet->show();
    QApplication::setFont(usual);
    QApplication::processEvents();
    const QRect screen = sheet->screen()->availableGeometry();
    ASSERT_GT(app->rocketPage()->minimumSizeHint().width(), screen.width());
    EXPECT_LE(sheet->frameGeometry().width(), screen.width());
    EXPECT_LE(sheet->frameGeometry().height(), screen.height());
    auto* scroll = sheet->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);
    // At scale 1 the pages' height fits, so the width's scroll bar needs no second one.
    if (sheet->devicePixelRatioF() == 1) {
        EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    }
    // Whichever tab is chosen stays in sight, the last one too.
    for (int i : {5, 0, 4}) {
        sheet->tabs()->setCurrentIndex(i);
        QTest::qWait(20); // the page's own size is laid out in posted events
        QTabBar* bar = sheet->tabs()->tabBar();
        const QRect tab(bar->mapTo(scroll->viewport(), bar->tabRect(i).topLeft()),
                        bar->tabRect(i).size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(tab)) << i;
    }
}

TEST_F(ResultsTest, TheReadoutNamesThePointUnderThePointer) {
    fly("mode=1", 1);
    const GraphData* graph = page->graph();
    ASSERT_NE(graph, nullptr);
    // Point 5 of the default sweep (150 g) on the plot box: x0 = 60, x1 = width − 40,
    // y0 = 10, y1 = height − 50, the range 50..250 g across it.
    const QSize size = frame()->size();
    const int x0 = 60, x1 = size.width() - 40, y0 = 10, y1 = size.height() - 50;
    const double result = graph->values2[5];
    const int px = x0 + int((x1 - x0) * (150.0 - 50) / 200);
    const int py = y1 - int((y1 - y0) * (result - graph->yMin) / (graph->yMax - graph->yMin));
    QTest::mouseMove(frame(), QPoint(px + 1, py - 1));
    const QString expected =
        QString::fromStdString("Empty Mass 150 g: Time Aloft " + formatShort(result) + " sec");
    EXPECT_EQ(page->statusText(), expected);
    // Outside the plot box, and after leaving the graph, the run's notes are back (at
    // precision 1, that its time step is coarse).
    QTest::mouseMove(frame(), QPoint(x0 - 5, py));
    EXPECT_TRUE(page->statusText().startsWith("The time step (1/10th second) is coarse"));

    // The full-screen graph reads out the same point at its own size.
    QTimer::singleShot(0, [&] {
        auto* full = qobject_cast<CFullScreenGraphDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(full, nullptr);
        const QSize s = full->size();
        const int fx = 60 + int((s.width() - 100) * (150.0 - 50) / 200);
        const int fy = (s.height() - 50) - int((s.height() - 60) * (result - graph->yMin) /
                                               (graph->yMax - graph->yMin));
        QTest::mouseMove(full, QPoint(fx, fy));
        EXPECT_EQ(full->readout(), expected);
        // It hides nothing of the x caption, which starts at (200, bottom − 25).
        const QRect caption(
            200, s.height() - 25,
            full->fontMetrics().horizontalAdvance(QString::fromStdString(graph->xTitle)),
            full->fontMetrics().height());
        EXPECT_FALSE(full->findChild<QLabel*>()->geometry().intersects(caption));
        full->accept();
    });
    page->onFullScreen();
}

} // namespace
} // namespace hydrolofter

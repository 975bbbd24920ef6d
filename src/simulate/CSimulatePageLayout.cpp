// The Simulate page's controls in their layout: the run row, the result's place and the
// actions beside it.
#include "CSimulatePage.h"

#include "CFullScreenGraphDlg.h"
#include "ColourKey.h"
#include "GraphFrame.h"
#include "graph/Presentation.h"
#include "runs/FieldTable.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"
#include "toolkit/PageControls.h"
#include "toolkit/Warning.h"
#include "units/Units.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>

namespace hydrolofter {

void CSimulatePage::build() {
    auto* page = new QVBoxLayout(this);
    page->addLayout(buildRunRow());
    auto* middle = new QHBoxLayout;
    page->addLayout(middle, 1);
    middle->addLayout(buildResultPlace(), 1);
    // A surface's key beside it, as tall as the graph: readable at any window size.
    auto* key = described(new ColourKey(this), "colourKey", "Colour key",
                          "What the shades of the surface mean: dark for the lowest result, "
                          "bright blue for the highest.");
    key->hide();
    middle->addWidget(key);
    middle->addLayout(buildResultActions());
}

QLayout* CSimulatePage::buildRunRow() {
    auto* top = new QHBoxLayout;
    auto* simulate = button("simulate", "&Simulate",
                            "Fly the run chosen on the Simulation Settings page with the "
                            "inputs of the first three pages.",
                            this);
    simulate->setMinimumHeight(simulate->sizeHint().height() * 4 / 3);
    top->addWidget(simulate);
    // In the progress bar's place between runs: what the result alone does not say.
    auto* progress =
        described(new QProgressBar(this), "progress", "Progress", "How far the run has got.");
    progress->setRange(0, 100);
    progress->setTextVisible(false);
    auto* notice = described(new QLabel(this), "notice", "Status",
                             "Notes on the last run, and the values under the mouse pointer "
                             "when it is over the graph.");
    notice->setTextFormat(Qt::PlainText);
    // A long note is cut at the page's edge rather than widening the sheet.
    notice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    notice->hide();
    auto* status = new QGridLayout;
    status->addWidget(progress, 0, 0);
    status->addWidget(notice, 0, 0);
    top->addLayout(status, 1);
    auto* cancel =
        button("cancel", "&Cancel Simulation", "Stop the run; nothing of it is shown.", this);
    cancel->setEnabled(false);
    cancel->setMinimumHeight(simulate->minimumHeight());
    top->addWidget(cancel);
    return top;
}

QLayout* CSimulatePage::buildResultPlace() {
    // The graph, the summary and the wait notice share one place; one shows at a time.
    auto* result = new QGridLayout;
    auto* graph = described(new GraphFrame(this), "graph", "Graph",
                            "The result as a graph. Point at it to read the values; Ctrl+C "
                            "copies it.");
    auto* summary = described(new QPlainTextEdit(this), "summary", "Results",
                              "The result as text; select and copy any part of it.");
    summary->setReadOnly(true);
    auto* wait = new QLabel(QStringLiteral("Please Wait\nSimulating ..."), this);
    wait->setObjectName(QStringLiteral("pleaseWait"));
    wait->setAlignment(Qt::AlignCenter);
    for (QWidget* w : std::initializer_list<QWidget*>{graph, summary, wait}) {
        result->addWidget(w, 0, 0);
        w->hide();
    }
    // Under the graph: how a measured flight compares with the simulated one.
    auto* figures = described(new QLabel(this), "figures", "Measured flight",
                              "The measured flight's apogee and the simulated one's, and their "
                              "RMS height difference over the measured samples.");
    figures->setWordWrap(true);
    figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures->hide();
    result->addWidget(figures, 1, 0);
    result->setRowStretch(0, 1);
    // The empty place keeps the graph's room before the first run.
    result->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 60);
    result->setRowMinimumHeight(0, fontMetrics().height() * 14);
    return result;
}

QLayout* CSimulatePage::buildResultActions() {
    auto* side = new QVBoxLayout;
    auto* print = button("print", "&Print...",
                         "Print the result on one page with the inputs it was flown with "
                         "(choose \"Print to File (PDF)\" for a PDF).",
                         this);
    auto* fullScreen = button("fullScreen", "&Full Screen...",
                              "Show the graph over the whole screen; any key or a click "
                              "closes it.",
                              this);
    auto* exportButton = button("export", "E&xport...",
                                "Save the result as a PNG image, a PDF page, a CSV table of "
                                "its numbers, or a summary's text.",
                                this);
    // Shown and disabled until there is a result to print or export.
    print->setEnabled(false);
    exportButton->setEnabled(false);
    fullScreen->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{print, fullScreen, exportButton})
        side->addWidget(w);
    buildCompareActions(side);
    side->addStretch();
    return side;
}

} // namespace hydrolofter

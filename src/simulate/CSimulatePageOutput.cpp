// The Simulate page's result leaving the window: print, export and copy.
#include "CSimulatePage.h"

#include "GraphFrame.h"
#include "ResultPage.h"
#include "designs/FileAccess.h"
#include "graph/Presentation.h"
#include "toolkit/GraphImage.h"
#include "toolkit/Warning.h"

#include "toolkit/LastFolders.h"
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>

#include <QFileDialog>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

namespace hydrolofter {

std::vector<CSimulatePage::ExportFormat> CSimulatePage::exportFormats() const {
    if (!m_series)
        return {};
    if (m_graph)
        return {ExportFormat::Png, ExportFormat::Pdf, ExportFormat::Csv};
    std::vector<ExportFormat> formats{ExportFormat::Text, ExportFormat::Pdf};
    if (m_series->count > 0)
        formats.push_back(ExportFormat::Csv);
    return formats;
}

QSize CSimulatePage::defaultImageSize() const {
    return controlWidget("graph")->size() * 2;
}

bool CSimulatePage::resultDocument(ResultDocument& doc) {
    doc.title = QString::fromStdString(runTitle(m_runSettings));
    const std::string rocket = m_inputs.rocketFileName();
    if (!rocket.empty())
        doc.title += QStringLiteral(" \u2014 ") + QString::fromStdString(rocket);
    doc.inputs = inputLines(m_runInputs, m_runSettings);
    doc.inputs.insert(doc.inputs.begin(),
                      {"Time step", std::string(precisionLabel(m_runSettings.precision))});
    if (!m_graph) {
        doc.summary = m_summary;
        return true;
    }
    doc.graph = m_graph.get();
    doc.graphSize = controlWidget("graph")->size();
    if (m_series->kind == SeriesKind::Surface) {
        doc.colourKey = true;
    }
    // A launch graph's flight tracked its results too, unless it had not landed when its
    // record was full.
    if (m_series->kind == SeriesKind::MinMaxBars && m_series->flightTracked)
        doc.results = resultLines(m_series->flight, &m_runSettings);
    // What each kept flight drawn with it differs in, where its legend name does not say
    // (a name the user gave it, its file's).
    std::size_t shown = 0;
    const std::vector<ComparedRun> runs =
        keptAreDrawn() ? comparedRuns(shown) : std::vector<ComparedRun>{};
    const std::vector<std::string> differences = differenceNames(runs, shown);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i != shown && runs[i].name != differences[i])
            doc.compared.emplace_back(runs[i].name, differences[i].empty()
                                                        ? std::string("the same inputs")
                                                        : differences[i]);
    }
    return true;
}

void CSimulatePage::requestCancel() {
    if (!m_running)
        return;
    m_cancelRequested = true;
    m_worker.cancel();
    m_printWorker.cancel();
}

bool CSimulatePage::printResultOn(QPagedPaintDevice& device) {
    ResultDocument doc;
    if (!m_series || !resultDocument(doc))
        return false;
    printResult(device, doc);
    return true;
}

void CSimulatePage::onPrint() {
    if (!m_series || m_running)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(runTitle(m_runSettings)));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printResultOn(printer);
}

namespace {

struct FormatName {
    CSimulatePage::ExportFormat format;
    const char* filter; ///< in the save dialog
    const char* suffix;
};

constexpr FormatName kFormatNames[] = {
    {CSimulatePage::ExportFormat::Png, "PNG image (*.png)", "png"},
    {CSimulatePage::ExportFormat::Pdf, "PDF page, as printed (*.pdf)", "pdf"},
    {CSimulatePage::ExportFormat::Csv, "CSV table of the series (*.csv)", "csv"},
    {CSimulatePage::ExportFormat::Text, "Summary as text (*.txt)", "txt"},
};

const FormatName& nameOf(CSimulatePage::ExportFormat format) {
    for (const FormatName& n : kFormatNames) {
        if (n.format == format)
            return n;
    }
    return kFormatNames[0];
}

QString filterOf(CSimulatePage::ExportFormat format) {
    return QString::fromLatin1(nameOf(format).filter);
}

QString suffixOf(CSimulatePage::ExportFormat format) {
    return QString::fromLatin1(nameOf(format).suffix);
}

/// Asks for the size of an exported image; an empty size when the user cancels.
QSize askImageSize(QWidget* parent, QSize proposed) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Image Size"));
    auto* width = new QSpinBox(&dialog);
    auto* height = new QSpinBox(&dialog);
    // The boxes take any number of digits, so that a size past the limit is told as such
    // instead of losing its last digit as it is typed.
    constexpr int kSmallest = 16, kLargest = 10000;
    for (QSpinBox* box : {width, height}) {
        box->setRange(1, 999999);
        box->setSuffix(QStringLiteral(" px"));
    }
    width->setValue(proposed.width());
    height->setValue(proposed.height());
    width->setAccessibleName(QStringLiteral("Width"));
    height->setAccessibleName(QStringLiteral("Height"));
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("&Width:"), width);
    form->addRow(QStringLiteral("&Height:"), height);
    form->addRow(new QLabel(
        QStringLiteral("From %1 to %2 pixels each way.").arg(kSmallest).arg(kLargest), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        for (QSpinBox* box : {width, height}) {
            if (box->value() >= kSmallest && box->value() <= kLargest)
                continue;
            const int limited = std::clamp(box->value(), kSmallest, kLargest);
            QMessageBox::warning(&dialog, QStringLiteral("Image Size"),
                                 QStringLiteral("%1: %2 pixels is out of range; it is limited to "
                                                "%3 (from %4 to %5 pixels each way).")
                                     .arg(box->accessibleName())
                                     .arg(box->value())
                                     .arg(limited)
                                     .arg(kSmallest)
                                     .arg(kLargest));
            box->setValue(limited);
            box->setFocus();
            box->selectAll();
            return;
        }
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {width->value(), height->value()};
}

} // namespace

void CSimulatePage::onExport() {
    if (!m_series || m_running)
        return;
    const std::vector<ExportFormat> formats = exportFormats();
    QStringList filters;
    for (ExportFormat f : formats)
        filters << filterOf(f);
    QFileDialog dialog(this, QStringLiteral("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixOf(formats.front()));
    // A name to start from: the rocket's file, or the kind of run.
    const std::string rocket = m_inputs.rocketFileName();
    const QString base = rocket.empty()
                             ? QStringList{"launch", "sweep", "surface"}.value(m_runSettings.mode)
                             : QString::fromStdString(rocket).section('.', 0, 0);
    if (!lastFolder(FolderKind::Exports).isEmpty())
        dialog.setDirectory(lastFolder(FolderKind::Exports));
    dialog.selectFile(base + "." + suffixOf(formats.front()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(formats[std::size_t(filters.indexOf(filter))]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    ExportFormat format =
        formats[std::size_t(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))];
    // A typed suffix of another offered format wins over the selected filter.
    for (ExportFormat f : formats) {
        if (QFileInfo(path).suffix().compare(suffixOf(f), Qt::CaseInsensitive) == 0)
            format = f;
    }
    QSize size;
    if (format == ExportFormat::Png) {
        size = askImageSize(this, defaultImageSize());
        if (size.isEmpty())
            return;
    }
    const QString error = exportResult(path, format, size);
    if (error.isEmpty())
        rememberFolder(FolderKind::Exports, path);
    if (!error.isEmpty()) {
        warnUser(this, QStringLiteral("The result was not exported to %1:\n%2")
                           .arg(QDir::toNativeSeparators(path), error));
    }
}

QString CSimulatePage::exportResult(const QString& path, ExportFormat format, QSize imageSize) {
    if (!m_series)
        return QStringLiteral("there is no result to export");
    QByteArray bytes;
    switch (format) {
    case ExportFormat::Png:
        if (!m_graph)
            return QStringLiteral("the result is a summary, not a graph");
        if (imageSize.isEmpty())
            imageSize = defaultImageSize();
        bytes = encodeGraphImage(*m_graph, imageSize.width(), imageSize.height(),
                                 QStringLiteral("image.png"));
        break;
    case ExportFormat::Pdf: {
        ResultDocument doc;
        if (!resultDocument(doc))
            return QStringLiteral("the flight's results were not completed");
        bytes = resultPdf(doc);
        break;
    }
    case ExportFormat::Csv:
        bytes = QByteArray::fromStdString(shownCsv());
        break;
    case ExportFormat::Text:
        bytes = m_summary.toUtf8();
        break;
    }
    if (bytes.isEmpty())
        return QStringLiteral("nothing could be made to write");
    const std::string error =
        writeFileAtomically(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return QString::fromStdString(error);
}

bool CSimulatePage::eventFilter(QObject* watched, QEvent* event) {
    // The summary box claims Ctrl+C even with nothing selected; then the result is copied.
    auto* box = control<QPlainTextEdit>("summary");
    if (watched == box && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !box->textCursor().hasSelection())
        return true;
    return PropertyPage::eventFilter(watched, event);
}

void CSimulatePage::copyResult() {
    if (!m_series || m_running)
        return;
    auto* data = new QMimeData;
    if (m_graph) {
        const QSize size = defaultImageSize();
        data->setImageData(paintGraphPicture(*m_graph, size.width(), size.height()));
        data->setText(QString::fromStdString(shownCsv()));
    } else {
        data->setText(m_summary);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace hydrolofter

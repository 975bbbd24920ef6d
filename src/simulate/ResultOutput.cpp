#include "ResultOutput.h"

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

std::vector<ExportFormat> ResultOutput::formats() const {
    if (!m_shown.shownSeries())
        return {};
    if (m_shown.shownGraph())
        return {ExportFormat::Png, ExportFormat::Pdf, ExportFormat::Csv};
    std::vector<ExportFormat> formats{ExportFormat::Text, ExportFormat::Pdf};
    if (m_shown.shownSeries()->count > 0)
        formats.push_back(ExportFormat::Csv);
    return formats;
}

QSize ResultOutput::defaultImageSize() const {
    return m_shown.shownGraphSize() * 2;
}

bool ResultOutput::document(ResultDocument& doc) const {
    doc.title = QString::fromStdString(runTitle(m_shown.shownSettings()));
    const std::string rocket = m_shown.shownRocketFile();
    if (!rocket.empty())
        doc.title += QStringLiteral(" \u2014 ") + QString::fromStdString(rocket);
    doc.inputs = inputLines(m_shown.shownInputs(), m_shown.shownSettings());
    if (!m_shown.shownGraph()) {
        doc.summary = m_shown.shownSummary();
        return true;
    }
    doc.graph = m_shown.shownGraph();
    doc.graphSize = m_shown.shownGraphSize();
    if (m_shown.shownSeries()->kind == SeriesKind::Surface) {
        doc.colourKey = true;
    }
    // A launch graph's flight tracked its results too, unless it had not landed when its
    // record was full.
    if (m_shown.shownSeries()->kind == SeriesKind::MinMaxBars &&
        m_shown.shownSeries()->flightTracked)
        doc.results = resultLines(m_shown.shownSeries()->flight, &m_shown.shownSettings());
    doc.compared = m_shown.shownCompared();
    return true;
}

bool ResultOutput::printOn(QPagedPaintDevice& device) const {
    ResultDocument doc;
    if (!m_shown.shownSeries() || !document(doc))
        return false;
    printResult(device, doc);
    return true;
}

void ResultOutput::printWithDialog() const {
    if (!m_shown.shownSeries())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(runTitle(m_shown.shownSettings())));
    QPrintDialog dialog(&printer, &m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOn(printer);
}

namespace {

struct FormatName {
    ExportFormat format;
    const char* filter; ///< in the save dialog
    const char* suffix;
};

constexpr FormatName kFormatNames[] = {
    {ExportFormat::Png, "PNG image (*.png)", "png"},
    {ExportFormat::Pdf, "PDF page, as printed (*.pdf)", "pdf"},
    {ExportFormat::Csv, "CSV table of the series (*.csv)", "csv"},
    {ExportFormat::Text, "Summary as text (*.txt)", "txt"},
};

const FormatName& nameOf(ExportFormat format) {
    for (const FormatName& n : kFormatNames) {
        if (n.format == format)
            return n;
    }
    return kFormatNames[0];
}

QString filterOf(ExportFormat format) {
    return QString::fromLatin1(nameOf(format).filter);
}

QString suffixOf(ExportFormat format) {
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

void ResultOutput::exportWithDialog() const {
    if (!m_shown.shownSeries())
        return;
    const std::vector<ExportFormat> formats = this->formats();
    QStringList filters;
    for (ExportFormat f : formats)
        filters << filterOf(f);
    QFileDialog dialog(&m_parent, QStringLiteral("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixOf(formats.front()));
    // A name to start from: the rocket's file, or the kind of run.
    const std::string rocket = m_shown.shownRocketFile();
    const QString base =
        rocket.empty()
            ? QStringList{"launch", "sweep", "surface"}.value(m_shown.shownSettings().mode)
            : QString::fromStdString(rocket).section('.', 0, 0);
    if (!lastFolder(FolderKind::Exports).isEmpty())
        dialog.setDirectory(lastFolder(FolderKind::Exports));
    dialog.selectFile(base + "." + suffixOf(formats.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
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
        size = askImageSize(&m_parent, defaultImageSize());
        if (size.isEmpty())
            return;
    }
    const QString error = exportTo(path, format, size);
    if (error.isEmpty())
        rememberFolder(FolderKind::Exports, path);
    if (!error.isEmpty()) {
        warnUser(&m_parent, QStringLiteral("The result was not exported to %1:\n%2")
                                .arg(QDir::toNativeSeparators(path), error));
    }
}

QString ResultOutput::exportTo(const QString& path, ExportFormat format, QSize imageSize) const {
    if (!m_shown.shownSeries())
        return QStringLiteral("there is no result to export");
    QByteArray bytes;
    switch (format) {
    case ExportFormat::Png:
        if (!m_shown.shownGraph())
            return QStringLiteral("the result is a summary, not a graph");
        if (imageSize.isEmpty())
            imageSize = defaultImageSize();
        bytes = encodeGraphImage(*m_shown.shownGraph(), imageSize.width(), imageSize.height(),
                                 QStringLiteral("image.png"));
        break;
    case ExportFormat::Pdf: {
        ResultDocument doc;
        if (!document(doc))
            return QStringLiteral("the flight's results were not completed");
        bytes = resultPdf(doc);
        break;
    }
    case ExportFormat::Csv:
        bytes = QByteArray::fromStdString(m_shown.shownCsv());
        break;
    case ExportFormat::Text:
        bytes = m_shown.shownSummary().toUtf8();
        break;
    }
    if (bytes.isEmpty())
        return QStringLiteral("nothing could be made to write");
    const std::string error =
        writeFileAtomically(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return QString::fromStdString(error);
}

void ResultOutput::copy() const {
    if (!m_shown.shownSeries())
        return;
    auto* data = new QMimeData;
    if (m_shown.shownGraph()) {
        const QSize size = defaultImageSize();
        data->setImageData(paintGraphPicture(*m_shown.shownGraph(), size.width(), size.height()));
        data->setText(QString::fromStdString(m_shown.shownCsv()));
    } else {
        data->setText(m_shown.shownSummary());
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace hydrolofter

#include "ResultPage.h"

#include "ColourKey.h"
#include "graph/GraphData.h"
#include "toolkit/PainterCanvas.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>

namespace hydrolofter {
namespace {

// Layout in the window's pixels ("units"); the whole page is then scaled to fit.
constexpr int kKeyWidth = 110; ///< the colour key beside a surface
constexpr int kGap = 12;

/// The window's font at its pixel size, so that a unit of the page is a pixel of the window.
QFont unitFont(QFont font, double scale = 1) {
    font.setPixelSize(std::max(1, int(QFontInfo(QGuiApplication::font()).pixelSize() * scale)));
    return font;
}

QFont fixedFont() {
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    return unitFont(fixed);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

/// Two columns of "caption: value" lines from top; returns the height used.
double paintPairs(QPainter& p, double top, double width,
                  const std::vector<std::pair<std::string, std::string>>& pairs) {
    const QFontMetricsF fm(p.font());
    const int rows = int(pairs.size() + 1) / 2;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const double x = k < std::size_t(rows) ? 0 : width / 2;
        const double y = top + double(k % std::size_t(rows)) * fm.lineSpacing();
        p.drawText(QPointF(x, y + fm.ascent()),
                   text(pairs[k].first) + QStringLiteral(": ") + text(pairs[k].second));
    }
    return rows * fm.lineSpacing();
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

/// Under the graph: the flights compared with it, the inputs, the results.
std::array<std::pair<QString, const Pairs*>, 3> sectionsOf(const ResultDocument& doc) {
    return {{{QStringLiteral("Compared flights"), &doc.compared},
             {QStringLiteral("Inputs"), &doc.inputs},
             {QStringLiteral("Results"), &doc.results}}};
}

/// The inputs are always listed; the other sections when they hold something.
bool isShown(const Pairs* pairs, const ResultDocument& doc) {
    return !pairs->empty() || pairs == &doc.inputs;
}

/// The graph (with a surface's key), or the summary's lines, from y down.
void paintGraphOrSummary(QPainter& p, double y, const ResultDocument& doc,
                         const QStringList& summaryLines, const QFont& body) {
    const QFontMetricsF fixedMetrics(fixedFont());
    if (doc.graph) {
        p.save();
        p.translate(0, y);
        {
            PainterCanvas canvas(p, doc.graphSize.width(), doc.graphSize.height());
            doc.graph->paint(canvas);
        }
        p.restore();
        if (doc.colourKey) {
            p.setFont(body);
            ColourKey::paint(
                p, QRect(doc.graphSize.width() + kGap, int(y), kKeyWidth, doc.graphSize.height()),
                *doc.graph);
        }
    } else {
        p.setFont(fixedFont());
        for (int k = 0; k < summaryLines.size(); ++k)
            p.drawText(QPointF(0, y + k * fixedMetrics.lineSpacing() + fixedMetrics.ascent()),
                       summaryLines[k]);
    }
}

} // namespace

void paintResultPage(QPainter& p, const QRectF& page, const ResultDocument& doc) {
    const QFont body = unitFont(QGuiApplication::font());
    QFont heading = unitFont(QGuiApplication::font(), 1.3);
    heading.setBold(true);
    const QFontMetricsF bodyMetrics(body), headingMetrics(heading), fixedMetrics(fixedFont());

    // The content's size in units: as wide as the graph (and key), or the widest line.
    QStringList summaryLines = doc.summary.split('\n');
    while (!summaryLines.isEmpty() && summaryLines.back().isEmpty())
        summaryLines.removeLast();
    double width = 0, graphHeight = 0;
    if (doc.graph) {
        width = doc.graphSize.width() + (doc.colourKey ? kGap + kKeyWidth : 0);
        graphHeight = doc.graphSize.height();
    } else {
        for (const QString& line : summaryLines)
            width = std::max(width, fixedMetrics.horizontalAdvance(line));
        graphHeight = summaryLines.size() * fixedMetrics.lineSpacing();
    }
    width = std::max({width, 400.0, headingMetrics.horizontalAdvance(doc.title)});
    const auto sections = sectionsOf(doc);
    double height = headingMetrics.lineSpacing() + kGap + graphHeight;
    for (const auto& [heading, pairs] : sections) {
        if (isShown(pairs, doc))
            height += kGap + bodyMetrics.lineSpacing() +
                      double((pairs->size() + 1) / 2) * bodyMetrics.lineSpacing();
    }
    const double scale = std::min(page.width() / width, page.height() / height);

    p.save();
    p.translate(page.topLeft());
    p.scale(scale, scale);
    p.setPen(Qt::black);
    double y = 0;
    p.setFont(heading);
    p.drawText(QPointF(0, y + headingMetrics.ascent()), doc.title);
    y += headingMetrics.lineSpacing() + kGap;

    paintGraphOrSummary(p, y, doc, summaryLines, body);
    y += graphHeight;

    QFont bold = body;
    bold.setBold(true);
    for (const auto& [heading, pairs] : sections) {
        if (!isShown(pairs, doc))
            continue;
        y += kGap;
        p.setFont(bold);
        p.drawText(QPointF(0, y + bodyMetrics.ascent()), heading);
        y += bodyMetrics.lineSpacing();
        p.setFont(body);
        y += paintPairs(p, y, width, *pairs);
    }
    p.restore();
}

void printResult(QPagedPaintDevice& device, const ResultDocument& doc) {
    QPainter painter(&device);
    const QRect paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // The painter's origin is already the top left of the printable area.
    paintResultPage(painter, QRectF(0, 0, paper.width(), paper.height()), doc);
}

QByteArray resultPdf(const ResultDocument& doc) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Hydrolofter"));
        printResult(writer, doc);
    }
    return bytes;
}

} // namespace hydrolofter

// A run's result laid out on one printed page: what Print and the PDF export produce.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <string>
#include <utility>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace hydrolofter {

class GraphData;

/// Everything the page shows. The graph is borrowed and must outlive the document.
struct ResultDocument {
    QString title;                    ///< the kind of run, and the rocket file if any
    const GraphData* graph = nullptr; ///< nullptr: a summary
    QSize graphSize;                  ///< the graph's size in the window (its proportions)
    bool colourKey = false;           ///< a surface: the key beside it
    QString summary;                  ///< the summary's text, when there is no graph
    std::vector<std::pair<std::string, std::string>> inputs;  ///< (caption, value and unit)
    std::vector<std::pair<std::string, std::string>> results; ///< a launch analysis's seven
    /// The flights drawn with it: (legend name, the inputs it differs in).
    std::vector<std::pair<std::string, std::string>> compared;
};

/// Draws the document into page (device coordinates of painter): the title, the graph
/// through the window's painter (vector lines and text) or the summary in a fixed-width
/// font, then the inputs in two columns and the results, all scaled to fit the page.
void paintResultPage(QPainter& painter, const QRectF& page, const ResultDocument& doc);

/// Paints the document on the device's first page (a printer, a PDF writer).
void printResult(QPagedPaintDevice& device, const ResultDocument& doc);

/// The document as a one-page A4 PDF.
QByteArray resultPdf(const ResultDocument& doc);

} // namespace hydrolofter

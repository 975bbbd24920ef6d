// The shown result leaving the window: printed, exported to a file, copied.
#pragma once

#include "runs/RunSettings.h"
#include "runs/SampleSeries.h"
#include "runs/SimulationInputs.h"

#include <QSize>
#include <QString>
#include <string>
#include <utility>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace hydrolofter {

class GraphData;
struct ResultDocument;

/// What "E&xport..." can write.
enum class ExportFormat { Png, Pdf, Csv, Text };

/// The result on show, as the page that shows it tells it.
class ShownResult {
public:
    virtual ~ShownResult() = default;
    virtual const SampleSeries* shownSeries() const = 0; ///< nullptr: nothing shown
    virtual const GraphData* shownGraph() const = 0;     ///< nullptr: a summary
    virtual QString shownSummary() const = 0;
    virtual const RunSettings& shownSettings() const = 0;
    virtual const SimulationInputs& shownInputs() const = 0;
    /// The graph's size in the window.
    virtual QSize shownGraphSize() const = 0;
    /// The label of the rocket file the inputs came from; empty: none.
    virtual std::string shownRocketFile() const = 0;
    /// The series as CSV, with a column group for each flight drawn with it.
    virtual std::string shownCsv() const = 0;
    /// The flights drawn with it: (legend name, what it differs in), where the name does
    /// not say.
    virtual std::vector<std::pair<std::string, std::string>> shownCompared() const = 0;
};

class ResultOutput {
public:
    ResultOutput(QWidget& parent, const ShownResult& shown) : m_parent(parent), m_shown(shown) {}

    /// The formats the shown result can be exported in, in the save dialog's order.
    std::vector<ExportFormat> formats() const;
    /// The graph's size in the window times two: sharp in a document.
    QSize defaultImageSize() const;
    /// Writes the shown result to path (through a temporary file and a rename). An image
    /// is imageSize pixels (empty: the default). Returns the reason on failure, empty on
    /// success; nothing is left at path on failure.
    QString exportTo(const QString& path, ExportFormat format, QSize imageSize = {}) const;
    /// Asks where and how, then exports; a failure is told.
    void exportWithDialog() const;
    /// Prints the shown result on the device's first page; false when it could not be
    /// completed (its flight results were not tracked).
    bool printOn(QPagedPaintDevice& device) const;
    /// Asks for a printer, then prints.
    void printWithDialog() const;
    /// The graph as an image and the series as CSV text, or the summary as text.
    void copy() const;

private:
    /// The printed page of the shown result; false when it could not be completed.
    bool document(ResultDocument& doc) const;

    QWidget& m_parent;
    const ShownResult& m_shown;
};

} // namespace hydrolofter

// One graph ready to draw: captions, axis ranges, and the data with how to read it.
#pragma once

#include "Canvas.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hydrolofter {

/// How the value arrays are read; the codes up to Surface equal the run's SeriesKind.
/// Points: values1 x, values2 y, each marked with a cross (measured samples).
enum class GraphMode : int { None = -1, Line = 0, MinMaxBars = 1, Surface = 2, Points = 3 };

/// The colour a graph draws its data in when nothing else is asked for.
inline constexpr Rgb kDataColour{0, 0, 128};

/// Another flight or a measured trace drawn with the graph's own data, in a colour of its
/// own; its arrays are read as the graph's are in that mode.
struct GraphCurve {
    GraphMode mode = GraphMode::Line;
    Rgb colour;
    std::vector<double> values1;
    std::vector<double> values2;
    std::vector<double> values3;
    int count = 0;
};

/// A line of the legend: a colour and what it stands for.
struct LegendEntry {
    std::string name;
    Rgb colour;
};

/// An axis range and its number of tick intervals.
struct AxisScale {
    double min = 0;
    double max = 0;
    int ticks = 0;
};

/// The axis scaling rule: a range from low to high that starts and ends on whole multiples
/// of a power of ten, and its number of intervals.
AxisScale scaleAxis(double low, double high);

/// The lowest and highest finite values of a surface's results, which set its shades;
/// nothing when none is finite.
std::optional<std::pair<double, double>> surfaceExtremes(const double* values, int count);

/// What an axis or the values stand for, for a readout: "Time" in "sec".
struct GraphQuantity {
    std::string name;
    std::string unit;
};

/// Line: values1 x, values2 y. MinMaxBars: values1 lowest, values2 highest, values3 time.
/// Surface: values1 x, values2 y, values3 z of a k × k grid, x index major.
/// The arrays are private copies; an empty array stands for an absent one.
class GraphData {
public:
    GraphData() = default;

    void setXTitle(std::string title) { xTitle = std::move(title); }
    void setYTitle(std::string title) { yTitle = std::move(title); }
    void setXAxis(double min, double max, int ticks);
    void setYAxis(double min, double max, int ticks);
    void scaleXAxis(double low, double high);
    void scaleYAxis(double low, double high);
    void setLineData(const double* x, const double* y, int n);
    void setMinMaxData(const double* lowest, const double* highest, const double* time, int n);
    void setSurfaceData(const double* x, const double* y, const double* z, int n);

    /// Draws the whole graph into the canvas's client rectangle.
    void paint(Canvas& canvas) const;
    int mapX(double v, int left, int right) const;
    int mapY(double v, int top, int bottom) const;
    void paintSurface(Canvas& canvas, int left, int right, int top, int bottom) const;
    /// One set of data in the plot box, in colour: a line, bars or points.
    void paintTrace(Canvas& canvas, ClientRect plot, GraphMode how, Rgb colour,
                    const std::vector<double>& values1, const std::vector<double>& values2,
                    const std::vector<double>& values3, int entries) const;
    /// The legend in the plot box's top right corner, when there is one.
    void paintLegend(Canvas& canvas, ClientRect plot) const;
    static int surfaceIndex(int column, int rowFromTop, int k);

    /// What the graph shows under pixel (px, py) of a width × height canvas, as one line:
    /// a bar's time and its lowest and highest value, the nearest point of a line, or the
    /// nearest point of a surface with its result. Empty outside the plot box.
    std::string readout(int px, int py, int width, int height) const;

    /// A surface's key, for a picture that must be read alone: the result's name, the
    /// sixteen shades from the lowest result (bottom) to the highest (top), and each end's
    /// value with its unit, drawn within area. Nothing for other graphs.
    void paintKey(Canvas& canvas, ClientRect area) const;
    /// Pixels across the key; 0 when the graph has none. Counted from its text's characters,
    /// not measured in a font: a picture of a given size lays out alike in every face and on
    /// every machine, and the graph beside the key keeps the same pixels.
    int keyWidth() const;
    /// The key's lowest and highest labels ("4.8 sec"), or empty ones without a key.
    std::pair<std::string, std::string> keyLabels() const;

    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
    int xTicks = 0;
    int yTicks = 0;
    std::vector<double> values1;
    std::vector<double> values2;
    std::vector<double> values3;
    int count = 0;
    GraphMode mode = GraphMode::None;
    std::string xTitle;
    std::string yTitle;
    GraphQuantity xQuantity;      ///< the x axis
    GraphQuantity yQuantity;      ///< the y axis
    GraphQuantity resultQuantity; ///< a surface's values
    Rgb dataColour = kDataColour;
    /// Drawn with the data: compared flights under it, measured points over it.
    std::vector<GraphCurve> curves;
    /// Empty: no legend.
    std::vector<LegendEntry> legend;

private:
    void setData(GraphMode m, const double* a, const double* b, const double* c, int n);
};

} // namespace hydrolofter

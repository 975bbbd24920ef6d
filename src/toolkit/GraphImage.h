// A graph painted into an image: what the window shows, the batch tool writes and tests read.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace hydrolofter {

class GraphData;

/// The graph painted into a new white image of the given size (at least 1 × 1).
QImage paintGraphImage(const GraphData& graph, int width, int height);

/// A picture that can be read alone, exactly width × height: the graph, and for a surface
/// its key in a strip at the right, the graph that much narrower (its pixels those of
/// paintGraphImage at the narrower width).
QImage paintGraphPicture(const GraphData& graph, int width, int height);

/// The graph's picture at that size and encoded as an image file of the format that the
/// file name's suffix names (PNG when it names none that Qt writes); empty on failure.
QByteArray encodeGraphImage(const GraphData& graph, int width, int height, const QString& fileName);

} // namespace hydrolofter

// Draws a finished run's graph into an image file for hydrolofter-batch.
#pragma once

#include "graph/GraphData.h"

#include <string>

namespace hydrolofter {

/// Writes a graph as an image (format by file name, PNG by default); file "-" puts the PNG
/// into standardOutput instead. Returns an empty string on success, otherwise what went
/// wrong.
std::string writeGraphImage(const GraphData& graph, const std::string& file, int width, int height,
                            std::string& standardOutput);

} // namespace hydrolofter

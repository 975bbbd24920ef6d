// Stand-in for builds without Qt: the image cannot be drawn.
#include "BatchImage.h"

namespace hydrolofter {

std::string writeGraphImage(const GraphData&, const std::string& file, int, int, std::string&) {
    return "cannot write " + file + ": this build has no image support (Qt was not found)";
}

} // namespace hydrolofter

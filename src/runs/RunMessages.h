// What the program tells the user about a run that produced no result.
#pragma once

namespace hydrolofter {

inline constexpr char kDivergedMessage[] =
    "The flight could not be computed: its numbers grew beyond what can be represented. "
    "An input is extreme, or the time step is too coarse for it; try a finer precision.";

} // namespace hydrolofter

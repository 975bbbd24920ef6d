// Where ticks and grid lines fall: shared by the painter and the surface's cells.
#pragma once

#include <cstdint>

namespace hydrolofter {

/// Tick i of ticks across length pixels: (i × length) div ticks, truncating.
inline int tickOffset(int i, int length, int ticks) {
    return static_cast<int>(std::int64_t(i) * length / ticks);
}

} // namespace hydrolofter

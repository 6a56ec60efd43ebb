#include "document/Capacity.h"

#include "image/Capacity.h"
#include "image/FlashGeometry.h"

#include <algorithm>

std::optional<std::int64_t> TableCapacity(std::uint8_t table) {
    const FlashGeometry g = FlashGeometry::FromPolicy();
    if (!WritesTable(g, table))
        return std::nullopt;
    if (!g.Valid())
        return 0;
    return std::max<std::int64_t>(TableCapacity(g, table), 0);
}

int EntriesPerChannel() {
    const FlashGeometry g = FlashGeometry::FromPolicy();
    return !g.SingleBlock() && g.TwinTuner() ? 2 : 1;
}

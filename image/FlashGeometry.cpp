#include "image/FlashGeometry.h"

#include "contracts/Policy.h"
#include "image/ImageFile.h"

FlashGeometry FlashGeometry::FromPolicy() {
    FlashGeometry g;
    g.productList = GetProductList();
    g.productType = GetProductType();
    g.sectorSize = GetFlashOneSectorSize();
    g.maxMux = GetFlashMaxMuxCount();
    GetFlashMMIBlockInfo(&g.mmi.start, &g.mmi.sectors, &g.mmi.entrySize, &g.mmi.fourth);
    GetFlashSatBlockInfo(&g.sat.start, &g.sat.sectors, &g.sat.entrySize);
    GetFlashBrdBlockInfo(&g.brd.start, &g.brd.sectors, &g.brd.entrySize);
    GetFlashTPBlockInfo(&g.tp.start, &g.tp.sectors, &g.tp.entrySize);
    GetFlashCHBlockInfo(&g.ch.start, &g.ch.sectors, &g.ch.entrySize, &g.ch.fourth);
    return g;
}

namespace {

// Sectors smaller than the largest trailer come from a broken profile.
constexpr int kMinSectorSize = 16;

bool Problem(std::string* why, const std::string& text) {
    if (why)
        *why = "This receiver's flash layout is not valid: " + text + ".";
    return false;
}

} // namespace

bool FlashGeometry::Valid(std::string* why) const {
    if (sectorSize < kMinSectorSize || sectorSize > kMaxImageFileBytes)
        return Problem(why, "sector size " + std::to_string(sectorSize));
    struct Named {
        const char* name;
        const BlockGeometry& b;
    };
    const Named blocks[] = {{"favourite", mmi},
                            {"satellite", sat},
                            {"broadcast", brd},
                            {"transponder", tp},
                            {"channel", ch}};
    for (const Named& n : blocks) {
        const BlockGeometry& b = n.b;
        if (b.start < 0 || b.sectors < 0 || b.entrySize < 0)
            return Problem(why, std::string("the ") + n.name + " block has a negative value");
        if (b.start > kMaxImageFileBytes)
            return Problem(why, std::string("the ") + n.name + " block starts too far out");
    }
    if (maxMux < 0)
        return Problem(why, "a negative multiplex count");
    if (SingleBlock()) {
        // Slots of the three areas and the 20-byte trailer, from the block start.
        const std::int64_t end = std::int64_t{tp.start} + std::int64_t{tp.sectors} * tp.entrySize +
                                 std::int64_t{brd.sectors} * brd.entrySize +
                                 std::int64_t{ch.sectors} * ch.entrySize + 20;
        if (end > kMaxImageFileBytes)
            return Problem(why, "the single block is larger than any receiver's image");
        return true;
    }
    for (const Named& n : blocks) {
        const std::int64_t end = std::int64_t{n.b.start} + std::int64_t{n.b.sectors} * sectorSize;
        if (end > kMaxImageFileBytes)
            return Problem(why, std::string("the ") + n.name +
                                    " block reaches beyond any receiver's image");
    }
    return true;
}

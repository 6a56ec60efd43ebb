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

bool Problem(Phrase* why, Phrase text) {
    if (why)
        *why = phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "This receiver's flash layout is not valid: %1."),
            {std::move(text)});
    return false;
}

// What is wrong with one block: `pattern` with the block's marked name as %1.
Phrase OfBlock(const char* pattern, const char* block) {
    return phrase::Text(pattern, {phrase::Text(block)});
}

} // namespace

bool FlashGeometry::Valid(Phrase* why) const {
    if (sectorSize < kMinSectorSize || sectorSize > kMaxImageFileBytes)
        return Problem(why, phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "sector size %1"),
                                         {phrase::Data(std::to_string(sectorSize))}));
    struct Named {
        const char* name;
        const BlockGeometry& b;
    };
    const Named blocks[] = {{VELMAR_TRANSLATE_NOOP("Velmar", "favourite"), mmi},
                            {VELMAR_TRANSLATE_NOOP("Velmar", "satellite"), sat},
                            {VELMAR_TRANSLATE_NOOP("Velmar", "broadcast"), brd},
                            {VELMAR_TRANSLATE_NOOP("Velmar", "transponder"), tp},
                            {VELMAR_TRANSLATE_NOOP("Velmar", "channel"), ch}};
    for (const Named& n : blocks) {
        const BlockGeometry& b = n.b;
        if (b.start < 0 || b.sectors < 0 || b.entrySize < 0)
            return Problem(
                why, OfBlock(VELMAR_TRANSLATE_NOOP("Velmar", "the %1 block has a negative value"),
                             n.name));
        if (b.start > kMaxImageFileBytes)
            return Problem(
                why, OfBlock(VELMAR_TRANSLATE_NOOP("Velmar", "the %1 block starts too far out"),
                             n.name));
    }
    if (maxMux < 0)
        return Problem(why,
                       phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "a negative multiplex count")));
    if (SingleBlock()) {
        // Slots of the three areas and the 20-byte trailer, from the block start.
        const std::int64_t end = std::int64_t{tp.start} + std::int64_t{tp.sectors} * tp.entrySize +
                                 std::int64_t{brd.sectors} * brd.entrySize +
                                 std::int64_t{ch.sectors} * ch.entrySize + 20;
        if (end > kMaxImageFileBytes)
            return Problem(why,
                           phrase::Text(VELMAR_TRANSLATE_NOOP(
                               "Velmar", "the single block is larger than any receiver's image")));
        return true;
    }
    for (const Named& n : blocks) {
        const std::int64_t end = std::int64_t{n.b.start} + std::int64_t{n.b.sectors} * sectorSize;
        if (end > kMaxImageFileBytes)
            return Problem(
                why, OfBlock(VELMAR_TRANSLATE_NOOP(
                                 "Velmar", "the %1 block reaches beyond any receiver's image"),
                             n.name));
    }
    return true;
}

bool FlashGeometry::Valid(std::string* why) const {
    Phrase said;
    const bool valid = Valid(&said);
    if (!valid && why)
        *why = English(said);
    return valid;
}

// The receiver's flash layout as the product policy reports it: the product,
// the sector size and the five blocks. One value that the codec, the capacity
// check and the command-line options all read and check the same way.
#pragma once

#include "model/Product.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <string>

// One block: start (relative to the image proper), sectors (on the single
// block: slots), entry size, and the fourth value (favourite maximum, a
// running count, or the channel name length).
struct BlockGeometry {
    int start = 0;
    int sectors = 0;
    int entrySize = 0;
    int fourth = 0;
};

struct FlashGeometry {
    int productList = 0;
    std::uint32_t productType = 0;
    int sectorSize = 0;
    int maxMux = 0;
    BlockGeometry mmi, sat, brd, tp, ch;

    static FlashGeometry FromPolicy();

    // The cable single-block variant: product list 10 with the cable bit.
    bool SingleBlock() const { return IsSingleBlockImage(productType, productList); }
    bool TwinTuner() const { return UsesTwinTunerWriter(productList); }

    // Whether every block lies inside the largest image the program accepts,
    // so that no offset or size sum can overflow; `why` says what is wrong.
    bool Valid(Phrase* why) const;
    bool Valid(std::string* why = nullptr) const;
};

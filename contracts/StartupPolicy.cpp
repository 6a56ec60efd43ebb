#include "contracts/StartupPolicy.h"

#include "contracts/Policy.h"

void ConfigureStartupPolicy() {
    SetProductList(7);
    SetProductType(1);
    SetFlashByteOrder(0);
    SetFlashStartBlock(7744);
    SetBufChecksumSize(1);
    SetFlashMMIBlockInfo(0, 1, 20, 8);
    SetFlashSatBlockInfo(4096, 1, 32);
    SetFlashBrdBlockInfo(8192, 2, 20);
    SetFlashTPBlockInfo(16384, 8, 20);
    SetFlashCHBlockInfo(49152, 64, 56, 28);
}

#include "contracts/ReceiverProfiles.h"

#include "contracts/Policy.h"
#include "platform/Translate.h"

#include <algorithm>

namespace {

// Block layout shared by the sector-structured families: favourites in the
// first sector, then satellites, broadcasters, transponders (or multiplexes)
// and channels. Only the entry sizes differ between families.
constexpr ReceiverBlock kMMI{0, 1, 20, 8};
constexpr ReceiverBlock kNoSat{0, 0, 0, 0};
constexpr ReceiverBlock Sat(int entrySize) {
    return {4096, 1, entrySize, 0};
}
constexpr ReceiverBlock kBrd{8192, 2, 20, 0};
constexpr ReceiverBlock kTP{16384, 8, 20, 0};
constexpr ReceiverBlock Ch(int entrySize) {
    return {49152, 64, entrySize, 28};
}

// Channel entry sizes: each layout's bytes, rounded up to a multiple of 4.
// Compact (lists 7, 8): 25 or 27 bytes + name, + 16 with favourite positions;
// standard: 30 + name, + 48 or 64; network: 35 + name + 16; single block: 32 + name + 16.
constexpr ReceiverProfile kProfiles[] = {
    {.name = "satellite",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Satellite receiver with one tuner and compact channel entries "
                   "(the start-up choice)"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-7 and VX-8 satellite receivers"),
     .productList = 7,
     .productType = 0x01,
     .byteOrder = 0,
     .mmi = kMMI,
     .sat = Sat(32),
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(56)},
    {.name = "satellite-long",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Satellite receiver with long satellite entries; each channel keeps its "
                   "place in eight favourite lists"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-8 Plus satellite receivers"),
     .productList = 8,
     .productType = 0x19,
     .byteOrder = 1,
     .mmi = kMMI,
     .sat = Sat(44),
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(72)},
    {.name = "satellite-fav24",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Satellite receiver with full channel entries; each channel keeps its "
                   "place in 24 favourite lists"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-1 satellite receivers"),
     .productList = 1,
     .productType = 0x21,
     .byteOrder = 0,
     .mmi = kMMI,
     .sat = Sat(32),
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(108)},
    {.name = "satellite-fav32",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Satellite receiver with long satellite entries and full channel "
                   "entries; each channel keeps its place in 32 favourite lists"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-64 satellite receivers"),
     .productList = 64,
     .productType = 0x49,
     .byteOrder = 1,
     .mmi = kMMI,
     .sat = Sat(44),
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(124)},
    {.name = "twin-tuner",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Cable receiver with two tuners; every channel is stored once for each "
                   "tuner"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-5 twin-tuner cable receivers"),
     .productList = 5,
     .productType = 0x04,
     .byteOrder = 0,
     .mmi = kMMI,
     .sat = kNoSat,
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(64)},
    {.name = "twin-tuner-terrestrial",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Terrestrial (aerial) receiver with two tuners; every channel is stored "
                   "once for each tuner"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-6 twin-tuner terrestrial receivers"),
     .productList = 6,
     .productType = 0x02,
     .byteOrder = 0,
     .mmi = kMMI,
     .sat = kNoSat,
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(64)},
    {.name = "terrestrial",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Terrestrial (aerial) receiver; multiplexes instead of satellites"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-1T terrestrial receivers"),
     .productList = 1,
     .productType = 0x02,
     .byteOrder = 0,
     .mmi = kMMI,
     .sat = kNoSat,
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(64)},
    {.name = "terrestrial-network",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Terrestrial (aerial) receiver with network channel entries (logical "
                   "channel numbers) and eight favourite lists"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-9 terrestrial receivers"),
     .productList = 9,
     .productType = 0x12,
     .byteOrder = 1,
     .mmi = kMMI,
     .sat = kNoSat,
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(80)},
    {.name = "cable",
     .description =
         VELMAR_TRANSLATE_NOOP("Velmar", "Cable receiver; cable multiplexes instead of satellites"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-2 cable receivers"),
     .productList = 2,
     .productType = 0x04,
     .byteOrder = 1,
     .mmi = kMMI,
     .sat = kNoSat,
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(64)},
    {.name = "satellite-terrestrial",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Receiver with a satellite and a terrestrial tuner; the terrestrial "
                   "multiplexes have their own tab"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-3 satellite and terrestrial receivers"),
     .productList = 3,
     .productType = 0x03,
     .byteOrder = 1,
     .mmi = kMMI,
     .sat = Sat(32),
     .brd = kBrd,
     .tp = kTP,
     .ch = Ch(64)},
    // One block after the favourites: 64 multiplexes, 32 providers and 1000
    // channels, counted in slots rather than sectors.
    {.name = "cable-single-block",
     .description = VELMAR_TRANSLATE_NOOP(
         "Velmar", "Cable receiver that keeps its multiplexes, providers and channels "
                   "together in one block"),
     .models = VELMAR_TRANSLATE_NOOP("Velmar", "VX-10 cable receivers"),
     .productList = 10,
     .productType = 0x14,
     .byteOrder = 0,
     .mmi = kMMI,
     .sat = kNoSat,
     .brd = {0, 32, 20, 0},
     .tp = {4096, 64, 16, 0},
     .ch = {0, 1000, 80, 28}},
};

bool IsSingleBlock(const ReceiverProfile& p) {
    return p.productList == 10 && (p.productType & 0x04) != 0;
}

int BlockEnd(const ReceiverBlock& b, int sectorSize) {
    return b.start + b.sectors * sectorSize;
}

} // namespace

std::span<const ReceiverProfile> ReceiverProfiles() {
    return kProfiles;
}

const ReceiverProfile& DefaultReceiverProfile() {
    return kProfiles[0];
}

const ReceiverProfile* FindReceiverProfile(std::string_view name) {
    const auto* it = std::find_if(std::begin(kProfiles), std::end(kProfiles),
                                  [name](const ReceiverProfile& p) { return p.name == name; });
    return it == std::end(kProfiles) ? nullptr : it;
}

ReceiverProfile ChooseReceiver(const ReceiverProfile* commandLine, std::string_view savedName,
                               std::optional<int> savedGridColumn) {
    const ReceiverProfile* saved = FindReceiverProfile(savedName);
    ReceiverProfile chosen = commandLine ? *commandLine : saved ? *saved : DefaultReceiverProfile();
    if (savedGridColumn)
        chosen.gridColumn = *savedGridColumn != 0 ? 1 : 0;
    return chosen;
}

std::string ReceiverCaption(const ReceiverProfile& profile) {
    return "Velmar for " + std::string(profile.models) + " - 8FAV";
}

int ReceiverFlashBytes(const ReceiverProfile& p) {
    const int z = p.sectorSize;
    int end = BlockEnd(p.mmi, z);
    if (IsSingleBlock(p)) {
        // Multiplex, provider and channel slots, then the 20-byte trailer.
        const int block = p.tp.sectors * p.tp.entrySize + p.brd.sectors * p.brd.entrySize +
                          p.ch.sectors * p.ch.entrySize + 20;
        return std::max(end, p.tp.start + block);
    }
    if (p.productType & 0x01)
        end = std::max(end, BlockEnd(p.sat, z));
    if (p.productType & 0x07)
        end = std::max(end, BlockEnd(p.tp, z));
    end = std::max(end, BlockEnd(p.brd, z));
    return std::max(end, BlockEnd(p.ch, z));
}

std::array<PolicyStep, 10> PolicySteps(const ReceiverProfile& p) {
    const auto type = static_cast<int>(p.productType);
    return {{
        {PolicyCall::SetProductList, {p.productList, 0, 0, 0}},
        {PolicyCall::SetProductType, {type, 0, 0, 0}},
        {PolicyCall::SetFlashByteOrder, {p.byteOrder, 0, 0, 0}},
        {PolicyCall::SetFlashStartBlock, {p.startBlock, 0, 0, 0}},
        {PolicyCall::SetBufChecksumSize, {p.checksumSize, 0, 0, 0}},
        {PolicyCall::SetFlashMMIBlockInfo,
         {p.mmi.start, p.mmi.sectors, p.mmi.entrySize, p.mmi.fourth}},
        {PolicyCall::SetFlashSatBlockInfo, {p.sat.start, p.sat.sectors, p.sat.entrySize, 0}},
        {PolicyCall::SetFlashBrdBlockInfo, {p.brd.start, p.brd.sectors, p.brd.entrySize, 0}},
        {PolicyCall::SetFlashTPBlockInfo, {p.tp.start, p.tp.sectors, p.tp.entrySize, 0}},
        {PolicyCall::SetFlashCHBlockInfo, {p.ch.start, p.ch.sectors, p.ch.entrySize, p.ch.fourth}},
    }};
}

void ConfigurePolicy(const ReceiverProfile& profile) {
    velmar::policy_profile::SetFlashOneSectorSize(profile.sectorSize);
    velmar::policy_profile::SetFlashMaxMuxCount(profile.maxMuxCount);
    velmar::policy_profile::SetGridColumn(profile.gridColumn);
    for (const PolicyStep& step : PolicySteps(profile)) {
        const auto& a = step.args;
        switch (step.call) {
        case PolicyCall::SetProductList:
            SetProductList(a[0]);
            break;
        case PolicyCall::SetProductType:
            SetProductType(static_cast<std::uint32_t>(a[0]));
            break;
        case PolicyCall::SetFlashByteOrder:
            SetFlashByteOrder(a[0]);
            break;
        case PolicyCall::SetFlashStartBlock:
            SetFlashStartBlock(a[0]);
            break;
        case PolicyCall::SetBufChecksumSize:
            SetBufChecksumSize(a[0]);
            break;
        case PolicyCall::SetFlashMMIBlockInfo:
            SetFlashMMIBlockInfo(a[0], a[1], a[2], a[3]);
            break;
        case PolicyCall::SetFlashSatBlockInfo:
            SetFlashSatBlockInfo(a[0], a[1], a[2]);
            break;
        case PolicyCall::SetFlashBrdBlockInfo:
            SetFlashBrdBlockInfo(a[0], a[1], a[2]);
            break;
        case PolicyCall::SetFlashTPBlockInfo:
            SetFlashTPBlockInfo(a[0], a[1], a[2]);
            break;
        case PolicyCall::SetFlashCHBlockInfo:
            SetFlashCHBlockInfo(a[0], a[1], a[2], a[3]);
            break;
        }
    }
}

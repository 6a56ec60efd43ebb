// The channel block: three entry layouts, the TV/radio trailer, and the
// twin-tuner writer that stores every channel once per tuner.
#include "contracts/RecordArena.h"
#include "contracts/ZorvDB.h"
#include "image/BlockRules.h"
#include "image/ChannelEntryCodecs.h"
#include "image/ChannelFile.h"
#include "image/SectorWriter.h"
#include "model/Product.h"

#include <algorithm>
#include <utility>

namespace {

using enum ChannelEntryLayout;
constexpr int kMaxNameLength = 254; // the record's Name stays terminated
constexpr int kChannelTrailer = 6;

// `entry` is the tuner-1 copy the twin-tuner writer put right after `first`.
bool IsSecondCopy(std::span<const BYTE> first, std::span<const BYTE> entry, std::size_t tunerAt) {
    if (first.size() != entry.size() || entry.size() <= tunerAt || entry[tunerAt] != 1)
        return false;
    return std::equal(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(tunerAt),
                      entry.begin()) &&
           std::equal(first.begin() + static_cast<std::ptrdiff_t>(tunerAt) + 1, first.end(),
                      entry.begin() + static_cast<std::ptrdiff_t>(tunerAt) + 1);
}

} // namespace

bool CChannelFile::ReadChannelBlock() {
    const int Z = m_nSectorSize;
    const int S = m_ch.entrySize;
    const int L = m_ch.fourth;
    const ChannelEntryLayout layout = ChannelLayoutOf(m_nProductList);
    // A product we have no layout for must not silently load as empty.
    if (layout == None || S <= 0 || L < 1 || L > kMaxNameLength)
        return false;
    std::span<const BYTE> block;
    if (!ViewBlock(m_ch.start, std::int64_t{m_ch.sectors} * Z, block))
        return false;
    const int capacity = (Z - kChannelTrailer) / S;
    // The records come from one arena, a sector's worth to an allocation.
    RecordArena<Channel_Info_Tag> records(static_cast<std::size_t>(capacity > 0 ? capacity : 1));
    // The twin-tuner writer stores every channel twice, with Tuner 0 and 1.
    // Where the keep rule would keep both, an entry identical to the slot
    // before it but for Tuner 1 after 0 is that second copy: it folds back
    // into the row of the first, so load and save are stable.
    const bool foldTwins = UsesTwinTunerWriter(m_nProductList) && layout == Standard &&
                           !DropsTunerEntries(m_nProductType);
    const std::size_t tunerAt = std::size_t{28} + static_cast<std::size_t>(L);
    std::span<const BYTE> firstCopy; // the last slot read, when it was a Tuner-0 entry
    DWORD key = 1;
    for (int s = 0; s < m_ch.sectors; ++s) {
        const BYTE* sector = block.data() + std::int64_t{s} * Z;
        int a = ReadWORD(sector + Z - 6, 1);
        int b = ReadWORD(sector + Z - 4, 1);
        // Erased flash ends the block. One erased count alone does not: the
        // sector's slots are all read (the sum is clamped below) and the keep
        // rule drops the empty ones.
        if (a == 0xFFFF && b == 0xFFFF)
            break;
        if (layout == Network) {
            a = sector[Z - 3];
            b = 0;
        }
        if (a == 0 && b == 0)
            break;
        m_nTVCount = a;
        m_nRadioCount = b;
        const int slots = a + b < capacity ? a + b : capacity;
        for (int j = 0; j < slots; ++j, ++key) {
            const std::span<const BYTE> raw(sector + std::int64_t{j} * S,
                                            static_cast<std::size_t>(S));
            if (foldTwins) {
                const bool second = IsSecondCopy(firstCopy, raw, tunerAt);
                firstCopy =
                    raw.size() > tunerAt && raw[tunerAt] == 0 ? raw : std::span<const BYTE>();
                if (second) {
                    firstCopy = {};
                    continue;
                }
            }
            auto c = records.New();
            c->Index = key;
            const EntryReader e(raw, m_bByteOrder);
            if (layout == Standard) {
                DecodeChannelStandard(e, L, m_nProductType, *c);
                if (c->Tuner != 0 && DropsTunerEntries(m_nProductType))
                    c->Name[0] = '\0';
            } else if (layout == Compact) {
                DecodeChannelCompact(e, L, m_nProductType, m_nProductList, *c);
            } else {
                DecodeChannelNetwork(e, L, m_nProductType, *c);
            }
            if (c->Name[0] != '\0' && c->SatID != 0)
                m_db.Add(kTableChannel, c->Index, std::move(c));
        }
    }
    return true;
}

bool CChannelFile::WriteChannelBlock() {
    return WriteChannels(false);
}

bool CChannelFile::WriteTwinTunerChannelBlock() {
    return WriteChannels(true);
}

bool CChannelFile::WriteChannels(bool twinTuner) {
    const int Z = m_nSectorSize;
    const int S = m_ch.entrySize;
    const int L = m_ch.fourth;
    const ChannelEntryLayout layout = twinTuner ? Standard : ChannelLayoutOf(m_nProductList);
    if (layout == None || S <= 0 || L < 1 || L > kMaxNameLength)
        return false;
    const bool network = layout == Network;
    m_nTVCount = m_nRadioCount = 0;
    CSectorWriter writer(
        m_file, m_ch.start, Z, m_ch.sectors, S,
        [=](int off) { return fit::Channel(Z, S, off, network); },
        [&](std::span<BYTE> s) {
            if (network) {
                WriteWORD(&s[Z - 4], static_cast<WORD>(m_nTVCount + m_nRadioCount), 1);
            } else {
                WriteWORD(&s[Z - 6], static_cast<WORD>(m_nTVCount), 1);
                WriteWORD(&s[Z - 4], static_cast<WORD>(m_nRadioCount), 1);
            }
            m_nTVCount = m_nRadioCount = 0;
        });
    const std::int64_t entries = std::int64_t{m_db.Size(kTableChannel)} * (twinTuner ? 2 : 1);
    if (!writer.Fit(entries))
        return false;
    for (const Channel_Info_Tag& c : std::as_const(m_db).Rows<Channel_Info_Tag>(kTableChannel)) {
        for (int copy = 0; copy < (twinTuner ? 2 : 1); ++copy) {
            EntryWriter e(writer.Place(), m_bByteOrder);
            if (layout == Standard)
                EncodeChannelStandard(c, L, m_nProductType, twinTuner ? copy : -1, e);
            else if (layout == Compact)
                EncodeChannelCompact(c, L, m_nProductType, m_nProductList, e);
            else
                EncodeChannelNetwork(c, L, m_nProductType, e);
            // Every written entry is counted, so the reader finds every slot:
            // a row that is neither TV nor radio counts with the radio entries.
            if (c.Attributes & kAttrTV)
                ++m_nTVCount;
            else
                ++m_nRadioCount;
        }
    }
    return writer.End(false, 0, m_ch.sectors);
}

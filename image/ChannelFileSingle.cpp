// The cable single block (product list 10 with the cable bit): multiplexes,
// broadcasters and channels one after another, one trailer at the end.
#include "contracts/ZorvDB.h"
#include "image/ChannelEntryCodecs.h"
#include "image/ChannelFile.h"
#include "image/Checksums.h"
#include "image/EntryCodecs.h"
#include "image/ImageState.h"

namespace {

constexpr int kTrailerSize = 20;
constexpr std::int64_t kMaxSingleBlock = std::int64_t{64} << 20;

// Area offsets of the single block, from the geometry; slot counts are the
// blocks' second values here.
struct SingleLayout {
    std::int64_t muxAt, brdAt, chAt, trailerAt;
};

SingleLayout Layout(const CChannelFile::Block& tp, const CChannelFile::Block& brd,
                    const CChannelFile::Block& ch) {
    SingleLayout l{};
    l.muxAt = 0;
    l.brdAt = std::int64_t{tp.sectors} * tp.entrySize;
    l.chAt = l.brdAt + std::int64_t{brd.sectors} * brd.entrySize;
    l.trailerAt = l.chAt + std::int64_t{ch.sectors} * ch.entrySize;
    return l;
}

// Erased flash (all ones) counts nothing; any other count stops at its area.
int Clamp(DWORD count, int slots) {
    if (count == 0xFFFFFFFFu)
        return 0;
    return count < static_cast<DWORD>(slots) ? static_cast<int>(count) : slots;
}

std::span<const BYTE> Slot(const std::vector<BYTE>& block, std::int64_t at, int size) {
    return std::span<const BYTE>(block).subspan(static_cast<std::size_t>(at),
                                                static_cast<std::size_t>(size));
}

} // namespace

bool CChannelFile::ReadSingleBlock() {
    const int L = m_ch.fourth;
    if (m_tp.entrySize <= 0 || m_brd.entrySize <= 0 || m_ch.entrySize <= 0 || L < 1 || L > 254)
        return false;
    const SingleLayout at = Layout(m_tp, m_brd, m_ch);
    std::vector<BYTE> block;
    if (!ReadBlock(m_tp.start, at.trailerAt + 14, block))
        return false;
    // The whole count field in the image byte order.
    const BYTE* t = block.data() + at.trailerAt;
    const int muxes = Clamp(ReadDWORD(t, m_bByteOrder), m_tp.sectors);
    const int brds = Clamp(ReadDWORD(t + 4, m_bByteOrder), m_brd.sectors);
    const int channels = Clamp(ReadDWORD(t + 8, m_bByteOrder), m_ch.sectors);
    m_values.preserved[2] = t[12];
    m_values.preserved[3] = t[13];

    DWORD key = 1;
    for (int i = 0; i < muxes; ++i, ++key) {
        auto m = NewRecord<CableMux_Info_Tag>();
        m->Index = key;
        DecodeSingleMux(
            EntryReader(Slot(block, at.muxAt + std::int64_t{i} * m_tp.entrySize, m_tp.entrySize),
                        m_bByteOrder),
            *m);
        if (m->TPID == 0)
            continue;
        if (m->TPID > m_values.maxTPID)
            m_values.maxTPID = m->TPID;
        m_db.Add(kTableCableMux, m->Index, std::move(m));
    }
    for (int i = 0; i < brds; ++i, ++key) {
        auto b = NewRecord<Broadcast_Info_Tag>();
        b->Index = key;
        DecodeSingleBroadcaster(
            EntryReader(Slot(block, at.brdAt + std::int64_t{i} * m_brd.entrySize, m_brd.entrySize),
                        m_bByteOrder),
            *b);
        if (b->Name[0] != '\0')
            m_db.Add(kTableBroadcast, b->Index, std::move(b));
    }
    for (int i = 0; i < channels; ++i, ++key) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->Index = key;
        DecodeChannelSingle(
            EntryReader(Slot(block, at.chAt + std::int64_t{i} * m_ch.entrySize, m_ch.entrySize),
                        m_bByteOrder),
            L, m_nProductType, *c);
        if (c->Name[0] != '\0' && c->TPID != 0)
            m_db.Add(kTableChannel, c->Index, std::move(c));
    }
    return true;
}

bool CChannelFile::WriteSingleBlock() {
    const int L = m_ch.fourth;
    if (m_tp.entrySize <= 0 || m_brd.entrySize <= 0 || m_ch.entrySize <= 0 || L < 1 || L > 254)
        return false;
    CZorvDB& db = m_db;
    // A table larger than its area fails the save instead of losing rows.
    if (db.Size(kTableCableMux) > static_cast<std::uint32_t>(m_tp.sectors) ||
        db.Size(kTableBroadcast) > static_cast<std::uint32_t>(m_brd.sectors) ||
        db.Size(kTableChannel) > static_cast<std::uint32_t>(m_ch.sectors))
        return false;
    const SingleLayout at = Layout(m_tp, m_brd, m_ch);
    // The areas come from the policy; a block no receiver flash could hold
    // is a broken profile, not something to allocate.
    if (at.trailerAt + kTrailerSize > kMaxSingleBlock)
        return false;
    std::vector<BYTE> block(static_cast<std::size_t>(at.trailerAt + kTrailerSize), 0);
    auto slot = [&](std::int64_t offset, int size) {
        return EntryWriter(std::span<BYTE>(block).subspan(static_cast<std::size_t>(offset),
                                                          static_cast<std::size_t>(size)),
                           m_bByteOrder);
    };

    DWORD muxes = 0, brds = 0, channels = 0;
    for (auto* m = db.NextAs<CableMux_Info_Tag>(kTableCableMux, 0); m;
         m = db.NextAs<CableMux_Info_Tag>(kTableCableMux, m->Index)) {
        auto e = slot(at.muxAt + std::int64_t{muxes++} * m_tp.entrySize, m_tp.entrySize);
        EncodeSingleMux(*m, e);
    }
    for (auto* b = db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, 0); b;
         b = db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, b->Index)) {
        auto e = slot(at.brdAt + std::int64_t{brds++} * m_brd.entrySize, m_brd.entrySize);
        EncodeSingleBroadcaster(*b, e);
    }
    // Every written channel is counted so that the reader finds every slot.
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index)) {
        auto e = slot(at.chAt + std::int64_t{channels++} * m_ch.entrySize, m_ch.entrySize);
        EncodeChannelSingle(*c, L, m_nProductType, e);
    }

    BYTE* t = block.data() + at.trailerAt;
    WriteDWORD(t, muxes, m_bByteOrder);
    WriteDWORD(t + 4, brds, m_bByteOrder);
    WriteDWORD(t + 8, channels, m_bByteOrder);
    t[12] = m_values.preserved[2];
    t[13] = m_values.preserved[3];
    const DWORD sum = SingleBlockChecksum(block, static_cast<std::size_t>((at.trailerAt + 16) / 4));
    WriteDWORD(t + 16, sum, 1);
    return m_file.Seek(m_tp.start) && m_file.Write(block) && m_file.Flush();
}

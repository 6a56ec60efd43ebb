// Favourite, satellite, broadcast, transponder and multiplex blocks.
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "image/BlockRules.h"
#include "image/ChannelFile.h"
#include "image/EntryCodecs.h"
#include "image/ImageState.h"
#include "image/SectorWriter.h"
#include "model/Product.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

namespace {

std::int64_t BlockBytes(const CChannelFile::Block& b, int sectorSize) {
    return std::int64_t{b.sectors} * sectorSize;
}

std::span<const BYTE> EntryAt(const std::vector<BYTE>& block, std::int64_t offset, int size) {
    return std::span<const BYTE>(block).subspan(static_cast<std::size_t>(offset),
                                                static_cast<std::size_t>(size));
}

// Entries a sector really holds before its trailer of `trailer` bytes: a
// larger count in the trailer is clamped to it. An erased trailer (0xFFFF)
// means the sector holds nothing.
int ClampedCount(int count, int sectorSize, int trailer, int entrySize) {
    if (count == 0xFFFF || entrySize <= 0)
        return 0;
    const int capacity = (sectorSize - trailer) / entrySize;
    return count < capacity ? count : capacity;
}

void RaiseMaxTPID(ImageStateValues& values, BYTE tpid) {
    if (tpid > values.maxTPID)
        values.maxTPID = tpid;
}

template <class T> void AddOrDrop(CZorvDB& db, std::uint8_t table, RecordPtr<T> row, bool keep) {
    if (keep)
        db.Add(table, row->Index, std::move(row));
}

// The counted sectors of the broadcast, transponder and cable blocks: each
// sector's entry count at Z-4 (order 1, clamped), slots from offset 0, one
// running key over the block. Returns the last sector's count.
template <class Visit>
int ForEachCountedSlot(const std::vector<BYTE>& block, int sectors, int Z, int E, Visit visit) {
    DWORD key = 1;
    int count = 0;
    for (int s = 0; s < sectors; ++s) {
        const std::int64_t base = std::int64_t{s} * Z;
        count = ClampedCount(ReadWORD(&block[base + Z - 4], 1), Z, 4, E);
        for (int j = 0; j < count; ++j, ++key)
            visit(key, EntryAt(block, base + std::int64_t{j} * E, E));
    }
    return count;
}

// Writes a table into counted sectors (count at Z-4, order 1), then zero
// sectors to the end of the block; fails before writing when it does not fit.
template <class T, class Encode>
bool WriteCountedBlock(CImageBuffer& file, const CZorvDB& db, const CChannelFile::Block& b, int Z,
                       std::uint8_t table, const CSectorWriter::Fits& fits, Encode encode) {
    CSectorWriter writer(file, b.start, Z, b.sectors, b.entrySize, fits, [&](std::span<BYTE> s) {
        WriteWORD(&s[Z - 4], static_cast<WORD>(writer.EntriesInSector()), 1);
    });
    if (!writer.Fit(db.Size(table)))
        return false;
    for (const T& r : db.Rows<T>(table)) {
        const std::span<BYTE> entry = writer.Place();
        encode(r, entry);
    }
    return writer.End(false, 0, b.sectors);
}

} // namespace

// ---- Favourite (MMI) block --------------------------------------------------

bool CChannelFile::ReadFavorites() {
    std::vector<BYTE> block;
    const std::int64_t size = BlockBytes(m_mmi, m_nSectorSize);
    if (!ReadBlock(m_mmi.start, size, block))
        return false;
    m_values.favHeader = size >= 2 ? ReadWORD(block.data(), m_bByteOrder) : 0;
    const int E = m_mmi.entrySize;
    for (int i = 0; E > 0 && i < m_mmi.fourth && i < m_nSectorSize / E; ++i) {
        const std::int64_t at = 2 + std::int64_t{i} * E;
        if (at + E > size)
            break;
        auto fav = NewRecord<FavoriteList>();
        fav->Index = static_cast<DWORD>(i + 1);
        DecodeFavorite(EntryReader(EntryAt(block, at, E), m_bByteOrder), *fav);
        if (fav->Name[0] == '\0')
            (void)std::snprintf(fav->Name, sizeof fav->Name, "Favorite %d", i + 1);
        AddOrDrop(m_db, kTableFavorite, std::move(fav), true);
    }
    return true;
}

bool CChannelFile::WriteFavorites() {
    const int Z = m_nSectorSize;
    const int E = m_mmi.entrySize;
    if (E < kFavoriteEntryMin)
        return false;
    // Bytes Z-4 and Z-3 belong to the receiver: keep what each sector has.
    std::vector<BYTE> old;
    const std::int64_t length = m_file.Length();
    if (length >= m_mmi.start + BlockBytes(m_mmi, Z))
        ReadBlock(m_mmi.start, BlockBytes(m_mmi, Z), old);
    int sector = 0;
    CSectorWriter writer(
        m_file, m_mmi.start, Z, m_mmi.sectors, E, [=](int p) { return fit::Favorite(Z, E, p); },
        [&](std::span<BYTE> s) {
            const std::size_t at = static_cast<std::size_t>(sector) * Z + Z - 4;
            if (at + 2 <= old.size()) {
                s[Z - 4] = old[at];
                s[Z - 3] = old[at + 1];
            }
            ++sector;
        });
    WriteWORD(writer.Sector().data(), m_values.favHeader, m_bByteOrder);
    writer.SetFirstOffset(2);
    if (!writer.Fit(m_db.Size(kTableFavorite)))
        return false;
    for (auto* f = m_db.NextAs<FavoriteList>(kTableFavorite, 0); f;
         f = m_db.NextAs<FavoriteList>(kTableFavorite, f->Index)) {
        EntryWriter e(writer.Place(), m_bByteOrder);
        EncodeFavorite(*f, e);
    }
    // Lists 7 to 10 write only the first 170 bytes of the last sector.
    const bool shortWrite = HasShortFavoriteSector(m_nProductList);
    return writer.End(true, shortWrite ? 170 : 0);
}

// ---- Satellite block --------------------------------------------------------

bool CChannelFile::ReadSatellites() {
    std::vector<BYTE> block;
    const std::int64_t size = BlockBytes(m_sat, m_nSectorSize);
    if (!ReadBlock(m_sat.start, size, block))
        return false;
    if (size < 7 || m_sat.entrySize <= 0)
        return true;
    // The writer can only fill the first sector, so its trailer is the one
    // that counts (for one sector it is also the end of the block).
    const std::int64_t trailerEnd = m_sat.sectors > 1 ? m_nSectorSize : size;
    const BYTE* t = block.data() + trailerEnd - 7;
    m_values.preserved[0] = t[0];
    m_values.preserved[1] = t[1];
    m_values.preserved[2] = t[3];
    m_values.preserved[3] = t[4];
    m_sat.fourth = t[2] == 0 ? 120 : t[2];
    const int E = m_sat.entrySize;
    const bool longForm = HasLongSatelliteEntries(m_nProductType);
    for (int i = 0; i < m_sat.fourth && std::int64_t{i + 1} * E <= trailerEnd - 7; ++i) {
        auto sat = NewRecord<Satellite_Info_Tag>();
        sat->Index = static_cast<DWORD>(i + 1);
        const EntryReader e(EntryAt(block, std::int64_t{i} * E, E), m_bByteOrder);
        if (longForm)
            DecodeSatelliteLong(e, *sat);
        else
            DecodeSatelliteShort(e, *sat);
        const bool keep = sat->Name[0] != '\0';
        AddOrDrop(m_db, kTableSatellite, std::move(sat), keep);
    }
    return true;
}

bool CChannelFile::WriteSatellites() {
    const int Z = m_nSectorSize;
    const int E = m_sat.entrySize;
    const bool longForm = HasLongSatelliteEntries(m_nProductType);
    if (E < (longForm ? kSatLongEntry : kSatShortEntry))
        return false;
    m_sat.fourth = 0;
    CSectorWriter writer(
        m_file, m_sat.start, Z, m_sat.sectors, E, [=](int p) { return fit::Satellite(Z, E, p); },
        [&](std::span<BYTE> s) {
            s[Z - 7] = m_values.preserved[0];
            s[Z - 6] = m_values.preserved[1];
            s[Z - 5] = static_cast<BYTE>(writer.EntriesInSector());
            s[Z - 4] = m_values.preserved[2];
            s[Z - 3] = m_values.preserved[3];
        });
    // The reader takes one trailer, so every satellite must fit the first sector.
    // ... and their count is one byte.
    if (m_sat.sectors < 1 || m_db.Size(kTableSatellite) > 255 ||
        writer.SectorsNeeded(m_db.Size(kTableSatellite)) > 1)
        return false;
    for (auto* s = m_db.NextAs<Satellite_Info_Tag>(kTableSatellite, 0); s;
         s = m_db.NextAs<Satellite_Info_Tag>(kTableSatellite, s->Index)) {
        EntryWriter e(writer.Place(), m_bByteOrder);
        if (longForm)
            EncodeSatelliteLong(*s, e);
        else
            EncodeSatelliteShort(*s, e);
    }
    return writer.End();
}

// ---- Broadcast block --------------------------------------------------------

bool CChannelFile::ReadBroadcasts() {
    std::vector<BYTE> block;
    if (!ReadBlock(m_brd.start, BlockBytes(m_brd, m_nSectorSize), block))
        return false;
    m_brd.fourth = ForEachCountedSlot(block, m_brd.sectors, m_nSectorSize, m_brd.entrySize,
                                      [&](DWORD key, std::span<const BYTE> entry) {
                                          auto b = NewRecord<Broadcast_Info_Tag>();
                                          b->Index = key;
                                          DecodeBroadcast(EntryReader(entry, m_bByteOrder), *b);
                                          const bool keep = b->Name[0] != '\0';
                                          AddOrDrop(m_db, kTableBroadcast, std::move(b), keep);
                                      });
    return true;
}

bool CChannelFile::WriteBroadcasts() {
    const int Z = m_nSectorSize;
    const int E = m_brd.entrySize;
    if (E < kBroadcastEntryMin)
        return false;
    m_brd.fourth = 0;
    return WriteCountedBlock<Broadcast_Info_Tag>(
        m_file, m_db, m_brd, Z, kTableBroadcast, [=](int p) { return fit::Broadcast(Z, E, p); },
        [&](const Broadcast_Info_Tag& b, std::span<BYTE> entry) {
            EntryWriter e(entry, m_bByteOrder);
            EncodeBroadcast(b, e);
        });
}

// ---- Transponder block ------------------------------------------------------

bool CChannelFile::ReadTransponders() {
    std::vector<BYTE> block;
    if (!ReadBlock(m_tp.start, BlockBytes(m_tp, m_nSectorSize), block))
        return false;
    const bool extension = HasTransponderExtension(m_nProductList);
    const std::uint32_t type = m_nProductType;
    m_tp.fourth = ForEachCountedSlot(block, m_tp.sectors, m_nSectorSize, m_tp.entrySize,
                                     [&](DWORD key, std::span<const BYTE> entry) {
                                         auto t = NewRecord<Transponder_Info_Tag>();
                                         t->Index = key;
                                         const EntryReader e(entry, m_bByteOrder);
                                         DecodeTransponderStandard(e, extension, *t);
                                         if (IsTerrestrialPseudoSatellite(type, t->SatID))
                                             DecodeTransponderTerrestrial(e, m_bByteOrder, *t);
                                         const bool keep = t->SatID != 0;
                                         if (keep)
                                             RaiseMaxTPID(m_values, t->TPID);
                                         AddOrDrop(m_db, kTableTransponder, std::move(t), keep);
                                     });
    return true;
}

bool CChannelFile::WriteTransponders() {
    const int Z = m_nSectorSize;
    const int E = m_tp.entrySize;
    if (E < kTransponderEntryBase)
        return false;
    // The writer asks the policy itself, as the receiver's tools did.
    const bool extension = HasTransponderExtension(GetProductList());
    const std::uint32_t type = GetProductType();
    m_tp.fourth = 0;
    return WriteCountedBlock<Transponder_Info_Tag>(
        m_file, m_db, m_tp, Z, kTableTransponder, [=](int p) { return fit::Transponder(Z, E, p); },
        [&](const Transponder_Info_Tag& t, std::span<BYTE> entry) {
            EntryWriter e(entry, m_bByteOrder);
            if (IsTerrestrialPseudoSatellite(type, t.SatID))
                EncodeTransponderTerrestrial(t, extension, m_bByteOrder, e);
            else
                EncodeTransponderStandard(t, extension, e);
        });
}

// ---- Terrestrial multiplex block (read only) -------------------------------

bool CChannelFile::ReadTerrestrialMuxBlock() {
    std::vector<BYTE> block;
    if (!ReadBlock(m_tp.start, BlockBytes(m_tp, m_nSectorSize), block))
        return false;
    const int Z = m_nSectorSize;
    const int S = m_tp.entrySize;
    const int B = m_brd.entrySize;
    // Broadcasters repeat per sector and may repeat the broadcast block's:
    // an identical one is dropped, a new one under a taken key gets a fresh key.
    std::set<std::pair<WORD, std::string>> known;
    for (auto* b = m_db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, 0); b;
         b = m_db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, b->Index))
        known.emplace(b->BroadcastID, b->Name);

    DWORD muxKey = 1;
    for (int s = 0; s < m_tp.sectors; ++s) {
        const std::int64_t base = std::int64_t{s} * Z;
        const int M = GetFlashMaxMuxCount();
        // Only slots inside the sector are visited; the key still counts all M.
        const int inside = S > 0 ? std::min(M, Z / S) : 0;
        for (int k = 0; k < inside; ++k, ++muxKey) {
            const std::int64_t at = std::int64_t{k} * S;
            auto m = NewRecord<SMux_Info_Tag>();
            m->Index = muxKey;
            DecodeTerrestrialMux(EntryReader(EntryAt(block, base + at, S), m_bByteOrder),
                                 m_bByteOrder, *m);
            const bool keep = m->TPID != 0;
            if (keep)
                RaiseMaxTPID(m_values, m->TPID);
            AddOrDrop(m_db, kTableTerrestrialMux, std::move(m), keep);
        }
        if (M > inside)
            muxKey += static_cast<DWORD>(M - inside);
        const int M2 = GetFlashMaxMuxCount();
        const std::int64_t first = std::int64_t{M} * std::max(S, 0);
        const int brdInside =
            B > 0 && first < Z ? static_cast<int>(std::min<std::int64_t>(M2, (Z - first) / B)) : 0;
        DWORD brdKey = 1;
        for (int k = 0; k < brdInside; ++k, ++brdKey) {
            const std::int64_t at = first + std::int64_t{k} * B;
            auto b = NewRecord<Broadcast_Info_Tag>();
            b->Index = brdKey;
            DecodeTerrestrialBroadcaster(EntryReader(EntryAt(block, base + at, B), m_bByteOrder),
                                         *b);
            if (b->Name[0] == '\0' || !known.emplace(b->BroadcastID, b->Name).second)
                continue;
            if (m_db.GetRow(kTableBroadcast, brdKey))
                m_db.AddIndexed(kTableBroadcast, std::move(b));
            else
                m_db.Add(kTableBroadcast, brdKey, std::move(b));
        }
    }
    return true;
}

// ---- Cable multiplex block ----------------------------------------------------

bool CChannelFile::ReadCableMuxBlock() {
    std::vector<BYTE> block;
    if (!ReadBlock(m_tp.start, BlockBytes(m_tp, m_nSectorSize), block))
        return false;
    ForEachCountedSlot(block, m_tp.sectors, m_nSectorSize, m_tp.entrySize,
                       [&](DWORD key, std::span<const BYTE> entry) {
                           auto m = NewRecord<CableMux_Info_Tag>();
                           m->Index = key;
                           DecodeCableMux(EntryReader(entry, m_bByteOrder), *m);
                           const bool keep = m->TPID != 0;
                           if (keep)
                               RaiseMaxTPID(m_values, m->TPID);
                           AddOrDrop(m_db, kTableCableMux, std::move(m), keep);
                       });
    return true;
}

bool CChannelFile::WriteCableMuxBlock() {
    const int Z = m_nSectorSize;
    const int S = m_tp.entrySize;
    if (S < kCableMuxEntryBase)
        return false;
    return WriteCountedBlock<CableMux_Info_Tag>(
        m_file, m_db, m_tp, Z, kTableCableMux, [=](int off) { return fit::CableMux(Z, S, off); },
        [&](const CableMux_Info_Tag& m, std::span<BYTE> entry) {
            EntryWriter e(entry, m_bByteOrder);
            EncodeCableMux(m, e);
        });
}

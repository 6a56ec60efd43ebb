#include "image/SectorWriter.h"

#include "image/BlockRules.h"
#include "image/Checksums.h"

#include <cstring>

CSectorWriter::CSectorWriter(CImageBuffer& file, std::int64_t blockStart, int sectorSize,
                             int blockSectors, int entrySize, Fits fits, Finish finish)
    : m_file(file), m_nBlockStart(blockStart), m_nSectorSize(sectorSize),
      m_nBlockSectors(blockSectors), m_nEntrySize(entrySize), m_fits(std::move(fits)),
      m_finish(std::move(finish)), m_buffer(static_cast<std::size_t>(sectorSize), 0) {
    m_bOk = m_file.Seek(m_nBlockStart);
}

std::int64_t CSectorWriter::SectorsNeeded(std::int64_t entries) const {
    if (entries <= 0)
        return 0;
    if (m_nEntrySize <= 0)
        return -1;
    // Entries per sector: the first sector may start later than the rest.
    const std::int64_t first = fit::PerSector(m_nSectorSize, m_nEntrySize, m_nOffset, m_fits);
    const std::int64_t later = fit::PerSector(m_nSectorSize, m_nEntrySize, 0, m_fits);
    if (entries <= first)
        return 1;
    if (later == 0)
        return -1;
    return 1 + (entries - first + later - 1) / later;
}

bool CSectorWriter::Fit(std::int64_t entries) const {
    const std::int64_t sectors = SectorsNeeded(entries);
    return sectors >= 0 && sectors <= m_nBlockSectors;
}

CSectorWriter::Room CSectorWriter::RoomFrom(int offset) const {
    // The fit rule asked once per slot of a sector, in a row: how many entries
    // follow one another from `offset`, and whether the rule would take the
    // next one although it does not fit in the sector.
    Room room;
    if (m_nEntrySize <= 0)
        return room;
    std::int64_t off = offset;
    while (off <= m_nSectorSize && m_fits(static_cast<int>(off))) {
        if (off + m_nEntrySize > m_nSectorSize) {
            room.overrun = true;
            break;
        }
        ++room.entries;
        off += m_nEntrySize;
    }
    return room;
}

void CSectorWriter::StartSector() {
    // Every sector after the first starts at 0: its room is worked out once.
    if (m_nOffset == 0) {
        if (!m_bRoomAtZero) {
            m_roomAtZero = RoomFrom(0);
            m_bRoomAtZero = true;
        }
        m_room = m_roomAtZero;
    } else {
        m_room = RoomFrom(m_nOffset);
    }
    m_bRoomKnown = true;
}

bool CSectorWriter::WriteSector(int bytes, bool finish) {
    if (m_nWritten >= m_nBlockSectors) {
        m_bOk = false; // would run into the next block
        return false;
    }
    if (finish) {
        m_finish(m_buffer);
        StampSectorChecksum(m_buffer);
    }
    const std::size_t n = bytes > 0 ? static_cast<std::size_t>(bytes) : m_buffer.size();
    if (!m_file.Write(std::span<const BYTE>(m_buffer).first(n)) || !m_file.Flush())
        m_bOk = false;
    ++m_nWritten;
    // A short last write leaves the file position inside the sector: realign.
    if (m_bOk && n < m_buffer.size())
        m_bOk = m_file.Seek(m_nBlockStart + std::int64_t{m_nWritten} * m_nSectorSize);
    std::memset(m_buffer.data(), 0, m_buffer.size());
    m_nOffset = 0;
    m_nCount = 0;
    m_bRoomKnown = false;
    return m_bOk;
}

std::span<BYTE> CSectorWriter::Place() {
    if (!m_bRoomKnown)
        StartSector();
    if (m_room.entries == 0 && !m_room.overrun) {
        // The rule takes no entry at this offset: the sector is full.
        if (m_nCount == 0)
            m_bOk = false; // not even one entry fits an empty sector
        else
            WriteSector(0, true);
        if (m_bOk)
            StartSector();
    }
    if (!m_bOk || m_room.entries == 0 || m_nOffset + m_nEntrySize > m_nSectorSize) {
        m_bOk = false;
        return {};
    }
    std::span<BYTE> entry(m_buffer.data() + m_nOffset, static_cast<std::size_t>(m_nEntrySize));
    m_nOffset += m_nEntrySize;
    ++m_nCount;
    --m_room.entries;
    return entry;
}

bool CSectorWriter::End(bool always, int lastSectorBytes, int padTo) {
    if (m_bOk && (m_nCount > 0 || always))
        WriteSector(lastSectorBytes, true);
    while (m_bOk && m_nWritten < padTo)
        WriteSector(0, false);
    return m_bOk;
}

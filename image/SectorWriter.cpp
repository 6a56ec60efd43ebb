#include "image/SectorWriter.h"

#include "image/BlockRules.h"
#include "image/Checksums.h"

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
    std::fill(m_buffer.begin(), m_buffer.end(), BYTE{0});
    m_nOffset = 0;
    m_nCount = 0;
    return m_bOk;
}

std::span<BYTE> CSectorWriter::Place() {
    if (!m_fits(m_nOffset)) {
        if (m_nCount == 0)
            m_bOk = false; // not even one entry fits an empty sector
        else
            WriteSector(0, true);
    }
    if (!m_bOk || !m_fits(m_nOffset) || m_nOffset + m_nEntrySize > m_nSectorSize) {
        m_bOk = false;
        return {};
    }
    std::span<BYTE> entry(m_buffer.data() + m_nOffset, static_cast<std::size_t>(m_nEntrySize));
    m_nOffset += m_nEntrySize;
    ++m_nCount;
    return entry;
}

bool CSectorWriter::End(bool always, int lastSectorBytes, int padTo) {
    if (m_bOk && (m_nCount > 0 || always))
        WriteSector(lastSectorBytes, true);
    while (m_bOk && m_nWritten < padTo)
        WriteSector(0, false);
    return m_bOk;
}

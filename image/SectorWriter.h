// The sector-wise block write shared by the block writers: entries are placed
// one after another in a zeroed sector buffer; when the next entry does not
// fit, the block's trailer and the sector checksum are filled in and the whole
// sector is written in one call. Entries never straddle sectors, and the
// writer never writes past the block's last sector.
#pragma once

#include "image/ImageBuffer.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class CSectorWriter {
public:
    // Whether an entry may start at this offset of the current sector.
    using Fits = std::function<bool(int offset)>;
    // Fills the trailer of a full sector (before its checksum is stamped).
    using Finish = std::function<void(std::span<BYTE> sector)>;

    CSectorWriter(CImageBuffer& file, std::int64_t blockStart, int sectorSize, int blockSectors,
                  int entrySize, Fits fits, Finish finish);

    // Offset of the first entry in the first sector (the favourite block
    // keeps its header word in front).
    void SetFirstOffset(int offset) {
        m_nOffset = offset;
        m_bRoomKnown = false;
    }
    std::span<BYTE> Sector() { return m_buffer; }

    // How many sectors `entries` entries take with this fit rule, counting
    // from the first offset; -1 when an entry fits in no sector at all.
    std::int64_t SectorsNeeded(std::int64_t entries) const;
    bool Fit(std::int64_t entries) const;

    // The next entry's bytes, finishing the current sector first when full.
    std::span<BYTE> Place();
    int EntriesInSector() const { return m_nCount; }

    // Finishes the last sector when it holds an entry (or always, with
    // `always`), writing only `lastSectorBytes` of it when that is set; then
    // writes all-zero sectors until `padTo` sectors are written. False on a
    // write error or when the block would overflow.
    bool End(bool always = false, int lastSectorBytes = 0, int padTo = 0);
    bool Ok() const { return m_bOk; }
    int SectorsWritten() const { return m_nWritten; }

private:
    struct Room {
        int entries = 0;      // entries that still fit the current sector
        bool overrun = false; // the rule takes the next one past the sector's end
    };
    Room RoomFrom(int offset) const;
    void StartSector();
    bool WriteSector(int bytes, bool finish);

    CImageBuffer& m_file;
    std::int64_t m_nBlockStart;
    int m_nSectorSize;
    int m_nBlockSectors;
    int m_nEntrySize;
    Fits m_fits;
    Finish m_finish;
    std::vector<BYTE> m_buffer;
    int m_nOffset = 0;
    int m_nCount = 0;
    int m_nWritten = 0;
    bool m_bOk = true;
    Room m_room;
    bool m_bRoomKnown = false;
    Room m_roomAtZero;
    bool m_bRoomAtZero = false;
};

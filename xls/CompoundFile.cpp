#include "xls/CompoundFile.h"

#include <algorithm>
#include <cstring>

namespace cfb {

namespace {

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::size_t kHeaderDifat = 109;
constexpr std::size_t kEntrySize = 128;
constexpr std::uint32_t kMiniSectorSize = 64;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

char16_t Upper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return Upper(x) == Upper(y); });
}

} // namespace

std::span<const std::uint8_t> CCompoundFileReader::Sector(std::uint32_t index) const {
    const std::uint64_t at = (std::uint64_t{index} + 1) * m_nSectorSize;
    if (index >= m_nSectorCount || at + m_nSectorSize > m_file.size())
        return {};
    return m_file.subspan(static_cast<std::size_t>(at), m_nSectorSize);
}

bool CCompoundFileReader::Chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                std::size_t limit, std::vector<std::uint32_t>& out) const {
    out.clear();
    for (std::uint32_t s = start; s != kEndOfChain;) {
        // A chain can visit each entry once: anything longer is a loop.
        if (s >= table.size() || out.size() >= limit || out.size() >= table.size())
            return false;
        out.push_back(s);
        s = table[s];
    }
    return true;
}

bool CCompoundFileReader::ReadChain(std::uint32_t start, std::uint64_t size,
                                    std::vector<std::uint8_t>& out) const {
    out.clear();
    if (size > m_file.size())
        return false; // no stream is larger than its file
    const std::size_t sectors =
        static_cast<std::size_t>((size + m_nSectorSize - 1) / m_nSectorSize);
    std::vector<std::uint32_t> chain;
    if (!Chain(m_fat, start, sectors + 1, chain) || chain.size() < sectors)
        return false;
    out.reserve(static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < sectors; ++i) {
        const auto sector = Sector(chain[i]);
        if (sector.empty())
            return false;
        const std::size_t n =
            std::min<std::size_t>(m_nSectorSize, static_cast<std::size_t>(size) - out.size());
        out.insert(out.end(), sector.begin(), sector.begin() + static_cast<std::ptrdiff_t>(n));
    }
    return true;
}

bool CCompoundFileReader::Open(std::span<const std::uint8_t> file) {
    *this = CCompoundFileReader{};
    if (file.size() < 512 || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        return false;
    if (ReadStructure(file))
        return true;
    *this = CCompoundFileReader{};
    m_bDamaged = true;
    return false;
}

bool CCompoundFileReader::ReadStructure(std::span<const std::uint8_t> file) {
    m_file = file;
    const std::uint16_t shift = U16(file, 30);
    if (shift != 9 && shift != 12)
        return false;
    m_nSectorSize = 1u << shift;
    m_nSectorCount = static_cast<std::uint32_t>(file.size() / m_nSectorSize - 1);
    if (file.size() % m_nSectorSize != 0)
        ++m_nSectorCount; // a short last sector still counts; Sector() bounds its reads

    // The FAT's sectors: 109 from the header, the rest from the DIFAT chain.
    const std::uint32_t fatSectors = U32(file, 44);
    if (fatSectors > m_nSectorCount)
        return false;
    std::vector<std::uint32_t> fatList;
    for (std::size_t i = 0; i < kHeaderDifat && fatList.size() < fatSectors; ++i)
        fatList.push_back(U32(file, 76 + 4 * i));
    std::uint32_t difat = U32(file, 68);
    for (std::uint32_t visited = 0; fatList.size() < fatSectors; ++visited) {
        const auto sector = Sector(difat);
        if (sector.empty() || visited > m_nSectorCount)
            return false;
        const std::size_t perSector = m_nSectorSize / 4 - 1;
        for (std::size_t i = 0; i < perSector && fatList.size() < fatSectors; ++i)
            fatList.push_back(U32(sector, 4 * i));
        difat = U32(sector, 4 * perSector);
    }
    for (std::uint32_t s : fatList) {
        const auto sector = Sector(s);
        if (sector.empty())
            return false;
        for (std::size_t i = 0; i < m_nSectorSize / 4; ++i)
            m_fat.push_back(U32(sector, 4 * i));
    }

    // The directory: 128-byte entries along its chain.
    std::vector<std::uint8_t> directory;
    std::vector<std::uint32_t> chain;
    if (!Chain(m_fat, U32(file, 48), m_nSectorCount, chain))
        return false;
    for (std::uint32_t s : chain) {
        const auto sector = Sector(s);
        if (sector.empty())
            return false;
        directory.insert(directory.end(), sector.begin(), sector.end());
    }
    for (std::size_t at = 0; at + kEntrySize <= directory.size(); at += kEntrySize) {
        const std::span<const std::uint8_t> e(directory.data() + at, kEntrySize);
        Entry entry;
        const std::size_t nameBytes = std::min<std::size_t>(U16(e, 64), 64);
        for (std::size_t i = 0; i + 1 < nameBytes; i += 2) {
            const char16_t c = U16(e, i);
            if (c == 0)
                break;
            entry.name += c;
        }
        entry.type = e[66];
        entry.left = U32(e, 68);
        entry.right = U32(e, 72);
        entry.child = U32(e, 76);
        entry.start = U32(e, 116);
        // Version 3 files keep only the low 32 bits of a stream size.
        entry.size = shift == 9 ? U32(e, 120) : (std::uint64_t{U32(e, 124)} << 32 | U32(e, 120));
        m_entries.push_back(std::move(entry));
    }
    if (m_entries.empty() || m_entries[0].type != 5)
        return false;

    // The mini FAT and the mini stream (owned by the root entry), when present.
    std::vector<std::uint32_t> miniFatChain;
    if (!Chain(m_fat, U32(file, 60), m_nSectorCount, miniFatChain))
        return false;
    for (std::uint32_t s : miniFatChain) {
        const auto sector = Sector(s);
        if (sector.empty())
            return false;
        for (std::size_t i = 0; i < m_nSectorSize / 4; ++i)
            m_miniFat.push_back(U32(sector, 4 * i));
    }
    const Entry& root = m_entries[0];
    if (!m_miniFat.empty() && root.start != kEndOfChain &&
        !ReadChain(root.start, root.size, m_miniStream))
        return false;
    return true;
}

CCompoundFileReader::Stream CCompoundFileReader::FindStream(std::u16string_view name,
                                                            std::vector<std::uint8_t>& out) const {
    out.clear();
    if (m_entries.empty())
        return Stream::Missing;
    // The root's children form one tree of siblings; walk it once.
    std::vector<bool> seen(m_entries.size(), false);
    std::vector<std::uint32_t> todo = {m_entries[0].child};
    const Entry* found = nullptr;
    while (!todo.empty() && !found) {
        const std::uint32_t i = todo.back();
        todo.pop_back();
        if (i >= m_entries.size() || seen[i])
            continue;
        seen[i] = true;
        const Entry& e = m_entries[i];
        if (e.type == 2 && SameName(e.name, name))
            found = &e;
        todo.push_back(e.left);
        todo.push_back(e.right);
    }
    if (!found)
        return Stream::Missing;
    if (found->size >= kMiniStreamCutoff)
        return ReadChain(found->start, found->size, out) ? Stream::Ok : Stream::Broken;
    // A small stream: 64-byte mini sectors along the mini FAT.
    const std::size_t sectors =
        static_cast<std::size_t>((found->size + kMiniSectorSize - 1) / kMiniSectorSize);
    std::vector<std::uint32_t> chain;
    if (!Chain(m_miniFat, found->start, sectors + 1, chain) || chain.size() < sectors)
        return Stream::Broken;
    for (std::size_t i = 0; i < sectors; ++i) {
        const std::size_t at = std::size_t{chain[i]} * kMiniSectorSize;
        if (at + kMiniSectorSize > m_miniStream.size())
            return Stream::Broken;
        const std::size_t n = std::min<std::size_t>(
            kMiniSectorSize, static_cast<std::size_t>(found->size) - out.size());
        out.insert(out.end(), m_miniStream.begin() + static_cast<std::ptrdiff_t>(at),
                   m_miniStream.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    return Stream::Ok;
}

std::vector<std::uint8_t> WriteCompoundFile(std::u16string_view name,
                                            std::span<const std::uint8_t> data) {
    constexpr std::uint32_t Z = 512;
    const bool mini = data.size() < kMiniStreamCutoff;
    const std::uint32_t dataSectors =
        mini ? 0 : static_cast<std::uint32_t>((data.size() + Z - 1) / Z);
    const std::uint32_t miniSectors =
        mini ? static_cast<std::uint32_t>((data.size() + kMiniSectorSize - 1) / kMiniSectorSize)
             : 0;
    const std::uint32_t miniStreamSectors = (miniSectors * kMiniSectorSize + Z - 1) / Z;
    const std::uint32_t miniFatSectors = (miniSectors * 4 + Z - 1) / Z;
    const std::uint32_t others = 1 + miniFatSectors + miniStreamSectors + dataSectors;
    std::uint32_t fatSectors = 1;
    while (fatSectors * (Z / 4) < fatSectors + others)
        ++fatSectors;
    if (fatSectors > kHeaderDifat || name.size() > 31)
        return {};

    // Sector order: FAT, directory, mini FAT, mini stream, stream data.
    const std::uint32_t dirSector = fatSectors;
    const std::uint32_t miniFatStart = dirSector + 1;
    const std::uint32_t miniStreamStart = miniFatStart + miniFatSectors;
    const std::uint32_t dataStart = miniStreamStart + miniStreamSectors;
    const std::uint32_t total = dataStart + dataSectors;

    std::vector<std::uint8_t> file((std::size_t{total} + 1) * Z, 0);
    auto sector = [&](std::uint32_t s) { return file.data() + (std::size_t{s} + 1) * Z; };

    std::uint8_t* h = file.data();
    std::memcpy(h, kSignature, sizeof kSignature);
    Put16(h + 24, 0x003B);
    Put16(h + 26, 3);
    Put16(h + 28, 0xFFFE);
    Put16(h + 30, 9);
    Put16(h + 32, 6);
    Put32(h + 44, fatSectors);
    Put32(h + 48, dirSector);
    Put32(h + 56, kMiniStreamCutoff);
    Put32(h + 60, miniFatSectors ? miniFatStart : kEndOfChain);
    Put32(h + 64, miniFatSectors);
    Put32(h + 68, kEndOfChain);
    std::memset(h + 76, 0xFF, 4 * kHeaderDifat);
    for (std::uint32_t i = 0; i < fatSectors; ++i)
        Put32(h + 76 + 4 * i, i);

    std::vector<std::uint32_t> fat(std::size_t{fatSectors} * (Z / 4), kFreeSector);
    auto chain = [](std::vector<std::uint32_t>& table, std::uint32_t first, std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i)
            table[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
    };
    for (std::uint32_t i = 0; i < fatSectors; ++i)
        fat[i] = kFatSector;
    chain(fat, dirSector, 1);
    chain(fat, miniFatStart, miniFatSectors);
    chain(fat, miniStreamStart, miniStreamSectors);
    chain(fat, dataStart, dataSectors);
    for (std::size_t i = 0; i < fat.size(); ++i)
        Put32(sector(static_cast<std::uint32_t>(i / (Z / 4))) + 4 * (i % (Z / 4)), fat[i]);

    if (mini) {
        std::vector<std::uint32_t> miniFat(std::size_t{miniFatSectors} * (Z / 4), kFreeSector);
        chain(miniFat, 0, miniSectors);
        for (std::size_t i = 0; i < miniFat.size(); ++i)
            Put32(sector(miniFatStart) + 4 * i, miniFat[i]);
        if (!data.empty())
            std::memcpy(sector(miniStreamStart), data.data(), data.size());
    } else {
        std::memcpy(sector(dataStart), data.data(), data.size());
    }

    // Directory: the root (owner of the mini stream), the stream, two unused.
    std::uint8_t* dir = sector(dirSector);
    auto entry = [&](int index, std::u16string_view entryName, std::uint8_t type,
                     std::uint32_t child, std::uint32_t start, std::uint32_t size) {
        std::uint8_t* e = dir + index * kEntrySize;
        for (std::size_t i = 0; i < entryName.size(); ++i)
            Put16(e + 2 * i, entryName[i]);
        Put16(e + 64,
              static_cast<std::uint16_t>(entryName.empty() ? 0 : 2 * (entryName.size() + 1)));
        e[66] = type;
        e[67] = 1; // black
        Put32(e + 68, kFreeSector);
        Put32(e + 72, kFreeSector);
        Put32(e + 76, child);
        Put32(e + 116, start);
        Put32(e + 120, size);
    };
    entry(0, u"Root Entry", 5, 1, miniSectors ? miniStreamStart : kEndOfChain,
          miniSectors * kMiniSectorSize);
    entry(1, name, 2, kFreeSector, mini ? (miniSectors ? 0 : kEndOfChain) : dataStart,
          static_cast<std::uint32_t>(data.size()));
    entry(2, u"", 0, kFreeSector, 0, 0);
    entry(3, u"", 0, kFreeSector, 0, 0);
    return file;
}

} // namespace cfb

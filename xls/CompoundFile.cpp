#include "xls/CompoundFile.h"

#include "platform/LargePages.h"

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
    PreferLargePagesFor(out);
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
        std::copy(e.begin(), e.end(), entry.raw.begin());
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

std::int64_t CCompoundFileReader::StreamIndex(std::u16string_view name) const {
    if (m_entries.empty())
        return -1;
    // The root's children form one tree of siblings; walk it once.
    std::vector<bool> seen(m_entries.size(), false);
    std::vector<std::uint32_t> todo = {m_entries[0].child};
    while (!todo.empty()) {
        const std::uint32_t i = todo.back();
        todo.pop_back();
        if (i >= m_entries.size() || seen[i])
            continue;
        seen[i] = true;
        const Entry& e = m_entries[i];
        if (e.type == 2 && SameName(e.name, name))
            return i;
        todo.push_back(e.left);
        todo.push_back(e.right);
    }
    return -1;
}

CCompoundFileReader::Stream CCompoundFileReader::FindStream(std::u16string_view name,
                                                            std::vector<std::uint8_t>& out) const {
    out.clear();
    const std::int64_t found = StreamIndex(name);
    if (found < 0)
        return Stream::Missing;
    return ReadEntry(m_entries[static_cast<std::size_t>(found)], out);
}

CCompoundFileReader::Stream
CCompoundFileReader::FindStream(std::u16string_view name, std::span<const std::uint8_t>& view,
                                std::vector<std::uint8_t>& storage) const {
    view = {};
    storage.clear();
    const std::int64_t found = StreamIndex(name);
    if (found < 0)
        return Stream::Missing;
    const Entry& e = m_entries[static_cast<std::size_t>(found)];
    if (e.size >= kMiniStreamCutoff && e.size <= m_file.size()) {
        const std::size_t sectors =
            static_cast<std::size_t>((e.size + m_nSectorSize - 1) / m_nSectorSize);
        std::vector<std::uint32_t> chain;
        if (!Chain(m_fat, e.start, sectors + 1, chain) || chain.size() < sectors)
            return Stream::Broken;
        bool runs = true;
        for (std::size_t i = 1; i < sectors && runs; ++i)
            runs = chain[i] == chain[i - 1] + 1;
        const std::uint64_t at = (std::uint64_t{chain[0]} + 1) * m_nSectorSize;
        if (runs && chain[0] < m_nSectorCount && at + e.size <= m_file.size()) {
            view = m_file.subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(e.size));
            return Stream::Ok;
        }
    }
    const Stream read = ReadEntry(e, storage);
    if (read == Stream::Ok)
        view = storage;
    return read;
}

CCompoundFileReader::Stream CCompoundFileReader::ReadEntry(const Entry& e,
                                                           std::vector<std::uint8_t>& out) const {
    out.clear();
    if (e.size >= kMiniStreamCutoff)
        return ReadChain(e.start, e.size, out) ? Stream::Ok : Stream::Broken;
    // A small stream: 64-byte mini sectors along the mini FAT.
    const std::size_t sectors =
        static_cast<std::size_t>((e.size + kMiniSectorSize - 1) / kMiniSectorSize);
    std::vector<std::uint32_t> chain;
    if (!Chain(m_miniFat, e.start, sectors + 1, chain) || chain.size() < sectors)
        return Stream::Broken;
    for (std::size_t i = 0; i < sectors; ++i) {
        const std::size_t at = std::size_t{chain[i]} * kMiniSectorSize;
        if (at + kMiniSectorSize > m_miniStream.size())
            return Stream::Broken;
        const std::size_t n =
            std::min<std::size_t>(kMiniSectorSize, static_cast<std::size_t>(e.size) - out.size());
        out.insert(out.end(), m_miniStream.begin() + static_cast<std::ptrdiff_t>(at),
                   m_miniStream.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    return Stream::Ok;
}

bool CCompoundFileReader::ReadAll(std::vector<DirectoryEntry>& out, std::int64_t skip) const {
    out.clear();
    if (m_entries.empty())
        return false;
    // The entries in the tree: the root, and every sibling and child below it.
    std::vector<bool> inTree(m_entries.size(), false);
    std::vector<std::uint32_t> todo = {0};
    while (!todo.empty()) {
        const std::uint32_t i = todo.back();
        todo.pop_back();
        if (i >= m_entries.size() || inTree[i])
            continue;
        inTree[i] = true;
        const Entry& e = m_entries[i];
        todo.push_back(e.left);
        todo.push_back(e.right);
        if (e.type == 1 || e.type == 5)
            todo.push_back(e.child);
    }
    out.resize(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        if (!inTree[i]) {
            out[i] = DirectoryEntry::Make(u"", 0, kFreeSector);
            continue;
        }
        out[i].raw = e.raw;
        if (e.type == 2 && static_cast<std::int64_t>(i) != skip &&
            ReadEntry(e, out[i].data) != Stream::Ok)
            return false;
    }
    return true;
}

std::u16string DirectoryEntry::Name() const {
    std::u16string name;
    const std::size_t bytes = std::min<std::size_t>(U16(raw, 64), 64);
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        const char16_t c = U16(raw, i);
        if (c == 0)
            break;
        name += c;
    }
    return name;
}

DirectoryEntry DirectoryEntry::Make(std::u16string_view name, std::uint8_t type,
                                    std::uint32_t child) {
    DirectoryEntry e;
    std::uint8_t* p = e.raw.data();
    for (std::size_t i = 0; i < name.size() && i < 31; ++i)
        Put16(p + 2 * i, name[i]);
    Put16(p + 64, static_cast<std::uint16_t>(name.empty() ? 0 : 2 * (name.size() + 1)));
    p[66] = type;
    p[67] = 1; // black
    Put32(p + 68, kFreeSector);
    Put32(p + 72, kFreeSector);
    Put32(p + 76, child);
    return e;
}

namespace {

// The file of `entries`; with `headOnly`, only its bytes ahead of the first
// stream in regular sectors (those streams, each padded to its sectors, are
// the rest of the file, in entry order).
std::vector<std::uint8_t> LayOut(const std::vector<DirectoryEntry>& entries,
                                 const std::vector<std::size_t>& sizes, bool headOnly) {
    constexpr std::uint32_t Z = 512;
    constexpr std::uint32_t kPerSector = Z / 4;
    if (entries.empty())
        return {};
    auto sectorsFor = [](std::uint64_t bytes, std::uint64_t unit) {
        return static_cast<std::uint32_t>((bytes + unit - 1) / unit);
    };
    // Where each stream goes: small ones into the mini stream, in entry order.
    std::uint32_t miniSectors = 0, dataSectors = 0;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const DirectoryEntry& e = entries[i];
        if (e.Type() != 2)
            continue;
        if (sizes[i] > 0xFFFFFFFFu)
            return {};
        if (sizes[i] < kMiniStreamCutoff)
            miniSectors += sectorsFor(sizes[i], kMiniSectorSize);
        else
            dataSectors += sectorsFor(sizes[i], Z);
    }
    const std::uint32_t dirSectors =
        std::max<std::uint32_t>(1, sectorsFor(entries.size() * kEntrySize, Z));
    const std::uint32_t miniStreamSectors = sectorsFor(std::uint64_t{miniSectors} * 64, Z);
    const std::uint32_t miniFatSectors = sectorsFor(std::uint64_t{miniSectors} * 4, Z);
    const std::uint64_t others =
        std::uint64_t{dirSectors} + miniFatSectors + miniStreamSectors + dataSectors;
    // The FAT covers itself and the DIFAT sectors that list it.
    std::uint32_t fatSectors = 1, difatSectors = 0;
    for (;;) {
        const std::uint64_t total = others + fatSectors + difatSectors;
        const std::uint32_t fat = sectorsFor(total, kPerSector);
        const std::uint32_t difat =
            fat > kHeaderDifat ? sectorsFor(fat - kHeaderDifat, kPerSector - 1) : 0;
        if (fat == fatSectors && difat == difatSectors)
            break;
        fatSectors = std::max(fat, fatSectors);
        difatSectors = std::max(difat, difatSectors);
    }

    // Sector order: FAT 0, directory 0, the other FAT sectors, DIFAT, the
    // rest of the directory, mini FAT, mini stream, then the streams.
    std::vector<std::uint32_t> fatAt(fatSectors), difatAt(difatSectors), dirAt(dirSectors);
    std::uint32_t next = 0;
    fatAt[0] = next++;
    dirAt[0] = next++;
    for (std::uint32_t i = 1; i < fatSectors; ++i)
        fatAt[i] = next++;
    for (auto& s : difatAt)
        s = next++;
    for (std::uint32_t i = 1; i < dirSectors; ++i)
        dirAt[i] = next++;
    const std::uint32_t miniFatStart = next;
    next += miniFatSectors;
    const std::uint32_t miniStreamStart = next;
    next += miniStreamSectors;
    const std::uint32_t total = next + dataSectors;

    const std::size_t fileSize = (std::size_t{headOnly ? next : total} + 1) * Z;
    std::vector<std::uint8_t> file;
    file.reserve(fileSize);
    PreferLargePagesFor(file);
    file.resize(fileSize, 0);
    auto sector = [&](std::uint32_t s) { return file.data() + (std::size_t{s} + 1) * Z; };
    std::vector<std::uint32_t> fat(std::size_t{fatSectors} * kPerSector, kFreeSector);
    auto link = [&](const std::vector<std::uint32_t>& chain) {
        for (std::size_t i = 0; i < chain.size(); ++i)
            fat[chain[i]] = i + 1 < chain.size() ? chain[i + 1] : kEndOfChain;
    };
    auto run = [](std::uint32_t first, std::uint32_t count) {
        std::vector<std::uint32_t> chain(count);
        for (std::uint32_t i = 0; i < count; ++i)
            chain[i] = first + i;
        return chain;
    };
    for (std::uint32_t s : fatAt)
        fat[s] = kFatSector;
    for (std::uint32_t s : difatAt)
        fat[s] = kDifatSector;
    link(dirAt);
    link(run(miniFatStart, miniFatSectors));
    link(run(miniStreamStart, miniStreamSectors));

    // The streams' data, and each entry's new start and size.
    std::vector<std::uint32_t> miniFat(std::size_t{miniFatSectors} * kPerSector, kFreeSector);
    std::vector<std::array<std::uint8_t, 128>> dir(entries.size());
    std::uint32_t miniNext = 0, dataNext = next;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DirectoryEntry& e = entries[i];
        dir[i] = e.raw;
        std::uint32_t start = kEndOfChain;
        const auto size = static_cast<std::uint32_t>(sizes[i]);
        if (i == 0) {
            start = miniSectors ? miniStreamStart : kEndOfChain;
            Put32(dir[i].data() + 120, miniSectors * kMiniSectorSize);
        } else if (e.Type() == 2) {
            if (size == 0) {
                start = kEndOfChain;
            } else if (size < kMiniStreamCutoff) {
                const std::uint32_t n = sectorsFor(size, kMiniSectorSize);
                start = miniNext;
                for (std::uint32_t k = 0; k < n; ++k)
                    miniFat[miniNext + k] = k + 1 < n ? miniNext + k + 1 : kEndOfChain;
                std::memcpy(sector(miniStreamStart) + std::size_t{miniNext} * kMiniSectorSize,
                            e.data.data(), size);
                miniNext += n;
            } else {
                const std::uint32_t n = sectorsFor(size, Z);
                start = dataNext;
                link(run(dataNext, n));
                if (!headOnly)
                    std::memcpy(sector(dataNext), e.data.data(), size);
                dataNext += n;
            }
            Put32(dir[i].data() + 120, size);
        } else {
            Put32(dir[i].data() + 120, 0);
            start = e.Type() == 1 || e.Type() == 5 ? kEndOfChain : 0;
        }
        Put32(dir[i].data() + 116, start);
        Put32(dir[i].data() + 124, 0); // version 3: sizes are 32 bits
    }
    for (std::size_t i = 0; i < dir.size(); ++i)
        std::memcpy(sector(dirAt[i / (Z / kEntrySize)]) + (i % (Z / kEntrySize)) * kEntrySize,
                    dir[i].data(), kEntrySize);
    // Unused entries that fill the directory's last sector.
    const auto unused = DirectoryEntry::Make(u"", 0, kFreeSector);
    for (std::size_t i = dir.size(); i < std::size_t{dirSectors} * (Z / kEntrySize); ++i)
        std::memcpy(sector(dirAt[i / (Z / kEntrySize)]) + (i % (Z / kEntrySize)) * kEntrySize,
                    unused.raw.data(), kEntrySize);
    for (std::size_t i = 0; i < fat.size(); ++i)
        Put32(sector(fatAt[i / kPerSector]) + 4 * (i % kPerSector), fat[i]);
    for (std::size_t i = 0; i < miniFat.size(); ++i)
        Put32(sector(miniFatStart) + 4 * i, miniFat[i]);

    std::uint8_t* h = file.data();
    std::memcpy(h, kSignature, sizeof kSignature);
    Put16(h + 24, 0x003B);
    Put16(h + 26, 3);
    Put16(h + 28, 0xFFFE);
    Put16(h + 30, 9);
    Put16(h + 32, 6);
    Put32(h + 44, fatSectors);
    Put32(h + 48, dirAt[0]);
    Put32(h + 56, kMiniStreamCutoff);
    Put32(h + 60, miniFatSectors ? miniFatStart : kEndOfChain);
    Put32(h + 64, miniFatSectors);
    Put32(h + 68, difatSectors ? difatAt[0] : kEndOfChain);
    Put32(h + 72, difatSectors);
    std::memset(h + 76, 0xFF, 4 * kHeaderDifat);
    for (std::uint32_t i = 0; i < fatSectors && i < kHeaderDifat; ++i)
        Put32(h + 76 + std::size_t{4} * i, fatAt[i]);
    // The FAT sectors beyond the header's 109, 127 to a DIFAT sector, chained.
    for (std::uint32_t d = 0; d < difatSectors; ++d) {
        std::uint8_t* p = sector(difatAt[d]);
        std::memset(p, 0xFF, Z);
        for (std::uint32_t k = 0; k < kPerSector - 1; ++k) {
            const std::size_t i = kHeaderDifat + std::size_t{d} * (kPerSector - 1) + k;
            if (i < fatSectors)
                Put32(p + std::size_t{4} * k, fatAt[i]);
        }
        Put32(p + std::size_t{4} * (kPerSector - 1),
              d + 1 < difatSectors ? difatAt[d + 1] : kEndOfChain);
    }
    return file;
}

std::vector<std::size_t> Sizes(const std::vector<DirectoryEntry>& entries) {
    std::vector<std::size_t> sizes;
    sizes.reserve(entries.size());
    for (const DirectoryEntry& e : entries)
        sizes.push_back(e.data.size());
    return sizes;
}

// The root (owner of the mini stream) and one stream.
std::vector<DirectoryEntry> OneStream(std::u16string_view name) {
    std::vector<DirectoryEntry> entries;
    entries.push_back(DirectoryEntry::Make(u"Root Entry", 5, 1));
    entries.push_back(DirectoryEntry::Make(name, 2, kFreeSector));
    return entries;
}

} // namespace

std::vector<std::uint8_t> WriteCompoundFile(const std::vector<DirectoryEntry>& entries) {
    return LayOut(entries, Sizes(entries), false);
}

std::vector<std::uint8_t> CompoundFileHead(std::u16string_view name, std::size_t size) {
    if (name.size() > 31 || size < kMiniStreamCutoff)
        return {};
    return LayOut(OneStream(name), {0, size}, true);
}

std::vector<std::uint8_t> WriteCompoundFile(std::u16string_view name,
                                            std::vector<std::uint8_t>&& data) {
    if (name.size() > 31)
        return {};
    std::vector<DirectoryEntry> entries = OneStream(name);
    entries.back().data = std::move(data);
    return WriteCompoundFile(entries);
}

std::vector<std::uint8_t> WriteCompoundFile(std::u16string_view name,
                                            std::span<const std::uint8_t> data) {
    return WriteCompoundFile(name, std::vector<std::uint8_t>(data.begin(), data.end()));
}

} // namespace cfb

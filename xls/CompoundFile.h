// The OLE compound file container ([MS-CFB]) around a workbook: a reader that
// finds a stream of the root storage by name, and a writer that builds a
// version 3 file holding one stream. Both work on memory buffers; every chain
// walk and allocation is bounded by the real size of the file.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cfb {

inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kMiniStreamCutoff = 4096;

// One directory entry as it stands in the file (all 128 bytes: name, type,
// colour, tree links, class id, state bits, times), with a stream's contents.
// A writer lays out new sectors and changes only the start and the size.
struct DirectoryEntry {
    std::array<std::uint8_t, 128> raw{};
    std::vector<std::uint8_t> data;

    std::uint8_t Type() const { return raw[66]; }
    std::u16string Name() const;
    // An entry as this program writes one: name, type, black, no siblings.
    static DirectoryEntry Make(std::u16string_view name, std::uint8_t type, std::uint32_t child);
};

class CCompoundFileReader {
public:
    // Checks the signature and reads the allocation tables and the
    // directory; false when the file is not a compound file or is broken.
    bool Open(std::span<const std::uint8_t> file);
    // After a failed Open: the file is a compound file (it has the
    // signature) whose allocation tables or directory are broken.
    bool Damaged() const { return m_bDamaged; }
    enum class Stream { Ok, Missing, Broken };
    // A stream directly under the root storage, its name compared without
    // regard to ASCII case as the format says: Missing when there is no such
    // stream, Broken when its sectors end early or chain wrongly.
    Stream FindStream(std::u16string_view name, std::vector<std::uint8_t>& out) const;
    // The same without a copy where the stream's sectors follow one another
    // in the file: `view` then lies in the file given to Open; otherwise the
    // stream is gathered into `storage` and `view` lies there.
    Stream FindStream(std::u16string_view name, std::span<const std::uint8_t>& view,
                      std::vector<std::uint8_t>& storage) const;
    bool ReadStream(std::u16string_view name, std::vector<std::uint8_t>& out) const {
        return FindStream(name, out) == Stream::Ok;
    }
    // Every directory entry in file order, with the contents of every stream
    // that hangs in the tree below the root; an entry outside the tree
    // becomes unused. False when one of those streams cannot be read.
    // The entry `skip` (when given) is listed without its contents.
    bool ReadAll(std::vector<DirectoryEntry>& out, std::int64_t skip = -1) const;
    // The directory index of the stream `name` under the root, -1 when none.
    std::int64_t StreamIndex(std::u16string_view name) const;

private:
    struct Entry {
        std::u16string name;
        std::uint8_t type = 0;
        std::uint32_t left = kFreeSector, right = kFreeSector, child = kFreeSector;
        std::uint32_t start = kEndOfChain;
        std::uint64_t size = 0;
        std::array<std::uint8_t, 128> raw{};
    };

    Stream ReadEntry(const Entry& e, std::vector<std::uint8_t>& out) const;

    bool ReadStructure(std::span<const std::uint8_t> file);
    std::span<const std::uint8_t> Sector(std::uint32_t index) const;
    // The sectors of a chain, or false on a loop, a bad number or a chain
    // longer than `limit`.
    bool Chain(const std::vector<std::uint32_t>& table, std::uint32_t start, std::size_t limit,
               std::vector<std::uint32_t>& out) const;
    bool ReadChain(std::uint32_t start, std::uint64_t size, std::vector<std::uint8_t>& out) const;

    std::span<const std::uint8_t> m_file;
    std::uint32_t m_nSectorSize = 512;
    std::uint32_t m_nSectorCount = 0;
    std::vector<std::uint32_t> m_fat;
    std::vector<std::uint32_t> m_miniFat;
    std::vector<std::uint8_t> m_miniStream;
    std::vector<Entry> m_entries;
    bool m_bDamaged = false;
};

// A version 3 compound file of `entries` (entry 0 the root): streams of 4096
// bytes and more in regular sectors, smaller ones in the mini stream. Sector 0
// is the first FAT sector, sector 1 the directory; further FAT sectors follow
// it, and extension (DIFAT) sectors list the FAT sectors beyond 109. Empty
// when a stream is larger than the format's 32-bit sizes.
std::vector<std::uint8_t> WriteCompoundFile(const std::vector<DirectoryEntry>& entries);
// A file whose root holds one stream `name` with `data`.
std::vector<std::uint8_t> WriteCompoundFile(std::u16string_view name,
                                            std::span<const std::uint8_t> data);
std::vector<std::uint8_t> WriteCompoundFile(std::u16string_view name,
                                            std::vector<std::uint8_t>&& data);
// The file WriteCompoundFile(name, data) makes for a stream of `size` bytes
// (4096 or more, so in regular sectors, which come last), without the
// stream: the bytes ahead of it. The stream follows them, then zeros to the
// end of its last sector. A large stream is so written from where it was
// built, never copied. Empty for a name over 31 characters, a smaller
// stream, or one beyond the format's 32-bit sizes.
std::vector<std::uint8_t> CompoundFileHead(std::u16string_view name, std::size_t size);
// Zeros after a stream of `size` bytes to the end of its last sector.
inline std::size_t SectorPadding(std::size_t size) {
    return (512 - size % 512) % 512;
}

} // namespace cfb

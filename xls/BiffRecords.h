// BIFF8 record stream: reading records with their CONTINUE records joined
// (remembering where each piece began, for the shared string table), and
// building records into a stream buffer.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace biff {

enum RecordType : std::uint16_t {
    kBof = 0x0809,
    kEof = 0x000A,
    kBoundSheet = 0x0085,
    kSst = 0x00FC,
    kExtSst = 0x00FF,
    kContinue = 0x003C,
    kFont = 0x0031,
    kXf = 0x00E0,
    kStyle = 0x0293,
    kWindow1 = 0x003D,
    kDimensions = 0x0200,
    kRow = 0x0208,
    kNumber = 0x0203,
    kRk = 0x027E,
    kMulRk = 0x00BD,
    kBoolErr = 0x0205,
    kLabelSst = 0x00FD,
    kLabel = 0x0204,
    kRString = 0x00D6,
    kIndex = 0x020B,
    kDbCell = 0x00D7,
    kWindow2 = 0x023E,
    kFilePass = 0x002F,
    kSupBook = 0x01AE,
    kTabId = 0x013D,
};

inline constexpr std::size_t kMaxRecordData = 8224;

struct Record {
    std::uint16_t type = 0;
    std::size_t offset = 0;          // stream position of the record header
    std::size_t end = 0;             // stream position after its last CONTINUE record
    std::vector<std::uint8_t> data;  // with CONTINUE data appended
    std::vector<std::size_t> pieces; // where each CONTINUE piece starts in data
};

// Where a record lies, without its data copied out.
struct RecordSpan {
    std::uint16_t type = 0;
    std::size_t offset = 0; // stream position of the record header
    std::size_t end = 0;    // stream position after its last CONTINUE record
    bool continued = false; // CONTINUE records follow it
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> stream, std::size_t pos = 0)
        : m_stream(stream), m_pos(pos) {}
    // The next record; false at the end or when a record runs past the stream.
    bool Next(Record& out);
    // The same walk, copying nothing.
    bool Skim(RecordSpan& out);

private:
    bool Header(std::size_t at, std::uint16_t& type, std::uint16_t& length) const;

    std::span<const std::uint8_t> m_stream;
    std::size_t m_pos = 0;
};

// The data of the record at `r`: a view into `stream`, or, when CONTINUE
// records follow it, their data joined in `scratch` (which then also holds
// the pieces). Empty when the stream does not hold it.
std::span<const std::uint8_t> RecordData(std::span<const std::uint8_t> stream, const RecordSpan& r,
                                         Record& scratch);

// Bounds-checked little-endian reads inside one record's data.
class Cursor {
public:
    Cursor(const Record& r, std::size_t pos = 0) : m_r(r), m_pos(pos) {}
    bool Has(std::size_t n) const { return m_pos + n <= m_r.data.size(); }
    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    double F64();
    void Skip(std::size_t n) { m_pos = Has(n) ? m_pos + n : m_r.data.size() + 1; }
    bool Ok() const { return m_pos <= m_r.data.size(); }
    std::size_t Pos() const { return m_pos; }
    // Bytes left before the next CONTINUE piece (or the end).
    std::size_t LeftInPiece() const;
    bool AtPieceStart() const;

private:
    const Record& m_r;
    std::size_t m_pos;
};

// A string of the shared string table.
struct SstString {
    bool wide = false;   // any of its characters stored with 16 bits
    std::u16string text; // the characters, 8-bit ones widened
};

// The shared string table, packed: all characters in one buffer, so a
// table of millions of short strings costs a few bytes per string.
struct SstTable {
    std::vector<char16_t> chars;
    std::vector<std::uint32_t> ends; // string i ends at ends[i] in chars
    std::vector<bool> wide;          // any of its characters stored with 16 bits

    std::size_t Size() const { return ends.size(); }
    std::u16string_view Text(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1];
        return {chars.data() + begin, ends[i] - begin};
    }
};

// Reads a whole SST record (with its CONTINUE pieces); false when broken.
// Reads at most the strings the record really holds.
bool ReadSst(const Record& sst, SstTable& out);
// The characters of one string whose header (count `cch`, flags `grbit`)
// was just read; a CONTINUE piece restates the width. False when broken.
bool ReadCharacters(Cursor& c, std::size_t cch, std::uint8_t grbit, SstString& s);
// A LABEL or RSTRING cell: its row, column and text (the formatting runs of
// RSTRING after the text are not needed).
bool ReadLabel(const Record& label, std::uint16_t& row, std::uint16_t& col, SstString& text);

// Builds a stream of records in one growing buffer, written through a
// pointer, so a large stream costs a few instructions a field.
class Writer {
public:
    std::size_t Size() const { return m_size; }
    // The bytes written so far (the buffer trimmed to them).
    std::vector<std::uint8_t>& Bytes() {
        m_out.resize(m_size);
        return m_out;
    }
    // Room for `bytes` in all, made at once: a stream whose size is known
    // ahead is then neither copied nor zeroed twice as it grows.
    void Reserve(std::size_t bytes) {
        if (bytes > m_out.size())
            Grow(bytes - m_size);
    }
    // Starts a record; data goes in with the Put functions; End writes the length.
    void Begin(std::uint16_t type) {
        m_nStart = m_size;
        U32(type);
    }
    void End() {
        const std::size_t length = m_size - m_nStart - 4;
        m_out[m_nStart + 2] = static_cast<std::uint8_t>(length);
        m_out[m_nStart + 3] = static_cast<std::uint8_t>(length >> 8);
    }
    void U8(std::uint8_t v) { *Room(1) = v; }
    void U16(std::uint16_t v) { Put(Room(2), v, 2); }
    void U32(std::uint32_t v) { Put(Room(4), v, 4); }
    void F64(double v);
    // The cells of a MULRK record, each its format and RK value, in one go.
    void RkCells(std::uint16_t xf, std::span<const std::uint32_t> rks) {
        std::uint8_t* p = Room(6 * rks.size());
        for (const std::uint32_t rk : rks) {
            Put(p, xf, 2);
            Put(p + 2, rk, 4);
            p += 6;
        }
    }
    void Raw(std::span<const std::uint8_t> bytes);
    // Data bytes written into the open record so far.
    std::size_t InRecord() const { return m_size - m_nStart - 4; }
    void Patch16(std::size_t at, std::uint16_t v) { Put(m_out.data() + at, v, 2); }
    void Patch32(std::size_t at, std::uint32_t v) { Put(m_out.data() + at, v, 4); }

private:
    static void Put(std::uint8_t* p, std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    std::uint8_t* Room(std::size_t n) {
        if (m_out.size() - m_size < n)
            Grow(n);
        std::uint8_t* p = m_out.data() + m_size;
        m_size += n;
        return p;
    }
    void Grow(std::size_t n);

    std::vector<std::uint8_t> m_out; // sized to what may be written; m_size in use
    std::size_t m_size = 0;
    std::size_t m_nStart = 0;
};

// RK decoding: integers (bit 1) with the x100 flag (bit 0) truncated.
struct RkValue {
    bool integer;
    std::int32_t i;
    double d;
};
// Inline: a sheet's numbers are mostly RK values, decoded one per cell.
inline RkValue DecodeRk(std::uint32_t rk) {
    const bool x100 = rk & 1;
    if (rk & 2) {
        const std::int32_t v = static_cast<std::int32_t>(rk) >> 2;
        // x100 with an integer: the value times 0.01, truncated toward zero.
        return {true, x100 ? v / 100 : v, 0};
    }
    double d = std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
    if (x100)
        d *= 0.01;
    return {false, 0, d};
}
// The RK integer form, when the value fits its 30 bits.
inline bool EncodeRkInteger(std::int32_t value, std::uint32_t& rk) {
    if (value < -(1 << 29) || value > (1 << 29) - 1)
        return false;
    rk = (static_cast<std::uint32_t>(value) << 2) | 2;
    return true;
}

} // namespace biff

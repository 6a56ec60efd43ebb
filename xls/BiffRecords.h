// BIFF8 record stream: reading records with their CONTINUE records joined
// (remembering where each piece began, for the shared string table), and
// building records into a stream buffer.
#pragma once

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

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> stream) : m_stream(stream) {}
    // The next record; false at the end or when a record runs past the stream.
    bool Next(Record& out);

private:
    std::span<const std::uint8_t> m_stream;
    std::size_t m_pos = 0;
};

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

// Builds a stream of records.
class Writer {
public:
    std::size_t Size() const { return m_out.size(); }
    std::vector<std::uint8_t>& Bytes() { return m_out; }
    // Starts a record; data goes in with the Put functions; End writes the length.
    void Begin(std::uint16_t type);
    void End();
    void U8(std::uint8_t v) { m_out.push_back(v); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void F64(double v);
    void Raw(std::span<const std::uint8_t> bytes) {
        m_out.insert(m_out.end(), bytes.begin(), bytes.end());
    }
    // Data bytes written into the open record so far.
    std::size_t InRecord() const { return m_out.size() - m_nStart - 4; }
    void Patch16(std::size_t at, std::uint16_t v);
    void Patch32(std::size_t at, std::uint32_t v);

private:
    std::vector<std::uint8_t> m_out;
    std::size_t m_nStart = 0;
};

// RK decoding: integers (bit 1) with the x100 flag (bit 0) truncated.
struct RkValue {
    bool integer;
    std::int32_t i;
    double d;
};
RkValue DecodeRk(std::uint32_t rk);
// The RK integer form, when the value fits its 30 bits.
bool EncodeRkInteger(std::int32_t value, std::uint32_t& rk);

} // namespace biff

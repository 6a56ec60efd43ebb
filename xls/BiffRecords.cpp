#include "xls/BiffRecords.h"

#include "platform/LargePages.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace biff {

bool Reader::Header(std::size_t at, std::uint16_t& type, std::uint16_t& length) const {
    if (at + 4 > m_stream.size())
        return false;
    type = static_cast<std::uint16_t>(m_stream[at] | m_stream[at + 1] << 8);
    length = static_cast<std::uint16_t>(m_stream[at + 2] | m_stream[at + 3] << 8);
    return at + 4 + length <= m_stream.size();
}

bool Reader::Skim(RecordSpan& out) {
    std::uint16_t type = 0, length = 0;
    if (!Header(m_pos, type, length))
        return false;
    out.type = type;
    out.offset = m_pos;
    out.continued = false;
    m_pos += 4u + length;
    std::uint16_t nextType = 0, nextLength = 0;
    while (Header(m_pos, nextType, nextLength) && nextType == kContinue) {
        out.continued = true;
        m_pos += 4u + nextLength;
    }
    out.end = m_pos;
    return true;
}

bool Reader::Next(Record& out) {
    std::uint16_t type = 0, length = 0;
    if (!Header(m_pos, type, length))
        return false;
    out.type = type;
    out.offset = m_pos;
    out.data.assign(m_stream.begin() + static_cast<std::ptrdiff_t>(m_pos + 4),
                    m_stream.begin() + static_cast<std::ptrdiff_t>(m_pos + 4 + length));
    out.pieces.clear();
    m_pos += 4u + length;
    std::uint16_t nextType = 0, nextLength = 0;
    while (Header(m_pos, nextType, nextLength) && nextType == kContinue) {
        out.pieces.push_back(out.data.size());
        out.data.insert(out.data.end(), m_stream.begin() + static_cast<std::ptrdiff_t>(m_pos + 4),
                        m_stream.begin() + static_cast<std::ptrdiff_t>(m_pos + 4 + nextLength));
        m_pos += 4u + nextLength;
    }
    out.end = m_pos;
    return true;
}

std::span<const std::uint8_t> RecordData(std::span<const std::uint8_t> stream, const RecordSpan& r,
                                         Record& scratch) {
    if (r.continued) {
        Reader reader(stream, r.offset);
        if (!reader.Next(scratch))
            return {};
        return scratch.data;
    }
    if (r.offset + 4 > stream.size() || r.end > stream.size() || r.end < r.offset + 4)
        return {};
    return stream.subspan(r.offset + 4, r.end - r.offset - 4);
}

std::uint8_t Cursor::U8() {
    if (!Has(1)) {
        m_pos = m_r.data.size() + 1;
        return 0;
    }
    return m_r.data[m_pos++];
}

std::uint16_t Cursor::U16() {
    const std::uint8_t lo = U8();
    return static_cast<std::uint16_t>(lo | U8() << 8);
}

std::uint32_t Cursor::U32() {
    const std::uint16_t lo = U16();
    return lo | static_cast<std::uint32_t>(U16()) << 16;
}

double Cursor::F64() {
    const std::uint64_t lo = U32();
    const std::uint64_t bits = lo | static_cast<std::uint64_t>(U32()) << 32;
    return std::bit_cast<double>(bits);
}

std::size_t Cursor::LeftInPiece() const {
    const auto next = std::upper_bound(m_r.pieces.begin(), m_r.pieces.end(), m_pos);
    const std::size_t end = next == m_r.pieces.end() ? m_r.data.size() : *next;
    return end > m_pos ? end - m_pos : 0;
}

bool Cursor::AtPieceStart() const {
    return std::binary_search(m_r.pieces.begin(), m_r.pieces.end(), m_pos);
}

bool ReadCharacters(Cursor& c, std::size_t cch, std::uint8_t grbit, SstString& s) {
    s.text.reserve(std::min<std::size_t>(cch, c.LeftInPiece() + 1));
    while (s.text.size() < cch) {
        // Characters that go on in a CONTINUE piece: it restates the width.
        if (c.AtPieceStart())
            grbit = c.U8();
        const bool high = grbit & 1;
        s.wide = s.wide || high;
        const std::size_t width = high ? 2 : 1;
        const std::size_t fit = std::min<std::size_t>(cch - s.text.size(), c.LeftInPiece() / width);
        if (fit == 0 || !c.Ok())
            return false;
        for (std::size_t k = 0; k < fit; ++k)
            s.text += high ? static_cast<char16_t>(c.U16()) : static_cast<char16_t>(c.U8());
    }
    return c.Ok();
}

bool ReadSst(const Record& sst, SstTable& out) {
    out = SstTable{};
    Cursor c(sst);
    c.U32(); // total references
    const std::uint32_t unique = c.U32();
    if (!c.Ok())
        return false;
    // Every string takes at least three bytes: no more can be in the record.
    const std::size_t most = std::min<std::size_t>(unique, sst.data.size() / 3);
    out.ends.reserve(most);
    out.wide.reserve(most);
    SstString s;
    for (std::uint32_t i = 0; i < unique; ++i) {
        const std::uint16_t cch = c.U16();
        const std::uint8_t grbit = c.U8();
        const std::uint16_t runs = (grbit & 0x08) ? c.U16() : 0;
        const std::uint32_t ext = (grbit & 0x04) ? c.U32() : 0;
        s.text.clear();
        s.wide = false;
        if (!c.Ok() || !ReadCharacters(c, cch, grbit, s))
            return false;
        c.Skip(std::size_t{4} * runs);
        c.Skip(ext);
        if (!c.Ok())
            return false;
        out.chars.insert(out.chars.end(), s.text.begin(), s.text.end());
        out.ends.push_back(static_cast<std::uint32_t>(out.chars.size()));
        out.wide.push_back(s.wide);
    }
    return true;
}

bool ReadLabel(const Record& label, std::uint16_t& row, std::uint16_t& col, SstString& text) {
    Cursor c(label);
    row = c.U16();
    col = c.U16();
    c.U16(); // format
    const std::uint16_t cch = c.U16();
    const std::uint8_t grbit = c.U8();
    text = SstString{};
    return c.Ok() && ReadCharacters(c, cch, grbit, text);
}

void Writer::F64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    Put(Room(8), bits, 8);
}

void Writer::Raw(std::span<const std::uint8_t> bytes) {
    if (!bytes.empty())
        std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
}

void Writer::Grow(std::size_t n) {
    // Doubling keeps the copies of a large stream to a few; each new buffer
    // in large pages before it is written (a workbook stream is megabytes).
    const std::size_t size = std::max<std::size_t>({m_size + n, 2 * m_out.size(), 4096});
    std::vector<std::uint8_t> bigger;
    bigger.reserve(size);
    PreferLargePagesFor(bigger);
    bigger.resize(size);
    std::copy(m_out.begin(), m_out.begin() + static_cast<std::ptrdiff_t>(m_size), bigger.begin());
    m_out.swap(bigger);
}

} // namespace biff

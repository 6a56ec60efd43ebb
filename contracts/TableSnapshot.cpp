#include "contracts/TableSnapshot.h"

#include <cstring>

namespace {

constexpr std::size_t kKeyField = 4;

std::span<const std::byte> Content(std::span<const std::byte> bytes) {
    return bytes.size() > kKeyField ? bytes.subspan(kKeyField) : std::span<const std::byte>{};
}

} // namespace

std::uint64_t HashRowContent(std::span<const std::byte> bytes) {
    // Eight bytes at a time with a multiply-rotate mix: fast enough to hash
    // a full channel table in well under a millisecond.
    const std::span<const std::byte> content = Content(bytes);
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ content.size();
    std::size_t at = 0;
    for (; at + 8 <= content.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, content.data() + at, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, content.data() + at, content.size() - at);
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
}

bool SameRowContent(std::span<const std::byte> a, std::span<const std::byte> b) {
    const auto x = Content(a), y = Content(b);
    return x.size() == y.size() && (x.empty() || std::memcmp(x.data(), y.data(), x.size()) == 0);
}

std::size_t CTableSnapshot::ByteSize() const {
    std::size_t total = IndexBytes();
    for (const Row& r : m_rows)
        total += r.size + kRowOverhead;
    return total;
}

bool CTableSnapshot::SameAs(const CTableSnapshot& other) const {
    if (m_bValid != other.m_bValid || m_table != other.m_table ||
        m_highestKey != other.m_highestKey || m_rows.size() != other.m_rows.size())
        return false;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& a = m_rows[i];
        const Row& b = other.m_rows[i];
        if (a.key != b.key)
            return false;
        if (a.bytes != b.bytes && !SameRowContent(Bytes(i), other.Bytes(i)))
            return false;
    }
    return true;
}

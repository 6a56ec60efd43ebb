#include "image/ImageBuffer.h"

#include "image/ImageFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

void CImageBuffer::Own(std::vector<BYTE> bytes) {
    m_bytes = std::move(bytes);
    m_data = m_bytes;
    m_nPos = 0;
    m_bBorrowed = false;
}

void CImageBuffer::Borrow(std::span<const BYTE> bytes) {
    m_bytes.clear();
    m_data = bytes;
    m_nPos = 0;
    m_bBorrowed = true;
}

std::vector<BYTE> CImageBuffer::Release() {
    std::vector<BYTE> out =
        m_bBorrowed ? std::vector<BYTE>(m_data.begin(), m_data.end()) : std::move(m_bytes);
    m_bytes.clear();
    m_data = {};
    m_nPos = 0;
    m_bBorrowed = false;
    return out;
}

bool CImageBuffer::Seek(std::int64_t offset) {
    if (offset < 0 || offset > kMaxImageFileBytes)
        return false;
    m_nPos = offset;
    return true;
}

std::size_t CImageBuffer::Read(std::span<BYTE> out) {
    const std::span<const BYTE> have = View(m_nPos, static_cast<std::int64_t>(out.size()));
    std::copy(have.begin(), have.end(), out.begin());
    m_nPos += static_cast<std::int64_t>(have.size());
    return have.size();
}

bool CImageBuffer::Write(std::span<const BYTE> data) {
    const std::int64_t end = m_nPos + static_cast<std::int64_t>(data.size());
    if (m_bBorrowed || end > kMaxImageFileBytes)
        return false;
    if (end > Length()) {
        m_bytes.resize(static_cast<std::size_t>(end), 0);
        m_data = m_bytes;
    }
    if (!data.empty())
        std::memcpy(m_bytes.data() + m_nPos, data.data(), data.size());
    m_nPos = end;
    return true;
}

std::span<const BYTE> CImageBuffer::View(std::int64_t offset, std::int64_t bytes) const {
    if (offset < 0 || bytes <= 0 || offset >= Length())
        return {};
    const std::int64_t n = std::min(bytes, Length() - offset);
    return m_data.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(n));
}

#include "image/ImageFile.h"

bool CImageFile::Open(const std::string& path, Mode mode) {
    Close();
    const char* flags = mode == Mode::Read ? "rb" : mode == Mode::Update ? "r+b" : "wb";
    m_fp = std::fopen(path.c_str(), flags);
    return m_fp != nullptr;
}

void CImageFile::Close() {
    if (m_fp) {
        std::fclose(m_fp);
        m_fp = nullptr;
    }
}

std::int64_t CImageFile::Length() {
    if (!m_fp)
        return -1;
    const long here = std::ftell(m_fp);
    if (here < 0 || std::fseek(m_fp, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(m_fp);
    std::fseek(m_fp, here, SEEK_SET);
    return end;
}

bool CImageFile::Seek(std::int64_t offset) {
    return m_fp && offset >= 0 && std::fseek(m_fp, static_cast<long>(offset), SEEK_SET) == 0;
}

std::size_t CImageFile::Read(std::span<BYTE> out) {
    // An empty span may carry a null pointer, which fread must not get.
    if (!m_fp || out.empty())
        return 0;
    return std::fread(out.data(), 1, out.size(), m_fp);
}

bool CImageFile::Write(std::span<const BYTE> data) {
    if (!m_fp)
        return false;
    return data.empty() || std::fwrite(data.data(), 1, data.size(), m_fp) == data.size();
}

bool CImageFile::Flush() {
    return m_fp && std::fflush(m_fp) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    CImageFile file;
    if (!file.Open(path, CImageFile::Mode::Read))
        return false;
    const std::int64_t length = file.Length();
    if (length < 0)
        return false;
    contents.assign(static_cast<std::size_t>(length), '\0');
    auto* bytes = reinterpret_cast<BYTE*>(contents.data());
    return file.Read({bytes, contents.size()}) == contents.size();
}

bool WriteWholeFile(const std::string& path, std::span<const BYTE> first,
                    std::span<const BYTE> second) {
    CImageFile file;
    return file.Open(path, CImageFile::Mode::Create) && file.Write(first) && file.Write(second) &&
           file.Flush();
}

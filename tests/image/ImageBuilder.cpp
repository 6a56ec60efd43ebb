#include "tests/image/ImageBuilder.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"

#include "document/WorkingCopy.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <unistd.h>

namespace velmar::test {

int Profile::FlashSize() const {
    int end = 0;
    for (const Geometry* g : {&mmi, &sat, &brd, &tp, &ch})
        end = std::max(end, g->start + g->sectors * sectorSize);
    return end;
}

void Profile::Apply() const {
    SetProductList(list);
    SetProductType(type);
    SetFlashByteOrder(order);
    SetFlashMMIBlockInfo(mmi.start, mmi.sectors, mmi.entrySize, mmi.fourth);
    SetFlashSatBlockInfo(sat.start, sat.sectors, sat.entrySize);
    SetFlashBrdBlockInfo(brd.start, brd.sectors, brd.entrySize);
    SetFlashTPBlockInfo(tp.start, tp.sectors, tp.entrySize);
    SetFlashCHBlockInfo(ch.start, ch.sectors, ch.entrySize, ch.fourth);
    velmar::policy_profile::SetFlashOneSectorSize(sectorSize);
    velmar::policy_profile::SetFlashMaxMuxCount(maxMux);
}

Image::Image(int flashSize, BYTE fill) : m_bytes(static_cast<std::size_t>(kShift + flashSize), 0) {
    for (std::size_t i = kShift; i < m_bytes.size(); ++i)
        m_bytes[i] = fill;
    const BYTE header[] = {'V', 'X', ' ', ' ', 80, 0};
    for (std::size_t i = 0; i < sizeof header; ++i)
        m_bytes.at(i) = header[i];
}

void Image::Put16(int at, WORD v, int order) {
    WriteWORD(&(*this)[at], v, order);
}
void Image::Put32(int at, DWORD v, int order) {
    WriteDWORD(&(*this)[at], v, order);
}
void Image::PutText(int at, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        (*this)[at + static_cast<int>(i)] = static_cast<BYTE>(text[i]);
}
void Image::SetHeaderText(int at, const std::string& text) {
    std::memcpy(m_bytes.data() + 6 + at, text.data(), text.size());
}

std::vector<BYTE> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::vector<BYTE>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

WORD Word(const std::vector<BYTE>& bytes, std::size_t at, int order) {
    return ReadWORD(&bytes.at(at + 1) - 1, order);
}

long FirstNot(const std::vector<BYTE>& bytes, std::size_t at, std::size_t n, BYTE v) {
    for (std::size_t i = at; i < at + n; ++i)
        if (bytes.at(i) != v)
            return static_cast<long>(i);
    return -1;
}

void CodecTest::SetUp() {
    static std::atomic<int> counter{0};
    m_dir = std::filesystem::temp_directory_path() /
            ("velmar-codec-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_dir);
    velmar::policy_profile::Reset();
    ResetImageState();
    db.ClearAll();
    Profile{}.Apply();
}

void CodecTest::TearDown() {
    db.ClearAll();
    velmar::policy_profile::Reset();
    ResetImageState();
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
}

int CodecTest::Load(const std::vector<BYTE>& bytes, const std::string& name) {
    WriteFile(Path(name), bytes);
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    file.SetPrompt(&prompt);
    return file.Load(Path(name).c_str());
}

std::vector<BYTE> CodecTest::Save(const std::vector<BYTE>& base, int* ok, const std::string& name) {
    WriteFile(Path(name), base);
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    const int result = file.Save(Path(name).c_str(), false);
    if (ok)
        *ok = result;
    return ReadFile(Path(name));
}

void WorkingCopyTest::SetUp() {
    CodecTest::SetUp();
    ASSERT_TRUE(CreateWorkingCopy(Path("").parent_path().string()));
}

void WorkingCopyTest::TearDown() {
    DeleteWorkingCopy();
    CodecTest::TearDown();
}

} // namespace velmar::test

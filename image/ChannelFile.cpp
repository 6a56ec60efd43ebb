// CChannelFile: construction, header, the shared block read, Load and Save.
#include "image/ChannelFile.h"

#include "contracts/Policy.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "model/Product.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

constexpr BYTE kMagic[4] = {'V', 'X', ' ', ' '};
constexpr BYTE kZorvTag[4] = {'Z', 'O', 'R', 'V'};

} // namespace

CChannelFile::CChannelFile(CZorvDB& db, ImageStateValues& values) : m_db(db), m_values(values) {
    m_nSectorSize = GetFlashOneSectorSize();
    m_bByteOrder = GetFlashByteOrder() != 0 ? 1 : 0;
    GetFlashMMIBlockInfo(&m_mmi.start, &m_mmi.sectors, &m_mmi.entrySize, &m_mmi.fourth);
    GetFlashSatBlockInfo(&m_sat.start, &m_sat.sectors, &m_sat.entrySize);
    GetFlashBrdBlockInfo(&m_brd.start, &m_brd.sectors, &m_brd.entrySize);
    GetFlashTPBlockInfo(&m_tp.start, &m_tp.sectors, &m_tp.entrySize);
    GetFlashCHBlockInfo(&m_ch.start, &m_ch.sectors, &m_ch.entrySize, &m_ch.fourth);
}

CChannelFile::~CChannelFile() {
    Close();
}

void CChannelFile::FetchProduct() {
    m_nProductList = GetProductList();
    m_nProductType = GetProductType();
}

void CChannelFile::Close() {
    m_file.Release();
}

bool CChannelFile::GeometryValid() const {
    FlashGeometry g;
    g.productList = GetProductList();
    g.productType = GetProductType();
    g.sectorSize = m_nSectorSize;
    g.mmi = m_mmi;
    g.sat = m_sat;
    g.brd = m_brd;
    g.tp = m_tp;
    g.ch = m_ch;
    return g.Valid();
}

void CChannelFile::ShiftBlocks(int shift) {
    for (Block* b : {&m_mmi, &m_sat, &m_brd, &m_tp, &m_ch})
        b->start += shift;
}

bool CChannelFile::ReadBlock(std::int64_t start, std::int64_t bytes, std::vector<BYTE>& out) {
    out.clear();
    const std::int64_t length = m_file.Length();
    if (start < 0 || bytes < 0 || length < 0 || start > length || bytes > length - start)
        return false;
    out.assign(static_cast<std::size_t>(bytes), 0);
    return m_file.Seek(start) && m_file.Read(out) == out.size();
}

bool CChannelFile::ViewBlock(std::int64_t start, std::int64_t bytes,
                             std::span<const BYTE>& out) const {
    out = {};
    const std::int64_t length = m_file.Length();
    if (start < 0 || bytes < 0 || length < 0 || start > length || bytes > length - start)
        return false;
    out = m_file.View(start, bytes);
    return static_cast<std::int64_t>(out.size()) == bytes;
}

bool CChannelFile::ReadHeader() {
    BYTE magic[4] = {}, length[2] = {}, text[kHeaderTextSize] = {};
    if (!m_file.Seek(0) || m_file.Read(magic) != sizeof magic ||
        std::memcmp(magic, kMagic, sizeof magic) != 0)
        return false;
    if (m_file.Read(length) != sizeof length || ReadWORD(length, 0) != kHeaderTextSize)
        return false;
    if (m_file.Read(text) != sizeof text)
        return false;
    std::memcpy(m_values.headerText, text, sizeof text);
    m_values.zorvImage =
        std::memcmp(m_values.headerText + kZorvTagOffset, kZorvTag, sizeof kZorvTag) == 0;
    return true;
}

bool CChannelFile::WriteHeader(bool zorvImage) {
    if (!m_file.Seek(0))
        return false;
    if (zorvImage)
        return true; // the 64-byte header is already in the file
    BYTE header[kWorkingHeaderSize] = {};
    std::memcpy(header, kMagic, sizeof kMagic);
    WriteWORD(header + 4, kHeaderTextSize, 0);
    std::memcpy(header + 6, m_values.headerText, kHeaderTextSize);
    return m_file.Write(header) && m_file.Flush();
}

int CChannelFile::Load(const char* path) {
    if (path)
        m_strPath = path;
    std::string contents;
    if (m_strPath.empty() || !GeometryValid() || !ReadWholeFile(m_strPath, contents))
        return 0;
    const auto* bytes = reinterpret_cast<const BYTE*>(contents.data());
    return LoadBytes(std::span<const BYTE>(bytes, contents.size()));
}

int CChannelFile::LoadBytes(std::span<const BYTE> image) {
    if (!GeometryValid())
        return 0;
    m_file.Borrow(image);
    FetchProduct();
    return LoadOpened();
}

int CChannelFile::LoadOpened() {
    int shift = kWorkingHeaderSize;
    if (!ReadHeader()) {
        if (!m_pPrompt || !m_pPrompt->AskYesNo(kHeaderQuestion)) {
            Close();
            return 0;
        }
        shift = 0;
    }
    ShiftBlocks(shift);

    bool ok = ReadFavorites();
    const std::uint32_t type = m_nProductType;
    if (ok && IsSingleBlockImage(type, m_nProductList)) {
        ok = ReadSingleBlock();
    } else if (ok) {
        ok = (!IsSatellite(type) || ReadSatellites()) && ReadBroadcasts() &&
             (!IsSatellite(type) || ReadTransponders()) &&
             (!HasTerrestrialMuxBlock(type) || ReadTerrestrialMuxBlock()) &&
             (!IsCable(type) || ReadCableMuxBlock()) && ReadChannelBlock();
    }
    Close();
    return ok ? 1 : 0;
}

int CChannelFile::Save(const char* path, bool zorvImage) {
    if (path)
        m_strPath = path;
    std::string contents;
    if (m_strPath.empty() || !GeometryValid() || !ReadWholeFile(m_strPath, contents))
        return 0;
    std::vector<BYTE> image(contents.begin(), contents.end());
    const bool ok =
        SaveBytes(image, zorvImage) == 1 && WriteWholeFile(m_strPath, std::span<const BYTE>(image));
    if (!ok) {
        (void)std::remove(m_strPath.c_str());
        return 0;
    }
    return 1;
}

int CChannelFile::SaveBytes(std::vector<BYTE>& image, bool zorvImage) {
    if (!GeometryValid()) {
        image.clear();
        return 0;
    }
    // Patched in place: the caller's bytes are the image being written.
    m_file.Own(std::move(image));
    FetchProduct();
    if (SaveOpened(zorvImage) != 1) {
        image.clear();
        return 0;
    }
    image = m_file.Release();
    return 1;
}

int CChannelFile::SaveOpened(bool zorvImage) {
    ShiftBlocks(zorvImage ? kZorvHeaderSize : kWorkingHeaderSize);
    bool ok = WriteHeader(zorvImage) && WriteFavorites();
    const std::uint32_t type = m_nProductType;
    if (ok && IsSingleBlockImage(type, m_nProductList)) {
        ok = WriteSingleBlock();
    } else if (ok) {
        const bool twin = UsesTwinTunerWriter(m_nProductList);
        // The terrestrial multiplex block has no writer: its bytes stay as they are.
        ok = (!IsSatellite(type) || WriteSatellites()) && WriteBroadcasts() &&
             (!IsSatellite(type) || WriteTransponders()) &&
             (!IsCable(type) || WriteCableMuxBlock()) &&
             (twin ? WriteTwinTunerChannelBlock() : WriteChannelBlock());
    }
    return ok ? 1 : 0;
}

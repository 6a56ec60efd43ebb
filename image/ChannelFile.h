// The flash image codec: one CChannelFile reads a whole image into the table
// store or writes the store back into an image, for one Load or one Save.
// Saving is a patch: only the blocks the codec knows are overwritten.
#pragma once

#include "contracts/Prompt.h"
#include "image/FlashGeometry.h"
#include "image/ImageFile.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kHeaderQuestion = "Cannot read file header. Continue?";

class CSectorWriter;

class CChannelFile {
public:
    // One block's geometry as the policy reports it; `fourth` is the
    // favourite maximum, a running count, or the channel name length.
    using Block = BlockGeometry;

    CChannelFile();
    ~CChannelFile();
    CChannelFile(const CChannelFile&) = delete;
    CChannelFile& operator=(const CChannelFile&) = delete;

    // Where the header question goes; without a prompt it is answered No.
    void SetPrompt(IUserPrompt* prompt) { m_pPrompt = prompt; }

    bool Open(CImageFile::Mode mode);
    void Close();

    bool ReadHeader();
    bool WriteHeader(bool zorvImage);

    // 1 on success, 0 on failure. A null path keeps m_strPath.
    int Load(const char* path);
    // Load from an open descriptor the caller keeps (the held working copy).
    int LoadDescriptor(int fd);
    int Save(const char* path, bool zorvImage);

    bool ReadFavorites();
    bool WriteFavorites();
    bool ReadSatellites();
    bool WriteSatellites();
    bool ReadTransponders();
    bool WriteTransponders();
    bool ReadBroadcasts();
    bool WriteBroadcasts();
    bool ReadChannelBlock();
    bool WriteChannelBlock();
    bool WriteTwinTunerChannelBlock();
    bool ReadTerrestrialMuxBlock();
    bool ReadCableMuxBlock();
    bool WriteCableMuxBlock();
    bool ReadSingleBlock();
    bool WriteSingleBlock();

private:
    void ShiftBlocks(int shift);
    void FetchProduct();
    int LoadOpened();
    bool GeometryValid() const;
    // The shared block read: the whole block, or false when the file is
    // shorter (checked before anything is allocated).
    bool ReadBlock(std::int64_t start, std::int64_t bytes, std::vector<BYTE>& out);
    bool WriteChannels(bool twinTuner);
    // The channel layout of this product: 0 standard, 1 compact, 2 network, -1 none.
    int ChannelLayout() const;

    std::string m_strPath;
    CImageFile m_file;
    int m_nProductList = 0;
    std::uint32_t m_nProductType = 0;
    int m_nSectorSize = 0;
    BYTE m_bByteOrder = 0;
    Block m_mmi, m_sat, m_brd, m_tp, m_ch;
    int m_nTVCount = 0; // scratch counters of the channel codec
    int m_nRadioCount = 0;
    IUserPrompt* m_pPrompt = nullptr;
};

// The flash image codec: one CChannelFile reads a whole image into a table
// store or writes a store back into an image, for one Load or one Save.
// Saving is a patch: only the blocks the codec knows are overwritten. The
// codec works on the store and the image values it is given (a document's),
// and on the image's bytes in memory; the path forms read or write the
// whole file around that.
#pragma once

#include "contracts/Prompt.h"
#include "image/FlashGeometry.h"
#include "image/ImageBuffer.h"
#include "image/ImageState.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr const char* kHeaderQuestion = "Cannot read file header. Continue?";

class CSectorWriter;
class CZorvDB;

class CChannelFile {
public:
    // One block's geometry as the policy reports it; `fourth` is the
    // favourite maximum, a running count, or the channel name length.
    using Block = BlockGeometry;

    // Loads fill `db` (cleared by the caller) and `values`; saves write them.
    CChannelFile(CZorvDB& db, ImageStateValues& values);
    ~CChannelFile();
    CChannelFile(const CChannelFile&) = delete;
    CChannelFile& operator=(const CChannelFile&) = delete;

    // Where the header question goes; without a prompt it is answered No.
    void SetPrompt(IUserPrompt* prompt) { m_pPrompt = prompt; }

    void Close();

    bool ReadHeader();
    bool WriteHeader(bool zorvImage);

    // 1 on success, 0 on failure. A null path keeps m_strPath.
    int Load(const char* path);
    // Load from the image's bytes in memory (the working form).
    int LoadBytes(std::span<const BYTE> image);
    // Patches the blocks into the file at `path` (which must exist); a failed
    // save deletes it.
    int Save(const char* path, bool zorvImage);
    // Patches the blocks into `image` in memory (the on-disk form for a ZORV
    // image, otherwise the working form), without a copy; on failure `image`
    // is emptied (a save that failed has no bytes to write).
    int SaveBytes(std::vector<BYTE>& image, bool zorvImage);

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
    int SaveOpened(bool zorvImage);
    bool GeometryValid() const;
    // The shared block read: the whole block, or false when the file is
    // shorter (checked before anything is allocated).
    bool ReadBlock(std::int64_t start, std::int64_t bytes, std::vector<BYTE>& out);
    // The same check, answering the block's bytes in place (a load reads the
    // image it borrowed; nothing writes it while the view is held).
    bool ViewBlock(std::int64_t start, std::int64_t bytes, std::span<const BYTE>& out) const;
    bool WriteChannels(bool twinTuner);

    std::string m_strPath;
    CZorvDB& m_db;
    ImageStateValues& m_values;
    CImageBuffer m_file; // the image being read or patched
    int m_nProductList = 0;
    std::uint32_t m_nProductType = 0;
    int m_nSectorSize = 0;
    BYTE m_bByteOrder = 0;
    Block m_mmi, m_sat, m_brd, m_tp, m_ch;
    int m_nTVCount = 0; // scratch counters of the channel codec
    int m_nRadioCount = 0;
    IUserPrompt* m_pPrompt = nullptr;
};

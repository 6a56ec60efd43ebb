// Builds flash images in memory for the codec tests: a working-form header,
// then entries, counts and trailers placed at chosen offsets, so a malformed
// case is one line. Also applies receiver profiles to the policy and runs
// loads and saves through temporary files.
#pragma once

#include "contracts/Policy.h"
#include "contracts/Prompt.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "image/ChannelFile.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velmar::test {

struct Geometry {
    int start, sectors, entrySize, fourth;
};

struct Profile {
    int list = 7;
    std::uint32_t type = 1;
    int order = 0;
    int sectorSize = 4096;
    Geometry mmi{0, 1, 20, 8};
    Geometry sat{4096, 1, 32, 0};
    Geometry brd{8192, 2, 20, 0};
    Geometry tp{16384, 8, 20, 0};
    Geometry ch{49152, 64, 56, 28};
    int maxMux = 64;

    // End of the last block, relative to the image proper.
    int FlashSize() const;
    void Apply() const;
};

// Profile{} on product list `list` and type `type`, in byte order `order`,
// with channel entries of `chEntry` bytes.
inline Profile MakeProfile(int list, std::uint32_t type = 1, int order = 0, int chEntry = 56) {
    Profile p;
    p.list = list;
    p.type = type;
    p.order = order;
    p.ch.entrySize = chEntry;
    return p;
}

// The cable single block with 40 multiplex, 20 broadcaster and 300 channel
// slots; broadcaster slots of `broadcastBytes`.
inline Profile SingleBlockProfile(int broadcastBytes = 20) {
    Profile p = MakeProfile(10, 0x14, 0, 80);
    p.tp = {4096, 40, 16, 0};
    p.brd = {8192, 20, broadcastBytes, 0};
    p.ch = {12288, 300, 80, 28};
    return p;
}

// A small cable single block of 2 multiplex, 2 broadcaster and 3 channel
// slots of `chEntry` bytes: D = 2 x 16 + 2 x 20 + 3 x chEntry.
inline Profile SmallSingleBlockProfile(int order = 0, int chEntry = 64) {
    Profile p = MakeProfile(10, 0x14, order, chEntry);
    p.tp = {4096, 2, 16, 0};
    p.brd = {8192, 2, 20, 0};
    p.ch = {12288, 3, chEntry, 28};
    return p;
}

// A receiver whose channel entries carry all 32 favourite positions and whose
// satellites have the long form, so every field an edit touches is saved.
inline Profile LongSatelliteProfile() {
    Profile p = MakeProfile(64, 0x49, 1, 124);
    p.sat.entrySize = 44;
    return p;
}

inline constexpr int kShift = 86; // the working header

class Image {
public:
    // A working-form image: "VX  ", length 80, header text, `flash` zero bytes.
    explicit Image(int flashSize, BYTE fill = 0);
    std::vector<BYTE>& Bytes() { return m_bytes; }
    BYTE& operator[](int flashOffset) {
        return m_bytes.at(static_cast<std::size_t>(flashOffset + kShift));
    }
    void Put8(int at, BYTE v) { (*this)[at] = v; }
    void Put16(int at, WORD v, int order);
    void Put32(int at, DWORD v, int order);
    void PutText(int at, const std::string& text);
    void SetHeaderText(int at, const std::string& text);

private:
    std::vector<BYTE> m_bytes;
};

// A blank working-form image of `p`'s blocks.
inline std::vector<BYTE> Blank(const Profile& p = Profile{}) {
    return Image(p.FlashSize()).Bytes();
}

// Adds `rows` rows of `T` to `table`, each named by `format` and its number
// (when `T` has a name) and given the rest by `set(row, number, id)`, where
// `id` runs 1 to 255 and round again.
template <class T, class Set>
void AddRows(CZorvDB& db, std::uint8_t table, std::int64_t rows, const char* format, Set set) {
    for (int n = 0; n < static_cast<int>(rows); ++n) {
        auto r = NewRecord<T>();
        if constexpr (requires { r->Name; })
            std::snprintf(r->Name, sizeof r->Name, format, n % 10000);
        set(*r, n, static_cast<BYTE>(n % 255 + 1));
        db.AddIndexed(table, std::move(r));
    }
}

std::vector<BYTE> ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::vector<BYTE>& bytes);
WORD Word(const std::vector<BYTE>& bytes, std::size_t at, int order);
// `n` bytes from `at`: a run of fields compared with its hand-worked bytes.
inline std::vector<BYTE> Slice(const std::vector<BYTE>& bytes, std::size_t at, std::size_t n) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

// The first offset in [at, at + n) whose byte is not `v`, or -1: a run of
// zeroed, erased or kept bytes checked in one line that still says where.
long FirstNot(const std::vector<BYTE>& bytes, std::size_t at, std::size_t n, BYTE v);

// Clean store, module state and policy for every codec test; a scratch
// folder for its files.
class CodecTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path Path(const std::string& name) const { return m_dir / name; }

    // Writes `bytes` to a file and loads it with CChannelFile; 1 or 0.
    int Load(const std::vector<BYTE>& bytes, const std::string& name = "in.bin");
    // Writes `base` to a file, saves the store into it and returns the file's
    // bytes; `ok` receives Save's result.
    std::vector<BYTE> Save(const std::vector<BYTE>& base, int* ok = nullptr,
                           const std::string& name = "out.bin");
    // Empties the store and loads `bytes` into it; true when the load succeeded.
    bool Reload(const std::vector<BYTE>& bytes) {
        db.ClearAll();
        return Load(bytes) == 1;
    }

    CZorvDB& db = TheZorvDB();
    CScriptedPrompt prompt;

private:
    std::filesystem::path m_dir;
};

// CodecTest with a working copy of its own in the scratch folder.
class WorkingCopyTest : public CodecTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace velmar::test

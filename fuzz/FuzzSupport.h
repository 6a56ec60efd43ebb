// What every fuzz target shares: scratch files in the temporary directory,
// one working copy for the whole run, and file writes without fsync (a fuzzer
// writes thousands of files a second; durability is not what it tests).
#pragma once

#include "contracts/Policy.h"
#include "contracts/Prompt.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "platform/FileOps.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace velmar::fuzz {

// A folder of this process's own, removed at exit: the working copy lives
// there too, so the editor never takes it for one a crashed session left.
inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto dir =
            std::filesystem::temp_directory_path() / ("velmar-fuzz-" + std::to_string(::getpid()));
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        std::atexit([] {
            DeleteWorkingCopy();
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return dir;
    }();
    return folder;
}

inline std::string Scratch(const char* name) {
    return (Folder() / name).string();
}

// Set up once per process; true when the working copy exists.
inline bool Prepare() {
    static CFailingFileOps noSync = [] {
        CFailingFileOps ops;
        ops.skipSync = true;
        return ops;
    }();
    static CScopedFileOps scope(noSync);
    static const bool working = CreateWorkingCopy(Folder().string());
    return working;
}

// Receiver profiles with small sectors, so that a whole image is a few
// kilobytes a fuzzer can change byte for byte.
struct Profile {
    int list;
    std::uint32_t type;
};

inline constexpr Profile kProfiles[] = {{7, 0x01}, {8, 0x19},  {1, 0x21}, {64, 0x49},
                                        {5, 0x04}, {9, 0x12},  {1, 0x02}, {2, 0x04},
                                        {3, 0x03}, {10, 0x14}, {5, 0x01}, {6, 0x03}};

inline void UseSmallSectors(const Profile& p, int order, int maxMux) {
    SetProductList(p.list);
    SetProductType(p.type);
    SetFlashByteOrder(order);
    velmar::policy_profile::SetFlashOneSectorSize(256);
    velmar::policy_profile::SetFlashMaxMuxCount(maxMux);
    SetFlashMMIBlockInfo(0, 1, 20, 8);
    if (p.list == 10) { // counts of slots, not sectors
        SetFlashSatBlockInfo(0, 0, 32);
        SetFlashTPBlockInfo(256, 4, 16);
        SetFlashBrdBlockInfo(0, 4, 20);
        SetFlashCHBlockInfo(0, 6, 64, 10);
    } else {
        SetFlashSatBlockInfo(256, 1, 32);
        SetFlashBrdBlockInfo(512, 1, 20);
        SetFlashTPBlockInfo(768, 2, 20);
        SetFlashCHBlockInfo(1280, 3, 64, 10);
    }
}

// The store's tables and the image's values at one moment, to put back
// before every input and to compare with after one.
struct StoreState {
    CTableSnapshot tables[CZorvDB::kTableCount];
    ImageStateValues values;

    static StoreState Take() {
        StoreState s;
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            s.tables[t] = TheZorvDB().Snapshot(t);
        s.values = CurrentImageValues();
        return s;
    }
    void Restore() const {
        for (const CTableSnapshot& t : tables)
            TheZorvDB().Restore(t);
        CurrentImageValues() = values;
    }
    bool Same(const StoreState& other) const {
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            if (!tables[t].SameAs(other.tables[t]))
                return false;
        return values == other.values;
    }
};

// A small image with a few records of every kind (the image target's first
// seed, under the profile its first byte names), opened as the editor opens
// one. Done once; false when it does not open, which stops the run.
inline bool OpenSmallImage() {
    static const bool opened = [] {
        if (!Prepare())
            return false;
        std::string seed;
        if (!ReadWholeFile(VELMAR_FUZZ_CORPUS "/image/seed-profile0.bin", seed) || seed.empty())
            return false;
        UseSmallSectors(kProfiles[0], 0, 1);
        ResetImageState();
        TheZorvDB().ClearAll();
        const std::string image = Scratch("small.bin");
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(seed.data());
        WriteWholeFile(image, {bytes + 1, seed.size() - 1});
        CFixedAnswerPrompt no(false);
        return ImportToWorkingCopy(image, &no) == 1 && TheZorvDB().Size(kTableChannel) > 0;
    }();
    return opened;
}

} // namespace velmar::fuzz

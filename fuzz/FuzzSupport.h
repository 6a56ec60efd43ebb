// What every fuzz target shares: scratch files in the temporary directory,
// one working copy for the whole run, and file writes without fsync (a fuzzer
// writes thousands of files a second; durability is not what it tests).
#pragma once

#include "document/WorkingCopy.h"
#include "platform/FileOps.h"

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

} // namespace velmar::fuzz

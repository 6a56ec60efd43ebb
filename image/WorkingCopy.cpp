#include "image/WorkingCopy.h"

#include "contracts/ZorvDB.h"
#include "image/Capacity.h"
#include "image/ChannelFile.h"
#include "image/Checksums.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <new>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

char g_szWorkImagePath[kMaxPath] = {};

namespace {

constexpr const char* kSaveFailed = "Cannot save channel file";
constexpr const char* kNamePattern = "ZOXXXXXX.tmp";
constexpr int kNameSuffix = 4; // ".tmp"
constexpr const char* kNoWorkingCopy =
    "there is no working copy (it could not be created in the temporary directory)";

// The working copy's descriptor, held (and locked) from creation to deletion.
int g_nWorkFd = -1;

std::span<const BYTE> Bytes(const std::string& s) {
    return {reinterpret_cast<const BYTE*>(s.data()), s.size()};
}

std::string TempFolder(const std::string& folder) {
    if (!folder.empty())
        return folder;
    std::error_code ec;
    const auto dir = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("/tmp") : dir.string();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// A new private file "ZO??????.tmp" in `folder`, open and locked.
int CreateLocked(const std::string& folder, std::string& path) {
    std::string pattern = folder + "/" + kNamePattern;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemps(name.data(), kNameSuffix, O_CLOEXEC); // mode 0600
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::unlink(name.data());
        ::close(fd);
        return -1;
    }
    path.assign(name.data());
    return fd;
}

void Report(SaveReport* report, const std::string& message, const std::string& detail) {
    if (report) {
        report->message = message;
        report->detail = detail;
    }
}

bool WriteAllAt(int fd, std::span<const BYTE> data, std::string& error, const std::string& name) {
    while (!data.empty()) {
        const long n = FileOps().Write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = "writing " + name + ": " + std::strerror(n == 0 ? ENOSPC : errno);
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool ImageCrc(const std::string& path, WORD& crc) {
    std::string image;
    if (!ReadWholeFile(path, image) || image.size() < kZorvHeaderSize)
        return false;
    const std::size_t range = image.size() - kZorvHeaderSize;
    crc = Crc16Xmodem(Bytes(image).subspan(kZorvHeaderSize));
    // The range is padded with zeros to a multiple of 1024.
    const std::vector<BYTE> padding((1024 - range % 1024) % 1024, 0);
    crc = Crc16Xmodem(padding, crc);
    return true;
}

// The working copy as it goes to disk: a ZORV image gets its 64-byte header
// back in place of the working header.
void WriteOnDiskForm(CAtomicFile& out, const std::string& work, bool zorv) {
    if (!zorv) {
        out.Write(Bytes(work));
        return;
    }
    const std::size_t skip = std::min<std::size_t>(work.size(), kWorkingHeaderSize);
    out.Write(std::span<const BYTE>(g_HeaderText + kZorvTagOffset, kZorvHeaderSize)) &&
        out.Write(Bytes(work).subspan(skip));
}

// The shared body of both saves: `work` into a temporary file beside
// `target`, the store saved into it, the CRC stamped, then the rename.
int SaveThroughTemporary(CAtomicFile& out, const std::string& work, bool zorv, bool keepBackup,
                         SaveReport* report) {
    if (!out.Create()) {
        Report(report, kSaveFailed, out.Error());
        return 0;
    }
    WriteOnDiskForm(out, work, zorv);
    if (!out.Error().empty()) {
        Report(report, kSaveFailed, out.Error());
        return 0;
    }
    CChannelFile file;
    errno = 0;
    if (file.Save(out.TempPath().c_str(), zorv) != 1) {
        const int error = errno;
        out.Discard();
        Report(report, kSaveFailed,
               "the channel data could not be written into " + out.Target() + ": " +
                   (error != 0 ? std::strerror(error) : "a table does not fit this receiver"));
        return 0;
    }
    if (zorv && !StampImageCRC(out.TempPath())) {
        out.Discard();
        Report(report, kSaveFailed, "the image CRC could not be written into " + out.Target());
        return 0;
    }
    if (!out.Commit(keepBackup)) {
        Report(report, kSaveFailed, out.Error());
        return 0;
    }
    return 1;
}

// Everything a save needs before it may write: the tables fit the receiver,
// and the working copy can be read.
bool WorkingCopyForSave(std::string& work, SaveReport* report) {
    const auto problems = CheckCapacity(TheZorvDB(), FlashGeometry::FromPolicy());
    if (!problems.empty()) {
        Report(report, CapacityMessage(problems), "");
        return false;
    }
    std::string error;
    if (ReadWorkingCopy(work, &error))
        return true;
    Report(report,
           "The working copy of the image (" + std::string(g_szWorkImagePath) +
               ") cannot be read, so the parts of the image this program does not edit "
               "would be lost. Nothing was saved. Open the image again, then save.",
           error);
    return false;
}

// New working-copy contents go into a new private, locked file beside it;
// `patch` may then change that file (a save into it); only when all of that
// worked is it synced and renamed over the working copy, and the held
// descriptor moves to it.
bool SwapInWorkingCopy(std::span<const BYTE> first, std::span<const BYTE> second,
                       const std::function<bool(const std::string&)>& patch, std::string* error) {
    std::string why;
    if (g_nWorkFd < 0) {
        if (error)
            *error = kNoWorkingCopy;
        return false;
    }
    std::string staged;
    const int fd = CreateLocked(FolderOf(g_szWorkImagePath), staged);
    bool ok = fd >= 0;
    if (!ok)
        why = "cannot create a file beside " + std::string(g_szWorkImagePath) + ": " +
              std::strerror(errno);
    ok = ok && WriteAllAt(fd, first, why, staged) && WriteAllAt(fd, second, why, staged);
    if (ok && patch && !patch(staged)) {
        why = "the channel data could not be written into " + staged;
        ok = false;
    }
    if (ok && FileOps().Sync(fd) != 0) {
        why = "writing " + staged + " to disk: " + std::strerror(errno);
        ok = false;
    }
    if (ok && FileOps().Rename(staged.c_str(), g_szWorkImagePath) != 0) {
        why = "replacing " + std::string(g_szWorkImagePath) + ": " + std::strerror(errno);
        ok = false;
    }
    if (!ok) {
        if (fd >= 0) {
            ::unlink(staged.c_str());
            ::close(fd);
        }
        if (error)
            *error = why;
        return false;
    }
    ::close(g_nWorkFd);
    g_nWorkFd = fd;
    return true;
}

} // namespace

bool CreateWorkingCopy(const std::string& folder) {
    DeleteWorkingCopy();
    std::string path;
    const int fd = CreateLocked(TempFolder(folder), path);
    if (fd < 0)
        return false;
    if (path.size() >= kMaxPath) {
        ::unlink(path.c_str());
        ::close(fd);
        return false;
    }
    std::memcpy(g_szWorkImagePath, path.c_str(), path.size() + 1);
    g_nWorkFd = fd;
    return true;
}

void DeleteWorkingCopy() {
    if (g_szWorkImagePath[0] != '\0' && g_nWorkFd >= 0)
        ::unlink(g_szWorkImagePath);
    if (g_nWorkFd >= 0)
        ::close(g_nWorkFd);
    g_nWorkFd = -1;
    g_szWorkImagePath[0] = '\0';
}

int WorkingCopyDescriptor() {
    return g_nWorkFd;
}

std::vector<BYTE> WorkingFormPrefix(std::span<const BYTE> image) {
    const auto startsWith = [&](const char* magic) {
        return image.size() >= 4 && std::memcmp(image.data(), magic, 4) == 0;
    };
    if (image.empty() || startsWith("VX  "))
        return {};
    std::vector<BYTE> prefix(kWorkingHeaderSize, 0);
    prefix[0] = 'V';
    prefix[1] = 'X';
    prefix[2] = ' ';
    prefix[3] = ' ';
    WriteWORD(prefix.data() + 4, kHeaderTextSize, 0);
    if (startsWith("ZORV")) {
        // 16 zero bytes, so the 64-byte header lands at header-text offset 16.
        prefix.resize(6 + 16);
    } else {
        std::memcpy(prefix.data() + 6, g_HeaderText, kHeaderTextSize);
    }
    return prefix;
}

bool ReadWorkingCopy(std::string& contents, std::string* error) {
    std::string why;
    if (g_nWorkFd < 0) {
        why = kNoWorkingCopy;
    } else if (ReadDescriptor(g_nWorkFd, kMaxImageFileBytes, "a receiver image", g_szWorkImagePath,
                              contents, why)) {
        return true;
    }
    if (error)
        *error = why;
    return false;
}

bool ReplaceWorkingCopy(std::span<const BYTE> first, std::span<const BYTE> second,
                        std::string* error) {
    return SwapInWorkingCopy(first, second, nullptr, error);
}

int LoadWorkingCopy(IUserPrompt* prompt) {
    CChannelFile file;
    file.SetPrompt(prompt);
    return file.LoadDescriptor(g_nWorkFd);
}

int ImportToWorkingCopy(const std::string& source, IUserPrompt* prompt, std::string* error) {
    try {
        std::string image;
        if (!ReadWholeFile(source, image, error))
            return kImportFileError;
        const std::vector<BYTE> prefix = WorkingFormPrefix(Bytes(image));
        if (!ReplaceWorkingCopy(prefix, Bytes(image), error))
            return kImportFileError;
    } catch (const std::bad_alloc&) {
        if (error)
            *error = "There is not enough memory to open " + source + ".";
        return kImportFileError;
    }
    TheZorvDB().ClearAll();
    return LoadWorkingCopy(prompt);
}

int ExportWorkingCopy(const std::string& target, SaveReport* report) {
    try {
        std::string work;
        if (!WorkingCopyForSave(work, report))
            return 0;
        CAtomicFile out(target);
        return SaveThroughTemporary(out, work, g_bZorvImage, true, report);
    } catch (const std::bad_alloc&) {
        Report(report, kSaveFailed, "not enough memory");
        return 0;
    }
}

int SaveIntoWorkingCopy(SaveReport* report) {
    try {
        std::string work;
        if (!WorkingCopyForSave(work, report))
            return 0;
        std::string error;
        const bool ok = SwapInWorkingCopy(
            Bytes(work), {},
            [](const std::string& staged) {
                CChannelFile file;
                return file.Save(staged.c_str(), false) == 1;
            },
            &error);
        if (!ok)
            Report(report, kSaveFailed, error);
        return ok ? 1 : 0;
    } catch (const std::bad_alloc&) {
        Report(report, kSaveFailed, "not enough memory");
        return 0;
    }
}

WORD ComputeImageCRC(const std::string& path) {
    WORD crc = 0;
    return ImageCrc(path, crc) ? crc : WORD{0};
}

bool StampImageCRC(const std::string& path) {
    WORD crc = 0;
    if (!ImageCrc(path, crc))
        return false;
    CImageFile file;
    BYTE bytes[2];
    WriteWORD(bytes, crc, 0);
    const bool written =
        file.Open(path, CImageFile::Mode::Update) && file.Seek(61) && file.Write(bytes);
    return file.Close() && written;
}

std::vector<std::string> FindAbandonedWorkingCopies(const std::string& folder) {
    const std::string dir = TempFolder(folder);
    std::vector<std::pair<std::int64_t, std::string>> found;
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return {};
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        // "ZO", six characters, ".tmp": the names this program gives.
        if (name.size() != 12 || name.compare(0, 2, "ZO") != 0 || name.compare(8, 4, ".tmp") != 0)
            continue;
        const std::string path = dir + "/" + name;
        if (path == g_szWorkImagePath)
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        char magic[4] = {};
        // Only a copy nobody holds: a running editor keeps its copy locked.
        const bool ours = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
                          st.st_size >= kWorkingHeaderSize && ::pread(fd, magic, 4, 0) == 4 &&
                          std::memcmp(magic, "VX  ", 4) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        if (ours)
            found.emplace_back(static_cast<std::int64_t>(st.st_mtime), path);
    }
    ::closedir(d);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<std::string> paths;
    for (auto& f : found)
        paths.push_back(std::move(f.second));
    return paths;
}

int OfferWorkingCopyRecovery(IUserPrompt& prompt, const std::string& folder) {
    for (const std::string& path : FindAbandonedWorkingCopies(folder)) {
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(path, ec);
        const std::string question =
            "A working copy of a receiver image was left behind by an editor that did not end "
            "normally:\n" +
            path + " (" + GroupedNumber(ec ? 0 : bytes) +
            " bytes).\nOpen it? (Yes opens it, No deletes it.)";
        if (!prompt.AskYesNo(question)) {
            ::unlink(path.c_str());
            continue;
        }
        const int result = ImportToWorkingCopy(path, &prompt);
        if (result != kImportFileError)
            ::unlink(path.c_str());
        return result;
    }
    return -1;
}

#include "document/WorkingCopy.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/RecoveryFile.h"
#include "image/ImageFile.h"
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

constexpr const char* kNamePattern = "ZOXXXXXX.tmp";
constexpr int kNameSuffix = 4; // ".tmp"
constexpr const char* kNoWorkingCopy = VELMAR_TRANSLATE_NOOP(
    "Velmar", "there is no working copy (it could not be created in the temporary directory)");

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

// The current document's bytes as the working copy's new contents.
bool WriteCurrentToWorkingCopy(Phrase* error) {
    return ReplaceWorkingCopy(CDocument::Current().Image(), {}, error);
}

// New working-copy contents go through the one atomic writer into a
// private, locked file beside it, which replaces it only when all of it was
// written; the held descriptor then moves to the new file.
bool SwapInWorkingCopy(std::span<const BYTE> first, std::span<const BYTE> second, Phrase* error) {
    if (g_nWorkFd < 0) {
        if (error)
            *error = phrase::Text(kNoWorkingCopy);
        return false;
    }
    CAtomicFile out(g_szWorkImagePath);
    out.HoldOpen();
    if (!out.Create() || !out.Write(first) || !out.Write(second) || !out.Commit()) {
        if (error)
            *error = out.Said();
        return false;
    }
    ::close(g_nWorkFd);
    g_nWorkFd = out.ReleaseDescriptor();
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
    // A new working copy is empty, and so is the base of the next save.
    CDocument::Current().Image().clear();
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

bool ReadWorkingCopy(std::string& contents, std::string* error) {
    std::string why;
    if (g_nWorkFd < 0) {
        why = kNoWorkingCopy;
    } else if (ReadDescriptor(g_nWorkFd, kMaxImageFileBytes,
                              VELMAR_TRANSLATE_NOOP("Velmar", "a receiver image"),
                              g_szWorkImagePath, contents, why)) {
        return true;
    }
    if (error)
        *error = why;
    return false;
}

bool ReplaceWorkingCopy(std::span<const BYTE> first, std::span<const BYTE> second, Phrase* error) {
    return SwapInWorkingCopy(first, second, error);
}

int LoadWorkingCopy(IUserPrompt* prompt) {
    std::string work;
    if (!ReadWorkingCopy(work))
        return kImportFileError;
    CDocument loaded;
    const int result =
        DecodeImage(Bytes(work), ImageForm::AsIs, CurrentImageValues(), loaded, prompt);
    if (result == 1) {
        loaded.SetSource(CDocument::Current().Source());
        CDocument::MakeCurrent(loaded);
    }
    return result;
}

int ImportToWorkingCopy(const std::string& source, IUserPrompt* prompt, Phrase* error,
                        ImageForm form, Phrase* workingCopyProblem) {
    const int result = OpenAsCurrent(source, form, prompt, error);
    if (result != 1)
        return result;
    Phrase why;
    if (!WriteCurrentToWorkingCopy(&why) && workingCopyProblem)
        *workingCopyProblem = why;
    return 1;
}

int AdoptReceivedWorkingCopy(IUserPrompt* prompt, Phrase* error) {
    std::string received;
    int result = kImportFileError;
    CDocument loaded;
    if (ReadWholeFile(g_szWorkImagePath, received, error)) {
        result =
            DecodeImage(Bytes(received), ImageForm::AsIs, CurrentImageValues(), loaded, prompt);
        loaded.SetSource(g_szWorkImagePath);
    }
    if (result == 1) {
        CDocument::MakeCurrent(loaded);
        // The copy the dialog left becomes the held one.
        WriteCurrentToWorkingCopy(nullptr);
        return 1;
    }
    // What was received goes; the working copy gets the document's bytes back.
    Phrase why;
    if (!WriteCurrentToWorkingCopy(&why) && error)
        *error = error->Empty() ? why : phrase::Join({*error, why}, "\n");
    return result;
}

int ExportWorkingCopy(const std::string& target, SaveReport* report) {
    return SaveImageDocument(CDocument::Current(), target, report, true);
}

int SaveIntoWorkingCopy(SaveReport* report) {
    try {
        std::vector<BYTE> image;
        if (!EncodeImage(CDocument::Current(), true, image, report))
            return 0;
        Phrase error;
        if (!ReplaceWorkingCopy(image, {}, &error)) {
            Report(report, texts::kCannotSaveImage, English(error));
            return 0;
        }
        CDocument::Current().Image() = std::move(image);
        return 1;
    } catch (const std::bad_alloc&) {
        Report(report, texts::kCannotSaveImage, "not enough memory");
        return 0;
    }
}

std::vector<std::string> NewestFirst(std::vector<std::pair<std::int64_t, std::string>> found) {
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<std::string> paths;
    paths.reserve(found.size());
    for (auto& f : found)
        paths.push_back(std::move(f.second));
    return paths;
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
        std::string path = dir;
        path += '/';
        path += name;
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
    return NewestFirst(std::move(found));
}

int OfferWorkingCopyRecovery(IUserPrompt& prompt, const std::string& folder, bool* editsRestored) {
    if (editsRestored)
        *editsRestored = false;
    bool asked = false;
    const int restored = OfferRecoveredEdits(prompt, folder, asked);
    if (restored != -1) {
        if (editsRestored)
            *editsRestored = restored == 1;
        return restored;
    }
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

#include "document/RecoveryFile.h"

#include "document/CurrentDocument.h"
#include "document/Document.h"
#include "document/WorkingCopy.h"
#include "image/ImageFile.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kMagic = "VELMAR-EDITS 1\n";
constexpr std::string_view kRecoverySuffix = ".rec";
constexpr std::string_view kWorkingSuffix = ".tmp";

std::string TempFolder(const std::string& folder) {
    if (!folder.empty())
        return folder;
    std::error_code ec;
    const auto dir = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("/tmp") : dir.string();
}

// "ZO", six characters, then `suffix`: the names this program gives.
bool IsOurName(std::string_view name, std::string_view suffix) {
    return name.size() == 8 + suffix.size() && name.substr(0, 2) == "ZO" &&
           name.substr(8) == suffix;
}

std::string WorkingCopyFor(const std::string& recovery) {
    return recovery.substr(0, recovery.size() - kRecoverySuffix.size()) +
           std::string(kWorkingSuffix);
}

// A working copy that a running editor holds is locked; one that is gone or
// unlocked belongs to an editor that ended.
bool HeldByRunningEditor(const std::string& workingCopy) {
    const int fd = ::open(workingCopy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

std::string LocalTimeText(std::time_t when) {
    std::tm local{};
    char text[32] = {};
    if (!::localtime_r(&when, &local) ||
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return {};
    return text;
}

void Discard(const std::string& recovery) {
    ::unlink(WorkingCopyFor(recovery).c_str());
    ::unlink(recovery.c_str());
}

} // namespace

std::string RecoveryPathFor(const std::string& workingCopy) {
    const std::string_view path = workingCopy;
    if (path.size() >= kWorkingSuffix.size() &&
        path.substr(path.size() - kWorkingSuffix.size()) == kWorkingSuffix)
        return std::string(path.substr(0, path.size() - kWorkingSuffix.size())) +
               std::string(kRecoverySuffix);
    return workingCopy + std::string(kRecoverySuffix);
}

std::string RecoveryFileBytes(const RecoveredEdits& edits) {
    std::string bytes(kMagic);
    bytes += edits.zorvImage ? "zorv 1\n" : "zorv 0\n";
    bytes += "source " + std::to_string(edits.source.size()) + "\n";
    bytes += edits.source;
    bytes += "\n";
    bytes += edits.image;
    return bytes;
}

bool ParseRecoveryFile(std::string_view bytes, RecoveredEdits& edits) {
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return false;
    bytes.remove_prefix(kMagic.size());
    if (bytes.substr(0, 5) != "zorv " || bytes.size() < 7 || (bytes[5] != '0' && bytes[5] != '1') ||
        bytes[6] != '\n')
        return false;
    const bool zorv = bytes[5] == '1';
    bytes.remove_prefix(7);
    if (bytes.substr(0, 7) != "source ")
        return false;
    bytes.remove_prefix(7);
    std::size_t length = 0;
    const auto [end, ec] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), length);
    const std::size_t digits = static_cast<std::size_t>(end - bytes.data());
    if (ec != std::errc() || digits == 0 || digits >= bytes.size() || bytes[digits] != '\n')
        return false;
    bytes.remove_prefix(digits + 1);
    if (length >= bytes.size() || bytes[length] != '\n')
        return false;
    RecoveredEdits out;
    out.zorvImage = zorv;
    out.source.assign(bytes.substr(0, length));
    out.image.assign(bytes.substr(length + 1));
    if (out.image.size() < static_cast<std::size_t>(kWorkingHeaderSize) ||
        out.image.compare(0, 4, "VX  ") != 0)
        return false;
    edits = std::move(out);
    return true;
}

bool WriteRecoveryFile(std::string* error) {
    if (g_szWorkImagePath[0] == '\0') {
        if (error)
            *error = "there is no working copy to keep the edits beside";
        return false;
    }
    try {
        CDocument& doc = CDocument::Current();
        std::vector<BYTE> image;
        SaveReport report;
        if (!EncodeImage(doc, true, image, &report)) {
            if (error)
                *error = report.message + (report.detail.empty() ? "" : ": " + report.detail);
            return false;
        }
        RecoveredEdits edits;
        edits.source = doc.Source();
        edits.zorvImage = doc.Values().zorvImage;
        edits.image.assign(reinterpret_cast<const char*>(image.data()), image.size());
        const std::string bytes = RecoveryFileBytes(edits);
        return WriteFileAtomically(
            RecoveryPathFor(g_szWorkImagePath),
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, error);
    } catch (const std::bad_alloc&) {
        if (error)
            *error = "not enough memory";
        return false;
    }
}

void RemoveRecoveryFile() {
    if (g_szWorkImagePath[0] != '\0')
        ::unlink(RecoveryPathFor(g_szWorkImagePath).c_str());
}

std::vector<std::string> FindRecoveryFiles(const std::string& folder) {
    const std::string dir = TempFolder(folder);
    std::vector<std::pair<std::int64_t, std::string>> found;
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return {};
    while (const dirent* e = ::readdir(d)) {
        if (!IsOurName(e->d_name, kRecoverySuffix))
            continue;
        const std::string path = dir + "/" + e->d_name;
        if (g_szWorkImagePath[0] != '\0' && path == RecoveryPathFor(g_szWorkImagePath))
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        char magic[kMagic.size()] = {};
        const bool ours =
            ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
            ::pread(fd, magic, sizeof magic, 0) == static_cast<ssize_t>(sizeof magic) &&
            std::string_view(magic, sizeof magic) == kMagic;
        ::close(fd);
        if (ours && !HeldByRunningEditor(WorkingCopyFor(path)))
            found.emplace_back(static_cast<std::int64_t>(st.st_mtime), path);
    }
    ::closedir(d);
    return NewestFirst(std::move(found));
}

int OfferRecoveredEdits(IUserPrompt& prompt, const std::string& folder, bool& asked) {
    asked = false;
    for (const std::string& path : FindRecoveryFiles(folder)) {
        std::string bytes;
        RecoveredEdits edits;
        // Unreadable or torn files are not ours to offer (nor to delete).
        if (!ReadWholeFile(path, bytes) || !ParseRecoveryFile(bytes, edits))
            continue;
        struct stat st {};
        const std::string when = ::stat(path.c_str(), &st) == 0 ? LocalTimeText(st.st_mtime) : "";
        const std::string question =
            "Velmar ended without saving the edits to " +
            (edits.source.empty() ? std::string("a channel list") : edits.source) +
            (when.empty() ? std::string() : " (last edit " + when + ")") +
            ".\nRestore those edits? (Yes restores them, No discards them.)";
        asked = true;
        if (!prompt.AskYesNo(question)) {
            Discard(path);
            continue;
        }
        CDocument loaded;
        const std::span<const BYTE> image(reinterpret_cast<const BYTE*>(edits.image.data()),
                                          edits.image.size());
        const int result =
            DecodeImage(image, ImageForm::AsIs, CurrentImageValues(), loaded, &prompt);
        if (result != 1)
            return result; // kept: a later start, or the user, can look again
        loaded.SetSource(edits.source);
        loaded.Values().zorvImage = edits.zorvImage;
        CDocument::MakeCurrent(loaded);
        ReplaceWorkingCopy(CDocument::Current().Image());
        Discard(path);
        return 1;
    }
    return -1;
}

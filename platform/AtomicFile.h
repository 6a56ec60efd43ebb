// Replacing a file without ever truncating it: the new contents go into a
// temporary file beside the target, every write, the sync and the close are
// checked, and only then is the temporary file renamed over the target and
// the folder synced. A failure at any step leaves an existing target byte for
// byte as it was and leaves no new file behind. Every file the program writes
// whole goes through this one writer, and so through the file-operations
// seam the fault tests inject through.
#pragma once

#include "platform/Phrase.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

class CAtomicFile {
public:
    explicit CAtomicFile(const std::string& target);
    // Removes the temporary file unless it was committed.
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // The temporary file stays private to the user (mode 0600) and locked
    // (flock), and a commit keeps it open: the working copy, whose
    // descriptor the session holds. Call before Create.
    void HoldOpen() { m_bHold = true; }
    // After a held Commit: the descriptor, now the caller's to close.
    int ReleaseDescriptor();

    // Creates the temporary file in the target's folder, with the target's
    // permissions when it exists. False when the target exists but is not a
    // regular file, or the folder cannot take a new file.
    bool Create();
    const std::string& TempPath() const { return m_strTemp; }
    // The file the rename will replace (a symbolic link's destination).
    const std::string& Target() const { return m_strTarget; }
    bool TargetExists() const { return m_bTargetExists; }

    // Appends to the temporary file.
    bool Write(std::span<const std::uint8_t> data);
    // Syncs and closes the temporary file, keeps the replaced target as
    // Target() + ".bak" when asked (replacing an earlier backup), and renames
    // the temporary file over the target.
    bool Commit(bool keepBackup = false);
    // Removes the temporary file; the target is untouched.
    void Discard();

    // What went wrong, in plain words with the system's reason: "writing
    // /x/list.bin: No space left on device".
    const Phrase& Said() const { return m_said; }
    std::string Error() const { return English(m_said); }

private:
    // `what` is a marked text: %1 the file or folder, %2 the system's reason.
    bool Fail(const char* what, const std::string& subject, int error);
    bool NoFileOpen();
    bool KeepBackup();

    std::string m_strTarget;
    std::string m_strTemp;
    Phrase m_said;
    int m_fd = -1;
    int m_nHeld = -1;       // a held commit's descriptor, until released
    int m_nSignalSlot = -1; // the temporary file, removed if a signal ends us
    bool m_bHold = false;
    bool m_bTargetExists = false;
    bool m_bCommitted = false;
};

// The whole of `data` as the new contents of `path`, atomically. On failure
// `error` (when given) says why.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         Phrase* error);
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         std::string* error = nullptr);
// The pieces one after the other, as one file: what was built in parts is
// written from where it lies.
bool WriteFileAtomically(const std::string& path,
                         std::initializer_list<std::span<const std::uint8_t>> pieces,
                         Phrase* error);

// A loaded channel list as a value: its table store, the image values a save
// writes back, the image bytes a patch save is built on (in the working
// form), and where it came from. Any number can be held at once; exactly one
// is current, the one the editor shows and the program's process-wide names
// reach: its store is TheZorvDB(), its values are g_HeaderText ...
// g_byPreservedD, and its bytes are what the working copy holds.
//
// A load decodes into a document of its own and makes it current only when
// the whole decode succeeded, by one exchange that cannot fail, so a file
// that does not load leaves the current document exactly as it was.
#pragma once

#include "contracts/Prompt.h"
#include "contracts/ZorvDB.h"
#include "image/ImageState.h"
#include "platform/Phrase.h"

#include <span>
#include <string>
#include <vector>

class CDocument {
public:
    // A document of its own: empty tables, the start-of-process values, no
    // image bytes (a save of it writes the blocks into an empty image).
    CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The current document.
    static CDocument& Current();
    bool IsCurrent() const { return this == &Current(); }
    // `loaded` becomes current and holds, afterwards, what was current.
    static void MakeCurrent(CDocument& loaded) noexcept;

    CZorvDB& Store() { return m_store; }
    const CZorvDB& Store() const { return m_store; }
    ImageStateValues& Values() { return m_values; }
    const ImageStateValues& Values() const { return m_values; }
    // The working-form bytes the next image save patches.
    std::vector<BYTE>& Image() { return m_image; }
    const std::vector<BYTE>& Image() const { return m_image; }
    // The file the document was read from (empty when made in memory).
    const std::string& Source() const { return m_source; }
    void SetSource(std::string source) { m_source = std::move(source); }

private:
    struct CurrentTag {};
    explicit CDocument(CurrentTag);

    CZorvDB m_ownStore; // unused by the current document, whose store is TheZorvDB()
    ImageStateValues m_ownValues;
    CZorvDB& m_store;
    ImageStateValues& m_values;
    std::vector<BYTE> m_image;
    std::string m_source;
};

// How a file's bytes become a document's image: converted into the working
// form by their first four bytes (Open, drop, apply order), or taken as they
// are (a receive, which leaves the working form; the header question may
// then appear).
enum class ImageForm { Convert, AsIs };

// A load that could not read its file (or ran out of memory): the caller
// reports `error`.
inline constexpr int kImportFileError = -1;

// Decodes `file` into `into`, whose tables are cleared first and whose values
// start from `base` (the values as they stand: the header text a bare image
// is given, and the highest TPID seen, which loads only raise). 1 when it
// loaded, 0 when it is no image (or the header question was answered No).
// Nothing else is touched.
int DecodeImage(std::span<const BYTE> file, ImageForm form, const ImageStateValues& base,
                CDocument& into, IUserPrompt* prompt = nullptr);
// Reads the file at `path` whole and decodes it: DecodeImage's result, or
// kImportFileError with the reason in `error`.
int ReadImageDocument(const std::string& path, ImageForm form, const ImageStateValues& base,
                      CDocument& into, IUserPrompt* prompt = nullptr, Phrase* error = nullptr);

// The refusal of a file too large for the memory left.
Phrase NotEnoughMemoryToOpen(const std::string& path);

// Reads and decodes `path` into a document of its own and, only when all of
// it loaded, makes that document current; nothing is written. The result is
// ReadImageDocument's; on anything but 1 the current document is untouched.
int OpenAsCurrent(const std::string& path, ImageForm form, IUserPrompt* prompt = nullptr,
                  Phrase* error = nullptr);

// Why a save failed: what the user is shown, and the system's reason.
struct SaveReport {
    std::string message; // "Cannot save channel file", or what to do about it
    std::string detail;  // e.g. "writing /x/list.bin: No space left on device"
    Phrase said;         // the message as its phrase, for the editor
};

// The bytes an image save of `doc` writes: its image patched with its
// tables, in the on-disk form (a ZORV image with its 64-byte header and a
// fresh CRC) or, with `workingForm`, in the working form. False, with the
// report filled in, when a table does not fit the receiver.
bool EncodeImage(CDocument& doc, bool workingForm, std::vector<BYTE>& out,
                 SaveReport* report = nullptr);
// EncodeImage, then the bytes as the new contents of `target`, atomically.
// With `keepBackup`, the first save of this run over an existing target
// keeps that file as target + ".bak"; later saves of the run over the same
// target leave that backup as it is. 1 or 0.
int SaveImageDocument(CDocument& doc, const std::string& target, SaveReport* report = nullptr,
                      bool keepBackup = true);

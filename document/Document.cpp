#include "document/Document.h"

#include "contracts/Texts.h"
#include "document/CurrentDocument.h"
#include "image/Capacity.h"
#include "image/ChannelFile.h"
#include "image/FlashGeometry.h"
#include "image/ImageFile.h"
#include "image/WorkingForm.h"
#include "platform/AtomicFile.h"

#include <filesystem>
#include <new>
#include <set>
#include <system_error>
#include <utility>

namespace {

std::span<const BYTE> Bytes(const std::string& s) {
    return {reinterpret_cast<const BYTE*>(s.data()), s.size()};
}

// The targets whose first file of this run is kept as NAME.bak already: a
// later save over one of them leaves that backup as it is, so the file the
// user started from survives every save of the run.
std::set<std::string>& BackedUpThisRun() {
    static std::set<std::string> targets;
    return targets;
}

std::string Canonical(const std::string& path) {
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}

void Report(SaveReport* report, Phrase message, const std::string& detail) {
    if (report) {
        report->message = English(message);
        report->detail = detail;
        report->said = std::move(message);
    }
}

} // namespace

CDocument::CDocument() : m_store(m_ownStore), m_values(m_ownValues) {}

CDocument::CDocument(CurrentTag) : m_store(TheZorvDB()), m_values(CurrentImageValues()) {}

CDocument& CDocument::Current() {
    static CDocument current{CurrentTag{}};
    return current;
}

void CDocument::MakeCurrent(CDocument& loaded) noexcept {
    CDocument& current = Current();
    if (&loaded == &current)
        return;
    current.m_store.Swap(loaded.m_store);
    std::swap(current.m_values, loaded.m_values);
    current.m_image.swap(loaded.m_image);
    current.m_source.swap(loaded.m_source);
}

int DecodeImage(std::span<const BYTE> file, ImageForm form, const ImageStateValues& base,
                CDocument& into, IUserPrompt* prompt) {
    into.Values() = base;
    into.Image() = form == ImageForm::Convert ? ToWorkingForm(file, base.headerText)
                                              : std::vector<BYTE>(file.begin(), file.end());
    into.Store().ClearAll();
    CChannelFile codec(into.Store(), into.Values());
    codec.SetPrompt(prompt);
    return codec.LoadBytes(into.Image());
}

int ReadImageDocument(const std::string& path, ImageForm form, const ImageStateValues& base,
                      CDocument& into, IUserPrompt* prompt, Phrase* error) {
    try {
        std::string contents;
        if (!ReadWholeFile(path, contents, error))
            return kImportFileError;
        const int result = DecodeImage(Bytes(contents), form, base, into, prompt);
        into.SetSource(path);
        return result;
    } catch (const std::bad_alloc&) {
        if (error)
            *error = NotEnoughMemoryToOpen(path);
        return kImportFileError;
    }
}

Phrase NotEnoughMemoryToOpen(const std::string& path) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "There is not enough memory to open %1."),
                        {phrase::Data(path)});
}

int OpenAsCurrent(const std::string& path, ImageForm form, IUserPrompt* prompt, Phrase* error) {
    CDocument loaded;
    const int result =
        ReadImageDocument(path, form, CDocument::Current().Values(), loaded, prompt, error);
    if (result == 1)
        CDocument::MakeCurrent(loaded);
    return result;
}

bool EncodeImage(CDocument& doc, bool workingForm, std::vector<BYTE>& out, SaveReport* report) {
    const auto problems = CheckCapacity(doc.Store(), FlashGeometry::FromPolicy());
    if (!problems.empty()) {
        Report(report, CapacityPhrase(problems), "");
        return false;
    }
    const bool zorv = !workingForm && doc.Values().zorvImage;
    std::vector<BYTE> image = workingForm ? doc.Image() : OnDiskForm(doc.Image(), doc.Values());
    CChannelFile codec(doc.Store(), doc.Values());
    if (codec.SaveBytes(image, zorv) != 1) {
        Report(report, phrase::Text(texts::kCannotSaveImage),
               "the channel data could not be written into the image: a table does not fit "
               "this receiver");
        return false;
    }
    if (zorv && !StampImageCrc(image)) {
        Report(report, phrase::Text(texts::kCannotSaveImage),
               "the image is too short to hold its CRC");
        return false;
    }
    out = std::move(image);
    return true;
}

int SaveImageDocument(CDocument& doc, const std::string& target, SaveReport* report,
                      bool keepBackup) {
    try {
        std::vector<BYTE> image;
        if (!EncodeImage(doc, false, image, report))
            return 0;
        const std::string key = Canonical(target);
        const bool backup = keepBackup && !BackedUpThisRun().contains(key);
        CAtomicFile out(target);
        if (!out.Create() || !out.Write(image) || !out.Commit(backup)) {
            Report(report, phrase::Text(texts::kCannotSaveImage), out.Error());
            return 0;
        }
        // A new file has nothing to keep; its next replacement is the first.
        if (backup && out.TargetExists())
            BackedUpThisRun().insert(key);
        return 1;
    } catch (const std::bad_alloc&) {
        Report(report, phrase::Text(texts::kCannotSaveImage), "not enough memory");
        return 0;
    }
}

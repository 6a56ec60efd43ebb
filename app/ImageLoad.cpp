#include "app/ImageLoad.h"

#include "contracts/ZorvDB.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "image/WorkingCopy.h"

#include <span>

namespace {

std::span<const BYTE> Bytes(const std::string& s) {
    return {reinterpret_cast<const BYTE*>(s.data()), s.size()};
}

// The image under `source` as the working copy, as it is, then loaded.
int AdoptAsIs(const std::string& source, IUserPrompt* prompt, std::string* error) {
    std::string image;
    if (!ReadWholeFile(source, image, error) || !ReplaceWorkingCopy(Bytes(image), {}, error))
        return kImportFileError;
    TheZorvDB().ClearAll();
    return LoadWorkingCopy(prompt);
}

} // namespace

int LoadImageAsDocument(const std::string& source, IUserPrompt* prompt, std::string* error,
                        ImageForm form, const std::string* documentBytes) {
    // The document steps aside: the bytes of its working copy (the base of
    // the next save), its tables and the values the next save writes back.
    std::string ownBytes;
    if (!documentBytes) {
        if (!ReadWorkingCopy(ownBytes, error))
            return kImportFileError;
        documentBytes = &ownBytes;
    }
    const ImageStateValues documentValues = ImageStateValues::Capture();
    CZorvDB document;
    TheZorvDB().Swap(document);

    const int result = form == ImageForm::Convert ? ImportToWorkingCopy(source, prompt, error)
                                                  : AdoptAsIs(source, prompt, error);
    if (result == 1)
        return result;
    // Not loaded: whatever was read goes, the document comes back. The
    // working copy is replaced as a whole, so its held descriptor follows.
    std::string restoreError;
    if (!ReplaceWorkingCopy(Bytes(*documentBytes), {}, &restoreError) && error)
        *error += (error->empty() ? "" : "\n") + restoreError;
    TheZorvDB().Swap(document);
    documentValues.Apply();
    return result;
}

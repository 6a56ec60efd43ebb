#include "app/ImageLoad.h"

#include "contracts/ZorvDB.h"
#include "image/ImageState.h"
#include "image/WorkingCopy.h"

#include <span>

int LoadImageAsDocument(const std::string& source, IUserPrompt* prompt, std::string* error) {
    // The document steps aside: the bytes of its working copy (the base of
    // the next save), its tables and the values the next save writes back.
    std::string documentBytes;
    if (!ReadWorkingCopy(documentBytes, error))
        return kImportFileError;
    const ImageStateValues documentValues = ImageStateValues::Capture();
    CZorvDB document;
    TheZorvDB().Swap(document);

    const int result = ImportToWorkingCopy(source, prompt, error);
    if (result == 1)
        return result;
    // Not loaded: whatever was read goes, the document comes back. The
    // working copy is replaced as a whole, so its held descriptor follows.
    const auto* bytes = reinterpret_cast<const BYTE*>(documentBytes.data());
    std::string restoreError;
    if (!ReplaceWorkingCopy(std::span<const BYTE>(bytes, documentBytes.size()), {},
                            &restoreError) &&
        error)
        *error += (error->empty() ? "" : "\n") + restoreError;
    TheZorvDB().Swap(document);
    documentValues.Apply();
    return result;
}

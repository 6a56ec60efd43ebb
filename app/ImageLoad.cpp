#include "app/ImageLoad.h"

#include "contracts/ZorvDB.h"
#include "image/ImageState.h"
#include "image/WorkingCopy.h"

#include <cstdio>
#include <cstring>

int LoadImageAsDocument(const std::string& source, IUserPrompt* prompt) {
    // The document steps aside: its working copy, its tables and the values
    // the next save writes back.
    const std::string documentCopy = g_szWorkImagePath;
    const ImageStateValues documentValues = ImageStateValues::Capture();
    CZorvDB document;
    TheZorvDB().Swap(document);

    int result = kImportFileError;
    if (CreateWorkingCopy()) // a new file under g_szWorkImagePath
        result = ImportToWorkingCopy(source, prompt);
    if (result == 1) {
        if (!documentCopy.empty())
            std::remove(documentCopy.c_str());
        return result;
    }
    // Not loaded: whatever was read goes, the document comes back.
    if (documentCopy != g_szWorkImagePath)
        DeleteWorkingCopy();
    std::memcpy(g_szWorkImagePath, documentCopy.c_str(), documentCopy.size() + 1);
    TheZorvDB().Swap(document);
    documentValues.Apply();
    return result;
}

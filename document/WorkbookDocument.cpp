#include "document/WorkbookDocument.h"

#include "contracts/Texts.h"
#include "model/FileKind.h"
#include "xls/ChannelWorkbook.h"

#include <new>

int ReadWorkbookDocument(const std::string& path, const ImageStateValues& base, CDocument& into,
                         Phrase* error) {
    into.Store().ClearAll();
    into.Values() = base;
    into.Image().clear();
    try {
        Phrase problem;
        const auto channels = ReadChannelWorkbook(path, problem);
        if (!channels) {
            if (error)
                *error = problem;
            return kImportFileError;
        }
        ReplaceChannelTable(into.Store(), *channels);
        into.SetSource(path);
        return 1;
    } catch (const std::bad_alloc&) {
        into.Store().ClearAll();
        if (error)
            *error = NotEnoughMemoryToOpen(path);
        return kImportFileError;
    }
}

int ReadListDocument(const std::string& path, const ImageStateValues& base, CDocument& into,
                     IUserPrompt* prompt, Phrase* error) {
    if (IsWorkbookFileName(path))
        return ReadWorkbookDocument(path, base, into, error);
    Phrase problem;
    const int result = ReadImageDocument(path, ImageForm::Convert, base, into, prompt, &problem);
    if (error && result != 1)
        *error = result == kImportFileError ? problem : phrase::Text(texts::kCannotOpenImage);
    return result;
}

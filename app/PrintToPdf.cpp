#include "app/PrintToPdf.h"

#include "app/ListPainter.h"
#include "contracts/ReceiverProfiles.h"
#include "document/CurrentDocument.h"
#include "document/Document.h"
#include "document/WorkbookDocument.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"

#include <QFileInfo>

namespace {

constexpr const char* kCannotRead = "cannot read %1: %2";
constexpr const char* kNoList = "no channel list";

} // namespace

QString PrintListFileToPdf(const QString& file, const QString& pdf,
                           const ReceiverProfile& receiver) {
    ConfigurePolicy(receiver);
    CDocument document;
    Phrase error;
    // No prompt: a file that would need a question is not read.
    if (ReadListDocument(file.toLocal8Bit().toStdString(), CurrentImageValues(), document, nullptr,
                         &error) != 1)
        return QString(kCannotRead)
            .arg(file, error.Empty() ? QString(kNoList) : QString::fromStdString(English(error)));
    PrintChoice whole;
    for (int n = 1; n <= kFavoritePositions; ++n)
        whole.favorites.push_back(n);
    const QString receiverName =
        QString::fromUtf8(receiver.models.data(), static_cast<qsizetype>(receiver.models.size()));
    return WriteListPdf(pdf, MakeListPrintJob(document.Store(), Product::Current(), whole,
                                              QFileInfo(file).fileName(), receiverName));
}

// `velmar --print-pdf OUT.pdf --open FILE`: the whole list of FILE (the TV
// and radio lists and every favourite list with channels), as Print lays it
// out, written to a PDF without a window and without a question.
#pragma once

#include <QString>

struct ReceiverProfile;

// Sets the policy up for `receiver`, reads `file` (an image or a workbook)
// and writes the PDF. Empty on success, otherwise what went wrong; no
// PDF file is left behind then.
QString PrintListFileToPdf(const QString& file, const QString& pdf,
                           const ReceiverProfile& receiver);

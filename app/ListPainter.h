// Paints a printed channel list onto pages: a printer, the print preview or
// a PDF. What goes on which page and line, and where the columns start, is
// the core's (document/ListPrint); this only turns lines into device units
// and draws the texts.
#pragma once

#include "document/ListPrint.h"

#include <QString>

#include <vector>

class CZorvDB;
class QPagedPaintDevice;
class QPaintDevice;
class QPdfWriter;

struct ListPrintJob {
    QString title; // the line on top of every page (PrintTitleText)
    std::vector<PrintSection> sections;
};

// The chosen lists of `db` under the title line of `fileName`, `receiver`
// and today's date.
ListPrintJob MakeListPrintJob(const CZorvDB& db, const Product& product, const PrintChoice& choice,
                              const QString& fileName, const QString& receiver);

// Rows one page of `device` holds with the font `job` is printed in (the
// largest up to 9 points at which every cell fits its column).
int ListRowsPerPage(QPaintDevice& device, const ListPrintJob& job);
// Every page of `job`; false when nothing could be painted on `device`.
bool PaintListPages(QPagedPaintDevice& device, const ListPrintJob& job);

// The PDF's page: A4 portrait, 15 mm margins, 300 dots per inch.
void SetUpListPdf(QPdfWriter& writer);
// Writes `job` as a PDF to `path`, through a temporary file in the same
// folder that replaces `path` only once it is complete. Empty on success,
// otherwise why not.
QString WriteListPdf(const QString& path, const ListPrintJob& job);

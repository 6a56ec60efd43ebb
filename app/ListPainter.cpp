#include "app/ListPainter.h"

#include "platform/CodePage.h"

#include <QDate>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr const char* kCannotWritePdf = "cannot write %1: %2";
constexpr const char* kCannotPaintPdf = "cannot write %1: the pages could not be drawn";

// Names and the section titles that carry them are Windows-1252 bytes.
QString Ansi(const std::string& bytes) {
    return QString::fromStdU16String(AnsiToUtf16(bytes));
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The print font at the largest size up to 9 points at which the widest
// line fits and every cell of the job fits its column (down to 5 points,
// below which long texts are elided), and the line height it gives.
struct PageMetrics {
    QFont font, bold;
    qreal lineHeight = 1;
    qreal gap = 1; // between the columns, so that texts stay apart
    int lines = 1; // lines of text the page holds
    int width = 1;
};

bool CellsFit(const QFont& font, QPaintDevice& device, const ListPrintJob& job, int width,
              qreal gap) {
    const QFontMetricsF metrics(font, &device);
    if (metrics.averageCharWidth() * PrintLineCharacters() > width)
        return false;
    const auto starts = PrintColumnStarts(width);
    std::array<qreal, kPrintColumnCount> widest{};
    for (std::size_t i = 0; i < kPrintColumnCount; ++i)
        widest[i] = metrics.horizontalAdvance(Text(PrintColumnHeaders()[i]));
    for (const PrintSection& section : job.sections)
        for (const PrintRow& row : section.rows)
            for (std::size_t i = 0; i < kPrintColumnCount; ++i)
                widest[i] = std::max(widest[i], metrics.horizontalAdvance(Ansi(row[i])));
    for (std::size_t i = 0; i < kPrintColumnCount; ++i)
        if (widest[i] > starts[i + 1] - starts[i] - gap)
            return false;
    return true;
}

PageMetrics MetricsFor(QPaintDevice& device, const ListPrintJob& job) {
    PageMetrics m;
    m.width = std::max(device.width(), 1);
    m.gap = m.width / 200.0;
    m.font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    qreal size = 9;
    m.font.setPointSizeF(size);
    while (size > 5) {
        QFont bold = m.font;
        bold.setBold(true); // the headers
        if (CellsFit(m.font, device, job, m.width, m.gap) &&
            CellsFit(bold, device, ListPrintJob{}, m.width, m.gap))
            break;
        size -= 0.5;
        m.font.setPointSizeF(size);
    }
    m.bold = m.font;
    m.bold.setBold(true);
    m.lineHeight = std::max(QFontMetricsF(m.bold, &device).lineSpacing() * 1.2, 1.0);
    m.lines = static_cast<int>(device.height() / m.lineHeight);
    return m;
}

class PagePainter {
public:
    PagePainter(QPainter& painter, const PageMetrics& metrics)
        : m_p(painter), m_m(metrics), m_starts(PrintColumnStarts(metrics.width)) {}

    void Line(int line, const QString& text, bool bold, Qt::Alignment align = Qt::AlignLeft) {
        Cell(line, 0, m_m.width, text, bold, align);
    }
    void Row(int line, const std::array<QString, kPrintColumnCount>& cells, bool bold) {
        const qreal gap = m_m.gap;
        for (std::size_t i = 0; i < kPrintColumnCount; ++i)
            Cell(line, m_starts[i], m_starts[i + 1] - m_starts[i] - gap, cells[i], bold,
                 Qt::AlignLeft);
    }
    void RuleBelow(int line) {
        const qreal y = (line + 1) * m_m.lineHeight;
        m_p.drawLine(QPointF(0, y), QPointF(m_m.width, y));
    }

private:
    void Cell(int line, qreal x, qreal width, const QString& text, bool bold, Qt::Alignment align) {
        const QFont& font = bold ? m_m.bold : m_m.font;
        m_p.setFont(font);
        const QFontMetricsF metrics(font, m_p.device());
        m_p.drawText(QRectF(x, line * m_m.lineHeight, width, m_m.lineHeight),
                     align | Qt::AlignVCenter,
                     metrics.elidedText(text, Qt::ElideRight, std::max(width, 1.0)));
    }

    QPainter& m_p;
    const PageMetrics& m_m;
    std::array<int, kPrintColumnCount + 1> m_starts;
};

} // namespace

ListPrintJob MakeListPrintJob(const CZorvDB& db, const Product& product, const PrintChoice& choice,
                              const QString& fileName, const QString& receiver) {
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    return {
        Text(PrintTitleText(fileName.toStdString(), receiver.toStdString(), date.toStdString())),
        ChosenPrintSections(db, product, choice)};
}

int ListRowsPerPage(QPaintDevice& device, const ListPrintJob& job) {
    return PrintRowsPerPage(MetricsFor(device, job).lines);
}

bool PaintListPages(QPagedPaintDevice& device, const ListPrintJob& job) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PageMetrics metrics = MetricsFor(device, job);
    const std::vector<PrintPage> pages =
        PaginatePrint(job.sections, PrintRowsPerPage(metrics.lines));
    std::array<QString, kPrintColumnCount> headers;
    for (std::size_t i = 0; i < kPrintColumnCount; ++i)
        headers[i] = Text(PrintColumnHeaders()[i]);
    PagePainter page(painter, metrics);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0 && !device.newPage())
            return false;
        const PrintPage& at = pages[n];
        const PrintSection& section = job.sections[at.section];
        page.Line(kPrintTitleLine, job.title, true);
        page.Line(kPrintSectionLine, Ansi(PrintSectionHeading(section, at)), true);
        page.Row(kPrintHeaderLine, headers, true);
        page.RuleBelow(kPrintHeaderLine);
        if (section.rows.empty())
            page.Line(kPrintFirstRowLine, Text(kPrintNoChannels), false);
        for (std::size_t r = 0; r < at.rowCount; ++r) {
            const PrintRow& row = section.rows[at.firstRow + r];
            std::array<QString, kPrintColumnCount> cells;
            for (std::size_t i = 0; i < kPrintColumnCount; ++i)
                cells[i] = Ansi(row[i]);
            page.Row(kPrintFirstRowLine + static_cast<int>(r), cells, false);
        }
        page.Line(metrics.lines - 1, Text(PrintPageNumberText(n + 1, pages.size())), false,
                  Qt::AlignHCenter);
    }
    return painter.end();
}

void SetUpListPdf(QPdfWriter& writer) {
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

QString WriteListPdf(const QString& path, const ListPrintJob& job) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString(kCannotWritePdf).arg(path, file.errorString());
    bool painted = false;
    {
        QPdfWriter writer(&file);
        SetUpListPdf(writer);
        writer.setTitle(job.title);
        writer.setCreator("Velmar");
        painted = PaintListPages(writer, job);
    }
    if (!painted) {
        file.cancelWriting();
        return QString(kCannotPaintPdf).arg(path);
    }
    if (!file.commit())
        return QString(kCannotWritePdf).arg(path, file.errorString());
    return {};
}

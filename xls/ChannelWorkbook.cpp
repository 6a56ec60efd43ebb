#include "xls/ChannelWorkbook.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "platform/CodePage.h"
#include "platform/InputFile.h"
#include "platform/LargePages.h"
#include "xls/ExcelBook.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>

namespace {

// One numeric column: its name and the field it carries, widened to 32 bits.
struct Column {
    const char* name;
    std::uint32_t (*get)(const Channel_Info_Tag&);
    void (*set)(Channel_Info_Tag&, std::uint32_t);
};

#define VELMAR_FIELD(F)                                                                            \
    Column {                                                                                       \
#F, [](const Channel_Info_Tag& c)                                                          \
                 -> std::uint32_t { return c.F; },                                                 \
                                                [](Channel_Info_Tag & c,                           \
                                                   std::uint32_t                                   \
                                                       v) { c.F = static_cast<decltype(c.F)>(v); } \
    }
#define VELMAR_FAV(K)                                                                              \
    Column {                                                                                       \
        "F" #K, [](const Channel_Info_Tag& c) -> std::uint32_t { return c.F[K]; },                 \
            [](Channel_Info_Tag& c, std::uint32_t v) { c.F[K] = static_cast<WORD>(v); }            \
    }

// A reason the workbook was not taken, and that nothing was changed.
Phrase Unchanged(Phrase why) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 The channel list was not changed."),
                        {std::move(why)});
}

// A reason nothing was written, and what to do instead.
Phrase NothingWritten(Phrase why) {
    return phrase::Text(
        VELMAR_TRANSLATE_NOOP("Velmar",
                              "%1 Nothing was written. Save the channels under another name."),
        {std::move(why)});
}

// Column order of the sheet; column 13 (Name) is text and handled apart.
const std::array<Column, kChannelColumns> kColumns = {VELMAR_FIELD(ProgramNum),
                                                      VELMAR_FIELD(CAS),
                                                      VELMAR_FIELD(Favorite),
                                                      VELMAR_FIELD(SatID),
                                                      VELMAR_FIELD(TPID),
                                                      VELMAR_FIELD(BroadcastID),
                                                      VELMAR_FIELD(ServiceID),
                                                      VELMAR_FIELD(VideoPID),
                                                      VELMAR_FIELD(AudioPID),
                                                      VELMAR_FIELD(PCRPID),
                                                      VELMAR_FIELD(Attributes),
                                                      VELMAR_FIELD(NumOfAudio),
                                                      VELMAR_FIELD(NumOfSubTTX),
                                                      Column{"Name", nullptr, nullptr},
                                                      VELMAR_FIELD(CodeTable),
                                                      VELMAR_FIELD(Tuner),
                                                      VELMAR_FIELD(Record),
                                                      VELMAR_FIELD(LogicalNumber),
                                                      VELMAR_FAV(0),
                                                      VELMAR_FAV(1),
                                                      VELMAR_FAV(2),
                                                      VELMAR_FAV(3),
                                                      VELMAR_FAV(4),
                                                      VELMAR_FAV(5),
                                                      VELMAR_FAV(6),
                                                      VELMAR_FAV(7),
                                                      VELMAR_FAV(8),
                                                      VELMAR_FAV(9),
                                                      VELMAR_FAV(10),
                                                      VELMAR_FAV(11),
                                                      VELMAR_FAV(12),
                                                      VELMAR_FAV(13),
                                                      VELMAR_FAV(14),
                                                      VELMAR_FAV(15),
                                                      VELMAR_FAV(16),
                                                      VELMAR_FAV(17),
                                                      VELMAR_FAV(18),
                                                      VELMAR_FAV(19),
                                                      VELMAR_FAV(20),
                                                      VELMAR_FAV(21),
                                                      VELMAR_FAV(22),
                                                      VELMAR_FAV(23),
                                                      VELMAR_FAV(24),
                                                      VELMAR_FAV(25),
                                                      VELMAR_FAV(26),
                                                      VELMAR_FAV(27),
                                                      VELMAR_FAV(28),
                                                      VELMAR_FAV(29),
                                                      VELMAR_FAV(30),
                                                      VELMAR_FAV(31),
                                                      VELMAR_FIELD(ShowNum),
                                                      VELMAR_FIELD(ParentRate),
                                                      VELMAR_FIELD(StreamType),
                                                      VELMAR_FIELD(OrgNetID),
                                                      VELMAR_FIELD(TSID),
                                                      VELMAR_FIELD(VolOffset),
                                                      VELMAR_FIELD(OrgMuxID),
                                                      VELMAR_FIELD(NetNameID),
                                                      VELMAR_FIELD(NetworkID),
                                                      VELMAR_FIELD(ServiceType)};

#undef VELMAR_FIELD
#undef VELMAR_FAV

// Decimal text: leading blanks, an optional sign, digits up to the first
// non-digit; 0 without digits. Wraps like the 32-bit field it feeds.
std::uint32_t DecimalText(const char* text) {
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    std::uint32_t value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
        value = value * 10 + static_cast<std::uint32_t>(*text - '0');
    return negative ? 0u - value : value;
}

std::uint32_t NumericValue(const CExcelCell& cell) {
    if (cell.Type() == CExcelCell::kString)
        return DecimalText(cell.GetString());
    return static_cast<std::uint32_t>(cell.GetInteger());
}

} // namespace

const char* ChannelColumnName(int column) {
    return kColumns.at(static_cast<std::size_t>(column)).name;
}

std::uint32_t ChannelColumnValue(const Channel_Info_Tag& c, int column) {
    return kColumns.at(static_cast<std::size_t>(column)).get(c);
}

void SetChannelColumnValue(Channel_Info_Tag& c, int column, std::uint32_t value) {
    kColumns.at(static_cast<std::size_t>(column)).set(c, value);
}

std::optional<ChannelList> ChannelsFromBook(CExcelBook& book, Phrase& error) {
    if (book.Problem() != WorkbookProblem::None) {
        error = Unchanged(book.Said());
        return std::nullopt;
    }
    const CExcelSheet* sheet = book.GetWorksheet("Channel");
    if (!sheet) {
        error = Unchanged(phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "The workbook has no sheet named \"Channel\".")));
        return std::nullopt;
    }
    ChannelList channels;
    channels.reserve(sheet->RowsHeld());
    PreferLargePagesFor(channels);
    // Row by row, straight from the workbook's records into channels.
    std::array<const CExcelCell*, kChannelColumns> at{};
    static const CExcelCell kEmpty;
    sheet->ForEachRow([&](std::uint32_t row, const CExcelSheet::Row& cells) {
        // Row 0 holds the column names; a row without a stored value is no
        // channel, whatever the sheet's dimensions claim.
        if (row == 0 || std::none_of(cells.begin(), cells.end(), [](const auto& cell) {
                return cell.second.Type() != CExcelCell::kEmpty;
            }))
            return;
        at.fill(&kEmpty);
        for (const auto& [col, cell] : cells)
            if (col < kChannelColumns)
                at[col] = &cell;
        Channel_Info_Tag& c = channels.emplace_back();
        for (int col = 0; col < kChannelColumns; ++col)
            if (col != kChannelNameColumn)
                kColumns[static_cast<std::size_t>(col)].set(
                    c, NumericValue(*at[static_cast<std::size_t>(col)]));
        const CExcelCell& name = *at[kChannelNameColumn];
        if (name.Type() == CExcelCell::kWString) { // one byte a character: convert what fits
            const std::string text =
                Utf16ToAnsi(std::u16string_view(name.GetWString()).substr(0, sizeof c.Name - 1));
            std::strncpy(c.Name, text.c_str(), sizeof c.Name - 1);
        } else if (name.GetString()) {
            std::strncpy(c.Name, name.GetString(), sizeof c.Name - 1);
        }
    });
    return channels;
}

std::optional<ChannelList> ChannelsFromBook(CExcelBook& book, std::string& error) {
    Phrase said;
    auto channels = ChannelsFromBook(book, said);
    return InEnglish(std::move(channels), said, error);
}

std::optional<ChannelList> ReadChannelWorkbook(const std::string& path, Phrase& error) {
    try {
        CExcelBook book;
        if (!book.Load(path)) {
            error = Unchanged(book.Said());
            return std::nullopt;
        }
        return ChannelsFromBook(book, error);
    } catch (const std::bad_alloc&) {
        error = Unchanged(phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "There is not enough memory to read the workbook.")));
        return std::nullopt;
    }
}

std::optional<ChannelList> ReadChannelWorkbook(const std::string& path, std::string& error) {
    Phrase said;
    auto channels = ReadChannelWorkbook(path, said);
    return InEnglish(std::move(channels), said, error);
}

void ReplaceChannelTable(CZorvDB& db, const ChannelList& channels) {
    db.Clear(kTableChannel);
    for (const Channel_Info_Tag& c : channels)
        db.AddIndexed(kTableChannel, CopyRecord(c));
}

bool ImportChannelWorkbook(CZorvDB& db, const std::string& path, std::string* error) {
    std::string why;
    const auto channels = ReadChannelWorkbook(path, why);
    if (!channels) {
        if (error)
            *error = why;
        return false;
    }
    ReplaceChannelTable(db, *channels);
    return true;
}

bool ExportChannelWorkbook(const CZorvDB& db, const std::string& path, Phrase* message) {
    auto fail = [&](Phrase text) {
        if (message)
            *message = std::move(text);
        return false;
    };
    try {
        const std::uint64_t count = db.Size(kTableChannel);
        if (count > kMaxSheetChannels)
            return fail(phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar", "The channel list has %1 channels, but a workbook "
                                                "sheet holds at most %2. Remove %3 channels and "
                                                "save again."),
                {phrase::Grouped(count), phrase::Grouped(kMaxSheetChannels),
                 phrase::Grouped(count - kMaxSheetChannels)}));
        CExcelBook book;
        CExcelSheet* sheet = nullptr;
        std::error_code ec;
        const bool exists = std::filesystem::symlink_status(path, ec).type() !=
                            std::filesystem::file_type::not_found;
        if (book.Load(path)) {
            // Everything else in the workbook is written back as it was; where
            // that cannot be done, nothing is written at all.
            Phrase why;
            if (!book.KeepsEverything(&why))
                return fail(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar",
                                          "%1 Its other contents could not be kept, so nothing "
                                          "was written. Save the channels under another name."),
                    {std::move(why)}));
            // In place, so that the other sheets' references by position stay right.
            sheet = book.GetWorksheet("Channel") ? book.ReplaceWorksheet("Channel")
                                                 : book.AddWorksheet("Channel");
        } else if (!exists || book.Problem() == WorkbookProblem::NotCompound) {
            book.New(1);
            book.RenameWorksheet("Sheet1", "Channel");
            sheet = book.GetWorksheet("Channel");
        } else {
            return fail(NothingWritten(book.Said()));
        }
        if (!sheet)
            return fail(phrase::Text(texts::kCannotSaveImage));
        // Rows made as the writer asks for them: a full sheet never holds all
        // its cells at once.
        std::vector<const Channel_Info_Tag*> rows;
        rows.reserve(static_cast<std::size_t>(count));
        for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
             c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index))
            rows.push_back(c);
        sheet->SetRowMaker(
            static_cast<std::uint32_t>(count + 1), kChannelColumns,
            [rows = std::move(rows)](std::uint32_t row, CExcelSheet::Row& cells) {
                cells.resize(kChannelColumns);
                for (int col = 0; col < kChannelColumns; ++col)
                    cells[static_cast<std::size_t>(col)].first = static_cast<std::uint16_t>(col);
                if (row == 0) {
                    for (int col = 0; col < kChannelColumns; ++col)
                        cells[static_cast<std::size_t>(col)].second.View(ChannelColumnName(col));
                    return;
                }
                const Channel_Info_Tag& c = *rows[row - 1];
                for (int col = 0; col < kChannelColumns; ++col) {
                    CExcelCell& cell = cells[static_cast<std::size_t>(col)].second;
                    if (col == kChannelNameColumn)
                        cell.SetWString(AnsiToUtf16(c.Name).c_str());
                    else
                        cell.SetInteger(static_cast<std::int32_t>(
                            kColumns[static_cast<std::size_t>(col)].get(c)));
                }
            });
        if (book.SaveAs(path))
            return true;
        return fail(phrase::Text(texts::kCannotSaveImage));
    } catch (const std::bad_alloc&) {
        return fail(phrase::Text(texts::kCannotSaveImage));
    }
}

bool ExportChannelWorkbook(const CZorvDB& db, const std::string& path, std::string* message) {
    Phrase said;
    const bool ok = ExportChannelWorkbook(db, path, &said);
    if (!ok && message)
        *message = English(said);
    return ok;
}

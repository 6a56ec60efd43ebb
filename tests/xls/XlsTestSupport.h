// Workbooks built record by record for the workbook tests, and a scratch
// folder with an empty channel table for each test.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "xls/BiffRecords.h"
#include "xls/CompoundFile.h"
#include "xls/ExcelBook.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velmar::test {

using Bytes = std::vector<std::uint8_t>;
using Records = std::vector<std::pair<int, Bytes>>;

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline std::uint32_t At32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A workbook stream of (type, data) records.
inline Bytes StreamOf(const Records& records) {
    biff::Writer w;
    for (const auto& [type, data] : records) {
        w.Begin(static_cast<std::uint16_t>(type));
        w.Raw(data);
        w.End();
    }
    return w.Bytes();
}

// The same as a compound file holding it as "Workbook".
inline Bytes WorkbookOf(const Records& records) {
    return cfb::WriteCompoundFile(u"Workbook", StreamOf(records));
}

inline const Bytes kBof = {0, 6, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
inline const Bytes kSheetBof = {0, 6, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
inline const Bytes kChannelSheet = {0, 0, 0, 0, 0, 0, 7, 0, 'C', 'h', 'a', 'n', 'n', 'e', 'l'};

// An RK integer cell.
inline Bytes Rk(int row, int col, int value) {
    Bytes cell = {0, 0, static_cast<std::uint8_t>(col), 0, 15, 0, 0, 0, 0, 0};
    cell[0] = static_cast<std::uint8_t>(row);
    cell[1] = static_cast<std::uint8_t>(row >> 8);
    Put32(cell, 6, static_cast<std::uint32_t>(value) << 2 | 2);
    return cell;
}

// A cell by type and value: "i 12", "d 12.5", "s text", "w 416 438" (16-bit
// text as hex code units) or "-" when empty.
inline std::string Text(const CExcelCell& cell) {
    std::ostringstream out;
    out.precision(15);
    if (cell.Type() == CExcelCell::kInteger)
        out << "i " << cell.GetInteger();
    else if (cell.Type() == CExcelCell::kDouble)
        out << "d " << cell.GetDouble();
    else if (cell.Type() == CExcelCell::kString)
        out << "s " << cell.GetString();
    else if (cell.Type() == CExcelCell::kWString)
        for (const char16_t* c = cell.GetWString(); *c; ++c)
            out << (c == cell.GetWString() ? "w " : " ") << std::hex << unsigned{*c};
    else
        out << "-";
    return out.str();
}

// The whole sheet, a row a line: its cells' texts joined by " | ".
inline std::vector<std::string> Rows(const CExcelSheet& sheet) {
    std::vector<std::string> rows;
    for (unsigned r = 0; r < sheet.GetTotalRows(); ++r) {
        std::string row;
        for (unsigned c = 0; c < sheet.GetTotalCols(); ++c)
            row += (c ? " | " : "") + Text(sheet.At(r, c));
        rows.push_back(row);
    }
    return rows;
}

// The stream's records for a workbook whose one sheet, "Channel", holds the
// records `sheet`, with `globals` before the globals' EOF.
inline Records ChannelBook(const Records& sheet, const Records& globals = {}) {
    Records records = {{0x0809, kBof}, {0x0085, kChannelSheet}};
    records.insert(records.end(), globals.begin(), globals.end());
    records.insert(records.end(), {{0x000A, {}}, {0x0809, kSheetBof}});
    records.insert(records.end(), sheet.begin(), sheet.end());
    records.push_back({0x000A, {}});
    return records;
}

// The channels' names in table order.
inline std::vector<std::string> Names(const CZorvDB& db) {
    std::vector<std::string> names;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        names.emplace_back(c.Name);
    return names;
}

// `n` more TV channels on satellite 1, numbered from 1 and named by `format`.
inline void AddChannels(CZorvDB& db, int n, const char* format = "Channel %d") {
    for (int i = 1; i <= n; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->ProgramNum = static_cast<WORD>(i);
        c->SatID = 1;
        c->Attributes = kAttrTV;
        std::snprintf(c->Name, sizeof c->Name, format, i);
        db.AddIndexed(kTableChannel, std::move(c));
    }
}

// A scratch folder of its own and an empty store for each test.
class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        m_dir = std::filesystem::temp_directory_path() /
                ("velmar-xls-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_dir);
        db.ClearAll();
    }
    void TearDown() override {
        db.ClearAll();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    // Writes `file` into the scratch folder; its path.
    std::string Write(const Bytes& file, const char* name = "in.xls") {
        WriteBytes(m_dir / name, file);
        return (m_dir / name).string();
    }

    CZorvDB& db = TheZorvDB();
    std::filesystem::path m_dir;
};

} // namespace velmar::test

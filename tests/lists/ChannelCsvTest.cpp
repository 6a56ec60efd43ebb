// The channel table as CSV: the exact text of a list worked out by hand,
// every column of the "Channel" sheet through a round trip, files as
// spreadsheet programs save them (';', CRLF, Windows-1252, signed cells),
// and the refusals that keep a bad file from changing the list. First the
// CSV reader and writer on their own: quoting, doubled quotes, line ends,
// the separator guess and the refusals, each with the line it names.
#include "lists/ChannelCsv.h"
#include "lists/Csv.h"

#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "document/ListImportEdits.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tests/image/ImageBuilder.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Read {
    bool ok = false;
    Rows rows;
    std::vector<std::size_t> lines;
    std::string error;
};

Read ReadAll(std::string_view text, char separator) {
    Read r;
    r.ok = ReadCsv(
        text, separator,
        [&](const CsvRecord& record) {
            r.rows.emplace_back(record.fields.begin(), record.fields.end());
            r.lines.push_back(record.line);
            return true;
        },
        r.error);
    return r;
}

std::string Written(const std::vector<std::string_view>& fields, char separator = ',') {
    std::string out;
    AppendCsvRecord(out, fields, separator);
    return out;
}

TEST(Csv, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
    const Read r = ReadAll("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",,\"\"\r\nlast", ',');
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.rows, (Rows{{"a", "b,c", "say \"hi\""}, {"two\nlines", "", ""}, {"last"}}));
    // The second record starts on line 2; the third on line 4, after the break inside.
    EXPECT_EQ(r.lines, (std::vector<std::size_t>{1, 2, 4}));
}

TEST(Csv, EveryFieldWithDoubledQuotesKeepsItsOwnText) {
    // Fields are handed on as views; those spelled out apart must each point
    // at their own text, in their own place, record after record.
    const Read r = ReadAll("\"a\"\"1\",plain,\"b\"\"2\",\"\"\"\"\r\n"
                           "\"c\"\"3\"\n"
                           "x,\"q\"\"\",\"d\"\"4\",\"e\"\"5\",\"f\"\"6\"\n",
                           ',');
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(
        r.rows,
        (Rows{{"a\"1", "plain", "b\"2", "\""}, {"c\"3"}, {"x", "q\"", "d\"4", "e\"5", "f\"6"}}));
}

TEST(Csv, LfCrlfAndAFinalLineWithoutEndReadAlike) {
    for (const char* text : {"x;1\ny;2\n", "x;1\r\ny;2\r\n", "x;1\r\ny;2", "\xEF\xBB\xBFx;1\ny;2"})
        EXPECT_EQ(ReadAll(text, ';').rows, (Rows{{"x", "1"}, {"y", "2"}})) << text;
}

TEST(Csv, SeparatorIsTheOneTheHeaderHoldsMoreOf) {
    EXPECT_EQ(GuessCsvSeparator("a;b;c\n1,5;2;3"), ';');
    EXPECT_EQ(GuessCsvSeparator("a,b;c,d\n"), ',');
    // Inside quotes a separator does not count.
    EXPECT_EQ(GuessCsvSeparator("\"a;b;c\",d\n"), ',');
    EXPECT_EQ(GuessCsvSeparator("\xEF\xBB\xBF"
                                "ProgramNum;Name"),
              ';');
    EXPECT_EQ(GuessCsvSeparator("Name"), ',');
}

TEST(Csv, StrayQuotesAreRefusedWithTheirLine) {
    const std::pair<const char*, const char*> refused[] = {
        {"a,b\n\"open,c\nd", "line 2: a quoted field is not closed"},
        {"a,b\nc,\"d\"e\n", "line 2: text follows a closing quote"},
        {"a\n\nb,c\"d\n", "line 3: a quote stands inside a field that is not quoted"}};
    for (const auto& [text, error] : refused) {
        const Read r = ReadAll(text, ',');
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.error, error);
    }
}

TEST(Csv, WriterQuotesOnlyWhatNeedsItAndEndsInCrlf) {
    EXPECT_EQ(Written({"1", "Das Erste", ""}), "1,Das Erste,\r\n");
    EXPECT_EQ(Written({"a,b", "say \"x\"", "two\nlines", " lead", "trail ", "\r"}),
              "\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\" lead\",\"trail \",\"\r\"\r\n");
    // With ';' a comma needs no quotes, a semicolon does.
    EXPECT_EQ(Written({"a,b", "c;d"}, ';'), "a,b;\"c;d\"\r\n");
}

using namespace velmar::test;

const std::string kHeader =
    "ProgramNum,CAS,Favorite,SatID,TPID,BroadcastID,ServiceID,VideoPID,AudioPID,PCRPID,"
    "Attributes,NumOfAudio,NumOfSubTTX,Name,CodeTable,Tuner,Record,LogicalNumber,F0,F1,F2,F3,F4,"
    "F5,F6,F7,F8,F9,F10,F11,F12,F13,F14,F15,F16,F17,F18,F19,F20,F21,F22,F23,F24,F25,F26,F27,F28,"
    "F29,F30,F31,ShowNum,ParentRate,StreamType,OrgNetID,TSID,VolOffset,OrgMuxID,NetNameID,"
    "NetworkID,ServiceType\r\n";

// 60 fields with those `set` names ("column=value|...") set, the rest 0, Name at 13.
std::string Row(const std::string& set) {
    std::vector<std::string> f(60, "0");
    for (std::size_t at = 0; at < set.size();) {
        const std::size_t eq = set.find('=', at), end = std::min(set.find('|', at), set.size());
        f.at(std::stoul(set.substr(at, eq - at))) = set.substr(eq + 1, end - eq - 1);
        at = end + 1;
    }
    std::string out;
    for (std::size_t i = 0; i < f.size(); ++i)
        out += (i ? "," : "") + f[i];
    return out + "\r\n";
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ChannelCsv : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigureStartupPolicy();
    }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name).string();
    }
    // Satellite 1 with transponder 1, so imported rows name what exists, and
    // one channel.
    void AddListOf(const char* name) {
        AddSatellite(db, 1);
        AddTransponder(db, 1, 1);
        AddChannel(db, Ch{name}.Num(1));
    }
};

} // namespace

TEST_F(ChannelCsv, ExportIsTheHeaderAndOneRowAChannelAsWorkedOutByHand) {
    Channel_Info_Tag a = Ch{"Das Erste HD"}.Num(1).Record();
    a.ServiceID = 28106;
    a.Favorite = 0x80000001u; // lists 1 and 32: the top bit, unsigned in the text
    a.F[0] = 3;
    a.F[31] = 7;
    a.NetworkID = 1;
    a.TSID = 1019;
    AddChannel(db, a);
    // A name with a comma, quotes and a Windows-1252 byte (0xE9, é) .
    Channel_Info_Tag b = Ch{"Caf\xE9 \"TV\", Paris"}.Num(2).Radio().Record();
    b.Attributes |= kAttrLocked;
    AddChannel(db, b);

    const std::string expected =
        kHeader +
        Row("0=1|2=2147483649|3=1|4=1|6=28106|10=1024|13=Das Erste HD|18=3|49=7|54=1019|58=1") +
        Row("0=2|3=1|4=1|10=2064|13=\"Caf\xC3\xA9 \"\"TV\"\", Paris\"");
    EXPECT_EQ(ChannelCsvText(TheZorvDB(), false), expected);
    EXPECT_EQ(ChannelCsvText(TheZorvDB(), true), "\xEF\xBB\xBF" + expected);

    std::string error;
    const std::string path = Path("out.csv").string();
    ASSERT_TRUE(ExportChannelCsv(TheZorvDB(), path, true, error)) << error;
    EXPECT_EQ(FileText(path), "\xEF\xBB\xBF" + expected);
}

TEST_F(ChannelCsv, EveryColumnOfTheChannelSheetSurvivesARoundTrip) {
    // Each field its own value, at the top of its width where it can be.
    Channel_Info_Tag c{};
    for (int col = 0; col < kChannelColumns; ++col)
        if (col != kChannelNameColumn)
            SetChannelColumnValue(c, col, 0xFFFFFFF0u + static_cast<std::uint32_t>(col % 16));
    std::memset(c.Name, 'x', sizeof c.Name - 1);
    c.Name[0] = '\x81'; // undefined in Windows-1252, kept as U+0081
    AddChannel(db, c);
    Channel_Info_Tag zero{};
    zero.Attributes = kAttrRadio;
    AddChannel(db, zero);

    std::string error;
    const auto back = ParseChannelCsv(ChannelCsvText(TheZorvDB(), true), error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->size(), 2u);
    for (int col = 0; col < kChannelColumns; ++col) {
        if (col != kChannelNameColumn) {
            EXPECT_EQ(
                std::pair(ChannelColumnValue((*back)[0], col), ChannelColumnValue((*back)[1], col)),
                std::pair(ChannelColumnValue(c, col), ChannelColumnValue(zero, col)))
                << ChannelColumnName(col);
        }
    }
    EXPECT_EQ(std::string((*back)[0].Name), std::string(c.Name));
}

TEST_F(ChannelCsv, SemicolonsCrlfWindows1252AndSignedCellsAsSpreadsheetsSaveThem) {
    // Columns in another order, in other case, one unknown, the rest missing.
    const std::string text = "name;programnum;Favorite;Comment;Attributes\r\n"
                             "\"Caf\xE9; Bar\";12;-2147483648;hello;1024\r\n"
                             ";;;;\r\n"
                             "\r\n"
                             "Radio Eins;3;; ;2048\r\n";
    std::string error;
    const auto channels = ParseChannelCsv(text, error);
    ASSERT_TRUE(channels) << error;
    ASSERT_EQ(channels->size(), 2u) << "rows of empty fields are no channels";
    // Name, number, favourites, kind, and SatID: a column the file lacks is 0.
    const auto fields = [](const Channel_Info_Tag& c) {
        return std::tuple(std::string(c.Name), +c.ProgramNum, c.Favorite, +c.Attributes, +c.SatID);
    };
    EXPECT_EQ(fields((*channels)[0]), std::tuple("Caf\xE9; Bar", 12, 0x80000000u, +kAttrTV, 0));
    EXPECT_EQ(fields((*channels)[1]), std::tuple("Radio Eins", 3, 0u, +kAttrRadio, 0));
}

TEST_F(ChannelCsv, UtfEightNamesBecomeWindows1252AndTheRestAQuestionMark) {
    std::string error;
    const auto channels =
        ParseChannelCsv("Name,Attributes\nCaf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD,1024\n", error);
    ASSERT_TRUE(channels) << error;
    EXPECT_STREQ((*channels)[0].Name, "Caf\xE9 \x80 ?");
    // A surrogate's three bytes are no UTF-8: the whole file is Windows-1252.
    const auto surrogate = ParseChannelCsv("Name,Attributes\nA\xED\xA0\x80,1024\n", error);
    ASSERT_TRUE(surrogate) << error;
    EXPECT_STREQ((*surrogate)[0].Name, "A\xED\xA0\x80");
}

TEST_F(ChannelCsv, BadFilesAreRefusedWithTheLineAndNothingChanges) {
    std::string error;
    EXPECT_FALSE(ParseChannelCsv("ProgramNum,SatID\n1,1\n2,300\n", error));
    EXPECT_EQ(error, "The CSV file cannot be read: line 3: SatID \"300\" is not a number from 0 to "
                     "255. The channel list was not changed.");
    // Ten digits are past what the short path reads: the full range check applies.
    const std::pair<const char*, const char*> bad[] = {
        {"ProgramNum,Name\n1,ARD\n2,ZDF, Mainz\n", "line 3 has 3 fields, the header 2"},
        {"CAS,SatID\n4294967296,1\n", "CAS \"4294967296\" is not a number from"},
        {"SatID,CAS\n4294967297,1\n", "SatID \"4294967297\""},
        {"ProgramNum,Name\n1x,ARD\n", "line 2: ProgramNum \"1x\""},
        {"Nummer,Sender\n1,ARD\n", "line 1 names none of the columns"},
        {"Name,name\n", "named twice"},
        {"", ""},
        {"Name\n\"ARD\n", "line 2: a quoted field is not closed"},
    };
    for (const auto& [text, said] : bad) {
        EXPECT_FALSE(ParseChannelCsv(text, error)) << text;
        EXPECT_NE(error.find(said), std::string::npos) << text << ": " << error;
    }

    // Through the edit: the list stays as it was, no step on the history.
    AddListOf("Kept");
    EditSession session(TheZorvDB());
    const auto result = RunImportChannelCsv(session, Write("bad.csv", "Name,SatID\nA,999\n"));
    EXPECT_FALSE(result.imported);
    EXPECT_NE(result.message.find("line 2"), std::string::npos);
    EXPECT_EQ(session.UndoCount(), 0u);
    ASSERT_EQ(TheZorvDB().Size(kTableChannel), 1u);
}

TEST_F(ChannelCsv, RowsTheListCannotHoldAreSaidAsTheWorkbookImportSaysThem) {
    AddListOf("Old");
    EditSession session(TheZorvDB());
    const std::string path = Write("rows.csv", "ProgramNum;SatID;TPID;Attributes;Name\n"
                                               "1;1;1;1024;One\n"
                                               "2;1;1;0;No kind\n"
                                               "1;1;1;1024;Same number\n"
                                               "3;9;1;2048;Elsewhere\n");
    const CsvImportResult result = RunImportChannelCsv(session, path);
    ASSERT_TRUE(result.imported) << result.message;
    // The filter's words, in full in ListCheckTest: each kind of row said.
    for (const char* said : {"1 mark neither TV nor radio", "1 name satellite 9",
                             "1 row of Channel had a number that an earlier row has"})
        EXPECT_NE(result.message.find(said), std::string::npos) << result.message;
    ASSERT_EQ(TheZorvDB().Size(kTableChannel), 3u);
    ASSERT_TRUE(session.Undo());

    // A file none of whose rows can be taken changes nothing.
    const auto refused = RunImportChannelCsv(session, Write("none.csv", "Name,Attributes\nA,0\n"));
    EXPECT_FALSE(refused.imported);
    EXPECT_NE(refused.message.find("None of the 1 row of Channel can be imported"),
              std::string::npos)
        << refused.message;
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), 1u);
}

// The CSV reader and writer on their own: quoting, doubled quotes, line
// ends, the separator guess and the refusals, each with the line it names.
#include "lists/Csv.h"

#include <gtest/gtest.h>

#include <string>
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

} // namespace

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
    const Rows want{{"x", "1"}, {"y", "2"}};
    EXPECT_EQ(ReadAll("x;1\ny;2\n", ';').rows, want);
    EXPECT_EQ(ReadAll("x;1\r\ny;2\r\n", ';').rows, want);
    EXPECT_EQ(ReadAll("x;1\r\ny;2", ';').rows, want);
    EXPECT_EQ(ReadAll("\xEF\xBB\xBFx;1\ny;2", ';').rows, want);
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
    EXPECT_EQ(Written({"a,b", "say \"x\"", "two\nlines", " lead", "trail "}),
              "\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\" lead\",\"trail \"\r\n");
    // With ';' a comma needs no quotes, a semicolon does.
    EXPECT_EQ(Written({"a,b", "c;d"}, ';'), "a,b;\"c;d\"\r\n");
}

TEST(Csv, WhatTheWriterWritesTheReaderReadsBack) {
    const std::vector<std::string_view> fields{"", "\"", "\"\"", ",;", "\r\n", "x y", "\t"};
    const Read r = ReadAll(Written(fields) + Written(fields), ',');
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0], std::vector<std::string>(fields.begin(), fields.end()));
}

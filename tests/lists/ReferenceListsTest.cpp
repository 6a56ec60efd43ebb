// Apply order from lists people keep by hand: a text of names, one a line,
// and a CSV with CH# and Name columns. Names match whatever their case and
// blanks, and without " HD" / " SD" only where nothing matches exactly.
#include "lists/ReferenceLists.h"

#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "document/ReferenceOrderEdit.h"
#include "lists/ChannelCsv.h"
#include "tests/image/ImageBuilder.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <tuple>

using velmar::test::AddChannel;
using velmar::test::Ch;

namespace {

class ReferenceLists : public velmar::test::CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigureStartupPolicy();
        // TV 1..5 and radio 1..2, in this order.
        AddChannel(db, Ch{"Das Erste HD"}.Num(1).Ids(1, 1019, 10301));
        AddChannel(db, Ch{"ZDF HD"}.Num(2).Ids(1, 1011, 11110));
        AddChannel(db, Ch{"ZDF"}.Num(3));
        AddChannel(db, Ch{"Arte"}.Num(4));
        AddChannel(db, Ch{"RTL  Television"}.Num(5));
        AddChannel(db, Ch{"Bayern 3"}.Num(1).Radio());
        AddChannel(db, Ch{"Arte Radio"}.Num(2).Radio());
    }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name).string();
    }
    // Name -> number after the order was applied.
    std::map<std::string, int> Numbers() {
        std::map<std::string, int> out;
        for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            out[c.Name] = c.ProgramNum;
        return out;
    }
    // The TV channels' numbers in table order, then the radio channels'.
    std::vector<int> InTableOrder() {
        std::vector<int> out;
        for (const bool radio : {false, true})
            for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
                if (((c.Attributes & kAttrRadio) != 0) == radio)
                    out.push_back(c.ProgramNum);
        return out;
    }
};

} // namespace

TEST(NameList, LinesGiveNamesAndOptionalNumbersBeforeATabOrSemicolon) {
    std::string error;
    const auto places =
        ParseNameList("\xEF\xBB\xBF  ZDF \r\n\n12\tArte\r\n7 ; RTL; Extra\n3sat\n 40;\n", error);
    ASSERT_TRUE(places) << error;
    // Only the first mark ends the number; digits without a tab or ';' are a name.
    std::vector<std::tuple<std::string, std::uint32_t, std::size_t>> got;
    for (const NamedPlace& p : *places)
        got.emplace_back(p.name, p.number, p.line);
    EXPECT_EQ(
        got, (decltype(got){{"ZDF", 0, 1}, {"Arte", 12, 3}, {"RTL; Extra", 7, 4}, {"3sat", 0, 5}}));

    EXPECT_FALSE(ParseNameList("ARD\n70000;ZDF\n", error));
    EXPECT_EQ(error, "Line 2: \"70000\" is not a channel number from 1 to 65535. Nothing was "
                     "changed.");
    EXPECT_FALSE(ParseNameList("0\tARD\n", error));
}

TEST(NameList, KeysFoldCaseAndBlanksAndDropQualityOnlyWhenAsked) {
    EXPECT_EQ(NameMatchKey(" Das  Erste HD", false), "daserstehd");
    EXPECT_EQ(NameMatchKey("Das Erste HD", true), "daserste");
    EXPECT_EQ(NameMatchKey("3 HD", true), "3") << "the shortest name with a quality";
    EXPECT_EQ(NameMatchKey("ZDF sd", true), "zdf");
    EXPECT_EQ(NameMatchKey("CHD", true), "chd") << "only after a blank";
    EXPECT_EQ(NameMatchKey("\xC9T\xC9", false), NameMatchKey("\xE9t\xE9", false));
}

TEST_F(ReferenceLists, ATextListNumbersTheChannelsItNamesInItsOrder) {
    EditSession session(TheZorvDB());
    // "zdf" is ZDF exactly, not ZDF HD; "das erste" has no exact match and
    // takes Das Erste HD; "rtl television" ignores the blanks; "Arte" is the
    // TV channel, not Arte Radio; "bayern 3 hd" takes the radio channel.
    const std::string path =
        Write("order.txt", "zdf\nARTE\nrtl television\nDAS ERSTE\nNobody\nbayern 3 hd\n");
    const ReferenceOrderReport report = ApplyReferenceOrderFile(session, path);
    ASSERT_TRUE(report.Applied()) << report.error;
    // Not matched: ZDF HD and Arte Radio; unused: "Nobody".
    EXPECT_EQ(std::tuple(report.matchedByIds, report.matchedByName, report.notMatched,
                         report.referenceUnused),
              std::tuple(0u, 5u, 2u, 1u));
    EXPECT_EQ(ReferenceOrderSummary(report),
              "Matched 0 channels by ids and 5 by name; 2 not matched.");
    // Das Erste HD, ZDF HD, ZDF, Arte, RTL; Bayern 3, Arte Radio.
    EXPECT_EQ(InTableOrder(), (std::vector{4, 5, 1, 2, 3, 1, 2}));
}

TEST_F(ReferenceLists, GivenNumbersAreKeptAndTheNextLineCountsOnFromThem) {
    EditSession session(TheZorvDB());
    const auto report =
        ApplyReferenceOrderFile(session, Write("numbers.txt", "10;Arte\nZDF\n20\tZDF HD\n"));
    ASSERT_TRUE(report.Applied()) << report.error;
    // The others follow the highest number of the reference.
    EXPECT_EQ(InTableOrder(), (std::vector{21, 20, 11, 10, 22, 1, 2}));
}

TEST_F(ReferenceLists, TwoLinesOnOneNumberOfOneKindAreRefused) {
    EditSession session(TheZorvDB());
    const auto report =
        ApplyReferenceOrderFile(session, Write("twice.txt", "5;Arte\n4;ZDF\nZDF HD\n"));
    EXPECT_FALSE(report.Applied());
    EXPECT_EQ(report.error, "Lines 1 and 3 put two TV channels on number 5. Nothing was changed.");
    EXPECT_EQ(session.UndoCount(), 0u);
    EXPECT_EQ(Numbers().at("Arte"), 4);
    // TV 5 and radio 5 are no clash.
    const auto kinds = ApplyReferenceOrderFile(session, Write("kinds.txt", "5;Arte\n5;Bayern 3\n"));
    EXPECT_TRUE(kinds.Applied()) << kinds.error;
}

TEST_F(ReferenceLists, ACsvWithChAndNameColumnsIsANameList) {
    EditSession session(TheZorvDB());
    const auto report = ApplyReferenceOrderFile(
        session,
        Write("dealer.csv", "Sender;CH#;Name\r\nx;7;\"Arte\"\r\ny;;ZDF\r\nz;1;Bayern 3\r\n"));
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(std::tuple(Numbers().at("Arte"), Numbers().at("ZDF"), Numbers().at("Bayern 3")),
              std::tuple(7, 8, 1));
    const auto noName = ApplyReferenceOrderFile(session, Write("bad.csv", "CH#,Sender\n1,ARD\n"));
    EXPECT_EQ(noName.error,
              "The first line of the CSV file has no Name column. Nothing was changed.");
}

TEST_F(ReferenceLists, AChannelCsvIsAReferenceWithIdsLikeAWorkbook) {
    // The list as it is now, saved as CSV; then two numbers swap.
    const std::string path = Write("list.csv", ChannelCsvText(TheZorvDB(), false));
    for (auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (c.ProgramNum <= 2 && !(c.Attributes & kAttrRadio))
            c.ProgramNum = static_cast<WORD>(3 - c.ProgramNum);
    EditSession session(TheZorvDB());
    const auto report = ApplyReferenceOrderFile(session, path);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(std::tuple(report.matchedByIds, report.matchedByName), std::tuple(2u, 5u));
    EXPECT_EQ(std::tuple(Numbers().at("Das Erste HD"), Numbers().at("ZDF HD")), std::tuple(1, 2));
}

TEST(ReferenceKind, ExtensionFirstThenTheBytes) {
    EXPECT_EQ(ReferenceKindOf("list.xls", ""), ReferenceKind::Workbook);
    EXPECT_EQ(ReferenceKindOf("a.txt", "CH#;Name\n"), ReferenceKind::NameList);
    EXPECT_EQ(ReferenceKindOf("a.CSV", "CH#;Name\n"), ReferenceKind::NameCsv);
    EXPECT_EQ(ReferenceKindOf("a.csv", "ProgramNum,Attributes,Name\n"), ReferenceKind::ChannelCsv);
    EXPECT_EQ(ReferenceKindOf("list", "ARD\nZDF\n"), ReferenceKind::NameList);
    EXPECT_EQ(ReferenceKindOf("list", "Nr;Name\n1;ARD\n"), ReferenceKind::NameCsv);
    EXPECT_EQ(ReferenceKindOf("box", std::string("VX  \x50\0\0\0", 8)), ReferenceKind::Image);
    EXPECT_EQ(ReferenceKindOf("box.bin", std::string("\x01\0\x02", 3)), ReferenceKind::Image);
    EXPECT_EQ(ReferenceKindOf("book", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), ReferenceKind::Workbook);
}

// Reading a reference list from an image or a workbook leaves the open
// document as it was: tables, keys, next key and the last load's image state.
#include "xls/ReferenceFile.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "document/ReferenceOrderEdit.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "model/ReferenceOrder.h"
#include "model/SatelliteRecords.h"
#include "tests/image/ImageBuilder.h"
#include "tests/model/ChannelMaker.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

using velmar::test::AddChannel;
using velmar::test::Ch;

namespace {

constexpr int kFlashSize = 49152 + 64 * 4096; // end of the start-up channel block

class ReferenceFile : public velmar::test::CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigureStartupPolicy();
    }
    std::string File(const std::string& name) const { return Path(name).string(); }

    // The reference's three channels; an image keeps only their service ids.
    void AddReferenceChannels(WORD onid, WORD tsid) {
        AddChannel(db, Ch{"Ref One"}.Ids(onid, tsid, 3).Num(11));
        AddChannel(db, Ch{"Ref Two"}.Num(12));
        AddChannel(db, Ch{"Ref Radio"}.Radio().Ids(onid, tsid, 4).Num(13));
    }
    // The reference saved as a working-form image; its bytes.
    std::vector<BYTE> MakeReferenceImage(const std::string& name, bool withChannels = true) {
        if (withChannels)
            AddReferenceChannels(1, 2);
        velmar::test::Image blank(kFlashSize);
        std::memcpy(blank.Bytes().data() + 6 + 16, "REFERENCE", 9);
        int ok = 0;
        const auto bytes = Save(blank.Bytes(), &ok, name);
        EXPECT_EQ(ok, 1);
        db.ClearAll();
        return bytes;
    }

    // The open document the reference must not disturb.
    void OpenDocument() {
        ResetImageState();
        std::memcpy(g_HeaderText, "DOCUMENT", 8);
        g_bZorvImage = true;
        g_wFavHeader = 0x1234;
        g_nMaxTPID = 77;
        g_byPreservedA = 1;
        g_byPreservedD = 4;
        db.Clear(kTableChannel);
        AddChannel(db, Ch{"Mine A"}.Ids(0, 0, 3).Num(1));
        const auto gone = AddChannel(db, Ch{"Mine gone"}.Num(2));
        AddChannel(db, Ch{"Mine B"}.Num(3));
        db.Delete(kTableChannel, gone); // the next fresh key stays above it
        velmar::test::AddSatellite(db, 9);
    }
    void ExpectDocumentUnchanged() {
        std::string rows;
        for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            rows += std::to_string(c.Index) + ":" + c.Name + " ";
        EXPECT_EQ(rows, "1:Mine A 3:Mine B ");
        EXPECT_EQ(db.Size(kTableSatellite), 1u);
        EXPECT_EQ(db.Size(kTableFavorite), 0u);
        EXPECT_EQ(std::memcmp(g_HeaderText, "DOCUMENT\0", 9), 0);
        EXPECT_EQ((std::array<DWORD, 5>{g_bZorvImage, g_wFavHeader, g_nMaxTPID, g_byPreservedA,
                                        g_byPreservedD}),
                  (std::array<DWORD, 5>{1, 0x1234, 77, 1, 4}));
        // Each check takes one key, so the next check expects the one after.
        const int next = db.AddIndexed(kTableChannel, NewRecord<Channel_Info_Tag>());
        EXPECT_EQ(next, m_nextKey++) << "the store's next key is the document's";
        db.Delete(kTableChannel, static_cast<std::uint32_t>(next));
    }
    void ExpectReference(const std::vector<Channel_Info_Tag>& ref) {
        ASSERT_EQ(ref.size(), 3u);
        EXPECT_EQ(std::string(ref[0].Name) + ", " + ref[2].Name, "Ref One, Ref Radio");
        // The start-up entry carries the service id alone.
        EXPECT_EQ((std::array<int, 3>{ref[0].ServiceID, ref[0].TSID, ref[0].ProgramNum}),
                  (std::array{3, 0, 11}));
        EXPECT_TRUE(IsRadio(ref[2]));
    }

private:
    int m_nextKey = 4;
};

} // namespace

// The reference in each form it is read from: the working form, the ZORV and
// the bare image, and a workbook.
TEST_F(ReferenceFile, EveryFormIsReadWithoutTouchingTheDocument) {
    const auto working = MakeReferenceImage("ref.bin");
    const std::vector<BYTE> flash(working.begin() + velmar::test::kShift, working.end());
    std::vector<BYTE> zorv{'Z', 'O', 'R', 'V'};
    zorv.resize(64);
    zorv.insert(zorv.end(), flash.begin(), flash.end());
    velmar::test::WriteFile(Path("ref-zorv.bin"), zorv);
    velmar::test::WriteFile(Path("ref-bare.bin"), flash);
    AddReferenceChannels(0, 0);
    ExportChannelWorkbook(TheZorvDB(), File("ref.xls"));
    OpenDocument();
    for (const char* name : {"ref.bin", "ref-zorv.bin", "ref-bare.bin", "ref.xls"}) {
        SCOPED_TRACE(name);
        std::vector<Channel_Info_Tag> ref;
        std::string error;
        ASSERT_TRUE(LoadReferenceChannels(File(name), ref, error)) << error;
        ExpectReference(ref);
        ExpectDocumentUnchanged();
    }
}

TEST_F(ReferenceFile, FailuresSayWhyAndLeaveTheDocument) {
    MakeReferenceImage("empty.bin", false);
    velmar::test::WriteFile(Path("short.bin"), std::vector<BYTE>(10, 0x55));
    velmar::test::WriteFile(Path("image.xls"), std::vector<BYTE>(600, 0x55));
    std::filesystem::create_directories(Path("folder.bin"));
    OpenDocument();
    const struct {
        std::string path;
        std::string error;
    } cases[] = {
        {File("missing.bin"), "Cannot read " + File("missing.bin")},
        {File("folder.bin"), "Cannot read " + File("folder.bin")},
        {File("short.bin"), "Cannot open or invalid version file"},
        {File("image.xls"), "Cannot open or invalid version file"},
        {File("empty.bin"), "The reference list holds no channels"},
    };
    for (const auto& c : cases) {
        std::vector<Channel_Info_Tag> ref(1);
        std::string error;
        EXPECT_FALSE(LoadReferenceChannels(c.path, ref, error)) << c.path;
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(ref.empty());
        ExpectDocumentUnchanged();
    }
}

// The undo and redo of the edit are HistoryPropertyTest's; here what it does
// to the open list, and that a failure, a refusal and a repeat record nothing.
TEST_F(ReferenceFile, AppliedToTheOpenListAsOneEdit) {
    MakeReferenceImage("ref.bin");
    const std::string path = File("ref.bin");
    OpenDocument();
    EditSession session(db);
    session.StartFresh();

    ReferenceOrderReport report = ApplyReferenceOrderFile(session, File("missing.bin"));
    EXPECT_EQ(report.error, "Cannot read " + File("missing.bin"));
    EXPECT_FALSE(session.CanUndo());

    report = ApplyReferenceOrderFile(session, path);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(ReferenceOrderSummary(report),
              "Matched 1 channels by ids and 0 by name; 1 not matched.");
    EXPECT_EQ(session.UndoName(), "Apply Order");
    EXPECT_EQ(session.UndoCount(), 1u);
    // Mine B after Ref Two's 12, the highest TV number of the reference.
    EXPECT_EQ((std::array{db.Get<Channel_Info_Tag>(kTableChannel, 1)->ProgramNum,
                          db.Get<Channel_Info_Tag>(kTableChannel, 3)->ProgramNum}),
              (std::array<WORD, 2>{11, 13}));

    // Applying the same order again changes nothing and records nothing.
    report = ApplyReferenceOrderFile(session, path);
    EXPECT_TRUE(report.Applied());
    EXPECT_EQ(session.UndoCount(), 1u);

    // A refusal records nothing either.
    const std::vector<Channel_Info_Tag> none;
    report = RunApplyReferenceOrder(session, none);
    EXPECT_FALSE(report.Applied());
    EXPECT_EQ(session.UndoCount(), 1u);
}

// The editor set up for another receiver family from its command line: the
// caption names the family, the panes show its grids, and its images open
// and save back byte for byte.
#include "app/CommandLine.h"
#include "contracts/ReceiverProfiles.h"
#include "qtkit/PaneWidgets.h"
#include "tests/gui/EditorFixture.h"

#include <QTabBar>

namespace {

const QString kCableExample = QString(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin";

// No start-up policy before the launch: the command line's choice sets it.
class Profile : public Editor {
protected:
    void SetUp() override {
        TheZorvDB().ClearAll();
        ResetImageState();
        velmar::policy_profile::Reset();
    }
    void TearDown() override {
        Editor::TearDown();
        ResetImageState();
    }
    // What main() does with its arguments.
    void Launch(const QStringList& args) {
        const EditorArguments parsed = ParseEditorArguments(QStringList{"velmar"} + args);
        ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
        frame = std::make_unique<CMainFrame>(ui, true, parsed.profile);
        frame->show();
        if (!parsed.open.isEmpty())
            frame->OpenPath(parsed.open);
    }
    QString SourceCaption() { return Find<CColorStatic>("SourceCaption").text(); }
    QTabBar& Tabs() { return Find<QTabBar>("SourceTabs"); }
};

} // namespace

TEST(EditorArguments, ReceiverOpenAndScreenshot) {
    EditorArguments a = ParseEditorArguments({"velmar", "--receiver", "cable", "--open", "x.bin"});
    ASSERT_NE(a.profile, nullptr);
    EXPECT_EQ(a.profile->name, "cable");
    EXPECT_EQ(a.open, "x.bin");
    EXPECT_TRUE(a.error.isEmpty());

    a = ParseEditorArguments({"velmar", "x.bin"});
    EXPECT_EQ(a.profile, nullptr) << "no choice: the start-up receiver";
    EXPECT_TRUE(a.open.isEmpty()) << "a plain file name is not opened";

    a = ParseEditorArguments({"velmar", "--receiver", "Cable"});
    EXPECT_EQ(a.profile, nullptr);
    EXPECT_TRUE(a.error.startsWith("unknown receiver \"Cable\"; one of:\n"));
    EXPECT_TRUE(a.error.contains("  cable-single-block       Cable receiver that keeps"));
    a = ParseEditorArguments({"velmar", "--receiver"});
    EXPECT_FALSE(a.error.isEmpty()) << "the name is missing";
}

// The start-up receiver's values themselves are the policy tests' to check.
TEST_F(Profile, NoChoiceIsTheStartupReceiverAndCaption) {
    Launch({});
    EXPECT_EQ(frame->windowTitle(), "Velmar for VX-7 and VX-8 satellite receivers - 8FAV");
    EXPECT_EQ(GetProductType(), 1u);
    EXPECT_EQ(SourceCaption(), " Satellite");
}

// Which panes each family shows is checked for all of them below.
TEST_F(Profile, CableReceiverOpensItsImageInTheMultiplexGridAndSavesItByteExactly) {
    Launch({"--receiver", "cable", "--open", kCableExample});
    EXPECT_EQ(frame->windowTitle(), "Velmar for VX-2 cable receivers - 8FAV");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text.toStdString();
    EXPECT_FALSE(Find<CColorStatic>("SourceCaption").isHidden());

    auto& mux = Grid("CableMuxGrid");
    ASSERT_EQ(mux.GetRowCount(), 15) << "header and fourteen multiplexes";
    EXPECT_EQ(mux.GetItemText(0, 3), "Freq.(MHz)");
    EXPECT_EQ(RowTexts(mux, 1, {2, 3, 4, 8}),
              (QStringList{"1", "306.000 MHz", "6900 Ks/s", "256 QAM"}));
    EXPECT_TRUE(mux.IsColHidden(5)) << "technical columns hidden";
    EXPECT_EQ(TV().GetRowCount(), 37) << "header and 36 TV channels";
    EXPECT_EQ(Grid("RadioGrid").GetRowCount(), 13);

    // A multiplex row narrows the channel lists (which channels: the filter's tests).
    emit mux.CellClicked(4, 3);
    EXPECT_EQ(TV().GetRowCount(), 5);

    EXPECT_EQ(Saved("cable.bin"), ReadAll(kCableExample.toStdString()));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Profile, EveryFamilyGetsThePanesItsTypeBitsCallFor) {
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        SCOPED_TRACE(std::string(p.name));
        Launch({"--receiver", QString::fromUtf8(p.name.data(), static_cast<int>(p.name.size()))});
        const std::uint32_t t = p.productType;
        EXPECT_EQ(frame->windowTitle().toStdString(), ReceiverCaption(p));
        EXPECT_EQ(GetProductList(), p.productList);
        const bool tabs = (t & 3) == 3;
        EXPECT_EQ(Tabs().isHidden(), !tabs);
        if (!tabs) {
            EXPECT_EQ(SourceCaption(), (t & 1)                              ? " Satellite"
                                       : ((t & 0xF) == 2 || (t & 0xF) == 4) ? " Mux information"
                                                                            : "");
        }
        EXPECT_EQ(Grid("SatGrid").isHidden(), !(t & 1));
        EXPECT_EQ(Grid("CableMuxGrid").isHidden(), (t & 1) || !(t & 4));
        EXPECT_EQ(Grid("TerMuxGrid").isHidden(), (t & 1) || (t & 4) || !(t & 2));
        EXPECT_EQ(TV().IsColHidden(14), (t & 6) != 0) << "the tuner column";
        EXPECT_TRUE(TV().IsColHidden(3)) << "technical columns hidden by default";
        frame.reset();
    }
}

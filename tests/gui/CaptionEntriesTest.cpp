// The hidden entries as a user reaches them: a key held, then a double click
// on the toolbar's empty area (the caption bar's stand-in). Keys carry the
// native codes an X11 server gives them.
#include "contracts/ReceiverProfiles.h"
#include "qtkit/QtUiSeam.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "qtkit/vxui/VxuiSettings.h"
#include "tests/gui/EditorFixture.h"
#include "tests/gui/Modal.h"
#include "views/ListGridCtrl.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

namespace {

struct NativeKey {
    int key;
    quint32 keycode, keysym;
};
constexpr NativeKey kLeftShift{Qt::Key_Shift, 50, 0xFFE1};
constexpr NativeKey kRightShift{Qt::Key_Shift, 62, 0xFFE2};
constexpr NativeKey kLeftCtrl{Qt::Key_Control, 37, 0xFFE3};
constexpr NativeKey kRightCtrl{Qt::Key_Control, 105, 0xFFE4};

struct CaptionEntries : Editor {
    void SetUp() override {
        Editor::SetUp();
        QSettings("Velmar", "Velmar").remove("VXUI");
        Start();
    }
    void TearDown() override {
        Editor::TearDown();
        QSettings("Velmar", "Velmar").remove("VXUI");
        std::error_code ec;
        std::filesystem::remove(out, ec);
    }

    // The export's worked example: how each field is written is the
    // export's own (DefaultTable); here the window writes the store's table.
    static void AddChannels() {
        auto c = NewRecord<Channel_Info_Tag>();
        c->CAS = 0x1F;
        c->ProgramNum = 7;
        c->SatID = 3;
        c->TPID = 12;
        c->Attributes = 0x0805;
        c->StreamType = 0x1B;
        std::strcpy(c->Name, "ABC");
        TheZorvDB().AddIndexed(kTableChannel, std::move(c));
    }

    void Key(QEvent::Type type, const NativeKey& k) {
        QKeyEvent event(type, k.key, Qt::NoModifier, k.keycode, k.keysym, 0);
        QApplication::sendEvent(
            QApplication::focusWidget() ? QApplication::focusWidget() : frame.get(), &event);
    }
    // Holds `k` down for a double click on the toolbar's empty area.
    void DoubleClickWith(const NativeKey* k, Qt::KeyboardModifiers modifiers) {
        if (k)
            Key(QEvent::KeyPress, *k);
        auto* bar = &Find<QToolBar>("Toolbar");
        const QPoint at(bar->width() - 4, bar->height() / 2);
        ASSERT_EQ(qobject_cast<QToolButton*>(bar->childAt(at)), nullptr) << "not on a button";
        QMouseEvent click(QEvent::MouseButtonDblClick, at, bar->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QApplication::sendEvent(bar, &click);
        if (k)
            Key(QEvent::KeyRelease, *k);
    }

    const std::string out = (std::filesystem::temp_directory_path() /
                             ("velmar-default-" + std::to_string(::getpid()) + ".h"))
                                .string();
};

} // namespace

TEST_F(CaptionEntries, LeftShiftWritesTheDefaultChannelDataByteForByte) {
    AddChannels();
    ui.NextSaveFileName(QString::fromStdString(out));
    DoubleClickWith(&kLeftShift, Qt::ShiftModifier);

    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    const auto& asked = ui.saveDialogs[0];
    EXPECT_EQ(QStringList({asked.title, asked.filter, asked.initialName, asked.defaultExtension}),
              QStringList({"Save Default Channel Data",
                           "Local file (*.h)|*.bin|All Files(*.*)|*.*||", "*.h", "BIN"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.m_cursorChanges, (std::vector<bool>{true, false})) << "the wait cursor";
    EXPECT_EQ(ReadAll(out),
              "const SSVC_INFO virtual_flash_svc[] = {\r\n"
              "\t{ 0x0000001F, 0007, 03, 0012, 0, 0, 0, 0, 0, 0x0805, 0, 0, \"ABC\", 0, 0, "
              "0x1B},\r\n"
              "};\r\n////Total Svc Channel Count = 1\r\n\r\n");
}

TEST_F(CaptionEntries, ExportCancelledOrUncreatableWritesNothing) {
    AddChannels();
    DoubleClickWith(&kLeftShift, Qt::ShiftModifier); // the dialog is cancelled
    EXPECT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_TRUE(ui.m_cursorChanges.empty());
    EXPECT_FALSE(std::filesystem::exists(out));

    ui.NextSaveFileName("/nonexistent-dir/table.h");
    DoubleClickWith(&kLeftShift, Qt::ShiftModifier);
    ExpectSaid(1, IUiSeam::Icon::Stop, "Cannot open file /nonexistent-dir/table.h.");
    EXPECT_EQ(ui.m_cursorChanges, (std::vector<bool>{true, false})) << "arrow before the message";
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-dir/table.h"));
}

// Which side a key is on, and both held, are the key sides' own rule.
TEST_F(CaptionEntries, RightHandKeysAndNoKeyLeaveTheDoubleClickAlone) {
    AddChannels();
    ui.NextSaveFileName(QString::fromStdString(out));
    DoubleClickWith(&kRightShift, Qt::ShiftModifier);
    DoubleClickWith(&kRightCtrl, Qt::ControlModifier);
    DoubleClickWith(nullptr, Qt::NoModifier);
    EXPECT_TRUE(ui.saveDialogs.empty());
    EXPECT_TRUE(ui.ShownDialogs().empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CaptionEntries, LeftCtrlOpensTheConfigurationThenAsksForARestart) {
    ui.NextDialog<CDlgConfiguration>(IUiSeam::IDOK,
                                     [](CDlgConfiguration& d) { d.Choose("cable", 1); });
    DoubleClickWith(&kLeftCtrl, Qt::ControlModifier);
    ASSERT_EQ(ui.Shown<CDlgConfiguration>().size(), 1u);
    EXPECT_EQ(ui.Shown<CDlgConfiguration>()[0]->Receiver(), "") << "nothing chosen before";
    ASSERT_EQ(ui.messages.size(), 1u);
    ExpectMessage(ui.messages[0], "You have to restart this program now.", IUiSeam::Icon::None,
                  IUiSeam::Buttons::Ok);
    EXPECT_EQ(GetProductList(), 7) << "nothing changes in this run";
    EXPECT_EQ(frame->windowTitle(), kCaption);

    // The next start takes the choice.
    const VxuiReceiverChoice saved = LoadVxuiReceiverChoice();
    EXPECT_EQ(saved.receiver, "cable");
    EXPECT_EQ(saved.gridColumn, 1);
    frame.reset();
    const ReceiverProfile next = ChooseReceiver(nullptr, saved.receiver, saved.gridColumn);
    // What the profile sets is the profiles' own (ChooseReceiver, Profile.*).
    frame = std::make_unique<CMainFrame>(ui, true, &next);
    EXPECT_FALSE(frame->findChild<CListGridCtrl*>("TVGrid")->IsColHidden(3))
        << "the technical columns are shown";

    // Cancel keeps the saved choice and asks nothing.
    ui.NextDialog<CDlgConfiguration>(IUiSeam::IDCANCEL,
                                     [](CDlgConfiguration& d) { d.Choose("terrestrial", 0); });
    DoubleClickWith(&kLeftCtrl, Qt::ControlModifier);
    EXPECT_EQ(ui.Shown<CDlgConfiguration>().back()->Receiver(), "cable") << "starts from the saved";
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(LoadVxuiReceiverChoice().receiver, "cable");
}

TEST(ConfigurationForm, ListsEveryFamilyInPlainWordsAndKeepsTheChoice) {
    QSettings("Velmar", "Velmar").remove("VXUI");
    CQtUiSeam qt;
    CDlgConfiguration dialog(qt);
    WhenModal<QDialog>([](QDialog& form) {
        EXPECT_EQ(form.objectName(), "CDlgConfiguration");
        auto& list = Child<QListWidget>(form, "ReceiverList");
        auto& columns = Child<QCheckBox>(form, "TechnicalColumns");
        EXPECT_EQ(list.count(), static_cast<int>(ReceiverProfiles().size()));
        EXPECT_EQ(list.item(0)->text().toStdString(), DefaultReceiverProfile().description);
        EXPECT_EQ(list.currentItem()->data(Qt::UserRole).toString(), "satellite")
            << "with nothing saved, the start-up receiver is current";
        EXPECT_FALSE(columns.isChecked());
        for (int i = 0; i < list.count(); ++i)
            if (list.item(i)->data(Qt::UserRole).toString() == "terrestrial")
                list.setCurrentRow(i);
        columns.setChecked(true);
        form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IUiSeam::IDOK);
    EXPECT_EQ(dialog.Receiver(), "terrestrial");
    EXPECT_EQ(LoadVxuiReceiverChoice().receiver, "terrestrial");
    EXPECT_EQ(LoadVxuiReceiverChoice().gridColumn, 1);
    QSettings("Velmar", "Velmar").remove("VXUI");
}

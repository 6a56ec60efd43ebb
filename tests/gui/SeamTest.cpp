// The UI seam on both sides: what a test scripts and reads back, and what
// the real Qt side does with dialogs, file names, cursors and progress.
#include "qtkit/MessageBoxes.h"
#include "qtkit/QtUiSeam.h"
#include "qtkit/ScriptedUiSeam.h"
#include "qtkit/SeamPrompt.h"
#include "qtkit/WaitCursor.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "qtkit/vxui/SourceDialogs.h"
#include "tests/gui/Modal.h"
#include "tests/gui/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

Channel_Info_Tag Channel(const char* name, WORD number) {
    Channel_Info_Tag c{};
    std::strncpy(c.Name, name, sizeof c.Name - 1);
    c.ProgramNum = number;
    return c;
}

Satellite_Info_Tag Satellite(BYTE id) {
    Satellite_Info_Tag s{};
    s.ID = id;
    std::snprintf(s.Name, sizeof s.Name, "Sat %d", id);
    return s;
}

// The dialog's own OK (the file dialog's accept is reached through QDialog's).
void Accept(QFileDialog& d) {
    static_cast<QDialog&>(d).accept();
}

// Types `typed` into the file name box in `dir` with `type` chosen, once the
// dialog has read the folder (it reads in the background and may otherwise
// rewrite the box when it is done), and confirms.
void TypeAndAccept(QFileDialog& d, const QString& dir, const QString& typed,
                   const QString& type = {}) {
    d.setDirectory(dir);
    auto* model = d.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex folder = model->index(QDir::cleanPath(dir));
    // Three of the folder's files match the first type, "*.bin".
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(folder) >= 3; }, 5000));
    if (!type.isEmpty())
        d.selectNameFilter(type);
    d.findChild<QLineEdit*>("fileNameEdit")->setText(typed);
    Accept(d);
}

std::filesystem::path ScratchDir(const char* name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("velmar-seam-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace

TEST(ScriptedDialogs, OkWithARecordCancelAndWhatTheDialogWasGiven) {
    CScriptedUiSeam ui;
    const Channel_Info_Tag preset = Channel("Preset", 3), answer = Channel("Edited", 9);
    ui.NextDialogOk<CDlgCHAddUpdate>(answer);
    ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDCANCEL);

    CDlgCHAddUpdate first(ui);
    first.SetChannelMode(true);
    const Satellite_Info_Tag s1 = Satellite(1), s2 = Satellite(2);
    first.AddSatList(&s1);
    first.AddSatList(&s2);
    first.AddSatList(nullptr);
    first.SetChannelInfo(&preset);
    EXPECT_EQ(first.DoModal(), IUiSeam::IDOK);
    EXPECT_STREQ(first.GetChannelInfo().Name, "Edited");
    EXPECT_EQ(first.GetChannelInfo().ProgramNum, 9);

    CDlgCHAddUpdate second(ui);
    second.SetChannelInfo(&preset);
    EXPECT_EQ(second.DoModal(), IUiSeam::IDCANCEL);
    EXPECT_STREQ(second.GetChannelInfo().Name, "Preset") << "a cancelled form keeps its record";

    const auto shown = ui.Shown<CDlgCHAddUpdate>();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0]->ChannelMode(), std::optional<bool>(true));
    ASSERT_EQ(shown[0]->SatList().size(), 2u) << "a null record adds nothing";
    EXPECT_EQ(shown[0]->SatList()[1].ID, 2);
    ASSERT_TRUE(shown[0]->PresetChannel().has_value());
    EXPECT_STREQ(shown[0]->PresetChannel()->Name, "Preset");
    EXPECT_STREQ(shown[0]->GetChannelInfo().Name, "Preset") << "recorded before the answer";
    EXPECT_FALSE(shown[1]->ChannelMode().has_value()) << "Update sets no channel mode";
    EXPECT_TRUE(ui.UnscriptedDialogs().empty());
    EXPECT_EQ(ui.PendingDialogScripts(), 0u);
}

TEST(ScriptedDialogs, ScriptsBelongToOneClassAndUnscriptedDialogsCancel) {
    CScriptedUiSeam ui;
    Satellite_Info_Tag wide = Satellite(7);
    ui.NextDialogOk<CDlgSAT2AddUpdate>(wide);
    CDlgSATAddUpdate plain(ui);
    EXPECT_EQ(plain.DoModal(), IUiSeam::IDCANCEL) << "the long-entry form's script is not its";
    EXPECT_EQ(ui.UnscriptedDialogs(), std::vector<std::string>{"CDlgSATAddUpdate"});
    EXPECT_EQ(ui.PendingDialogScripts(), 1u);
    CDlgSAT2AddUpdate longForm(ui);
    EXPECT_EQ(longForm.DoModal(), IUiSeam::IDOK);
    EXPECT_EQ(longForm.GetSatelliteInfo().ID, 7);
    EXPECT_FALSE(ui.LastShown<CDlgSAT2AddUpdate>()->PresetSatellite().has_value()) << "a New";

    // A script that acts on the form as a user would.
    ui.NextDialog<CDlgSearchName>(IUiSeam::IDOK,
                                  [](CDlgSearchName& d) { d.Answer(d.Text() + " HD"); });
    CDlgSearchName name(ui);
    name.SetCaption("Update");
    name.SetText("ZDF");
    EXPECT_EQ(name.DoModal(), IUiSeam::IDOK);
    EXPECT_EQ(name.Text(), "ZDF HD");
    EXPECT_EQ(ui.LastShown<CDlgSearchName>()->Caption(), "Update");
    EXPECT_EQ(ui.LastShown<CDlgSearchName>()->Text(), "ZDF");
}

TEST(ScriptedDialogs, EveryMakerDialogRecordsItsCalls) {
    CScriptedUiSeam ui;
    const SMux_Info_Tag ter{};
    Transponder_Info_Tag pseudo{};
    pseudo.SatID = 1;
    pseudo.TPID = 4;
    CDlgMuxCHAddUpdate mux(ui);
    mux.AddMuxList(&ter);
    mux.AddMuxList(12);
    mux.AddMuxList(&pseudo);
    mux.AddMuxList(13);
    const Broadcast_Info_Tag b{};
    mux.AddBroadcastList(&b);
    mux.DoModal();

    const Transponder_Info_Tag tp{};
    const Satellite_Info_Tag s = Satellite(3);
    CDlgTPAddUpdate tpDialog(ui);
    tpDialog.AddSatList(&s);
    tpDialog.SetTransponderInfo(&tp);
    tpDialog.DoModal();

    const CableMux_Info_Tag cable{};
    CDlgCableMuxAddUpdate cableDialog(ui);
    cableDialog.SetCableInfo(&cable);
    cableDialog.DoModal();

    const Channel_Info_Tag c = Channel("Arte", 5);
    CDlgDescription description(ui);
    description.SetSatelliteInfo(&s);
    description.SetTransponderInfo(nullptr);
    description.SetChannelInfo(&c);
    description.DoModal();

    CDlgConfiguration configuration(ui);
    configuration.DoModal();
    CDlgRecvDataFromSTB receive(ui);
    receive.Initialize("/tmp/ZOwork");
    CDlgRecvDataFromSTBEx receiveEx(ui);
    receiveEx.Initialize("/tmp/ZOwork");
    CDlgSendDataToSTB send(ui);
    send.Initialize("/tmp/ZOsend");
    receiveEx.DoModal();
    send.DoModal();

    EXPECT_EQ(
        ui.UnscriptedDialogs(),
        (std::vector<std::string>{"CDlgMuxCHAddUpdate", "CDlgTPAddUpdate", "CDlgCableMuxAddUpdate",
                                  "CDlgDescription", "CDlgConfiguration", "CDlgRecvDataFromSTBEx",
                                  "CDlgSendDataToSTB"}));
    const auto* m = ui.LastShown<CDlgMuxCHAddUpdate>();
    EXPECT_EQ(m->TerrestrialMuxList().size(), 1u);
    EXPECT_EQ(m->CableMuxList(), (std::vector<int>{12, 13}));
    ASSERT_EQ(m->TransponderMuxList().size(), 1u);
    EXPECT_EQ(m->TransponderMuxList()[0].TPID, 4);
    EXPECT_EQ(m->BroadcastList().size(), 1u);
    EXPECT_EQ(ui.LastShown<CDlgTPAddUpdate>()->SatList().size(), 1u);
    EXPECT_TRUE(ui.LastShown<CDlgTPAddUpdate>()->PresetTransponder().has_value());
    EXPECT_TRUE(ui.LastShown<CDlgCableMuxAddUpdate>()->PresetCableMux().has_value());
    const auto* d = ui.LastShown<CDlgDescription>();
    EXPECT_TRUE(d->SatelliteInfo().has_value());
    EXPECT_FALSE(d->TransponderInfo().has_value());
    EXPECT_FALSE(d->BroadcastInfo().has_value());
    EXPECT_TRUE(d->DescriptionText().contains("Arte"));
    EXPECT_TRUE(d->DescriptionText().contains("Sat 3"));
    EXPECT_EQ(ui.LastShown<CDlgRecvDataFromSTBEx>()->Path(), "/tmp/ZOwork");
    EXPECT_EQ(ui.LastShown<CDlgSendDataToSTB>()->Path(), "/tmp/ZOsend");
    EXPECT_EQ(ui.LastShown<CDlgRecvDataFromSTB>(), nullptr) << "prepared, never shown";
}

TEST(ScriptedSeam, MessagesCursorsAndProgress) {
    CScriptedUiSeam ui;
    ShowStop(ui, nullptr, "Cannot save channel file");
    ui.NextAnswer(IUiSeam::IDNO);
    EXPECT_FALSE(AskYesNo(ui, nullptr, "Would you like to delete selected item?"));
    EXPECT_EQ(AskYesNoCancel(ui, nullptr, "Save?"), IUiSeam::IDCANCEL) << "unscripted: Cancel";
    ui.NextAnswer(IUiSeam::IDYES);
    EXPECT_EQ(AskYesNoCancel(ui, nullptr, "Save?"), IUiSeam::IDYES);
    ASSERT_EQ(ui.messages.size(), 4u);
    for (const auto& m : ui.messages)
        EXPECT_EQ(m.caption, "Velmar");
    EXPECT_EQ(ui.messages[0].icon, IUiSeam::Icon::Stop);
    EXPECT_EQ(ui.messages[0].buttons, IUiSeam::Buttons::Ok);
    EXPECT_EQ(ui.messages[1].icon, IUiSeam::Icon::Question);
    EXPECT_EQ(ui.messages[1].buttons, IUiSeam::Buttons::YesNo);
    EXPECT_EQ(ui.messages[2].buttons, IUiSeam::Buttons::YesNoCancel);

    CSeamPrompt prompt(ui, nullptr);
    ui.NextAnswer(IUiSeam::IDYES);
    EXPECT_TRUE(prompt.AskYesNo("Cannot read file header. Continue?"));
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
    prompt.Inform("Done");
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::None);

    {
        CWaitCursor wait(ui);
        wait.End();
        wait.End();
    }
    { CWaitCursor wait(ui); }
    EXPECT_EQ(ui.m_cursorChanges, (std::vector<bool>{true, false, true, false}));

    ui.CancelProgressAtStep(3);
    {
        auto view = ui.BeginProgress(nullptr, "Receive", "Receiving...");
        EXPECT_TRUE(view->Step(1, 10));
        EXPECT_TRUE(view->Step(2, 10));
        EXPECT_FALSE(view->Step(3, 10));
        EXPECT_FALSE(view->Step(4, 10)) << "stays cancelled";
        EXPECT_FALSE(ui.progress[0].ended);
    }
    {
        auto view = ui.BeginProgress(nullptr, "Send", "Sending...");
        EXPECT_TRUE(view->Step(10, 10)) << "the next display is not cancelled";
    }
    ASSERT_EQ(ui.progress.size(), 2u);
    EXPECT_TRUE(ui.progress[0].cancelled);
    EXPECT_TRUE(ui.progress[0].ended);
    EXPECT_EQ(ui.progress[0].steps.size(), 4u);
    EXPECT_EQ(ui.progress[0].title, "Receive");
    EXPECT_FALSE(ui.progress[1].cancelled);
}

TEST(QtSeam, MakerDialogFormsAndProgress) {
    CQtUiSeam ui;
    // The name dialog's real form: caption, preset text, the user's text back.
    CDlgSearchName name(ui);
    name.SetCaption("New");
    name.SetText("old");
    WhenModal<QDialog>([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New");
        auto* edit = d.findChild<QLineEdit*>("Text");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "old");
        edit->setText("Typed");
        d.accept();
    });
    EXPECT_EQ(name.DoModal(), IUiSeam::IDOK);
    EXPECT_EQ(name.Text(), "Typed");
    WhenModal<QDialog>([](QDialog& d) { d.reject(); });
    EXPECT_EQ(name.DoModal(), IUiSeam::IDCANCEL);
    EXPECT_EQ(name.Text(), "Typed");

    QWidget owner;
    auto view = ui.BeginProgress(&owner, "Receive", "Receiving...");
    EXPECT_TRUE(view->Step(5, 10));
    auto* progress = owner.findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->value(), 500);
    EXPECT_TRUE(view->Step(7, 0)) << "no total: no division";
    progress->cancel();
    EXPECT_FALSE(view->Step(8, 10));
}

TEST(QtSeam, FileDialogsTakeTheFirstFileAndAddTheTypesExtension) {
    EXPECT_EQ(DefaultSuffixFor("Binary file (*.bin)"), "bin");
    EXPECT_EQ(DefaultSuffixFor("Excel file (*.xls)"), "xls");
    EXPECT_EQ(DefaultSuffixFor("All Files(*.*) (*.*)"), "bin");
    EXPECT_EQ(QtNameFilters("Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All "
                            "Files(*.*)|*.*||"),
              (QStringList{"Binary file (*.bin)", "Excel file (*.xls)", "All Files(*.*)"}));
    const char* filter = "Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|Other (*.*)|*.*||";

    const auto dir = ScratchDir("files");
    for (const char* name : {"a.bin", "b.bin", "list.xls", "plain.bin"})
        std::ofstream(dir / name) << "x";
    const QString at = QString::fromStdString(dir.string()) + "/";

    auto open = MakeFileDialog(nullptr, FileDialogKind::Open, "Load Channel Data", filter);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFiles) << "several files may be chosen";
    EXPECT_EQ(open->windowTitle(), "Load Channel Data");

    // Several chosen: the first is the one the command uses.
    CQtUiSeam ui;
    WhenModal<QFileDialog>([&](QFileDialog& d) { TypeAndAccept(d, at, "\"a.bin\" \"b.bin\""); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), at + "a.bin");

    // A name typed without an extension gets the chosen type's.
    WhenModal<QFileDialog>([&](QFileDialog& d) { TypeAndAccept(d, at, "plain"); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), at + "plain.bin");
    WhenModal<QFileDialog>(
        [&](QFileDialog& d) { TypeAndAccept(d, at, "list", "Excel file (*.xls)"); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), at + "list.xls");
    WhenModal<QFileDialog>([](QFileDialog& d) { d.reject(); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), "");

    // Save: the initial name, and the same extension rule for a new name.
    WhenModal<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d.findChild<QLineEdit*>("fileNameEdit")->text(), "*.bin");
        TypeAndAccept(d, at, "export", "Excel file (*.xls)");
    });
    EXPECT_EQ(ui.SaveFileName(nullptr, "Save Channel Data", filter, "*.bin"), at + "export.xls");
    std::filesystem::remove_all(dir);
}

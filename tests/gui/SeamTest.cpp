// The UI seam's helpers (the prompt, the wait cursor) and what the real Qt
// side does with dialogs, file names and progress.
#include "qtkit/QtUiSeam.h"
#include "qtkit/ScriptedUiSeam.h"
#include "qtkit/SeamPrompt.h"
#include "qtkit/WaitCursor.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "tests/gui/Modal.h"
#include "tests/gui/QtPrinters.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProgressDialog>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

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
    static_cast<QDialog&>(d).accept(); // the dialog's own OK, reached through QDialog's
}

} // namespace

// The prompt's icons, and a wait cursor that ends once however often it is ended.
TEST(SeamHelpers, PromptIconsAndOneRestorePerWaitCursor) {
    CScriptedUiSeam ui;
    CSeamPrompt prompt(ui, nullptr);
    ui.NextAnswer(IUiSeam::IDYES);
    EXPECT_TRUE(prompt.AskYesNo("Cannot read file header. Continue?"));
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
    EXPECT_EQ(ui.messages.back().buttons, IUiSeam::Buttons::YesNo);
    prompt.Inform("Done");
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::None);
    {
        CWaitCursor wait(ui);
        wait.End();
        wait.End();
    }
    { CWaitCursor wait(ui); }
    EXPECT_EQ(ui.m_cursorChanges, (std::vector<bool>{true, false, true, false}));
}

TEST(QtSeam, MakerDialogFormsAndProgress) {
    CQtUiSeam ui;
    // The name dialog's real form shows its caption and preset text; what
    // the user types (Enter, Escape) is ChannelFormTest's.
    CDlgSearchName name(ui);
    name.SetCaption("New");
    name.SetText("old");
    WhenModal<QDialog>([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New");
        EXPECT_EQ(Child<QLineEdit>(d, "Text").text(), "old");
        d.reject();
    });
    EXPECT_EQ(name.DoModal(), IUiSeam::IDCANCEL);
    EXPECT_EQ(name.Text(), "old");

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
    // The chosen type's extension is seen through the dialogs below.
    EXPECT_EQ(DefaultSuffixFor("All Files(*.*) (*.*)"), "bin");
    EXPECT_EQ(QtNameFilters("Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All "
                            "Files(*.*)|*.*||"),
              (QStringList{"Binary file (*.bin)", "Excel file (*.xls)", "All Files(*.*)"}));
    const char* filter = "Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|Other (*.*)|*.*||";

    const auto dir = std::filesystem::temp_directory_path() /
                     ("velmar-seam-" + std::to_string(::getpid()) + "-files");
    std::filesystem::create_directories(dir);
    for (const char* name : {"a.bin", "b.bin", "list.xls", "plain.bin"})
        std::ofstream(dir / name) << "x";
    const QString at = QString::fromStdString(dir.string()) + "/";

    // Several chosen (the dialog takes several): the first is the one the command uses.
    CQtUiSeam ui;
    WhenModal<QFileDialog>([&](QFileDialog& d) { TypeAndAccept(d, at, "\"a.bin\" \"b.bin\""); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), at + "a.bin");

    // A name typed without an extension gets the chosen type's.
    WhenModal<QFileDialog>([&](QFileDialog& d) { TypeAndAccept(d, at, "plain"); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), at + "plain.bin");
    WhenModal<QFileDialog>(
        [&](QFileDialog& d) { TypeAndAccept(d, at, "list", "Excel file (*.xls)"); });
    EXPECT_EQ(ui.OpenFileName(nullptr, "Load Channel Data", filter), at + "list.xls");
    WhenModal<QFileDialog>([](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Load Channel Data");
        d.reject();
    });
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

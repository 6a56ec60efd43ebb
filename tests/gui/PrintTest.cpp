// Print: the button at the end of the toolbar, the choice of lists (at first
// what the lists show) and the preview it leads to, all through the scripted
// seam; and `velmar --print-pdf` run as a process, its PDF read back with
// poppler's pdftotext and pdfinfo.
#include "app/ListPainter.h"
#include "app/PrintDialogs.h"
#include "contracts/ReceiverProfiles.h"
#include "model/Product.h"
#include "platform/CodePage.h"
#include "tests/gui/EditorFixture.h"

#include <QDir>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using Option = CPrintChoiceDialogBase::Option;

class Print : public Editor {
protected:
    // The options' texts and ticks, as the form shows them.
    static std::vector<std::pair<QString, bool>> Boxes(const CDlgPrintChoice& d) {
        std::vector<std::pair<QString, bool>> out;
        for (const Option& o : d.Options())
            out.emplace_back(o.text, o.checked);
        return out;
    }
    static std::vector<std::string> Sections(const ListPrintJob& job) {
        std::vector<std::string> out;
        for (const PrintSection& s : job.sections)
            out.push_back(s.title);
        return out;
    }
};

// The button's place, last on the toolbar, is in the toolbar's order
// Editing.ToolbarKeepsItsButtonsThenUndoAndRedo checks.
TEST_F(Print, ChoiceStartsFromWhatTheListsShowAndThePreviewGetsTheChosenLists) {
    Open();
    EXPECT_FALSE(Action("ID_PRINT").icon().isNull());

    // The lists show everything: TV and radio ticked, the favourite lists
    // offered unticked. The user swaps radio for favourite 2.
    ui.NextDialog<CDlgPrintChoice>(IUiSeam::IDOK, [](CDlgPrintChoice& d) {
        ASSERT_GE(d.Options().size(), 4u);
        d.Check(1, false);
        d.Check(3, true);
    });
    ui.NextDialog<CDlgPrintPreview>(IUiSeam::IDOK);
    Keys("Ctrl+P"); // without a menu: the window's own action
    const CDlgPrintChoice* choice = ui.LastShown<CDlgPrintChoice>();
    ASSERT_NE(choice, nullptr);
    const auto boxes = Boxes(*choice);
    ASSERT_EQ(boxes.size(), 10u); // TV, radio and the eight favourite lists
    EXPECT_EQ(boxes[0], std::pair(QString("TV list"), true));
    EXPECT_EQ(boxes[1], std::pair(QString("Radio list"), true));
    EXPECT_EQ(boxes[2], std::pair(QString("Favourite 1: News"), false));
    EXPECT_EQ(boxes[3], std::pair(QString("Favourite 2: Sport"), false));
    EXPECT_EQ(boxes[9], std::pair(QString("Favourite 8: Radio"), false));

    const CDlgPrintPreview* preview = ui.LastShown<CDlgPrintPreview>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(Sections(preview->Job()),
              (std::vector<std::string>{"TV list", "Favourite 2: Sport"}));
    EXPECT_TRUE(preview->Job().title.startsWith(
        "demo-satellite.bin - VX-7 and VX-8 satellite receivers - 20"))
        << preview->Job().title.toStdString();
    EXPECT_EQ(static_cast<int>(preview->Job().sections[0].rows.size()), TV().GetRowCount() - 1);

    // The lists show favourite 3: that list alone is ticked. Cancelling the
    // choice shows no preview.
    frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 2);
    const std::size_t previews = ui.Shown<CDlgPrintPreview>().size();
    Action("ID_PRINT").trigger();
    const auto shownFavourite = Boxes(*ui.LastShown<CDlgPrintChoice>());
    for (std::size_t i = 0; i < shownFavourite.size(); ++i)
        EXPECT_EQ(shownFavourite[i].second, i == 4) << shownFavourite[i].first.toStdString();
    EXPECT_EQ(ui.Shown<CDlgPrintPreview>().size(), previews);
    EXPECT_EQ(ui.UnscriptedDialogs(), (std::vector<std::string>{"CDlgPrintChoice"}));
    EXPECT_EQ(ui.PendingDialogScripts(), 0u);
}

// ---- velmar --print-pdf, as a process ------------------------------------------------

struct EditorRun {
    int exitCode = -1;
    QString err;
};

EditorRun RunEditor(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(VELMAR_EDITOR, args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString Tool(const char* name, const QStringList& args) {
    QProcess process;
    process.start(name, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintPdf : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            GTEST_SKIP() << "pdftotext or pdfinfo (poppler-utils) is not installed";
        ASSERT_TRUE(folder.isValid());
    }
    QTemporaryDir folder;
};

TEST_F(PrintPdf, EveryChannelInOrderOnTheLayoutsPages) {
    const QString out = folder.filePath("list.pdf");
    const EditorRun run =
        RunEditor({"--receiver", "satellite", "--print-pdf", out, "--open", kExample});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"list.pdf"});

    // The layout of the same list on the same page.
    ConfigurePolicy(*FindReceiverProfile("satellite"));
    CDocument document;
    ASSERT_EQ(
        ReadImageDocument(kExample.toStdString(), ImageForm::Convert, document.Values(), document),
        1);
    PrintChoice whole;
    for (int n = 1; n <= kFavoritePositions; ++n)
        whole.favorites.push_back(n);
    const auto sections = ChosenPrintSections(document.Store(), Product::Current(), whole);
    ASSERT_GE(sections.size(), 2u);
    ASSERT_EQ(sections[0].title, "TV list");
    ASSERT_EQ(sections[1].title, "Radio list");
    ASSERT_GT(sections[0].rows.size(), 100u);
    QPdfWriter probe(folder.filePath("probe.pdf"));
    SetUpListPdf(probe);
    const int rowsPerPage = ListRowsPerPage(probe, {QString(), sections});
    const auto pages = PaginatePrint(sections, rowsPerPage);
    ASSERT_GT(pages.size(), sections.size()); // the TV list takes several pages

    const QString info = Tool("pdfinfo", {out});
    EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages.size()))))
        << info.toStdString();

    // Page by page (pdftotext ends each with a form feed): the title, the
    // heading, the page number, and each row's number and name on one line
    // in the layout's order.
    const QStringList text = Tool("pdftotext", {"-layout", out, "-"}).split('\f');
    ASSERT_GE(text.size(), static_cast<qsizetype>(pages.size()));
    EXPECT_FALSE(text.join("").contains(QChar(0x2026))) << "a text was cut short";
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const PrintPage& page = pages[n];
        const PrintSection& section = sections[page.section];
        const QStringList lines = text[static_cast<qsizetype>(n)].split('\n');
        ASSERT_GT(lines.size(), 3) << "page " << n + 1;
        EXPECT_TRUE(
            lines[0].startsWith("demo-satellite.bin - VX-7 and VX-8 satellite receivers - "))
            << lines[0].toStdString();
        for (const std::string& shown :
             {PrintSectionHeading(section, page), PrintPageNumberText(n + 1, pages.size())})
            EXPECT_TRUE(text[static_cast<qsizetype>(n)].contains(QString::fromStdString(shown)))
                << "page " << n + 1 << ": " << shown;
        qsizetype at = 0;
        for (std::size_t r = page.firstRow; r < page.firstRow + page.rowCount; ++r) {
            const std::string number = section.rows[r][0];
            const std::string name = AnsiToUtf8(section.rows[r][1]);
            bool found = false;
            for (; at < lines.size() && !found; ++at) {
                const QString first = lines[at].section(' ', 0, 0, QString::SectionSkipEmpty);
                const qsizetype nameAt = lines[at].indexOf(QString::fromStdString(name));
                found = first.toStdString() == number && nameAt > lines[at].indexOf(first);
            }
            EXPECT_TRUE(found) << section.title << " row " << r + 1 << ": " << number << " " << name
                               << " not on page " << n + 1 << " in order";
        }
    }
}

TEST_F(PrintPdf, FailuresLeaveNoFileAndSayWhy) {
    // A PDF already there and a folder named like one: every failure leaves
    // both as they were, and writes nothing beside them.
    const QString out = folder.filePath("list.pdf"), missing = folder.filePath("missing/list.pdf");
    std::ofstream(out.toStdString()) << "old";
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.pdf"));
    const std::tuple<int, const char*, QStringList> cases[] = {
        {1, "velmar: cannot write", {"--print-pdf", missing, "--open", kExample}},
        {1, "velmar: cannot read", {"--print-pdf", out, "--open", folder.filePath("none.bin")}},
        {1, "", {"--print-pdf", folder.filePath("taken.pdf"), "--open", kExample}},
        {2, "--print-pdf needs --open FILE", {"--print-pdf", out}}, // a usage error
    };
    for (const auto& [exitCode, said, args] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const EditorRun run = RunEditor(args);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_TRUE(run.err.contains(said)) << run.err.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                  (QStringList{"list.pdf", "taken.pdf"}));
        EXPECT_EQ(ReadAll(out.toStdString()), "old");
    }
}

} // namespace

// The editor in each shipped language: one case per catalogue of the build
// (translations/velmar_*.qm), so a new language is tested as soon as it is
// built. The window, its toolbar, the grids' headers, the context menus, the
// maker dialogs and the message boxes are walked once in English and once
// with the catalogue installed; a text that still reads as in English fails
// (unless the language writes it the same), and so does a text wider than
// the widget that shows it. The list tools are walked too: the comparison
// dialog, the CSV and satellites.xml file dialogs and the satellite choice,
// and what merge, apply order and the imports say; so are the record forms'
// refusals, the list check's findings and a cancelled transfer's words.
#include "link/FdTransport.h"
#include "link/ImageTransfer.h"
#include "model/ChannelIdentity.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "qtkit/vxui/LinkForm.h"
#include "tests/gui/EditorFixture.h"
#include "tests/gui/InLanguage.h"
#include "tests/gui/Modal.h"
#include "views/ChannelGridCtrl.h"
#include "views/CompareDialog.h"
#include "views/FavTreeCtrl.h"
#include "views/SatelliteChoiceDialog.h"
#include "views/SourceGridCtrl.h"
#include "xls/ChannelWorkbook.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>
#include <map>

#include <sys/socket.h>

namespace {

// The catalogues the build made, by language ("de", "ar").
std::vector<std::string> Languages() {
    std::vector<std::string> out;
    const QDir dir(VELMAR_TRANSLATIONS_DIR);
    for (const QString& file : dir.entryList({"velmar_*.qm"}, QDir::Files, QDir::Name))
        out.push_back(file.mid(7, file.size() - 10).toStdString());
    return out;
}

// Texts that a language writes as English does ("|" between them):
// abbreviations, technical names and words it has taken over. Kept per
// language and short; the codes are written so by every language but Arabic.
QSet<QString> Same(const QString& words) {
    const QStringList list = words.split('|');
    return QSet<QString>(list.begin(), list.end()) +
           QSet<QString>{"OK", "ID", "TPID", "FEC", "MUX", "CAS", "QAM"};
}
const std::map<std::string, QSet<QString>> kSameAsEnglish = {
    {"de", Same("Name|Index|Genre|Tuner|Transponder|Multiplex|PCR-PID|TV|Radio|Host|Tuner 1|"
                "Tuner 2|Sport|Drama|Lifestyle|Comedy|West|Position|H (horizontal)|CAS (hex)|"
                "Receiver:|Polarisation|Standard")},
    {"ar", {"OK"}},
    {"it", Same("TV|CAS (hex)|Radio|Satellite|Transponder|Multiplex|Tuner|Tuner 1|Tuner 2|Host|"
                "Sport|Standard")},
    {"es", Same("TV|CAS (hex)|Radio|Host|Drama|H (horizontal)|V (vertical)")},
    {"fr", Same("TV|CAS (hex)|Radio|Satellite|Multiplex|Tuner|Tuner 1|Tuner 2|Index|Genre|"
                "Position|Polarisation|Sport|Standard|Port|Configuration|Description|Satellites")},
    {"pl", Same("CAS (hex)|TV|Radio|Sport|Port|Host|Transponder|Tuner|Tuner 1|Tuner 2")},
    {"tr", Same("TV|Transponder|Tuner|Tuner 1|Tuner 2|PCR PID")},
    {"ru", Same("ID")},
};

// The setting groups' member names (w1, b1, ...) are the record's field
// names in every language.
const QSet<QString> kFieldNames = {"w1", "w2", "w3", "w4", "b1", "b2", "b3", "b4", "b5"};

// Combo boxes whose entries are words of the program; the others list
// records (satellites, transponders, ports, receiver models).
const QSet<QString> kWordCombos = {"ListChooser", "Kind", "Genre", "Tuner", "Polarisation"};

// Three lower-case words in a row of `english` that `translated` still
// has: English left inside a message the language otherwise writes (names
// and values are capitalised or have no blanks).
QString EnglishRun(const QString& english, const QString& translated) {
    static const QRegularExpression word("^[a-z]+$");
    const QStringList words = english.split(QRegularExpression("[\\s,.;:()]+"), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 2 < words.size(); ++i) {
        if (!word.match(words[i]).hasMatch() || !word.match(words[i + 1]).hasMatch() ||
            !word.match(words[i + 2]).hasMatch())
            continue;
        const QStringList run = words.mid(i, 3);
        if (translated.contains(QRegularExpression("\\b" + run.join("[\\s,]+") + "\\b")))
            return run.join(' ');
    }
    return {};
}

bool HasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// What the user reads, keyed by where it is, with the widget when its
// width must hold the text.
struct Seen {
    QString text;
    QString fitProblem; // set when the text does not fit
};
using Sight = std::map<QString, Seen>;

void Add(Sight& sight, const QString& where, const QString& text, QString fit = {}) {
    if (!text.trimmed().isEmpty())
        sight[where] = {text, std::move(fit)};
}

QString Plain(QString text) {
    return text.remove('&');
}

QString Fit(int needed, int has) {
    return needed > has ? QString("needs %1 px, has %2").arg(needed).arg(has) : QString();
}
QString FitProblem(const QWidget& w, const QString& text, int extra = 0) {
    return Fit(w.fontMetrics().horizontalAdvance(Plain(text)) + extra, w.width());
}

// Every visible text of `top` and its children.
void Look(Sight& sight, QWidget& top) {
    Add(sight, QString(top.metaObject()->className()) + "/title", top.windowTitle());
    // A place is a widget's class, name and rank among the children: the
    // same window builds them in the same order in every language.
    const QList<QWidget*> widgets = top.findChildren<QWidget*>();
    for (qsizetype rank = 0; rank < widgets.size(); ++rank) {
        QWidget* w = widgets[rank];
        if (!w->isVisible())
            continue;
        const QString at =
            QString("%1(%2)#%3/").arg(w->metaObject()->className(), w->objectName()).arg(rank);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // Selectable labels show record values.
            if (label->textInteractionFlags() & Qt::TextSelectableByMouse)
                continue;
            const bool line = !label->wordWrap() && !label->text().contains('\n');
            Add(sight, at, label->text(), line ? FitProblem(*label, label->text()) : QString());
        } else if (auto* tool = qobject_cast<QToolButton*>(w);
                   tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
            Add(sight, at + "tip", tool->toolTip()); // the text is not shown
        } else if (w->objectName().startsWith("Favorite") && qobject_cast<QCheckBox*>(w)) {
            continue; // "3  Kids": a favourite list's number and name
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const int indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)
                                      ? w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4
                                      : 0;
            Add(sight, at, button->text(), FitProblem(*button, button->text(), indicator));
            Add(sight, at + "tip", button->toolTip());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            Add(sight, at, box->title(), FitProblem(*box, box->title()));
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                Add(sight, at + QString::number(i), tabs->tabText(i));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (kWordCombos.contains(combo->objectName()))
                for (int i = 0; i < combo->count(); ++i)
                    Add(sight, at + QString::number(i), combo->itemText(i));
            Add(sight, at + "placeholder", combo->placeholderText());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            Add(sight, at + "placeholder", edit->placeholderText());
        } else if (auto* tree = qobject_cast<CFAVTreeCtrl*>(w)) {
            // The roots and the genres; the favourite lists' names are data.
            for (QTreeWidgetItem* root : {tree->FavoriteRoot(), tree->GenreRoot()})
                Add(sight, at + "root" + QString::number(tree->indexOfTopLevelItem(root)),
                    root->text(0));
            for (int i = 0; i < tree->GenreRoot()->childCount(); ++i)
                Add(sight, at + "genre" + QString::number(i), tree->GenreRoot()->child(i)->text(0));
        } else if (auto* groups = qobject_cast<QTreeWidget*>(w)) {
            // The group headings; the rows under them are the records' own
            // lines, but for the list check's examples.
            for (int i = 0; i < groups->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* group = groups->topLevelItem(i);
                Add(sight, at + "group" + QString::number(i), group->text(0));
                for (int j = 0; groups->objectName() == "ListFindings" && j < group->childCount();
                     ++j)
                    Add(sight, at + QString("group%1/%2").arg(i).arg(j), group->child(j)->text(0));
            }
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                Add(sight, at + "item" + QString::number(i), list->item(i)->text());
                Add(sight, at + "itemtip" + QString::number(i), list->item(i)->toolTip());
            }
        } else if (auto* grid = qobject_cast<CGridCtrl*>(w)) {
            for (int c = 0; c < grid->GetColumnCount(); ++c) {
                if (grid->IsColHidden(c))
                    continue;
                const QString header = grid->GetItemText(0, c);
                Add(sight, at + "header" + QString::number(c), header,
                    Fit(grid->horizontalHeader()->fontMetrics().horizontalAdvance(header),
                        grid->columnWidth(c)));
                Add(sight, at + "headertip" + QString::number(c),
                    grid->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString());
            }
        }
    }
}

// A menu's items and submenus; an item wider than the menu would be cut.
void LookAtMenu(Sight& sight, const QMenu& menu, const QString& at) {
    Add(sight, at + "title", menu.title());
    int i = 0;
    for (QAction* a : menu.actions()) {
        ++i;
        if (a->isSeparator())
            continue;
        const QString item = a->text().section('\t', 0, 0);
        Add(sight, at + QString::number(i), a->text(),
            Fit(menu.fontMetrics().horizontalAdvance(Plain(item)), menu.sizeHint().width()));
        if (a->menu())
            LookAtMenu(sight, *a->menu(), at + QString::number(i) + "/");
    }
}

class LanguageTest : public Editor, public ::testing::WithParamInterface<std::string> {
protected:
    // The menu a right click opens on `grid`, read while it is up.
    void LookAtContextMenu(Sight& sight, CListGridCtrl& grid, int row) {
        const QModelIndex cell = grid.model()->index(row - 1, 3);
        grid.scrollTo(cell);
        const bool seen =
            WithContextMenu(grid.viewport(), grid.visualRect(cell).center(), [&](QMenu& menu) {
                LookAtMenu(sight, menu, grid.objectName() + "/menu/");
                menu.close();
            });
        EXPECT_TRUE(seen) << "no context menu on " << grid.objectName().toStdString();
    }

    // OK on a record form with each entry in turn left empty or given a
    // character no record holds, the others as the form came (a name, and
    // after the first OK a choice, filled in where empty): the refusals go
    // to the seam.
    static void Refusals(QDialog& dialog) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>("Buttons");
        if (!buttons)
            return;
        std::vector<std::pair<QLineEdit*, QString>> entries;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            if (edit->isVisibleTo(&dialog) && edit->isEnabled())
                entries.emplace_back(edit, edit->text());
        for (const auto& [probed, unused] : entries)
            for (const QString& bad : {QString(), QString(QChar(0x4E00))}) {
                if (!dialog.isVisible())
                    return; // taken after all
                for (const auto& [edit, text] : entries)
                    edit->setText(edit->objectName() == "Name" && text.isEmpty() ? "Probe" : text);
                probed->setText(bad);
                buttons->button(QDialogButtonBox::Ok)->click();
                // The first refusal may be an empty choice's.
                for (QComboBox* choice : dialog.findChildren<QComboBox*>())
                    if (choice->currentIndex() < 0 && choice->count() > 0)
                        choice->setCurrentIndex(0);
            }
    }

    // Runs `form` modally and reads it as it comes up, every tab, then
    // its refusals.
    void LookAtForm(Sight& sight, CVxDialog& form, const QString& at) {
        bool seen = false;
        WhenModal<QDialog>([&](QDialog& dialog) {
            Sight inside;
            Look(inside, dialog);
            for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>())
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    Look(inside, dialog);
                }
            Refusals(dialog);
            for (auto& [where, text] : inside)
                sight[at + where] = text;
            dialog.reject();
            seen = true;
        });
        form.ShowForm(frame.get());
        EXPECT_TRUE(seen) << "the form " << at.toStdString() << " did not come up";
    }

    void TearDown() override {
        for (const char* name :
             {"language-edited.bin", "language-edited.xls", "language-satellites.xml",
              "language.csv", "language-order.txt", "language-bad.csv", "language-bad.xml",
              "language-saved.bin", "language-empty.bin"})
            std::filesystem::remove(Scratch(name));
        RemoveTranslations();
        Editor::TearDown();
    }

    // The example with TV row 1 renamed, row 2 removed and row 3 as a new
    // channel, as an image and as a workbook (which has no satellites to
    // compare); a satellites.xml with one satellite the example lacks and
    // one it has, with transponders each report line speaks of; a CSV with
    // rows each remark of its import speaks of.
    void WriteListFiles() {
        CDocument other;
        ASSERT_NO_FATAL_FAILURE(ReadExample(other));
        CZorvDB& db = other.Store();
        std::snprintf(db.Get<Channel_Info_Tag>(kTableChannel, TV().GetRowKey(1))->Name, 28,
                      "Velmar Renamed");
        ASSERT_NE(db.Delete(kTableChannel, TV().GetRowKey(2)), 0);
        auto* extra = db.Get<Channel_Info_Tag>(kTableChannel, TV().GetRowKey(3));
        extra->ServiceID = 0xBEEF;
        std::snprintf(extra->Name, 28, "Velmar Extra");
        SaveReport report;
        ASSERT_EQ(SaveImageDocument(other, Scratch("language-edited.bin"), &report, false), 1)
            << report.message;
        std::string why;
        ASSERT_TRUE(ExportChannelWorkbook(db, Scratch("language-edited.xls"), &why)) << why;
        const WORD degree = db.Rows<Satellite_Info_Tag>(kTableSatellite).begin()->Degree;
        std::ofstream(Scratch("language-satellites.xml"))
            << "<satellites>\n <sat name=\"Eutelsat 7E\" position=\"70\" flags=\"0\">\n"
            << TransponderXml(10721, 22000, 0, 3) << TransponderXml(10762, 22000, 2, 15, 1, 2)
            << TransponderXml(0, 22000, 0, 3) << TransponderXml(11000, 22000, 1, 3, 1, 3)
            << " </sat>\n <sat name=\"Mine\" position=\""
            << (degree <= 1800 ? int{degree} : int{degree} - 3600) << "\" flags=\"0\">\n"
            << TransponderXml(12999, 22000, 1, 3) << " </sat>\n</satellites>\n";
        // Files each reader refuses: a number no list has, an open quote,
        // a position that is no number.
        std::ofstream(Scratch("language-order.txt")) << "70000\tOne\n";
        std::ofstream(Scratch("language-bad.csv")) << "ProgramNum;Name\n1;\"Open\n";
        std::ofstream(Scratch("language-bad.xml"))
            << "<satellites>\n <sat name=\"X\" position=\"east\"/>\n</satellites>\n";
        std::ofstream(Scratch("language.csv"))
            << "ProgramNum;SatID;TPID;BroadcastID;Attributes;Name\n1;1;1;1;1024;One\n"
               "2;1;1;1;0;No kind\n3;1;1;1;3072;Both\n1;1;1;1;1024;Same number\n"
               "0;1;1;1;1024;Zero\n4;1;1;1;1024;\n5;99;1;1;1024;Elsewhere\n"
               "6;1;99;1;1024;Far\n7;1;1;999;1024;Nobody\n";
    }

    // Compare, merge, apply order, import and export through the toolbar,
    // every file dialog cancelled or answered through the seam; the dialogs
    // they open and what they say are left in the seam's record for the walk
    // to show.
    void UseListTools(Sight& sight) {
        WriteListFiles();
        const std::size_t opens = ui.openDialogs.size(), saves = ui.saveDialogs.size();
        const auto file = [this](const char* name) {
            ui.NextOpenFileName(QString::fromStdString(Scratch(name)));
        };
        for (const char* other : {"language-edited.bin", "language-edited.xls"}) {
            file(other);
            ui.NextDialog<CDlgCompare>(IUiSeam::IDCANCEL);
            Action("ID_COMPARE_WITH").trigger();
        }
        ui.NextOpenFileName(kExample); // the same list: a message instead
        Action("ID_COMPARE_WITH").trigger();
        // Refused: no number is left after the last TV channel.
        Channel_Info_Tag* last = nullptr;
        for (auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel))
            if (ServiceKindOf(c) == ServiceKind::TV && (!last || c.ProgramNum > last->ProgramNum))
                last = &c;
        ASSERT_NE(last, nullptr);
        const WORD number = std::exchange(last->ProgramNum, WORD{65535});
        file("language-edited.bin");
        ui.NextDialog<CDlgCompare>(IUiSeam::IDOK, [](CDlgCompare& d) { d.ChooseAddToThisList(); });
        Action("ID_COMPARE_WITH").trigger();
        last->ProgramNum = number;
        // Merged, then nothing left to merge; the other list's order applied.
        for (int i = 0; i < 2; ++i) {
            file("language-edited.bin");
            ui.NextDialog<CDlgCompare>(IUiSeam::IDOK,
                                       [](CDlgCompare& d) { d.ChooseAddToThisList(); });
            Action("ID_COMPARE_WITH").trigger();
        }
        for (const char* order : {"language-edited.bin", "language-order.txt"}) {
            file(order);
            Action("ID_APPLY_ORDER").trigger();
        }
        Action("ID_IMPORT_CSV").trigger();
        for (const char* csv : {"language-bad.csv", "language.csv"}) {
            file(csv);
            Action("ID_IMPORT_CSV").trigger();
        }
        Action("ID_EDIT_UNDO").trigger(); // the lists as they were for the rest of the walk
        Action("ID_EXPORT_CSV").trigger();
        for (const int answer : {IUiSeam::IDCANCEL, IUiSeam::IDOK}) {
            file("language-satellites.xml");
            ui.NextDialog<CDlgSatelliteChoice>(answer);
            Action("ID_IMPORT_SATELLITES").trigger();
        }
        file("language-bad.xml");
        Action("ID_IMPORT_SATELLITES").trigger();
        // A save the receiver cannot hold: one favourite list too many,
        // past the list check's question.
        std::vector<std::uint32_t> added;
        while (TheZorvDB().Size(kTableFavorite) <= 8)
            added.push_back(TheZorvDB().AddIndexed(kTableFavorite, NewRecord<FavoriteList>()));
        ui.NextSaveFileName(QString::fromStdString(Scratch("language-saved.bin")));
        ui.NextAnswer(IUiSeam::IDOK);
        Action("ID_SAVE_TO_FILE").trigger();
        for (const std::uint32_t key : added)
            TheZorvDB().Delete(kTableFavorite, key);
        const auto dialogs = [&](const auto& shown, std::size_t from, const QString& kind) {
            for (std::size_t i = from; i < shown.size(); ++i) {
                Add(sight, kind + QString::number(i - from) + "/title", shown[i].title);
                Add(sight, kind + QString::number(i - from) + "/filter", shown[i].filter);
            }
        };
        dialogs(ui.openDialogs, opens, "open");
        dialogs(ui.saveDialogs, saves, "save");
    }

    // The whole walk, from a fresh frame with the example open.
    Sight Walk() {
        SetUp(); // a fresh store and policy, as for a test
        Start();
        OpenExample();
        const std::size_t messages = ui.messages.size();
        Sight sight;
        Look(sight, *frame);
        for (QAction* a : frame->findChildren<QAction*>()) {
            const QString at = "action/" + a->objectName() + "/";
            Add(sight, at + "text", a->text());
            Add(sight, at + "tip", a->toolTip());
            Add(sight, at + "status", a->statusTip());
        }

        QTest::mouseClick(
            Grid("SatGrid").viewport(), Qt::LeftButton, {},
            Grid("SatGrid").visualRect(Grid("SatGrid").model()->index(0, 3)).center());
        for (const char* name : {"SatGrid", "TPGrid", "BroadcastGrid", "TVGrid"}) {
            CListGridCtrl& grid = Grid(name);
            grid.SelectRowsWhere([](int row) { return row == 1; });
            LookAtContextMenu(sight, grid, 1);
        }
        // Every maker dialog the lists and the toolbar open, through the seam.
        const std::size_t first = ui.ShownDialogs().size();
        TV().SelectRowsWhere([](int row) { return row == 1; });
        for (int id : {kChannelNew, kChannelSearch, kChannelDescription})
            TV().RunCommand(id);
        for (const char* name : {"SatGrid", "TPGrid", "BroadcastGrid"}) {
            auto& grid = Find<CSourceGridCtrl>(name);
            grid.SelectRowsWhere([](int row) { return row == 1; });
            for (int id : {kSourceNew, kSourceDescription})
                grid.RunCommand(id);
        }
        // What the list check finds: a provider the list lacks and a
        // provider's name the receiver cannot show. Send asks first and is
        // told to go on.
        TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, TV().GetRowKey(3))->BroadcastID = 999;
        TheZorvDB().Rows<Broadcast_Info_Tag>(kTableBroadcast).begin()->Name[0] = '\x81';
        ui.NextAnswer(IUiSeam::IDOK);
        for (const char* name : {"ID_RECEIVE_DB", "ID_SEND_DB", "ID_INFORMATION"})
            Action(name).trigger();
        UseListTools(sight);
        std::vector<std::unique_ptr<CVxDialog>> forms;
        for (std::size_t i = first; i < ui.ShownDialogs().size(); ++i)
            forms.push_back(ui.ShownDialogs()[i]->Clone());
        forms.push_back(std::make_unique<CDlgConfiguration>(ui));
        for (std::size_t i = 0; i < forms.size(); ++i)
            LookAtForm(sight, *forms[i], QString("form%1/%2/").arg(i).arg(forms[i]->ClassName()));

        // A delete asked and made: its question, and Undo's tip naming it.
        TV().SelectRowsWhere([](int row) { return row == 1; });
        ui.NextAnswer(IUiSeam::IDYES);
        TV().RunCommand(kChannelDelete);
        // Every message of the walk, the tools' and the forms' refusals too.
        for (std::size_t i = messages; i < ui.messages.size(); ++i) {
            const auto& m = ui.messages[i];
            const QString at = QString("message%1/").arg(i - messages);
            Add(sight, at + "text", m.text);
            Add(sight, at + "informative", m.informative);
        }
        Add(sight, "undo tip", Action("ID_EDIT_UNDO").toolTip());
        // The size check of a send: an empty file, and one that is not there.
        int ends[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
        CFdTransport line(ends[0], true);
        std::ofstream(Scratch("language-empty.bin")).flush();
        for (const char* sent : {"language-empty.bin", "language-missing.bin"})
            Add(sight, QString("link failed %1").arg(sent),
                LinkFailureText(SendImage(line, Scratch(sent), {}, nullptr, "image.bin"), false));
        ::close(ends[1]);
        for (const LinkStatus status : {LinkStatus::Cancelled, LinkStatus::PeerCancelled}) {
            const LinkResult ended{
                .status = status, .message = "English", .said = {}, .fileName = {}};
            for (const bool receiving : {true, false})
                Add(sight, QString("link %1 %2").arg(receiving).arg(int(status)),
                    LinkFailureText(ended, receiving));
        }
        frame.reset();
        return sight;
    }
};

TEST_P(LanguageTest, EveryTextIsTranslatedAndFits) {
    const std::string language = GetParam();
    const Sight english = Walk();
    ASSERT_GT(english.size(), 100u) << "the walk saw too little to mean anything";
    const CInLanguage installed(language.c_str());
    const Sight translated = Walk();
    // The same window, the same places.
    ASSERT_EQ(translated.size(), english.size());
    const QSet<QString>& same = kSameAsEnglish.at(language);
    for (const auto& [where, seen] : translated) {
        const auto found = english.find(where);
        ASSERT_NE(found, english.end()) << "only with the catalogue: " << where.toStdString();
        const QString& source = found->second.text;
        if (HasLetter(seen.text) && seen.text == source && !same.contains(seen.text) &&
            !kFieldNames.contains(seen.text))
            ADD_FAILURE() << language << ": still English at " << where.toStdString() << ": \""
                          << seen.text.toStdString() << "\"";
        else if (const QString run = EnglishRun(source, seen.text); !run.isEmpty())
            ADD_FAILURE() << language << ": \"" << run.toStdString() << "\" left in English at "
                          << where.toStdString() << ": \"" << seen.text.toStdString() << "\"";
        EXPECT_TRUE(seen.fitProblem.isEmpty())
            << language << ": \"" << seen.text.toStdString() << "\" does not fit at "
            << where.toStdString() << " (" << seen.fitProblem.toStdString() << ")";
    }
}

TEST_P(LanguageTest, LaysTheWindowOutAsTheLanguageRuns) {
    const std::string language = GetParam();
    Start();
    const QString englishTitle = frame->windowTitle();
    frame.reset();
    const CInLanguage installed(language.c_str());
    Start();
    const bool rtl = language == "ar";
    EXPECT_EQ(QGuiApplication::layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
    EXPECT_EQ(frame->layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
    // The panes placed by hand follow the direction too: the first list of a
    // pair on the side reading starts from, the chooser at the far end of the
    // Channels caption, and a caption's line after the caption's own text.
    OpenExample();
    // The lists name a genre as the tree does (the walk reads the tree): the
    // example's first TV channel is an entertainment channel.
    const QString entertainment = QCoreApplication::translate("Velmar", "Entertainment");
    EXPECT_NE(entertainment, QString("Entertainment")) << "the catalogue names the genre";
    EXPECT_EQ(TV().GetItemText(1, kChannelColumnGenre), entertainment);
    EXPECT_EQ(TV().x() > Radio().x(), rtl) << "TV and radio lists";
    EXPECT_EQ(Grid("SatGrid").x() > Grid("TPGrid").x(), rtl) << "satellites and transponders";
    const auto& right = Find<QWidget>("RightView");
    EXPECT_EQ(Find<QComboBox>("ListChooser").geometry().center().x() < right.width() / 2, rtl);
    for (const auto& [caption, line] : {std::pair{"ProviderCaption", "ProviderCaptionLine"},
                                        std::pair{"SourceCaption", "SourceCaptionLine"},
                                        std::pair{"ChannelsCaption", "ChannelsStatus"}}) {
        const auto& label = Find<QLabel>(caption);
        const Qt::Alignment align =
            QStyle::visualAlignment(label.layoutDirection(), label.alignment());
        const QRect text = label.fontMetrics().boundingRect(label.rect(), int(align), label.text());
        // The line is the caption's child or its sibling: compare in the pane.
        const auto& after = Find<QLabel>(line);
        const QRect place(after.mapTo(label.parentWidget(), QPoint(0, 0)), after.size());
        const QRect written = text.translated(label.pos());
        EXPECT_FALSE(place.intersects(written)) << caption << " overlaps " << line;
        EXPECT_EQ(place.center().x() < written.center().x(), rtl) << line;
    }
    // The caption and the toolbar speak the language; English comes back
    // when the catalogue goes.
    EXPECT_NE(frame->windowTitle(), englishTitle);
    EXPECT_NE(Action("ID_FILE_OPEN").text(), QString("Open"));
    frame.reset();
    RemoveTranslations();
    Start();
    EXPECT_EQ(Action("ID_FILE_OPEN").text(), QString("Open"));
    EXPECT_EQ(frame->layoutDirection(), Qt::LeftToRight);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageTest, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<std::string>& p) { return p.param; });

} // namespace

// The maker's dialogs' real forms, driven as a user drives them: widgets
// found by object name, filled, OK pressed; what comes back, what is
// refused and the message that says why. Which lines a description has is
// the description's own (ChannelCommands); here the dialog shows them.
#include "qtkit/vxui/ChannelForm.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "qtkit/ScriptedUiSeam.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "tests/gui/Modal.h"
#include "tests/gui/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

// A channel with every field set, those the form does not show included.
Channel_Info_Tag FullChannel() {
    // Index, CAS, Favorite (lists 1 and 32), ProgramNum, SatID, TPID, BroadcastID, ServiceID,
    // the video, audio and PCR PIDs, Attributes (TV, scrambled, genre 3, a bit of no name),
    // NumOfAudio, NumOfSubTTX, Name, CodeTable, Tuner, Record, LogicalNumber, F, ShowNum,
    // ParentRate, StreamType, OrgNetID, NetworkID, TSID, VolOffset, OrgMuxID, NetNameID,
    // ServiceType.
    Channel_Info_Tag c{77,     0x0B00, 0x80000001,  12,  2,    1,
                       5,      28006,  101,         102, 101,  0x0400 | 0x0020 | 3 | 0x0100,
                       2,      1,      "Das Erste", 5,   1,    9,
                       13,     {4},    14,          7,   0x1B, 1,
                       0x3001, 1101,   3,           4,   8,    25};
    c.F[31] = 6;
    return c;
}

struct ChannelFormTest : ::testing::Test {
    CScriptedUiSeam ui;
    // Satellites by ID, degree and name; their transponders by frequency, 27,500 kS/s,
    // polarisation and FEC 3, satellite and number.
    const Satellite_Info_Tag astra{0, 0, {}, {}, {}, {}, 192, 0, 2, "Astra 1", 0};
    const Satellite_Info_Tag hotbird{0, 0, {}, {}, {}, {}, 130, 0, 3, "Hotbird", 0};
    const Transponder_Info_Tag tps[3] = {{0, 11494, 27500, 0, 0, 0x31, 0, 2, 1, 0, 0, 0, 0, 0, 0},
                                         {0, 11836, 27500, 0, 0, 0x30, 0, 2, 2, 0, 0, 0, 0, 0, 0},
                                         {0, 10992, 27500, 0, 0, 0x30, 0, 3, 1, 0, 0, 0, 0, 0, 0}};
    const Broadcast_Info_Tag brds[2] = {{0, 5, "ARD", 0}, {0, 6, "ZDFvision", 0}};
    // Compact entries with L = 28 keep 27 name characters.
    const Product product{7, 0x01};

    // The satellite dialog as the channel lists fill it.
    void Fill(CChannelDialogBase& d, const Channel_Info_Tag& record) {
        d.AddSatList(&astra);
        d.AddSatList(&hotbird);
        for (const auto& t : tps)
            d.AddTPList(&t);
        for (const auto& b : brds)
            d.AddBroadcastList(&b);
        d.AddFavoriteList({1, "Movies", 0});
        d.AddFavoriteList({2, "News", 9});
        d.SetChannelInfo(&record);
    }

    static QLineEdit& Edit(QWidget& form, const char* name) { return Child<QLineEdit>(form, name); }
    static QComboBox& Combo(QWidget& form, const char* name) {
        return Child<QComboBox>(form, name);
    }
    static QCheckBox& Check(QWidget& form, const char* name) {
        return Child<QCheckBox>(form, name);
    }
    static QStringList Items(QComboBox& combo) {
        QStringList out;
        for (int i = 0; i < combo.count(); ++i)
            out << combo.itemText(i);
        return out;
    }
    static void Choose(QComboBox& combo, const QString& text) {
        const int at = combo.findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        combo.setCurrentIndex(at);
    }
    // OK as the user presses it.
    static void PressOk(QWidget& form) {
        QTest::mouseClick(&Child<QPushButton>(form, "OK"), Qt::LeftButton);
    }
    // The message a refusal showed, and that it left the form open.
    QString Refusal(CChannelForm& form) {
        PressOk(form);
        EXPECT_EQ(form.result(), 0) << "refused: the form stays open";
        if (ui.messages.empty())
            return {};
        EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
        EXPECT_EQ(ui.messages.back().caption, "Velmar");
        return ui.messages.back().text;
    }
};

} // namespace

TEST_F(ChannelFormTest, UpdateShowsTheRecordAndReturnsItWholeWithTheUsersChanges) {
    CDlgCHAddUpdate dialog(ui);
    const Channel_Info_Tag before = FullChannel();
    Fill(dialog, before);
    CChannelForm form(ui, dialog.FormInput(product, 28));
    EXPECT_EQ(form.windowTitle(), "Update Channel");

    // What the user sees first.
    EXPECT_EQ(Edit(form, "Name").text(), "Das Erste");
    EXPECT_EQ(Edit(form, "Name").maxLength(), 27);
    EXPECT_EQ(Edit(form, "ProgramNum").text(), "12");
    EXPECT_TRUE(Edit(form, "ProgramNum").isEnabled()) << "Update may renumber by hand";
    ExpectFields(form, {{"CAS", "00000B00"}, {"StreamType", "1B"}});
    EXPECT_EQ(Items(Combo(form, "SatID")), (QStringList{"Astra 1 (19.2E)", "Hotbird (13.0E)"}));
    ExpectCombos(form, {{"SatID", "Astra 1 (19.2E)"},
                        {"BroadcastID", "ARD (ID 5)"},
                        {"Tuner", "Tuner 2"},
                        {"Kind", "TV"}});
    // Only the chosen satellite's transponders.
    EXPECT_EQ(Items(Combo(form, "TPID")),
              (QStringList{"11,494 MHz HOR 27,500 kS/s", "11,836 MHz VER 27,500 kS/s"}));
    EXPECT_EQ(Combo(form, "TPID").currentIndex(), 0);
    EXPECT_EQ(Combo(form, "Genre").count(), 16);
    EXPECT_EQ(Combo(form, "Genre").currentIndex(), 3);
    ExpectChecks(
        form, {{"Scrambled", true}, {"Locked", false}, {"Favorite1", true}, {"Favorite2", false}});
    EXPECT_EQ(Check(form, "Favorite2").text(), "2  News");

    // The user's changes.
    SetFields(form, {{"Name", QString::fromUtf8("Caf\u00e9 \u20ac")},
                     {"VideoPID", "8191"},
                     {"CAS", "0x1801"},
                     {"StreamType", "2"},
                     {"ProgramNum", "40"}});
    Choose(Combo(form, "SatID"), "Hotbird (13.0E)");
    EXPECT_EQ(Items(Combo(form, "TPID")), QStringList{"10,992 MHz VER 27,500 kS/s"});
    Choose(Combo(form, "BroadcastID"), "ZDFvision (ID 6)");
    Combo(form, "Genre").setCurrentIndex(9);
    Choose(Combo(form, "Tuner"), "Tuner 1");
    for (const auto& [name, on] : {std::pair{"Locked", true}, std::pair{"Scrambled", false},
                                   std::pair{"Favorite1", false}, std::pair{"Favorite2", true}})
        Check(form, name).setChecked(on);
    PressOk(form);
    ASSERT_EQ(form.result(), QDialog::Accepted)
        << (ui.messages.empty() ? std::string() : ui.messages.back().text.toStdString());
    EXPECT_TRUE(ui.messages.empty());

    // Every byte as it was but for the user's changes; the bit of no name,
    // the fields the form does not show and those shown and left alone carried.
    Channel_Info_Tag expected = before;
    std::memset(expected.Name, 0, sizeof expected.Name);
    std::strcpy(expected.Name, "Caf\xE9 \x80"); // Windows-1252 bytes
    expected.VideoPID = 8191;
    expected.CAS = 0x1801;
    expected.StreamType = 2;
    expected.ProgramNum = 40;
    expected.SatID = 3;
    expected.TPID = 1;
    expected.BroadcastID = 6;
    expected.Tuner = 0;
    expected.Attributes = 0x0400 | 0x0010 | 9 | 0x0100;
    // Leaving list 1 clears its position; joining list 2 takes the offered
    // one; list 32, which the form does not offer, keeps its membership.
    expected.Favorite = 0x80000002u;
    expected.F[0] = 0;
    expected.F[1] = 9;
    ExpectSameBytes(form.Record(), expected);
}

TEST_F(ChannelFormTest, OkWithoutChangesGivesTheRecordBackAsItWas) {
    CDlgCHAddUpdate dialog(ui);
    Channel_Info_Tag before = FullChannel();
    before.TPID = 9;        // a transponder the satellite does not have
    before.BroadcastID = 0; // no broadcaster
    before.Tuner = 4;
    Fill(dialog, before);
    CChannelForm form(ui, dialog.FormInput(product, 28));
    ExpectCombos(form,
                 {{"TPID", "Transponder 9"}, {"BroadcastID", "(none)"}, {"Tuner", "Tuner byte 4"}});
    // Choosing another satellite and coming back brings the record's own pair back.
    Choose(Combo(form, "SatID"), "Hotbird (13.0E)");
    Choose(Combo(form, "SatID"), "Astra 1 (19.2E)");
    EXPECT_EQ(Combo(form, "TPID").currentText(), "Transponder 9");
    PressOk(form);
    ASSERT_EQ(form.result(), QDialog::Accepted);
    ExpectSameBytes(form.Record(), before);
}

TEST_F(ChannelFormTest, BadValuesAreRefusedWithAMessageNamingTheField) {
    CDlgCHAddUpdate dialog(ui);
    Fill(dialog, FullChannel());
    CChannelForm form(ui, dialog.FormInput(product, 28));
    struct Case {
        const char* widget;
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {"VideoPID", "8192", "Video PID must be a number from 0 to 8191."},
        {"AudioPID", "-1", "Audio PID must be a number from 0 to 8191."},
        {"PCRPID", "", "PCR PID must be a number from 0 to 8191."},
        {"ServiceID", "65536", "Service ID must be a number from 0 to 65535."},
        {"NumOfAudio", "256", "Audio streams must be a number from 0 to 255."},
        {"CAS", "XYZ", "CAS must be a hexadecimal number of at most 8 digits."},
        {"CAS", "123456789", "CAS must be a hexadecimal number of at most 8 digits."},
        {"StreamType", "100", "Stream type must be a hexadecimal number of at most 2 digits."},
        {"Name", "", "Name must not be empty."},
        {"Name", QString::fromUtf8("Check \u2713"),
         "Name has characters that Windows-1252 cannot hold."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.widget);
        QLineEdit& edit = Edit(form, c.widget);
        const QString good = edit.text();
        edit.setText(c.typed);
        EXPECT_EQ(Refusal(form), c.message);
        EXPECT_EQ(form.focusWidget(), &edit) << "the bad field has the focus";
        edit.setText(good);
    }
    const std::size_t shown = ui.messages.size();
    PressOk(form);
    EXPECT_EQ(form.result(), QDialog::Accepted) << "every field good again";
    EXPECT_EQ(ui.messages.size(), shown);
}

TEST_F(ChannelFormTest, TheRecordChecksRefuseWhatTheImageWouldDrop) {
    // Which records those are is the record checks' rule; here the form
    // shows their message and puts the focus on the field. A new channel on
    // a product whose only satellite list is empty: SatID 0 is an empty slot.
    CDlgCHAddUpdate dialog(ui);
    dialog.SetChannelMode(true);
    Channel_Info_Tag preset{};
    std::strcpy(preset.Name, "Fresh");
    dialog.SetChannelInfo(&preset);
    CChannelForm form(ui, dialog.FormInput(product, 28));
    EXPECT_EQ(Combo(form, "SatID").currentText(), "(none)");
    EXPECT_EQ(Refusal(form), "SatID must not be 0: the receiver reads it as an empty slot.");
    EXPECT_EQ(form.focusWidget(), &Combo(form, "SatID"));

    // A name longer than the entries keep (from a workbook) is shown whole
    // and refused, never cut without a word.
    CDlgCHAddUpdate longName(ui);
    Channel_Info_Tag c = FullChannel();
    std::strcpy(c.Name, "A name of twenty-eight chars");
    Fill(longName, c);
    CChannelForm longForm(ui, longName.FormInput(product, 28));
    EXPECT_EQ(Edit(longForm, "Name").text(), "A name of twenty-eight chars");
    EXPECT_EQ(Refusal(longForm), "Name must have at most 27 characters.");
    Edit(longForm, "Name").setText("A name of twenty-seven char");
    PressOk(longForm);
    EXPECT_EQ(longForm.result(), QDialog::Accepted);

    // A record of both kinds (from a workbook) must become one of them.
    CDlgCHAddUpdate both(ui);
    c = FullChannel();
    c.Attributes |= kAttrRadio;
    Fill(both, c);
    CChannelForm bothForm(ui, both.FormInput(product, 28));
    EXPECT_EQ(Combo(bothForm, "Kind").currentText(), "Both TV and radio");
    EXPECT_TRUE(Refusal(bothForm).startsWith("Attributes must mark the channel"));
    EXPECT_EQ(bothForm.focusWidget(), &Combo(bothForm, "Kind"));
    Choose(Combo(bothForm, "Kind"), "Radio");
    PressOk(bothForm);
    ASSERT_EQ(bothForm.result(), QDialog::Accepted);
    EXPECT_EQ(bothForm.Record().Attributes & (kAttrTV | kAttrRadio), kAttrRadio);
}

TEST_F(ChannelFormTest, NewMakesAChannelOfTheListsKindAndLeavesNumbersAndGenreToTheCommand) {
    CDlgCHAddUpdate dialog(ui);
    dialog.SetChannelMode(false);
    Channel_Info_Tag preset{};
    preset.SatID = 3;
    preset.TPID = 1;
    preset.Attributes = 6; // the shown genre list's genre
    Fill(dialog, preset);
    CChannelForm form(ui, dialog.FormInput(product, 28));
    EXPECT_EQ(form.windowTitle(), "New Radio Channel");
    ExpectCombos(
        form,
        {{"Kind", "Radio"}, {"SatID", "Hotbird (13.0E)"}, {"TPID", "10,992 MHz VER 27,500 kS/s"}});
    for (const char* off : {"Kind", "ProgramNum", "LogicalNumber", "ShowNum", "Genre"})
        EXPECT_FALSE(Child<QWidget>(form, off).isEnabled()) << off;
    EXPECT_EQ(Combo(form, "Genre").currentIndex(), 6);
    EXPECT_EQ(form.focusWidget(), &Edit(form, "Name"));

    SetFields(form, {{"Name", "Radio Eins"}, {"AudioPID", "0x100"}});
    Check(form, "Favorite2").setChecked(true);
    PressOk(form);
    ASSERT_EQ(form.result(), QDialog::Accepted);
    const Channel_Info_Tag& c = form.Record();
    EXPECT_EQ(std::tuple(std::string(c.Name), int{c.Attributes}, int{c.AudioPID}, int{c.SatID},
                         int{c.TPID}, c.Favorite, int{c.F[1]}),
              std::tuple(std::string("Radio Eins"), kAttrRadio | 6, 0x100, 3, 1, 2u, 9));
}

TEST_F(ChannelFormTest, TheMultiplexDialogChoosesAMultiplexInsteadOfASatellite) {
    SMux_Info_Tag ter{};
    ter.TPID = 3;
    ter.NameIndex = 2;
    CDlgMuxCHAddUpdate dialog(ui);
    dialog.AddMuxList(&ter);
    Transponder_Info_Tag pseudo{};
    pseudo.SatID = 1;
    pseudo.TPID = 5;
    SetTpTerrestrialBytes(pseudo, 0, 4);
    dialog.AddMuxList(&pseudo);
    dialog.AddMuxList(7);
    dialog.AddBroadcastList(&brds[0]);
    Channel_Info_Tag c = FullChannel();
    c.SatID = 1;
    c.TPID = 3;
    c.Tuner = 0;
    dialog.SetChannelInfo(&c);
    CChannelForm form(ui, dialog.FormInput({1, 0x02}, 28));
    EXPECT_EQ(form.findChild<QComboBox*>("SatID"), nullptr);
    EXPECT_EQ(Items(Combo(form, "TPID")),
              (QStringList{"UHF 23 490.0 MHz", "Multiplex 7", "UHF 25 506.0 MHz"}));
    EXPECT_EQ(Combo(form, "TPID").currentText(), "UHF 23 490.0 MHz");
    Choose(Combo(form, "TPID"), "Multiplex 7");
    PressOk(form);
    ASSERT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Record().TPID, 7);
    EXPECT_EQ(form.Record().SatID, 1) << "carried";
}

// Types `text` into the line edit `field` of the next modal dialog, titled
// `title`, and presses `key` there.
void TypeAndPress(const QString& title, const char* field, const QString& text, Qt::Key key) {
    WhenModal<QDialog>([=](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), title);
        auto* edit = d.findChild<QLineEdit*>(field);
        edit->setText(text);
        QTest::keyClick(edit, key);
    });
}

TEST_F(ChannelFormTest, EnterIsOkAndEscapeIsCancelThroughTheDialogsOwnRun) {
    ConfigureStartupPolicy();
    CDlgCHAddUpdate dialog(ui);
    Fill(dialog, FullChannel());
    TypeAndPress("Update Channel", "Name", "Typed", Qt::Key_Return);
    EXPECT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    EXPECT_STREQ(dialog.GetChannelInfo().Name, "Typed");
    TypeAndPress("Update Channel", "Name", "Not kept", Qt::Key_Escape);
    EXPECT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDCANCEL);
    EXPECT_STREQ(dialog.GetChannelInfo().Name, "Typed");

    // The search dialog: Enter takes the text, Escape leaves it.
    CDlgSearchName search(ui);
    search.SetCaption("Search");
    TypeAndPress("Search", "Text", "erste", Qt::Key_Return);
    EXPECT_EQ(search.ShowForm(nullptr), IUiSeam::IDOK);
    TypeAndPress("Search", "Text", "gone", Qt::Key_Escape);
    EXPECT_EQ(search.ShowForm(nullptr), IUiSeam::IDCANCEL);
    EXPECT_EQ(search.Text(), "erste");
}

TEST_F(ChannelFormTest, TheDescriptionShowsWhatWasFoundAndLeavesOutWhatWasNot) {
    ConfigureStartupPolicy();
    CDlgDescription description(ui);
    const Channel_Info_Tag c = FullChannel();
    description.SetChannelInfo(&c);
    description.SetSatelliteInfo(&astra);
    description.SetTransponderInfo(nullptr);
    description.SetBroadcastInfo(&brds[0]);
    WhenModal<QDialog>([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Description");
        auto text = [&](const char* name) {
            auto* label = d.findChild<QLabel*>(name);
            return label ? label->text() : QString("(missing)");
        };
        EXPECT_EQ(text("Channel"), "Das Erste");
        EXPECT_EQ(text("Satellite"), "Astra 1");
        EXPECT_EQ(text("Broadcaster"), "ARD");
        EXPECT_EQ(d.findChild<QLabel*>("Frequency"), nullptr) << "no transponder found";
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(description.ShowForm(nullptr), IUiSeam::IDOK);
    EXPECT_FALSE(description.DescriptionText().contains("Frequency"));
    EXPECT_TRUE(description.DescriptionText().contains("Broadcaster: ARD"));
}

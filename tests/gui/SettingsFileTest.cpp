// One settings file for every dialog: the link forms' lines and the
// configuration dialog's receiver land in ~/.config/Velmar/Velmar.conf, the
// file velmar-cli reads, whatever names the application carries.
#include "platform/EditorSettings.h"
#include "qtkit/vxui/LinkForm.h"
#include "qtkit/vxui/VxuiSettings.h"
#include "tests/gui/Modal.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace {

TEST(SettingsFile, LinkFormsAndTheConfigurationDialogShareOneFile) {
    UseVelmarSettingsFile();
    const QString file = QSettings(kSettingsOrganization, kSettingsApplication).fileName();
    EXPECT_TRUE(file.endsWith("/Velmar/Velmar.conf")) << file.toStdString();
    EXPECT_EQ(QSettings().fileName(), file) << "a plain QSettings() is that file";

    // Another test may have named the application otherwise: the forms do
    // not depend on it.
    QCoreApplication::setOrganizationName("SomethingElse");
    {
        CLinkForm form(nullptr, CLinkForm::Direction::Receive, "Receive", "CDlgSettingsTest",
                       "/nonexistent/velmar-settings-test.bin");
        Child<QRadioButton>(form, "Tcp").setChecked(true);
        SetFields(form, {{"Host", "192.0.2.7"}});
        Child<QSpinBox>(form, "TcpPort").setValue(4711);
        Child<QPushButton>(form, "Start").click(); // the line is remembered as it starts
        form.reject();
    }
    UseVelmarSettingsFile();
    SaveVxuiReceiverChoice({"zorv-sat-8fav", 1});

    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    const std::string text = read.readAll().toStdString();
    EXPECT_EQ(IniValue(text, "VXUI", "Receiver"), "zorv-sat-8fav");
    EXPECT_EQ(IniValue(text, "VXUI", "CDlgSettingsTest\\Host"), "192.0.2.7") << text;
    EXPECT_EQ(IniValue(text, "VXUI", "CDlgSettingsTest\\Port"), "4711");

    // And the form reads its line back from there.
    CLinkForm again(nullptr, CLinkForm::Direction::Receive, "Receive", "CDlgSettingsTest",
                    "/nonexistent/velmar-settings-test.bin");
    EXPECT_TRUE(Child<QRadioButton>(again, "Tcp").isChecked());
    ExpectFields(again, {{"Host", "192.0.2.7"}});
    QSettings(kSettingsOrganization, kSettingsApplication).remove("VXUI");
}

} // namespace

// GoogleTest main for the GUI tests: one QApplication on the offscreen
// platform with a full-HD screen, a fixed locale, the editor's settings
// names.
#include "qtkit/vxui/VxuiSettings.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen screen is 800 x 600 unless told: too small for the
    // window's usual size.
    const QTemporaryDir screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString config = screens.filePath("screens.json");
        QFile file(config);
        if (file.open(QIODevice::WriteOnly) &&
            file.write(R"({"screens": [{"name": "HD", "x": 0, "y": 0, "width": 1920,
                           "height": 1080, "logicalDpi": 96, "dpr": 1}]})") > 0) {
            file.close();
            qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        }
    }
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    UseVelmarSettingsFile();
    // Settings the tests write stay out of the user's own.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

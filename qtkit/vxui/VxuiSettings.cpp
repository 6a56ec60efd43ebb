#include "qtkit/vxui/VxuiSettings.h"

#include <QCoreApplication>

void UseVelmarSettingsFile() {
    QCoreApplication::setOrganizationName(kSettingsOrganization);
    QCoreApplication::setApplicationName(kSettingsApplication);
}

// The maker's dialog library keeps its own settings: the configuration
// dialog's choice of receiver and of the technical columns, in the group
// "VXUI" of the user's Velmar settings. The editor reads them at start-up;
// the system itself keeps no settings. Every dialog's settings are in one
// file, ~/.config/Velmar/Velmar.conf, which velmar-cli reads too.
#pragma once

#include <optional>
#include <string>

struct VxuiReceiverChoice {
    std::string receiver;          // a receiver profile's short name; empty: none chosen
    std::optional<int> gridColumn; // the technical columns: 0 hidden, 1 shown
};

inline constexpr const char* kSettingsOrganization = "Velmar";
inline constexpr const char* kSettingsApplication = "Velmar";
// Names the application so that a plain QSettings() is that one file; once
// at start-up, after the application object exists.
void UseVelmarSettingsFile();

VxuiReceiverChoice LoadVxuiReceiverChoice();
void SaveVxuiReceiverChoice(const VxuiReceiverChoice& choice);

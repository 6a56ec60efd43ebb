// The maker's dialog library keeps its own settings: the configuration
// dialog's choice of receiver and of the technical columns, in the group
// "VXUI" of the user's Velmar settings. The editor reads them at start-up;
// the system itself keeps no settings.
#pragma once

#include <optional>
#include <string>

struct VxuiReceiverChoice {
    std::string receiver;          // a receiver profile's short name; empty: none chosen
    std::optional<int> gridColumn; // the technical columns: 0 hidden, 1 shown
};

VxuiReceiverChoice LoadVxuiReceiverChoice();
void SaveVxuiReceiverChoice(const VxuiReceiverChoice& choice);

#include "contracts/StartupPolicy.h"

#include "contracts/ReceiverProfiles.h"

void ConfigureStartupPolicy() {
    ConfigurePolicy(DefaultReceiverProfile());
}

// `velmar-cli info --json`: the figures of the Information view as JSON.
#pragma once

#include "contracts/ZorvDB.h"
#include "document/Statistics.h"

#include <string>

// Duplicate groups list their members' keys and names, read from `db`.
std::string InfoJson(const Statistics& s, const CZorvDB& db);

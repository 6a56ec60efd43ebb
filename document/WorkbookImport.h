// What a workbook import takes into a list. A row that marks neither TV nor
// radio (or both) would become a channel no list shows: such rows are left
// out and counted. Rows with number 0 or no name, or that name a satellite,
// transponder, multiplex or provider the list does not have, are taken (the
// user's data stays) and counted, so the import can say so; the check before
// Save and Send names them again. A row whose number another row of its kind
// took before it is numbered after the last channel of its kind.
#pragma once

#include "contracts/ZorvDB.h"
#include "platform/Phrase.h"
#include "xls/ChannelWorkbook.h"

#include <cstdint>
#include <set>
#include <string>

struct ImportReport {
    std::size_t rows = 0;  // rows the sheet held
    std::size_t taken = 0; // rows imported
    std::size_t noKind = 0, bothKinds = 0, numberZero = 0, noName = 0;
    std::size_t missingSatellite = 0, missingTransponder = 0, missingMultiplex = 0,
                missingProvider = 0;
    std::set<unsigned> satellites, transponders, multiplexes, providers; // the ids named
    std::size_t renumbered = 0;

    std::size_t LeftOut() const { return rows - taken; }
    // A sheet with rows of which none can be taken: the list stays as it was.
    bool Refused() const { return rows > 0 && taken == 0; }
};

// Keeps in `channels` the rows `db`'s list can hold and renumbers repeated
// numbers. References are checked against the tables the list has: a list
// with no satellites at all (nothing opened yet) takes the sheet's.
ImportReport FilterImportedChannels(const CZorvDB& db, std::uint32_t productType,
                                    ChannelList& channels);

// What the user is told: empty when every row was taken as it was;
// otherwise "12 rows of Channel were not imported: 9 mark neither TV nor
// radio, 3 name satellite 14, which the image does not have", and for a
// refused sheet, that nothing was imported and the list is unchanged. The
// phrase for the editor, the English for velmar-cli.
Phrase ImportReportPhrase(const ImportReport& report);
std::string ImportReportMessage(const ImportReport& report);
